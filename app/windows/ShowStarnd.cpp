// The standards view: filling its list, its place beside the entry window, and opening, refilling
// and closing the one view.
#include "app/windows/ShowStarnd.h"

#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"
#include "app/data/KvConst.h"
#include "controls/Application.h"
#include "rtl/Convert.h"

TfmShowStarnd* fmShowStarnd = nullptr;

TfmShowStarnd::~TfmShowStarnd() {
  if (fmShowStarnd == this) fmShowStarnd = nullptr;
}

void TfmShowStarnd::Publish(TClassBuilder<TfmShowStarnd>& c) { c.Method("FormClose", &TfmShowStarnd::FormClose); }

void TfmShowStarnd::Loaded() {
  TForm::Loaded();
  BindComponent(this, lvStarnd, "lvStarnd");
}

// The window is freed once the messages now waiting are handled; the next open makes a new one.
void TfmShowStarnd::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  if (fmShowStarnd == this) fmShowStarnd = nullptr;
}

void TfmShowStarnd::ShowStandard(const String& Unit, const TStandardThresholds& Male,
                                 const TStandardThresholds& Female) {
  TListItems* items = lvStarnd->Items();
  items->BeginUpdate();
  items->Clear();
  for (size_t i = 0; i < ScoreLevels.size(); ++i) {
    TListItem* item = items->Add();
    item->SetCaption(IntToStr(ScoreLevels[i]));
    item->SubItems()->Add(FormatAchieve(Unit, Male[i]));
    item->SubItems()->Add(FormatAchieve(Unit, Female[i]));
  }
  items->EndUpdate();
}

void TfmShowStarnd::PlaceBeside(const TCustomForm* Entry) {
  int left = Entry->Left() + Entry->Width() + 4;
  if (left + Width() > Screen->Width()) left = Screen->Width() - Width() - 4;
  SetBounds(left, Entry->Top() + Entry->Height() - Height(), Width(), Height());
}

namespace {

void FillStandardView(const String& Unit, const TStandardSet& Standards) {
  fmShowStarnd->ShowStandard(Unit, Standards.Thresholds(SexNames[0]), Standards.Thresholds(SexNames[1]));
}

}  // namespace

void ToggleStandardView(const TCustomForm* Entry, const String& Unit, const TStandardSet& Standards) {
  if (fmShowStarnd) {
    CloseStandardView();
    return;
  }
  fmShowStarnd = TCustomForm::Create<TfmShowStarnd>(Application);
  fmShowStarnd->PlaceBeside(Entry);
  FillStandardView(Unit, Standards);
  fmShowStarnd->Show();
  fmShowStarnd->Repaint();
}

void RefreshStandardView(const String& Unit, const TStandardSet& Standards) {
  if (fmShowStarnd) FillStandardView(Unit, Standards);
}

void CloseStandardView() {
  if (fmShowStarnd) fmShowStarnd->Close();
}
