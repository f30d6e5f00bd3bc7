// A font that follows the manager's until it is the owner's own.
#include "bars/dxBarOwnFont.h"

TdxBarOwnFont::TdxBarOwnFont(std::function<void()> OnChanged)
    : FFont(std::make_unique<TFont>()), FOnChanged(std::move(OnChanged)) {
  FFont->OnChange = [this](TObject*) {
    if (FFollowing) return;
    FUseOwnFont = true;
    if (FOnChanged) FOnChanged();
  };
}

void TdxBarOwnFont::SetUseOwnFont(bool Value, const TFont* ManagerFont) {
  if (Value) {
    FUseOwnFont = true;
  } else {
    Follow(ManagerFont);
  }
}

void TdxBarOwnFont::Follow(const TFont* ManagerFont) {
  if (ManagerFont) {
    FFollowing = true;
    FFont->Assign(ManagerFont);
    FFollowing = false;
  }
  FUseOwnFont = false;
  if (FOnChanged) FOnChanged();
}
