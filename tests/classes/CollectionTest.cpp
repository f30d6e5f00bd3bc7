// Collections: item IDs and order, the update bracket and what the owner hears, Assign.
#include <gtest/gtest.h>

#include <memory>

#include "support/LayoutFixture.h"

using namespace layout_fixture;

namespace {

std::vector<String> Captions(const TFixtureColumns& columns) {
  std::vector<String> result;
  for (int i = 0; i < columns.Count(); ++i) result.push_back(columns.Column(i)->Caption);
  return result;
}

TFixtureColumn* AddColumn(TFixtureColumns& columns, const String& caption) {
  auto* column = static_cast<TFixtureColumn*>(columns.Add());
  column->Caption = caption;
  return column;
}

TEST(Collection, ItemsKeepTheirIDsWhileTheyMoveAndIDsAreNotReused) {
  TFixtureColumns columns(nullptr);
  AddColumn(columns, "a");
  auto* b = AddColumn(columns, "b");
  AddColumn(columns, "c");
  columns.Delete(0);
  auto* d = AddColumn(columns, "d");
  EXPECT_EQ(d->ID(), 3);
  EXPECT_EQ(columns.FindItemID(1), b);
  EXPECT_EQ(columns.FindItemID(0), nullptr);
  d->SetIndex(0);
  EXPECT_EQ(Captions(columns), (std::vector<String>{"d", "b", "c"}));
  b->SetIndex(99);  // clipped to the end
  EXPECT_EQ(Captions(columns), (std::vector<String>{"d", "c", "b"}));
  auto* e = static_cast<TFixtureColumn*>(columns.Insert(1));
  EXPECT_EQ(e->Index(), 1);
  EXPECT_EQ(e->Collection(), &columns);
  EXPECT_THROW(columns.Items(4), EListError);
  EXPECT_THROW(columns.Delete(-1), EListError);
  delete e;  // an item freed on its own leaves its collection
  EXPECT_EQ(columns.Count(), 3);
}

TEST(Collection, OwnerHearsOfChangesOnceOutsideTheUpdateBracket) {
  TFixtureColumns columns(nullptr);
  AddColumn(columns, "a");
  EXPECT_EQ(columns.Updates, 1);
  EXPECT_EQ(columns.LastUpdated, nullptr);
  columns.BeginUpdate();
  columns.BeginUpdate();
  AddColumn(columns, "b");
  columns.Delete(0);
  columns.EndUpdate();
  EXPECT_EQ(columns.Updates, 1);
  columns.EndUpdate();
  EXPECT_EQ(columns.Updates, 2);
  columns.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(columns.UpdateCount(), 0);
  columns.Clear();
  EXPECT_EQ(columns.Updates, 3);
}

TEST(Collection, AnItemChangeNamesTheItemAndAMoveNamesAllItems) {
  // Changed is protected: a column kind that reports its own change.
  struct TReportingColumn : TFixtureColumn {
    using TFixtureColumn::TFixtureColumn;
    void SetWidth(int w) {
      Width = w;
      Changed(false);
    }
  };
  TFixtureColumns columns(nullptr);
  auto* column = new TReportingColumn(&columns);
  AddColumn(columns, "other");
  column->SetWidth(10);
  EXPECT_EQ(columns.LastUpdated, column);
  column->SetIndex(1);
  EXPECT_EQ(columns.LastUpdated, nullptr);
  const int updates = columns.Updates;
  columns.BeginUpdate();
  column->SetWidth(20);
  EXPECT_EQ(columns.Updates, updates);
  columns.EndUpdate();
}

// An item whose constructor builds a part, in a collection whose owner reads every item's part at
// each notice, as a grid reads the summary items of its summary groups.
struct TBuiltItem : TCollectionItem {
  explicit TBuiltItem(TCollection* Collection) : TCollectionItem(Collection), Part(std::make_unique<String>("part")) {}
  String ClassName() const override { return "TBuiltItem"; }
  std::unique_ptr<String> Part;
};

class TReadingCollection : public TCollection {
 public:
  TReadingCollection() : TCollection(ItemClassOf<TBuiltItem>()) {}
  int Updates = 0;
  std::vector<String> HalfBuilt;

 protected:
  void Update(TCollectionItem*) override {
    ++Updates;
    for (int i = 0; i < Count(); ++i) {
      // Inside the base constructor the item is still a plain TCollectionItem.
      if (Items(i)->ClassName() != "TBuiltItem" || !static_cast<TBuiltItem*>(Items(i))->Part)
        HalfBuilt.push_back(Items(i)->ClassName());
    }
  }
};

TEST(Collection, TheOwnerHearsOfAnItemOnlyOnceItIsWhole) {
  TReadingCollection items;
  items.Add();
  EXPECT_EQ(items.Updates, 1);
  items.Insert(0);
  TReadingCollection other;
  other.Add()->SetCollection(&items);
  EXPECT_EQ(items.Count(), 3);
  EXPECT_TRUE(items.HalfBuilt.empty()) << items.HalfBuilt.front();

  const int updates = items.Updates;
  auto* direct = new TBuiltItem(&items);
  EXPECT_EQ(items.Updates, updates) << "an item made outside Add joins without a notice";
  EXPECT_EQ(direct->Collection(), &items);
  EXPECT_EQ(direct->ID(), 3);
}

TEST(Collection, AssignCopiesTheItemsAndMovingAnItemChangesItsOwner) {
  TFixtureColumns source(nullptr);
  AddColumn(source, "x")->Width = 7;
  AddColumn(source, "y");
  TFixtureColumns target(nullptr);
  AddColumn(target, "old");
  target.Assign(&source);
  EXPECT_EQ(Captions(target), (std::vector<String>{"x", "y"}));
  EXPECT_EQ(target.Column(0)->Width, 7);
  EXPECT_EQ(target.Updates, 2);  // one for the old item, one for the whole Assign
  EXPECT_THROW(target.Assign(nullptr), EConvertError);

  target.Column(0)->SetCollection(&source);
  EXPECT_EQ(Captions(source), (std::vector<String>{"x", "y", "x"}));
  EXPECT_EQ(source.Column(2)->GetOwner(), &source);
  TFixtureControl owner(nullptr);
  EXPECT_EQ(owner.Columns()->GetOwner(), &owner);
}

}  // namespace
