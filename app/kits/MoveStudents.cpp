// The shared part of the class-move and promotion dialogs: the class lists with their grades, the
// students of the source class, and moving list lines between the two student lists.
#include "app/kits/MoveStudents.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "rtl/Convert.h"

namespace {

// Moves the line Index of From to the end of To.
void MoveLine(TListBox* From, int Index, TListBox* To) {
  To->Items()->Add(From->Items()->Strings(Index));
  From->Items()->Delete(Index);
}

// Moves the selected lines of From to To, from the last to the first, so that they arrive in
// reverse order.
void MoveSelectedLines(TListBox* From, TListBox* To) {
  for (int i = From->Items()->Count() - 1; i >= 0; --i)
    if (From->Selected(i)) MoveLine(From, i, To);
}

const TGradeInfo* ChosenClass(const TComboBox* List) {
  const int index = List->ItemIndex();
  return index < 0 ? nullptr : static_cast<const TGradeInfo*>(List->Items()->Objects(index));
}

}  // namespace

int EntryStudentNo(const String& Entry) {
  const size_t blank = Entry.find(' ');
  return blank == String::npos ? -1 : StrToIntDef(Entry.substr(0, blank), -1);
}

TfmMoveStudents::~TfmMoveStudents() = default;

void TfmMoveStudents::Publish(TClassBuilder<TfmMoveStudents>& c) {
  c.Method("FormCreate", &TfmMoveStudents::FormCreate);
  c.Method("FormShow", &TfmMoveStudents::FormShow);
  c.Method("FormCloseQuery", &TfmMoveStudents::FormCloseQuery);
  c.Method("FormClose", &TfmMoveStudents::FormClose);
  c.Method("FormDestroy", &TfmMoveStudents::FormDestroy);
  c.Method("cbxFromChange", &TfmMoveStudents::cbxFromChange);
  c.Method("actSelectUpdate", &TfmMoveStudents::actSelectUpdate);
  c.Method("actSingleSelectExecute", &TfmMoveStudents::actSingleSelectExecute);
  c.Method("actMultSelectExecute", &TfmMoveStudents::actMultSelectExecute);
  c.Method("actDeleteUpdate", &TfmMoveStudents::actDeleteUpdate);
  c.Method("actSingleDeleteExecute", &TfmMoveStudents::actSingleDeleteExecute);
  c.Method("actMultDeleteExecute", &TfmMoveStudents::actMultDeleteExecute);
  c.Method("actClearSelectUpdate", &TfmMoveStudents::actClearSelectUpdate);
  c.Method("actClearSelectExecute", &TfmMoveStudents::actClearSelectExecute);
  c.Method("actStartEditUpdate", &TfmMoveStudents::actStartEditUpdate);
  c.Method("actStartEditExecute", &TfmMoveStudents::actStartEditExecute);
}

void TfmMoveStudents::Loaded() {
  TForm::Loaded();
  BindComponent(this, cbxFrom, "cbxFrom");
  BindComponent(this, cbxTo, "cbxTo");
  BindComponent(this, lbFromStudent, "lbFromStudent");
  BindComponent(this, lbToStudent, "lbToStudent");
  BindComponent(this, actSingleSelect, "actSingleSelect");
  BindComponent(this, actMultSelect, "actMultSelect");
  BindComponent(this, actSingleDelete, "actSingleDelete");
  BindComponent(this, actMultDelete, "actMultDelete");
  BindComponent(this, actClearSelect, "actClearSelect");
  BindComponent(this, actStartEdit, "actStartEdit");
  BindComponent(this, adqStudent, "adqStudent");
}

void TfmMoveStudents::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmMoveStudents::FormShow(TObject*) {
  FreeClassGradeList(cbxFrom->Items());
  FreeClassGradeList(cbxTo->Items());
  {
    TScreenCursorScope cursor(crHourGlass);
    dmGym->FillClassGradeList(cbxFrom->Items());
    dmGym->FillClassGradeList(cbxTo->Items());
  }
  cbxFrom->SetItemIndex(-1);
  cbxTo->SetItemIndex(-1);
  lbFromStudent->Clear();
  lbToStudent->Clear();
}

void TfmMoveStudents::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  TScreenCursorScope cursor(crHourGlass);
  adqStudent->Close();
}

void TfmMoveStudents::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmMoveStudents::FormDestroy(TObject*) {
  FreeClassGradeList(cbxFrom->Items());
  FreeClassGradeList(cbxTo->Items());
}

const TGradeInfo* TfmMoveStudents::SourceClass() const { return ChosenClass(cbxFrom); }

const TGradeInfo* TfmMoveStudents::TargetClass() const { return ChosenClass(cbxTo); }

void TfmMoveStudents::LoadSourceStudents() {
  OpenSql(adqStudent, ClassStudentsSql,
          {{"AClass", SourceClass() ? SourceClass()->Class : String()}});
}

void TfmMoveStudents::cbxFromChange(TObject*) {
  lbFromStudent->Clear();
  lbToStudent->Clear();
  TScreenCursorScope cursor(crHourGlass);
  LoadSourceStudents();
  for (adqStudent->First(); !adqStudent->Eof(); adqStudent->Next())
    lbFromStudent->Items()->Add(adqStudent->FieldByName("Fd_StuNo")->AsString() + " " +
                                adqStudent->FieldByName("Fd_Name")->AsString());
}

void TfmMoveStudents::actSelectUpdate(TObject* Sender) {
  static_cast<TAction*>(Sender)->SetEnabled(lbFromStudent->Items()->Count() > 0 && lbFromStudent->ItemIndex() >= 0 &&
                                            TargetClass() != nullptr);
}

void TfmMoveStudents::actSingleSelectExecute(TObject*) { MoveLine(lbFromStudent, lbFromStudent->ItemIndex(), lbToStudent); }

void TfmMoveStudents::actMultSelectExecute(TObject*) { MoveSelectedLines(lbFromStudent, lbToStudent); }

void TfmMoveStudents::actDeleteUpdate(TObject* Sender) {
  static_cast<TAction*>(Sender)->SetEnabled(lbToStudent->Items()->Count() > 0 && lbToStudent->ItemIndex() >= 0);
}

void TfmMoveStudents::actSingleDeleteExecute(TObject*) { MoveLine(lbToStudent, lbToStudent->ItemIndex(), lbFromStudent); }

void TfmMoveStudents::actMultDeleteExecute(TObject*) { MoveSelectedLines(lbToStudent, lbFromStudent); }

void TfmMoveStudents::actClearSelectUpdate(TObject*) { actClearSelect->SetEnabled(lbToStudent->Items()->Count() > 0); }

void TfmMoveStudents::actClearSelectExecute(TObject*) {
  for (int i = lbToStudent->Items()->Count() - 1; i >= 0; --i) MoveLine(lbToStudent, i, lbFromStudent);
}

void TfmMoveStudents::actStartEditUpdate(TObject*) {
  actStartEdit->SetEnabled(TargetClass() != nullptr && lbToStudent->Items()->Count() > 0);
}

void TfmMoveStudents::actStartEditExecute(TObject*) { MoveChosenStudents(); }

void TfmMoveStudents::ForEachChosenStudent(const std::function<void(int StuNo)>& Move) {
  TScreenCursorScope cursor(crHourGlass);
  LoadSourceStudents();
  for (int i = 0; i < lbToStudent->Items()->Count(); ++i) {
    const int stuNo = EntryStudentNo(lbToStudent->Items()->Strings(i));
    if (adqStudent->Locate("Fd_StuNo", Variant(stuNo))) Move(stuNo);
  }
}

void TfmMoveStudents::SetTargetClass() {
  EditRecord(adqStudent);
  adqStudent->FieldByName("Fd_Class")->SetAsString(TargetClass()->Class);
  adqStudent->Post();
}
