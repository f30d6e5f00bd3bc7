// The print options window: for the family of items chosen with its two radio buttons, one page
// per grade lists the items that grade's standards offer and those selected for printing, in the
// order of selection. OK stores the chosen family's selections of all three grades in the settings
// store; the window frees itself when closed.
#pragma once

#include <array>

#include "app/reports/PrintConfig.h"
#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/CheckBox.h"
#include "controls/Forms.h"
#include "controls/ListBox.h"
#include "controls/PageControl.h"
#include "data/ADODB.h"

class TfmSetPrintOption : public TForm {
 public:
  explicit TfmSetPrintOption(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetPrintOption() override;
  String ClassName() const override { return "TfmSetPrintOption"; }
  String LayoutModule() const override { return "SetPrintOption"; }
  static void Publish(TClassBuilder<TfmSetPrintOption>& c);

  // Every entry of the six lists, each owning its item, is freed and the lists emptied.
  void ClearItemLists();
  // The available lists of the family: each item with a standards row of a grade is offered on
  // that grade's page.
  void FillUptoItems();
  void FillExamItems();
  // The stored selections of the three grades, matched to the available items by name; a stored
  // item that none matches is dropped.
  void LoadPrintOptions(const TPrintConfigNames& Names);
  void SavePrintOptions(const TPrintConfigNames& Names);

  TRadioButton* rbExamProg = nullptr;
  TRadioButton* rbUptoProg = nullptr;
  TPageControl* pcGrade = nullptr;
  TAction* ActSelect = nullptr;
  TAction* ActUnSelect = nullptr;
  TAction* ActClear = nullptr;
  TADOQuery* adqStarnd = nullptr;
  // By page: the items offered and the items selected.
  std::array<TListBox*, 3> UnSelectLists{};
  std::array<TListBox*, 3> SelectLists{};

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  void rbUptoProgClick(TObject* Sender);
  void btnOkClick(TObject* Sender);
  void ActSelectExecute(TObject* Sender);
  void ActUnSelectExecute(TObject* Sender);
  void ActClearExecute(TObject* Sender);
  void ActSelectUpdate(TObject* Sender);
  void ActUnSelectUpdate(TObject* Sender);

  void FillItems(const String& Sql, bool Upto);
  int Page() const;
};

// The print options window while it is open.
extern TfmSetPrintOption* fmSetPrintOption;

// The main window's command: the window, made when there is none, shown modally.
void ShowSetPrintOption();
