// The item that stands first in an MDI frame's menu bar while the active child is maximised: it
// shows the child's icon and opens the child's window menu as a bar menu, whose entries send the
// child their commands. Its view is never the first one selected when the bar takes the keyboard.
#pragma once

#include "bars/dxBarItemControl.h"
#include "bars/dxBarItems.h"

class TSystemMenuSubItem : public TCustomdxBarSubItem {
 public:
  TSystemMenuSubItem(TComponent* AOwner, HWND Child);
  String ClassName() const override { return "TSystemMenuSubItem"; }
  HWND Child() const { return FChild; }
  // Builds the menu from the child's window menu as it stands now.
  void Popup() override;

 private:
  void AddEntry(const String& Text, UINT Command, UINT State, int Bitmap, bool BeginGroup);

  HWND FChild;
};

class TSystemMenuSubItemControl : public TdxBarSubItemControl {
 public:
  using TdxBarSubItemControl::TdxBarSubItemControl;
  bool CanBeFirstSelected() const override { return false; }
  bool CanSelect() const override;
  int GetHeight() const override;
  int GetWidth() const override;
  // The child's icon on the bar's background (a small window picture for a child without one).
  void Draw(const TRect& Rect) override;
};

// The pictures the window menu shows beside close, restore, maximise and minimise (the system's
// bitmaps 8 to 11), drawn by the bars; an empty bitmap for any other number.
void DrawSystemMenuGlyph(TBitmap& Glyph, int Bitmap);
