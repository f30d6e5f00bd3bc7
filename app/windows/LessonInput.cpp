// The attendance register: the kinds, recording a student, the pending list and the commit.
#include "app/windows/LessonInput.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "rtl/Convert.h"

TfmLessonInput* fmLessonInput = nullptr;

namespace {

constexpr const char* BuiltInDutyKinds[] = {"出勤", "迟到", "早退", "旷课", "事假", "病假"};

}  // namespace

TfmLessonInput::~TfmLessonInput() {
  if (fmLessonInput == this) fmLessonInput = nullptr;
}

void TfmLessonInput::Publish(TClassBuilder<TfmLessonInput>& c) {
  c.Method("FormCreate", &TfmLessonInput::FormCreate);
  c.Method("FormClose", &TfmLessonInput::FormClose);
  c.Method("cbbLessonTypeCloseUp", &TfmLessonInput::cbbLessonTypeCloseUp);
  c.Method("actDeleteExecute", &TfmLessonInput::actDeleteExecute);
  c.Method("UpdateListActions", &TfmLessonInput::UpdateListActions);
  c.Method("actClearExecute", &TfmLessonInput::actClearExecute);
  c.Method("actUpdateExecute", &TfmLessonInput::actUpdateExecute);
  c.Method("btnCancelClick", &TfmLessonInput::btnCancelClick);
}

void TfmLessonInput::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtStuNo, "edtStuNo");
  BindComponent(this, edtName, "edtName");
  BindComponent(this, deTestDate, "deTestDate");
  BindComponent(this, cbbLessonType, "cbbLessonType");
  BindComponent(this, cbAutoMove, "cbAutoMove");
  BindComponent(this, lvInputList, "lvInputList");
  BindComponent(this, actDelete, "actDelete");
  BindComponent(this, actClear, "actClear");
  BindComponent(this, actUpdate, "actUpdate");
  BindComponent(this, adtStudentDuty, "adtStudentDuty");
  FPending.Attach(lvInputList);
}

// The register goes through the program's one connection and the student boxes show the main
// window's current student; neither can be named in a layout. The time of day the window was
// made goes with the date, unless the user changes it.
void TfmLessonInput::FormCreate(TObject*) {
  ConnectDataSets(this);
  edtStuNo->SetDataSource(dmGym->dsStudents);
  edtName->SetDataSource(dmGym->dsStudents);
  deTestDate->SetDate(Now());
  UseEntryDateMessage(deTestDate);
  LoadDutyKinds();
}

void TfmLessonInput::LoadDutyKinds() {
  TStrings* kinds = cbbLessonType->Items();
  kinds->Clear();
  for (const char* kind : BuiltInDutyKinds) kinds->Add(kind);
  TADOTable* duty = dmGym->adtDuty;
  duty->Close();
  duty->Open();
  for (duty->First(); !duty->Eof(); duty->Next()) kinds->Add(duty->FieldByName("Fd_Name")->AsString());
  duty->Close();
}

void TfmLessonInput::FormClose(TObject*, TCloseAction& Action) {
  adtStudentDuty->Close();
  Action = caFree;
}

// The list closing records the kind shown, picked now or before.
void TfmLessonInput::cbbLessonTypeCloseUp(TObject*) { AddDutyEntry(cbbLessonType->Text()); }

// A list closed before any kind was picked records nothing: an entry without a kind would store
// an attendance row that says nothing.
void TfmLessonInput::AddDutyEntry(const String& Duty) {
  if (Duty.empty()) return;
  const int stuNo = CurrentStudentNo();
  {
    TScreenCursorScope hourglass(crHourGlass);
    FPending.Put([stuNo](const TDutyObject& Pending) { return Pending.StuNo == stuNo; },
                 [&](TDutyObject& Pending) {
                   Pending = {deTestDate->Date(), stuNo, Duty};
                   return TEntryTexts{IntToStr(stuNo), {Duty}};
                 },
                 epTop);
  }
  if (cbAutoMove->Checked()) NextStudent();
}

void TfmLessonInput::actDeleteExecute(TObject*) { FPending.DeleteSelected(); }

void TfmLessonInput::UpdateListActions(TObject*) { FPending.EnableActions(actDelete, actClear, actUpdate); }

void TfmLessonInput::actClearExecute(TObject*) { FPending.Clear(); }

// The entries are stored together or not at all, so that committing again after a failure never
// stores an entry twice.
void TfmLessonInput::CommitDutyEntries() {
  if (FPending.Empty()) return;
  TScreenCursorScope hourglass(crHourGlass);
  TCloseAfter closer(adtStudentDuty);
  adtStudentDuty->Close();
  adtStudentDuty->Open();
  dmGym->RunInTransaction([&] {
    for (int i = 0; i < FPending.Count(); ++i) {
      const TDutyObject& entry = FPending.Record(i);
      adtStudentDuty->Append();
      PostRow(adtStudentDuty, [&] {
        adtStudentDuty->FieldByName("Fd_StuNo")->SetAsInteger(entry.StuNo);
        adtStudentDuty->FieldByName("Fd_TestDate")->SetAsDateTime(entry.TestDate);
        adtStudentDuty->FieldByName("Fd_Duty")->SetAsString(entry.Duty);
      });
    }
  });
}

void TfmLessonInput::actUpdateExecute(TObject*) {
  CommitDutyEntries();
  Close();
}

void TfmLessonInput::btnCancelClick(TObject*) { Close(); }

void ShowLessonInput() { HeldForm(fmLessonInput)->Show(); }
