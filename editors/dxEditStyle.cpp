// Style controllers, their listeners and notifications, and the fall-back order of edit styles.
#include "editors/dxEditStyle.h"

#include <algorithm>

#include "editors/dxInplaceEdit.h"

namespace {

// The seven values in their order, from a style or controller to another.
template <class To, class From>
void CopyStyleValues(To& Target, const From& Source) {
  Target.SetBorderColor(Source.BorderColor());
  Target.SetBorderStyle(Source.BorderStyle());
  Target.SetButtonStyle(Source.ButtonStyle());
  Target.SetButtonTransparence(Source.ButtonTransparence());
  Target.SetEdges(Source.Edges());
  Target.SetHotTrack(Source.HotTrack());
  Target.SetShadow(Source.Shadow());
}

}  // namespace

TdxStyleController::TdxStyleController(TComponent* AOwner) : TComponent(AOwner) {}
TdxStyleController::~TdxStyleController() = default;

void TdxStyleController::EndUpdate() {
  --FUpdateCount;
  Changed();
}

void TdxStyleController::Changed() {
  if (FUpdateCount != 0 || (ComponentState() & csLoading)) return;
  // A listener may unregister while it is told: walk a copy.
  const std::vector<TObject*> listeners = FListeners;
  for (TObject* link : listeners)
    if (std::find(FListeners.begin(), FListeners.end(), link) != FListeners.end()) NotifyListener(link);
}

void TdxStyleController::Loaded() {
  TComponent::Loaded();
  Changed();
}

void TdxStyleController::AddListener(TObject* Link) { FListeners.push_back(Link); }

void TdxStyleController::RemoveListener(TObject* Link) { std::erase(FListeners, Link); }

void TdxStyleController::NotifyListener(TObject* Link) {
  if (OnStyleChanged) OnStyleChanged(this, Link);
}

TdxEditStyleController::TdxEditStyleController(TComponent* AOwner) : TdxStyleController(AOwner) {}

void TdxEditStyleController::NotifyListener(TObject* Link) {
  auto* edit = dynamic_cast<TdxInplaceEdit*>(Link);
  if (edit && edit->StyleController() && edit->StyleController() != this) return;
  if (edit) edit->LayoutChanged();
  TdxStyleController::NotifyListener(Link);
}

void TdxEditStyleController::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxEditStyleController*>(Source);
  if (!source) return TdxStyleController::Assign(Source);
  BeginUpdate();
  CopyStyleValues(*this, *source);
  EndUpdate();
}

void TdxEditStyleController::RestoreDefaults() {
  const TdxEditStyleController defaults(nullptr);
  Assign(&defaults);
}

TdxCheckEditStyleController::TdxCheckEditStyleController(TComponent* AOwner) : TdxEditStyleController(AOwner) {
  SetBorderStyle(xbsNone);
  SetButtonStyle(bts3D);
}

void TdxCheckEditStyleController::RestoreDefaults() {
  BeginUpdate();
  TdxEditStyleController::RestoreDefaults();
  SetBorderStyle(xbsNone);
  SetButtonStyle(bts3D);
  EndUpdate();
}

TdxEditStyleController* DefaultEditStyleController() {
  static const TComponentPtr<TdxEditStyleController> controller(new TdxEditStyleController(nullptr));
  return controller.get();
}

TdxEditStyleController* DefaultCheckEditStyleController() {
  static const TComponentPtr<TdxEditStyleController> controller(new TdxCheckEditStyleController(nullptr));
  return controller.get();
}

TdxEditStyle::TdxEditStyle(TdxInplaceEdit* Edit, TdxEditStyleController* DefaultController)
    : FEdit(Edit), FDefaultController(DefaultController) {
  if (FDefaultController) FDefaultController->AddListener(FEdit);
}

TdxEditStyle::~TdxEditStyle() {
  if (FDefaultController) FDefaultController->RemoveListener(FEdit);
}

void TdxEditStyle::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxEditStyle*>(Source);
  if (!source) return TPersistent::Assign(Source);
  CopyStyleValues(*this, *source);
}

void TdxEditStyle::SetAssignedValues(TdxEditStyleValues Value) {
  if (FAssignedValues == Value) return;
  FAssignedValues = Value;
  Changed();
}

void TdxEditStyle::RestoreDefaults() {
  FAssignedValues = 0;
  Changed();
}

void TdxEditStyle::Changed() {
  if (FEdit) FEdit->LayoutChanged();
}

// The built-in defaults are a controller's own, so one controller answers every fall-back.
const TdxEditStyleController& TdxEditStyle::DefaultSource() const {
  static const TComponentPtr<TdxEditStyleController> builtIn(new TdxEditStyleController(nullptr));
  if (FEdit && FEdit->StyleController()) return *FEdit->StyleController();
  if (const TdxEditStyleController* controller = GetDefaultController()) return *controller;
  return *builtIn;
}

TColor TdxEditStyle::GetDefaultBorderColor() const { return DefaultSource().BorderColor(); }
TdxEditBorderStyle TdxEditStyle::GetDefaultBorderStyle() const { return DefaultSource().BorderStyle(); }
TdxEditButtonViewStyle TdxEditStyle::GetDefaultButtonStyle() const { return DefaultSource().ButtonStyle(); }
TdxEditButtonTransparence TdxEditStyle::GetDefaultButtonTransparence() const {
  return DefaultSource().ButtonTransparence();
}
TdxEditEdges TdxEditStyle::GetDefaultEdges() const { return DefaultSource().Edges(); }
bool TdxEditStyle::GetDefaultHotTrack() const { return DefaultSource().HotTrack(); }
bool TdxEditStyle::GetDefaultShadow() const { return DefaultSource().Shadow(); }
