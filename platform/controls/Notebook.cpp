// The notebook and its pages.
#include <algorithm>

#include "controls/Notebook.h"
#include "rtl/Lists.h"

TPage::TPage(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetAlign(alClient);
  SetVisible(false);
}

// While the notebook itself is being destroyed it is no longer a notebook, and keeps no list.
TPage::~TPage() {
  if (auto* book = dynamic_cast<TNotebook*>(Parent())) book->RemovePage(this);
}

// A page joins the notebook it is put on and leaves the one it was on.
void TPage::SetParent(TWinControl* AParent) {
  if (auto* old = dynamic_cast<TNotebook*>(Parent()); old && old != AParent) old->RemovePage(this);
  TCustomControl::SetParent(AParent);
  if (auto* book = dynamic_cast<TNotebook*>(AParent)) book->InsertPage(this, book->PageCount());
}

void TPage::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

TNotebook::TNotebook(TComponent* AOwner) : TCustomControl(AOwner), FPageNames(std::make_unique<TNotebookPages>(*this)) {
  FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetBounds(0, 0, 150, 150);
}

TNotebook::~TNotebook() = default;

void TNotebook::InsertPage(TPage* Page, int Index) {
  if (std::find(FPages.begin(), FPages.end(), Page) != FPages.end()) return;
  FPages.insert(FPages.begin() + Index, Page);
  ShowActivePage();
}

void TNotebook::RemovePage(TPage* Page) {
  std::erase(FPages, Page);
  ShowActivePage();
}

void TNotebook::SetPageIndex(int Value) {
  if (ComponentState() & csLoading) {
    FPageIndex = Value;
    return;
  }
  if (Value < 0 || Value >= PageCount() || Value == FPageIndex) return;
  FPageIndex = Value;
  ShowActivePage();
  if (OnPageChanged) OnPageChanged(this);
}

String TNotebook::ActivePage() const {
  return FPageIndex >= 0 && FPageIndex < PageCount() ? Page(FPageIndex)->Caption() : String();
}

void TNotebook::SetActivePage(const String& Value) { SetPageIndex(FPageNames->IndexOf(Value)); }

void TNotebook::Loaded() {
  TCustomControl::Loaded();
  ShowActivePage();
}

// Only the active page shows. The pages keep their stacking so that layouts store them in order.
void TNotebook::ShowActivePage() {
  if (ComponentState() & csLoading) return;
  for (int i = 0; i < PageCount(); ++i)
    if (i != FPageIndex) Page(i)->SetVisible(false);
  if (FPageIndex >= 0 && FPageIndex < PageCount()) {
    Page(FPageIndex)->SetVisible(true);
  }
  Realign();
}

String TNotebookPages::Get(int Index) const {
  if (Index < 0 || Index >= GetCount()) ListIndexError(Index);
  return FNotebook.Page(Index)->Caption();
}

int TNotebookPages::GetCount() const { return FNotebook.PageCount(); }

void TNotebookPages::Put(int Index, const String& S) {
  if (Index < 0 || Index >= GetCount()) ListIndexError(Index);
  FNotebook.Page(Index)->SetCaption(S);
}

void TNotebookPages::Insert(int Index, const String& S) {
  if (Index < 0 || Index > GetCount()) ListIndexError(Index);
  auto* page = new TPage(FNotebook.Owner());
  page->SetCaption(S);
  page->SetParent(&FNotebook);
  auto& pages = FNotebook.FPages;
  std::rotate(pages.begin() + Index, pages.end() - 1, pages.end());
  FNotebook.ShowActivePage();
}

void TNotebookPages::Delete(int Index) {
  if (Index < 0 || Index >= GetCount()) ListIndexError(Index);
  FNotebook.Page(Index)->Free();
}

void TNotebookPages::Clear() {
  while (GetCount() > 0) Delete(GetCount() - 1);
}
