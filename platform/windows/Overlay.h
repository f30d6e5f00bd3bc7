// Drawing "on the screen": an overlay is a top-most window that takes no input and starts out
// showing exactly what lies beneath it, so that marks drawn on it (drop marks, inverted sizing
// frames, drag images) appear over the other windows, and hiding or freeing it brings back the
// pixels beneath.
#pragma once

#include <functional>

#include "graphics/Canvas.h"
#include "windows/Messages.h"

class TScreenOverlay {
 public:
  // Hidden until Show; its picture is what lies beneath ScreenRect now.
  explicit TScreenOverlay(const TRect& ScreenRect);
  ~TScreenOverlay();
  TScreenOverlay(const TScreenOverlay&) = delete;
  TScreenOverlay& operator=(const TScreenOverlay&) = delete;

  HWND Handle() const { return FHandle; }
  const TRect& BoundsRect() const { return FBounds; }
  // Moves the overlay; its picture becomes what lies beneath the new place.
  void SetBounds(const TRect& ScreenRect);
  // Takes the picture of what lies beneath again, dropping what was drawn.
  void Refresh();
  // Draws with a device context whose (0, 0) is the overlay's top-left corner.
  void Draw(const std::function<void(HDC DC)>& Painter);
  void Show();
  void Hide();
  bool Visible() const;

 private:
  HWND FHandle;
  TRect FBounds;
};
