// What a grid node keeps of its record: compact cells that give every kind of value back
// unchanged, texts made from the values when asked that equal the texts the columns made of the
// records when they were read, and texts set on a node that stay until the record is read again.
#include <cmath>
#include <cstring>

#include "data/MemDataSet.h"
#include "grid/dxDBNodeValues.h"
#include "grid/dxGrClms.h"
#include "support/GridFixture.h"

namespace {

TEST(NodeCellTest, EveryKindOfValueComesBackUnchanged) {
  const String twelve = "欧阳小明";  // 12 bytes: the longest text kept inside the cell
  const String binary("a\0b", 3);
  const Variant values[] = {
      Variant(),
      Variant::Null(),
      Variant(true),
      Variant(INT32_MIN),
      Variant(int64_t(1) << 40),
      Variant(-0.0),
      Variant(1e300),
      Variant::FromCurrencyUnits(-123456789),
      Variant::FromDateTime(45413.000000004),
      Variant(String()),
      Variant("男"),
      Variant(twelve),
      Variant(twelve + "!"),
      Variant(String(40, 'x')),
      Variant(binary),
  };
  for (const Variant& value : values) {
    SCOPED_TRACE(VarToStr(value));
    const TdxNodeCell cell(value, dnvValue, 7);
    const TdxNodeCell copy(cell);
    const TdxNodeCell moved(TdxNodeCell(value, 0, 0));
    for (const TdxNodeCell* c : {&cell, &copy, &moved}) {
      const Variant back = c->Value();
      ASSERT_EQ(back.VarType(), value.VarType());
      if (value.VarType() == varDouble || value.VarType() == varDate) {
        const double a = back.AsDouble(), b = value.AsDouble();
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "the same bits";
      } else if (!value.IsNull() && !value.IsEmpty()) {
        EXPECT_TRUE(VarSameValue(back, value));
        EXPECT_EQ(VarToStr(back), VarToStr(value));
      }
    }
    EXPECT_EQ(copy.Flags(), dnvValue);
    EXPECT_EQ(copy.TextRule(), 7);
  }
}

// A grid over fields of every kind, with values whose texts are awkward: a float in a display
// format, a time a fraction of a millisecond past midnight, a number past 32 bits.
class NodeValuesTest : public TTypedGridTest {
 protected:
  void SetUp() override {
    TTypedGridTest::SetUp();
    Data = MakeComponent<TMemDataSet>();
    Data->FieldDefs().Add("No", ftInteger, 0, true);
    Data->FieldDefs().Add("Big", ftLargeint);
    Data->FieldDefs().Add("Score", ftFloat);
    Data->FieldDefs().Add("Money", ftFloat);
    Data->FieldDefs().Add("When", ftDateTime);
    Data->FieldDefs().Add("Free", ftBoolean);
    Data->FieldDefs().Add("Name", ftString, 30);
    Data->FieldDefs().Add("Note", ftMemo);
    Data->Open();
    Data->FieldByName("Money")->SetDisplayFormat("0.00");
    const auto date = [](double Days) { return Variant::FromDateTime(Days); };
    Data->AppendRecord({1, int64_t(3000000000), 81.5, 2.675, date(45413.5), true, "Zhang San", "long text"});
    Data->AppendRecord({2, -7, 1e-7, 1e15, date(45413), false, "欧阳小明同学", Variant::Null()});
    Data->AppendRecord({3, Variant::Null(), 0.1 + 0.2, -0.5, date(45413.000000004), Variant::Null(), "", "x"});
    Data->AppendRecord({4, 0, 123456789.125, 7, date(-1.25), true, Variant::Null(), Variant::Null()});
    Data->First();
    Source->SetDataSet(Data.get());
    for (int i = 0; i < Data->FieldCount(); ++i) Add<TdxDBGridColumn>(Data->Fields()[i]->FieldName());
    Currency = Add<TdxDBGridCurrencyColumn>("Score");
  }
  TdxDBGridNode* Row(int No) {
    for (int i = 0; i < Grid->GetAbsoluteCount(); ++i)
      if (VarSameValue(static_cast<TdxDBGridNode*>(Grid->GetAbsoluteNode(i))->KeyValue, Variant(No)))
        return static_cast<TdxDBGridNode*>(Grid->GetAbsoluteNode(i));
    return nullptr;
  }
  // Every cell's text and value as the columns made them of each record when reading it.
  void ExpectTextsAsRead() {
    for (Data->First(); !Data->Eof(); Data->Next()) {
      TdxDBGridNode* node = Row(Data->FieldByName("No")->AsInteger());
      ASSERT_TRUE(node);
      for (int i = 0; i < Grid->GetColumnCount(); ++i) {
        TdxDBTreeListColumn* column = Grid->DBColumn(i);
        SCOPED_TRACE(column->FieldName() + " of " + Data->FieldByName("No")->AsString());
        const String text = VarToStr(column->FilterTextToValue(column->GetDisplayText(node)));
        EXPECT_EQ(node->Strings(i), text);
        const bool kept = node->ValueRecord(i).Flags & dnvValue;
        const Variant value = kept ? column->Field()->Value() : column->FilterTextToValue(text);
        EXPECT_EQ(Grid->GetNodeValue(node, i).VarType(), value.VarType());
        EXPECT_EQ(VarToStr(Grid->GetNodeValue(node, i)), VarToStr(value));
      }
    }
  }

  TComponentPtr<TMemDataSet> Data;
  TdxDBGridCurrencyColumn* Currency = nullptr;
};

TEST_F(NodeValuesTest, TextsMadeWhenAskedAreTheTextsOfTheRecordsAsRead) {
  Data->FieldByName("Name")->OnGetText = [](TField* Sender, String& Text, bool) {
    Text = "<" + Sender->AsString() + ">";
  };
  Show();
  ExpectTextsAsRead();
  // The texts are those of the time the records were read.
  Data->FieldByName("Money")->SetDisplayFormat("");
  Data->FieldByName("Name")->OnGetText = nullptr;
  EXPECT_EQ(Row(1)->Strings(Grid->FindColumnByFieldName("Money")->GetIndex()), "2.68");
  EXPECT_EQ(Row(1)->Strings(Grid->FindColumnByFieldName("Name")->GetIndex()), "<Zhang San>");
  // Read again, they follow the fields as they are now.
  Grid->ReloadRecords();
  ExpectTextsAsRead();
}

TEST_F(NodeValuesTest, ATextSetOnANodeStaysUntilTheRecordIsReadAgain) {
  Show();
  const int name = Grid->FindColumnByFieldName("Name")->GetIndex();
  const int score = Grid->FindColumnByFieldName("Score")->GetIndex();
  TdxDBGridNode* node = Row(1);
  node->SetStrings(score, "eighty");
  EXPECT_EQ(node->Strings(score), "eighty");
  EXPECT_EQ(Grid->GetNodeValue(node, score), Variant(81.5)) << "the value record stays";
  node->SetValueRecord(name, {dnvValue, Variant("Li Si")});
  EXPECT_EQ(node->Strings(name), "Zhang San") << "a new value record leaves the text as it was";
  EXPECT_EQ(Grid->GetNodeValue(node, name), Variant("Li Si"));

  ASSERT_EQ(Data->FieldByName("No")->AsInteger(), 1) << "the record is read from the current one";
  Grid->RefreshNodeData(node);
  EXPECT_EQ(node->Strings(score), "81.5");
  EXPECT_EQ(node->Strings(name), "Zhang San");
  EXPECT_EQ(node->ValueRecord(name).Flags, 0);

  // A column that goes takes its cells along; the others keep theirs.
  Grid->FindColumnByFieldName("Big")->Free();
  EXPECT_EQ(node->Strings(Grid->FindColumnByFieldName("Score")->GetIndex()), "81.5");
  EXPECT_EQ(node->Strings(Grid->FindColumnByFieldName("Name")->GetIndex()), "Zhang San");
  EXPECT_EQ(Grid->GetNodeValue(node, Grid->FindColumnByFieldName("When")->GetIndex()),
            Variant::FromDateTime(45413.5));
}

}  // namespace
