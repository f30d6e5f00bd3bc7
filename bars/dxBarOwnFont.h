// The font of a bar or popup menu: it follows the manager's font until it is changed, and is then
// the owner's own until the owner gives it up.
#pragma once

#include <functional>
#include <memory>

#include "graphics/Font.h"

class TdxBarOwnFont {
 public:
  // OnChanged runs after every change of the font, its own or one it followed.
  explicit TdxBarOwnFont(std::function<void()> OnChanged = {});
  TdxBarOwnFont(const TdxBarOwnFont&) = delete;
  TdxBarOwnFont& operator=(const TdxBarOwnFont&) = delete;

  TFont* Font() const { return FFont.get(); }
  bool UseOwnFont() const { return FUseOwnFont; }
  // True keeps the font as the owner's own; false follows ManagerFont again.
  void SetUseOwnFont(bool Value, const TFont* ManagerFont);
  // Takes ManagerFont without making it the owner's own.
  void Follow(const TFont* ManagerFont);

 private:
  std::unique_ptr<TFont> FFont;
  std::function<void()> FOnChanged;
  bool FUseOwnFont = false;
  bool FFollowing = false;
};
