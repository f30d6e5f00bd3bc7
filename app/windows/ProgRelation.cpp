// The item-link window: the three tables opened when it is made, the commands' states, a link
// added only between items of one unit, and links deleted one by one or all.
#include "app/windows/ProgRelation.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"

TfmProgRelation* fmProgRelation = nullptr;

namespace {

bool HasRows(const TDataSet* DataSet) { return DataSet->Active() && !DataSet->IsEmpty(); }

void Reopen(TADOTable* DataSet) {
  TScreenCursorScope cursor(crHourGlass);
  DataSet->Close();
  DataSet->Open();
}

}  // namespace

TfmProgRelation::~TfmProgRelation() {
  if (fmProgRelation == this) fmProgRelation = nullptr;
}

void TfmProgRelation::Publish(TClassBuilder<TfmProgRelation>& c) {
  c.Method("FormCreate", &TfmProgRelation::FormCreate);
  c.Method("FormCloseQuery", &TfmProgRelation::FormCloseQuery);
  c.Method("FormClose", &TfmProgRelation::FormClose);
  c.Method("actAddUpdate", &TfmProgRelation::actAddUpdate);
  c.Method("actDeleteUpdate", &TfmProgRelation::actDeleteUpdate);
  c.Method("actClearUpdate", &TfmProgRelation::actClearUpdate);
  c.Method("actAddExecute", &TfmProgRelation::actAddExecute);
  c.Method("actDeleteExecute", &TfmProgRelation::actDeleteExecute);
  c.Method("actClearExecute", &TfmProgRelation::actClearExecute);
}

void TfmProgRelation::Loaded() {
  TForm::Loaded();
  BindComponent(this, adtExam, "adtExam");
  BindComponent(this, adtUpto, "adtUpto");
  BindComponent(this, adtRelation, "adtRelation");
  BindComponent(this, actAdd, "actAdd");
  BindComponent(this, actDelete, "actDelete");
  BindComponent(this, actClear, "actClear");
}

// The tables are opened when the window is made, not when it is shown.
void TfmProgRelation::FormCreate(TObject*) {
  ConnectDataSets(this);
  for (TADOTable* table : Tables()) Reopen(table);
}

void TfmProgRelation::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  for (TADOTable* table : Tables()) {
    TScreenCursorScope cursor(crHourGlass);
    table->Close();
  }
}

void TfmProgRelation::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmProgRelation::actAddUpdate(TObject*) {
  actAdd->SetEnabled(HasRows(adtExam) && HasRows(adtUpto) && adtRelation->Active());
}

void TfmProgRelation::actDeleteUpdate(TObject*) { actDelete->SetEnabled(HasRows(adtRelation)); }

void TfmProgRelation::actClearUpdate(TObject*) { actClear->SetEnabled(adtRelation->Active()); }

// The same pair may be linked twice, and an item to several others.
void TfmProgRelation::actAddExecute(TObject*) {
  if (adtExam->FieldByName("Fd_Nutric")->AsString() != adtUpto->FieldByName("Fd_Nutric")->AsString()) {
    ShowMsgBox("考核项目与达标项目的单位不同，不能建立关系。", "信息提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  adtRelation->Append();
  PostRow(adtRelation, [this] {
    adtRelation->FieldByName("Fd_ExamNo")->SetAsString(adtExam->FieldByName("Fd_ProgNo")->AsString());
    adtRelation->FieldByName("Fd_UptoNo")->SetAsString(adtUpto->FieldByName("Fd_ProgNo")->AsString());
  });
}

void TfmProgRelation::actDeleteExecute(TObject*) { adtRelation->Delete(); }

void TfmProgRelation::actClearExecute(TObject*) {
  TScreenCursorScope cursor(crHourGlass);
  TDisabledControls quiet(adtRelation);
  adtRelation->First();
  while (!adtRelation->IsEmpty()) adtRelation->Delete();
}

TModalResult ShowProgRelation() { return HeldForm(fmProgRelation)->ShowModal(); }
