// The print options window: filling the item lists from the standards, moving items between the
// lists of a page, and loading and saving the selections of a family.
#include "app/windows/SetPrintOption.h"

#include <algorithm>

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "controls/Application.h"

TfmSetPrintOption* fmSetPrintOption = nullptr;

namespace {

TPrintConfig* ItemOf(const TListBox* List, int Index) { return dynamic_cast<TPrintConfig*>(List->Items()->Objects(Index)); }

void AddItem(TListBox* List, TPrintConfig* Item) { List->Items()->AddObject(Item->ProgName, Item); }

// The entry leaves the list; its item goes with it to the caller.
TPrintConfig* TakeItem(TListBox* List, int Index) {
  TPrintConfig* item = ItemOf(List, Index);
  List->Items()->Delete(Index);
  return item;
}

void ClearList(TListBox* List) {
  for (int i = 0; i < List->Items()->Count(); ++i) delete ItemOf(List, i);
  List->Items()->Clear();
}

}  // namespace

TfmSetPrintOption::~TfmSetPrintOption() {
  if (fmSetPrintOption == this) fmSetPrintOption = nullptr;
}

void TfmSetPrintOption::Publish(TClassBuilder<TfmSetPrintOption>& c) {
  c.Method("FormCreate", &TfmSetPrintOption::FormCreate);
  c.Method("FormCloseQuery", &TfmSetPrintOption::FormCloseQuery);
  c.Method("FormClose", &TfmSetPrintOption::FormClose);
  c.Method("FormDestroy", &TfmSetPrintOption::FormDestroy);
  c.Method("rbUptoProgClick", &TfmSetPrintOption::rbUptoProgClick);
  c.Method("btnOkClick", &TfmSetPrintOption::btnOkClick);
  c.Method("ActSelectExecute", &TfmSetPrintOption::ActSelectExecute);
  c.Method("ActUnSelectExecute", &TfmSetPrintOption::ActUnSelectExecute);
  c.Method("ActClearExecute", &TfmSetPrintOption::ActClearExecute);
  c.Method("ActSelectUpdate", &TfmSetPrintOption::ActSelectUpdate);
  c.Method("ActUnSelectUpdate", &TfmSetPrintOption::ActUnSelectUpdate);
}

void TfmSetPrintOption::Loaded() {
  TForm::Loaded();
  BindComponent(this, rbExamProg, "rbExamProg");
  BindComponent(this, rbUptoProg, "rbUptoProg");
  BindComponent(this, pcGrade, "pcGrade");
  BindComponent(this, ActSelect, "ActSelect");
  BindComponent(this, ActUnSelect, "ActUnSelect");
  BindComponent(this, ActClear, "ActClear");
  BindComponent(this, adqStarnd, "adqStarnd");
}

// The lists are kept by page; the query goes through the program's one connection, which a
// layout cannot name.
void TfmSetPrintOption::FormCreate(TObject*) {
  const char* const unSelect[] = {"lbUnSelect1", "lbUnSelect2", "lbUnSelect3"};
  const char* const select[] = {"lbSelect1", "lbSelect2", "lbSelect3"};
  for (size_t i = 0; i < UnSelectLists.size(); ++i) {
    BindComponent(this, UnSelectLists[i], unSelect[i]);
    BindComponent(this, SelectLists[i], select[i]);
  }
  ConnectDataSets(this);
}

void TfmSetPrintOption::FormCloseQuery(TObject*, bool&) { adqStarnd->Close(); }

void TfmSetPrintOption::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  if (fmSetPrintOption == this) fmSetPrintOption = nullptr;
}

void TfmSetPrintOption::FormDestroy(TObject*) { ClearItemLists(); }

void TfmSetPrintOption::ClearItemLists() {
  for (size_t i = 0; i < UnSelectLists.size(); ++i) {
    if (UnSelectLists[i]) ClearList(UnSelectLists[i]);
    if (SelectLists[i]) ClearList(SelectLists[i]);
  }
}

void TfmSetPrintOption::FillUptoItems() { FillItems(UptoPrintItemsSql, true); }

void TfmSetPrintOption::FillExamItems() { FillItems(ExamPrintItemsSql, false); }

void TfmSetPrintOption::FillItems(const String& Sql, bool Upto) {
  ClearItemLists();
  TScreenCursorScope hourglass(crHourGlass);
  OpenSql(adqStarnd, Sql);
  for (adqStarnd->First(); !adqStarnd->Eof(); adqStarnd->Next()) {
    const int page = GradePosition(adqStarnd->FieldByName("Fd_Grade")->AsString());
    if (page < 0) continue;
    AddItem(UnSelectLists[size_t(page)],
            new TPrintConfig(Upto ? adqStarnd->FieldByName("Fd_ProgType")->AsString() : String(ExamProgType),
                             adqStarnd->FieldByName("Fd_ProgName")->AsString(),
                             adqStarnd->FieldByName("Fd_ProgID")->AsString(),
                             adqStarnd->FieldByName("Fd_FenField")->AsString()));
  }
}

// A stored item keeps the type, number and score column it was stored with.
void TfmSetPrintOption::LoadPrintOptions(const TPrintConfigNames& Names) {
  TScreenCursorScope hourglass(crHourGlass);
  const std::array<String, 3> texts = ReadPrintConfig(Names);
  for (size_t page = 0; page < texts.size(); ++page) {
    ClearList(SelectLists[page]);
    TListBox* available = UnSelectLists[page];
    for (const TPrintConfig& stored : ParsePrintConfig(texts[page])) {
      const int match = available->Items()->IndexOf(stored.ProgName);
      if (match < 0) continue;
      AddItem(SelectLists[page], new TPrintConfig(stored));
      delete TakeItem(available, match);
    }
  }
}

void TfmSetPrintOption::SavePrintOptions(const TPrintConfigNames& Names) {
  std::array<String, 3> texts;
  for (size_t page = 0; page < texts.size(); ++page) {
    std::vector<const TPrintConfig*> items;
    for (int i = 0; i < SelectLists[page]->Items()->Count(); ++i) items.push_back(ItemOf(SelectLists[page], i));
    texts[page] = FormatPrintConfig(items);
  }
  WritePrintConfig(Names, texts);
}

int TfmSetPrintOption::Page() const { return std::max(pcGrade->ActivePageIndex(), 0); }

void TfmSetPrintOption::rbUptoProgClick(TObject* Sender) {
  if (static_cast<TComponent*>(Sender)->Tag() == 0) {
    FillExamItems();
    LoadPrintOptions(ExamConfigNames);
  } else {
    FillUptoItems();
    LoadPrintOptions(UptoConfigNames);
  }
}

void TfmSetPrintOption::btnOkClick(TObject*) {
  if (rbExamProg->Checked())
    SavePrintOptions(ExamConfigNames);
  else if (rbUptoProg->Checked())
    SavePrintOptions(UptoConfigNames);
}

void TfmSetPrintOption::ActSelectExecute(TObject*) {
  TListBox* available = UnSelectLists[size_t(Page())];
  if (available->Items()->Count() == 0 || available->ItemIndex() < 0) return;
  AddItem(SelectLists[size_t(Page())], TakeItem(available, available->ItemIndex()));
}

void TfmSetPrintOption::ActUnSelectExecute(TObject*) {
  TListBox* selected = SelectLists[size_t(Page())];
  if (selected->Items()->Count() == 0 || selected->ItemIndex() < 0) return;
  AddItem(UnSelectLists[size_t(Page())], TakeItem(selected, selected->ItemIndex()));
}

void TfmSetPrintOption::ActClearExecute(TObject*) {
  TListBox* selected = SelectLists[size_t(Page())];
  while (selected->Items()->Count() > 0) AddItem(UnSelectLists[size_t(Page())], TakeItem(selected, 0));
}

void TfmSetPrintOption::ActSelectUpdate(TObject*) {
  ActSelect->SetEnabled(UnSelectLists[size_t(Page())]->Items()->Count() > 0);
}

// ActUnSelect and ActClear share the rule: the page has selected items.
void TfmSetPrintOption::ActUnSelectUpdate(TObject* Sender) {
  static_cast<TAction*>(Sender)->SetEnabled(SelectLists[size_t(Page())]->Items()->Count() > 0);
}

void ShowSetPrintOption() {
  if (!fmSetPrintOption) fmSetPrintOption = TCustomForm::Create<TfmSetPrintOption>(Application);
  fmSetPrintOption->ShowModal();
}
