// The terms window: the query and its grid, the commands by page and state, the dates typed as
// year, month and day, the save with its two messages, and the dates shown in the grid.
#include "app/windows/SetTermType.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "rtl/Convert.h"

TfmSetTermType* fmSetTermType = nullptr;

TfmSetTermType::~TfmSetTermType() {
  if (fmSetTermType == this) fmSetTermType = nullptr;
}

void TfmSetTermType::Publish(TClassBuilder<TfmSetTermType>& c) {
  c.Method("FormCreate", &TfmSetTermType::FormCreate);
  c.Method("FormShow", &TfmSetTermType::FormShow);
  c.Method("FormCloseQuery", &TfmSetTermType::FormCloseQuery);
  c.Method("FormClose", &TfmSetTermType::FormClose);
  c.Method("actAppendUpdate", &TfmSetTermType::actAppendUpdate);
  c.Method("actEditUpdate", &TfmSetTermType::actEditUpdate);
  c.Method("actSaveUpdate", &TfmSetTermType::actSaveUpdate);
  c.Method("actAppendExecute", &TfmSetTermType::actAppendExecute);
  c.Method("actEditExecute", &TfmSetTermType::actEditExecute);
  c.Method("actDeleteExecute", &TfmSetTermType::actDeleteExecute);
  c.Method("actCancelExecute", &TfmSetTermType::actCancelExecute);
  c.Method("actSaveExecute", &TfmSetTermType::actSaveExecute);
  c.Method("edtEndYearKeyPress", &TfmSetTermType::edtEndYearKeyPress);
  c.Method("clmStartDateCustomDrawCell", &TfmSetTermType::clmStartDateCustomDrawCell);
}

void TfmSetTermType::Loaded() {
  TForm::Loaded();
  BindComponent(this, nbSumType, "nbSumType");
  BindComponent(this, edtTermName, "edtTermName");
  BindComponent(this, edtStartYear, "edtStartYear");
  BindComponent(this, edtStartMonth, "edtStartMonth");
  BindComponent(this, edtStartDay, "edtStartDay");
  BindComponent(this, edtEndYear, "edtEndYear");
  BindComponent(this, edtEndMonth, "edtEndMonth");
  BindComponent(this, edtEndDay, "edtEndDay");
  BindComponent(this, dbgStudent, "dbgStudent");
  BindComponent(this, actAppend, "actAppend");
  BindComponent(this, actEdit, "actEdit");
  BindComponent(this, actDelete, "actDelete");
  BindComponent(this, actSave, "actSave");
  BindComponent(this, actCancel, "actCancel");
  BindComponent(this, adqSumtype, "adqSumtype");
}

void TfmSetTermType::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmSetTermType::FormShow(TObject*) {
  {
    TScreenCursorScope cursor(crHourGlass);
    OpenSql(adqSumtype, TermsSql);
  }
  dbgStudent->ExpandAll();
  nbSumType->SetPageIndex(pgBrowse);
}

// Closing while a term is being edited drops it with the query.
void TfmSetTermType::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  TScreenCursorScope cursor(crHourGlass);
  adqSumtype->Close();
}

void TfmSetTermType::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmSetTermType::actAppendUpdate(TObject*) { actAppend->SetEnabled(adqSumtype->Active() && Browsing()); }

void TfmSetTermType::actEditUpdate(TObject*) {
  const bool enabled = adqSumtype->Active() && !adqSumtype->IsEmpty() && Browsing();
  actEdit->SetEnabled(enabled);
  actDelete->SetEnabled(enabled);
}

void TfmSetTermType::actSaveUpdate(TObject*) {
  const bool enabled = adqSumtype->Active() && IsEditing(adqSumtype) && !Browsing();
  actSave->SetEnabled(enabled);
  actCancel->SetEnabled(enabled);
}

void TfmSetTermType::ClearDateEdits() {
  for (TEdit* edit : {edtStartYear, edtStartMonth, edtStartDay, edtEndYear, edtEndMonth, edtEndDay}) edit->Clear();
}

void TfmSetTermType::ShowDate(TDateTime Date, TEdit* Year, TEdit* Month, TEdit* Day) {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date, year, month, day);
  Year->SetText(IntToStr(year));
  Month->SetText(IntToStr(month));
  Day->SetText(IntToStr(day));
}

void TfmSetTermType::ShowTodayInEdits() {
  ShowDate(Date(), edtStartYear, edtStartMonth, edtStartDay);
  ShowDate(Date(), edtEndYear, edtEndMonth, edtEndDay);
}

TDateTime TfmSetTermType::DateOf(const TEdit* Year, const TEdit* Month, const TEdit* Day) {
  return EncodeDate(StrToInt(Year->Text()), StrToInt(Month->Text()), StrToInt(Day->Text()));
}

void TfmSetTermType::actAppendExecute(TObject*) {
  adqSumtype->Append();
  ShowTodayInEdits();
  adqSumtype->FieldByName("Fd_TermName")->SetAsString("请输入名称");
  adqSumtype->FieldByName("Fd_StartDate")->SetAsDateTime(Date());
  adqSumtype->FieldByName("Fd_EndDate")->SetAsDateTime(Date());
  nbSumType->SetPageIndex(pgEdit);
}

void TfmSetTermType::actEditExecute(TObject*) {
  adqSumtype->Edit();
  ClearDateEdits();
  ShowDate(adqSumtype->FieldByName("Fd_StartDate")->AsDateTime(), edtStartYear, edtStartMonth, edtStartDay);
  ShowDate(adqSumtype->FieldByName("Fd_EndDate")->AsDateTime(), edtEndYear, edtEndMonth, edtEndDay);
  nbSumType->SetPageIndex(pgEdit);
}

void TfmSetTermType::actDeleteExecute(TObject*) {
  if (ShowMsgBox("确定要删除该记录吗？", "信息提示", mtInformation, MsgDlgBit(mbYes) | MsgDlgBit(mbNo)) == mrYes)
    adqSumtype->Delete();
}

void TfmSetTermType::actCancelExecute(TObject*) {
  CancelEditing(adqSumtype);
  nbSumType->SetPageIndex(pgBrowse);
}

// No check relates the two dates: a first day after the last is stored as typed.
void TfmSetTermType::actSaveExecute(TObject*) {
  adqSumtype->UpdateRecord();  // the name as typed goes into the row first
  bool complete = !adqSumtype->FieldByName("Fd_TermName")->AsString().empty();
  for (const TEdit* edit : {edtStartYear, edtStartMonth, edtStartDay, edtEndYear, edtEndMonth, edtEndDay})
    complete = complete && !edit->Text().empty();
  if (!complete) {
    ShowMsgBox("数据不完整，不能保存。", "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  try {
    adqSumtype->FieldByName("Fd_StartDate")->SetAsDateTime(DateOf(edtStartYear, edtStartMonth, edtStartDay));
    adqSumtype->FieldByName("Fd_EndDate")->SetAsDateTime(DateOf(edtEndYear, edtEndMonth, edtEndDay));
    adqSumtype->Post();
  } catch (const std::exception&) {
    throw Exception("日期格式不对，请重新检查。");
  }
  nbSumType->SetPageIndex(pgBrowse);
}

void TfmSetTermType::edtEndYearKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }

void TfmSetTermType::clmStartDateCustomDrawCell(TObject*, TCanvas*, TRect, TdxTreeListNode* ANode,
                                                TdxTreeListColumn* AColumn, bool, bool, bool, String& AText, TColor&,
                                                TFont*, TAlignment&, bool&) {
  const Variant value = ANode->GetValue(AColumn->GetIndex());
  if (value.VarType() == varDate) AText = FormatDateTime("yyyy'年'mm'月'dd'日'", value.AsDateTime());
}

TModalResult ShowSetTermType() { return HeldForm(fmSetTermType)->ShowModal(); }
