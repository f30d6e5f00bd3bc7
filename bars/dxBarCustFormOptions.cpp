// The Customize dialog's options page: one panel for the standard style and one for the others,
// whose twin controls write the same manager properties at once.
#include <algorithm>

#include "bars/dxBarCustForm.h"
#include "bars/dxBarManager.h"
#include "controls/Bevel.h"
#include "controls/PlaceControl.h"

namespace {

constexpr int kAnimationTexts[] = {sdxBarAnimationNone, sdxBarAnimationRandom, sdxBarAnimationUnfold, sdxBarAnimationSlide};

// A heading with an etched line running on to the panel's right edge.
void PlaceHeading(TComponent* Owner, TWinControl* Panel, const String& Name, int Top, int Text) {
  auto* label = PlaceControl<TLabel>(Owner, Panel, Name, Bounds(8, Top, 10, 14), dxBarLoadStr(Text));
  const int right = label->Left() + label->Width();
  auto* line = PlaceControl<TBevel>(Owner, Panel, Name + "Line", Bounds(right, Top + 7, std::max(8, 338 - right), 2));
  line->SetShape(bsTopLine);
}

}  // namespace

void TdxBarCustomizingForm::BuildOptionsPage() {
  tsOptions = PlaceControl<TTabSheet>(this, PageControl, "tsOptions", TRect{}, dxBarLoadStr(sdxBarOptionsPage));
  BuildOptionsPanels();
  const auto check = [this](TWinControl* Panel, const char* Name, TRect Bounds, int Text) {
    auto* box = PlaceControl<TCheckBox>(this, Panel, Name, Bounds, dxBarLoadStr(Text));
    box->OnClick = [this](TObject* Sender) { ApplyOptions(Sender); };
    return box;
  };
  const auto combo = [this](TWinControl* Panel, const char* LabelName, const char* Name, int Top, TLabel*& Label) {
    Label = PlaceControl<TLabel>(this, Panel, LabelName, Bounds(Panel == StandardOptionsPanel ? 8 : 16, Top + 3, 10, 14),
                                 dxBarLoadStr(sdxBarMenuAnimationsLabel));
    auto* box = PlaceControl<TComboBox>(this, Panel, Name, Bounds(120, Top, 100, 21));
    box->SetStyle(csDropDownList);
    for (int text : kAnimationTexts) box->Items()->Add(dxBarLoadStr(text));
    box->OnChange = [this](TObject* Sender) { ApplyOptions(Sender); };
    Label->SetFocusControl(box);
    PlaceAnimationsCombo(Label, box);
    return box;
  };
  ComboBoxMenuAnimations = combo(StandardOptionsPanel, "LabelMenuAnimations", "ComboBoxMenuAnimations", 8, LabelMenuAnimations);
  CBHint1 = check(StandardOptionsPanel, "CBHint1", Bounds(8, 42, 320, 18), sdxBarShowToolTips);
  CBHint2 = check(StandardOptionsPanel, "CBHint2", Bounds(24, 64, 304, 18), sdxBarShowShortCutsInToolTips);
  CBLargeIcons = check(StandardOptionsPanel, "CBLargeIcons", Bounds(8, 86, 320, 18), sdxBarLargeIcons);

  PlaceHeading(this, EnhancedOptionsPanel, "LPersonalized", 6, sdxBarPersonalizedHeading);
  CBMenusShowRecentItemsFirst =
      check(EnhancedOptionsPanel, "CBMenusShowRecentItemsFirst", Bounds(16, 24, 316, 18), sdxBarRecentItemsFirst);
  CBShowFullMenusAfterDelay =
      check(EnhancedOptionsPanel, "CBShowFullMenusAfterDelay", Bounds(32, 44, 300, 18), sdxBarFullMenusAfterDelay);
  BResetUsageData = PlaceControl<TButton>(this, EnhancedOptionsPanel, "BResetUsageData", Bounds(16, 68, 150, 23),
                                          dxBarLoadStr(sdxBarResetUsageData));
  BResetUsageData->OnClick = [this](TObject*) { FBarManager->ConfirmResetUsageData(); };
  PlaceHeading(this, EnhancedOptionsPanel, "LOther", 102, sdxBarOtherHeading);
  CBLargeIconsEx = check(EnhancedOptionsPanel, "CBLargeIconsEx", Bounds(16, 120, 316, 18), sdxBarLargeIcons);
  CBHint1Ex = check(EnhancedOptionsPanel, "CBHint1Ex", Bounds(16, 140, 316, 18), sdxBarShowToolTips);
  CBHint2Ex = check(EnhancedOptionsPanel, "CBHint2Ex", Bounds(32, 160, 300, 18), sdxBarShowShortCutsInToolTips);
  ComboBoxMenuAnimationsEx =
      combo(EnhancedOptionsPanel, "LabelMenuAnimationsEx", "ComboBoxMenuAnimationsEx", 184, LabelMenuAnimationsEx);
}

void TdxBarCustomizingForm::BuildOptionsPanels() {
  const auto panel = [this](const char* Name) {
    auto* p = PlaceControl<TPanel>(this, tsOptions, Name, TRect{});
    p->SetAlign(alClient);
    p->SetBevelOuter(bvNone);
    return p;
  };
  StandardOptionsPanel = panel("StandardOptionsPanel");
  EnhancedOptionsPanel = panel("EnhancedOptionsPanel");
}

// The combo starts 10 pixels after its label when the label reaches that far, and is as wide as
// its widest text plus 54 pixels.
void TdxBarCustomizingForm::PlaceAnimationsCombo(TLabel* Label, TComboBox* Combo) {
  int widest = 0;
  for (int i = 0; i < Combo->Items()->Count(); ++i) widest = std::max(widest, Canvas()->TextWidth(Combo->Items()->Strings(i)));
  const int left = std::max(Combo->Left(), Label->Left() + Label->Width() + 10);
  Combo->SetBounds(left, Combo->Top(), widest + 54, Combo->Height());
}

// The panel of the manager's style shows; every control takes the manager's value.
void TdxBarCustomizingForm::UpdateOptions() {
  const TdxBarManager& m = *FBarManager;
  FSelecting = true;
  const bool standard = m.Style() == bmsStandard;
  StandardOptionsPanel->SetVisible(standard);
  EnhancedOptionsPanel->SetVisible(!standard);
  for (TCheckBox* box : {CBLargeIcons, CBLargeIconsEx}) box->SetChecked(m.LargeIcons());
  for (TCheckBox* box : {CBHint1, CBHint1Ex}) box->SetChecked(m.ShowHint());
  for (TCheckBox* box : {CBHint2, CBHint2Ex}) box->SetChecked(m.ShowShortCutInHint());
  for (TComboBox* box : {ComboBoxMenuAnimations, ComboBoxMenuAnimationsEx}) box->SetItemIndex(m.MenuAnimations());
  CBMenusShowRecentItemsFirst->SetChecked(m.MenusShowRecentItemsFirst());
  CBShowFullMenusAfterDelay->SetChecked(m.ShowFullMenusAfterDelay());
  CBShowFullMenusAfterDelay->SetEnabled(m.MenusShowRecentItemsFirst());
  CBHint2Ex->SetEnabled(m.ShowHint());
  FSelecting = false;
}

void TdxBarCustomizingForm::ApplyOptions(TObject* Sender) {
  if (FSelecting) return;
  TdxBarManager& m = *FBarManager;
  if (Sender == CBLargeIcons || Sender == CBLargeIconsEx) m.SetLargeIcons(static_cast<TCheckBox*>(Sender)->Checked());
  if (Sender == CBHint1 || Sender == CBHint1Ex) m.SetShowHint(static_cast<TCheckBox*>(Sender)->Checked());
  if (Sender == CBHint2 || Sender == CBHint2Ex) m.SetShowShortCutInHint(static_cast<TCheckBox*>(Sender)->Checked());
  if (Sender == ComboBoxMenuAnimations || Sender == ComboBoxMenuAnimationsEx) {
    const int index = static_cast<TComboBox*>(Sender)->ItemIndex();
    if (index >= 0) m.SetMenuAnimations(static_cast<TdxBarMenuAnimations>(index));
  }
  if (Sender == CBMenusShowRecentItemsFirst) m.SetMenusShowRecentItemsFirst(CBMenusShowRecentItemsFirst->Checked());
  if (Sender == CBShowFullMenusAfterDelay) m.SetShowFullMenusAfterDelay(CBShowFullMenusAfterDelay->Checked());
  UpdateOptions();
}
