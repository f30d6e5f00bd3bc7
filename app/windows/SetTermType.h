// The terms window "统计类型设置": the terms of the school year (Tb_TermType) listed in a grid
// and added, changed and deleted on an editing page, where each date is typed as year, month and
// day. The window frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/DBCtrls.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Notebook.h"
#include "data/ADODB.h"
#include "grid/dxDBGrid.h"

class TfmSetTermType : public TForm {
 public:
  explicit TfmSetTermType(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetTermType() override;
  String ClassName() const override { return "TfmSetTermType"; }
  String LayoutModule() const override { return "SetTermType"; }
  static void Publish(TClassBuilder<TfmSetTermType>& c);

  // The notebook's pages.
  enum { pgEdit = 0, pgBrowse = 1 };

  TNotebook* nbSumType = nullptr;
  TDBEdit* edtTermName = nullptr;
  TEdit* edtStartYear = nullptr;
  TEdit* edtStartMonth = nullptr;
  TEdit* edtStartDay = nullptr;
  TEdit* edtEndYear = nullptr;
  TEdit* edtEndMonth = nullptr;
  TEdit* edtEndDay = nullptr;
  TdxDBGrid* dbgStudent = nullptr;
  TAction* actAppend = nullptr;
  TAction* actEdit = nullptr;
  TAction* actDelete = nullptr;
  TAction* actSave = nullptr;
  TAction* actCancel = nullptr;
  TADOQuery* adqSumtype = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void actAppendUpdate(TObject* Sender);
  void actEditUpdate(TObject* Sender);
  void actSaveUpdate(TObject* Sender);
  void actAppendExecute(TObject* Sender);
  void actEditExecute(TObject* Sender);
  void actDeleteExecute(TObject* Sender);
  void actCancelExecute(TObject* Sender);
  void actSaveExecute(TObject* Sender);
  void edtEndYearKeyPress(TObject* Sender, TKeyChar& Key);
  void clmStartDateCustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                                  TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                                  String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);
  void ClearDateEdits();
  void ShowTodayInEdits();
  // The year, month and day of Date in the three boxes, as numbers without leading zeros.
  static void ShowDate(TDateTime Date, TEdit* Year, TEdit* Month, TEdit* Day);
  // The date the three boxes make; EConvertError when they make none.
  static TDateTime DateOf(const TEdit* Year, const TEdit* Month, const TEdit* Day);
  bool Browsing() const { return nbSumType->PageIndex() == pgBrowse; }
};

// The window while it is open.
extern TfmSetTermType* fmSetTermType;
// The command "学期信息设置": the window, made anew, shown modally.
TModalResult ShowSetTermType();
