// The grid in tests: twelve pupils in a TMemDataSet and in a table of a SQLite file of its own
// (made without the program's schema), so that one test body runs against both back ends; a grid
// that shows its row counts; and a fixture that holds such a grid and a data source on the form
// fixture's form.
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/ADODB.h"
#include "data/MemDataSet.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridClasses.h"
#include "support/FormFixture.h"
#include "support/TempDir.h"

struct TPupil {
  int No;
  const char* Name;
  const char* Sex;
  double Score;  // below 0: no score
};

// In the order of their numbers; the names start with different letters but for Zhang and Zhou.
inline const std::vector<TPupil>& Pupils() {
  static const std::vector<TPupil> rows = {
      {101, "Zhang San", "男", 81.5}, {102, "li si", "女", 67},   {103, "Wang Wu", "男", -1},
      {104, "Zhou Qi", "女", 90},     {105, "Chen Ba", "男", 58}, {106, "Sun Jiu", "女", 72},
      {107, "Ma Shi", "男", 88},      {108, "Hu Yi", "女", 95},   {109, "Guo Er", "男", 61},
      {110, "He San", "女", 77},      {111, "Lin Si", "男", 83},  {112, "Xu Wu", "女", 69},
  };
  return rows;
}

// The vertical scroll bar's range as the grid answers it.
inline TdxTreeListScrollRange VScrollInfo(TCustomdxDBGrid& Grid) {
  TdxTreeListScrollRange range;
  Grid.GetVScrollInfo(range);
  return range;
}

// The fields: No (integer), Name (string of 20), Sex (string of 2), Score (float), Note (memo).
class TPupilData {
 public:
  virtual ~TPupilData() = default;
  virtual TDataSet& DataSet() = 0;
};

class TMemPupils : public TPupilData {
 public:
  TMemPupils() : FData(MakeComponent<TMemDataSet>()) {
    FData->FieldDefs().Add("No", ftInteger, 0, true);
    FData->FieldDefs().Add("Name", ftString, 20);
    FData->FieldDefs().Add("Sex", ftString, 2);
    FData->FieldDefs().Add("Score", ftFloat);
    FData->FieldDefs().Add("Note", ftMemo);
    FData->Open();
    for (const TPupil& p : Pupils())
      FData->AppendRecord({p.No, p.Name, p.Sex, p.Score < 0 ? Variant::Null() : Variant(p.Score), Variant::Null()});
    FData->First();
  }
  TDataSet& DataSet() override { return *FData; }

 private:
  TComponentPtr<TMemDataSet> FData;
};

class TSqlitePupils : public TPupilData {
 public:
  TSqlitePupils() {
    const std::string path = FDir.File("pupils.db");
    std::ofstream(path).close();  // an empty file is an empty database
    FConnection = MakeComponent<TADOConnection>();
    FConnection->SetConnectionString("Data Source=" + QuotedConnectionValue(path));
    FConnection->Open();
    FConnection->Execute(
        "create table Pupils (No INTEGER NOT NULL UNIQUE, Name VARCHAR(20), Sex VARCHAR(2), Score REAL, Note TEXT)");
    TComponentPtr<TADOQuery> insert = MakeComponent<TADOQuery>();
    insert->SetConnection(FConnection.get());
    insert->SQL()->SetText("insert into Pupils (No, Name, Sex, Score) values (:No, :Name, :Sex, :Score)");
    for (const TPupil& p : Pupils()) {
      insert->Parameters()[0].SetValue(p.No);
      insert->Parameters()[1].SetValue(p.Name);
      insert->Parameters()[2].SetValue(p.Sex);
      insert->Parameters()[3].SetValue(p.Score < 0 ? Variant::Null() : Variant(p.Score));
      insert->ExecSQL();
    }
    FQuery = MakeComponent<TADOQuery>();
    FQuery->SetConnection(FConnection.get());
    FQuery->SQL()->SetText("select No, Name, Sex, Score, Note from Pupils order by No");
    FQuery->Open();
  }
  TDataSet& DataSet() override { return *FQuery; }

 private:
  TempDir FDir;
  TComponentPtr<TADOConnection> FConnection;
  TComponentPtr<TADOQuery> FQuery;
};

inline std::unique_ptr<TPupilData> MakePupils(const std::string& BackEnd) {
  if (BackEnd == "Sqlite") return std::make_unique<TSqlitePupils>();
  return std::make_unique<TMemPupils>();
}

// The grid with its row counts in view, writing down the data link's notices as they reach it
// ("DataSetScrolled(-3)").
class TTestGrid : public TdxDBGrid {
 public:
  explicit TTestGrid(TComponent* AOwner) : TdxDBGrid(AOwner) {}
  String ClassName() const override { return "TTestGrid"; }
  int VisibleRows() const { return FVisibleRowCount; }
  int FullyVisibleRows() const { return FFullyVisibleRowCount; }

  void ActiveChanged(bool Active) override {
    Notices.push_back(Active ? "ActiveChanged(true)" : "ActiveChanged(false)");
    TdxDBGrid::ActiveChanged(Active);
  }
  void DataSetChanged() override {
    Notices.push_back("DataSetChanged");
    TdxDBGrid::DataSetChanged();
  }
  void DataSetScrolled(int Distance) override {
    Notices.push_back("DataSetScrolled(" + std::to_string(Distance) + ")");
    TdxDBGrid::DataSetScrolled(Distance);
  }
  void ColumnFieldChanged(TdxDBTreeListColumn* Column) override {
    Notices.push_back("ColumnFieldChanged(" + (Column ? Column->FieldName() : String("nil")) + ")");
    TdxDBGrid::ColumnFieldChanged(Column);
  }
  void RecordChanged(TField* Field) override {
    Notices.push_back("RecordChanged(" + (Field ? Field->FieldName() : String("nil")) + ")");
    TdxDBGrid::RecordChanged(Field);
  }
  void UpdateData() override {
    Notices.push_back("UpdateData");
    TdxDBGrid::UpdateData();
  }
  // The notices since the last call.
  std::vector<String> Take() { return std::exchange(Notices, {}); }
  std::vector<String> Notices;
};

// Parameterised by the back end: "Mem" or "Sqlite".
class TGridTest : public TControlsTest, public testing::WithParamInterface<std::string> {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterGridClasses();
    Data = MakePupils(GetParam());
    Source = new TDataSource(Form);
    Source->SetName("dsPupils");
    Source->SetDataSet(&Data->DataSet());
    Grid = new TTestGrid(Form);
    Grid->SetName("dg1");
  }
  TDataSet& DS() { return Data->DataSet(); }
  // A grid column owned by the form, bound to a field by name.
  TdxDBGridColumn* AddColumn(const String& FieldName) {
    auto* column = static_cast<TdxDBGridColumn*>(Grid->CreateNamedColumn(
        [](TComponent* Owner) -> TdxTreeListColumn* { return new TdxDBGridColumn(Owner); }, Form));
    column->SetFieldName(FieldName);
    return column;
  }
  // The record row of a pupil's number in the grid's tree; nil when none.
  TdxDBGridNode* NodeOf(int No) {
    std::vector<TdxTreeListNode*> pending;
    for (int i = 0; i < Grid->Count(); ++i) pending.push_back(Grid->Items(i));
    while (!pending.empty()) {
      auto* node = static_cast<TdxDBGridNode*>(pending.back());
      pending.pop_back();
      if (!node->HasChildren() && VarSameValue(node->KeyValue, Variant(No))) return node;
      for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
    }
    return nullptr;
  }
  // The grid on the shown form, without border, with rows of Rows pixels below no header.
  void ShowGrid(int Height, int RowHeight) {
    Grid->SetBorderStyle(bsNone);
    Grid->SetShowHeader(false);
    Grid->SetDefaultRowHeight(RowHeight);
    Grid->SetBounds(0, 0, 280, Height);
    Grid->SetParent(Form);
    ShowForm();
  }

  std::unique_ptr<TPupilData> Data;
  TDataSource* Source = nullptr;
  TTestGrid* Grid = nullptr;
};

inline std::string GridBackEndName(const testing::TestParamInfo<std::string>& Info) { return Info.param; }

// A grid named dgPupils on the form over the data set the test gives Source, keyed by "No" with
// all records as rows, for the typed columns.
class TTypedGridTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterGridClasses();
    Source = new TDataSource(Form);
    Grid = new TdxDBGrid(Form);
    Grid->SetName("dgPupils");
    Grid->SetKeyField("No");
    Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  }
  // A column of class C owned by the form, bound to a field by name.
  template <class C>
  C* Add(const String& FieldName) {
    auto* column = static_cast<C*>(
        Grid->CreateNamedColumn([](TComponent* Owner) -> TdxTreeListColumn* { return new C(Owner); }, Form));
    column->SetFieldName(FieldName);
    return column;
  }
  // The grid bound, 400 x 200 on the shown form, with the focus.
  void Show() {
    Grid->SetDataSource(Source);
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetParent(Form);
    ShowForm();
    Grid->SetFocus();
    Pump();
  }

  TDataSource* Source = nullptr;
  TdxDBGrid* Grid = nullptr;
};
