// TCustomdxContainer: the base of every control that hosts in-place editors. It answers the
// questions its editor asks while it edits a cell (a descendant overrides the hooks to give its
// own answers), wraps the flat scroll bars and their look, and turns the mouse wheel into line
// scrolling.
#pragma once

#include "controls/CustomControl.h"
#include "editors/dxEditTypes.h"
#include "windows/Scrolling.h"

class TdxInplaceEdit;
class TdxEditStyle;

class TCustomdxContainer : public TCustomControl {
 public:
  explicit TCustomdxContainer(TComponent* AOwner);
  ~TCustomdxContainer() override;
  String ClassName() const override { return "TCustomdxContainer"; }

  // True between BeginEditorSet and EndEditorSet, while the host sets its editor up for a cell.
  bool EditorSet() const { return FEditorSet; }
  // 0 regular, 1 encarta, 2 flat; applied when the window is made, so a change makes it again.
  uint8_t ScrollBarMode() const { return FScrollBarMode; }
  void SetScrollBarMode(uint8_t Value);

  // The host's scroll code reads and sets its bars only through these two.
  bool GetScrollInfo(int Bar, SCROLLINFO& ScrollInfo);
  int SetScrollInfo(int Bar, const SCROLLINFO& ScrollInfo, bool Redraw);

  // --- hooks, in slot order --------------------------------------------------------------------
  virtual bool CanEditModify() { return false; }
  virtual bool IsValidEditChar(TKeyChar Key) { (void)Key; return false; }
  virtual std::unique_ptr<TdxEditStyle> CreateEditStyle(TdxInplaceEdit* Edit);
  // Sends WM_VSCROLL Count times to the host's own window.
  virtual void ContainerScrollLines(bool Up, int Count);
  virtual TColor GetEditColor() { return Color(); }
  virtual TFont* GetEditFont() { return Font(); }
  virtual bool IsReadOnly() { return false; }
  virtual bool IsHideFocusRect() { return false; }
  // The host's OnKeyDown for the keys its editor does not swallow.
  virtual void FireEditorEvent(WORD& Key, TShiftState Shift);
  virtual bool IgnoreEditorKeys() { return false; }
  virtual bool IsImmediateEditor() { return false; }
  virtual bool IsShowButtonAlways() { return false; }
  virtual bool IsTabsNavigation() { return false; }
  virtual void FocusAdjacentCell(bool Backward) { (void)Backward; }
  virtual void EditorFocusNotify() {}
  virtual void BeginEditorSet() { FEditorSet = true; }
  virtual void EndEditorSet() { FEditorSet = false; }
  virtual TdxPopupBorder GetEditPopupBorder() { return pbFrame3D; }

 protected:
  // The editor hands the host the keys, characters and double clicks it does not keep.
  friend class TdxInplaceEdit;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;

 private:
  void WMMouseWheel(TMessage& Message);
  bool FEditorSet = false;
  uint8_t FScrollBarMode = 0;
};
