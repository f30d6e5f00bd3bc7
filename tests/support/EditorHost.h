// A host of in-place editors for tests: every question of the host contract is answered from a
// field the test sets, what the editor hands the host is recorded, and the host runs the editor's
// life cycle (set up for a cell, show, post, hide) and paints its other cells window-lessly
// through the editor's class. The tree list and the grid are the real hosts.
#pragma once

#include <optional>
#include <vector>

#include "editors/dxContainer.h"
#include "classes/Properties.h"
#include "editors/dxInplaceEdit.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Paint.h"

// An editor with an edit area (the text editor's kind), so that undo applies.
class TTestTextEdit : public TdxInplaceEdit {
 public:
  using TdxInplaceEdit::TdxInplaceEdit;
  String ClassName() const override { return "TTestTextEdit"; }
  bool HasEditArea() override { return EditArea; }
  void AfterShowEdit() override { ++AfterShowCount; }
  bool EditArea = true;
  int AfterShowCount = 0;
};

class TTestEditorHost : public TCustomdxContainer {
 public:
  explicit TTestEditorHost(TComponent* AOwner) : TCustomdxContainer(AOwner) {
    SetBounds(0, 0, 200, 120);
    SetColor(clWhite);
    SetTabStop(true);
  }
  String ClassName() const override { return "TTestEditorHost"; }

  // --- answers (the edit colour and font are the host's Color and Font) ---------------------------
  bool CanModifyAnswer = false;
  bool ValidCharAnswer = false;
  bool ReadOnlyAnswer = false;
  bool IgnoreKeysAnswer = false;
  bool ImmediateAnswer = false;
  bool ShowButtonAlwaysAnswer = false;
  bool TabsNavigationAnswer = false;
  bool HideFocusRectAnswer = false;
  TdxPopupBorder PopupBorderAnswer = pbFrame3D;

  bool CanEditModify() override { return CanModifyAnswer; }
  bool IsValidEditChar(TKeyChar Key) override { return Key != 0 && ValidCharAnswer; }
  bool IsReadOnly() override { return ReadOnlyAnswer; }
  bool IgnoreEditorKeys() override { return IgnoreKeysAnswer; }
  bool IsImmediateEditor() override { return ImmediateAnswer; }
  bool IsShowButtonAlways() override { return ShowButtonAlwaysAnswer; }
  bool IsTabsNavigation() override { return TabsNavigationAnswer; }
  bool IsHideFocusRect() override { return HideFocusRectAnswer; }
  TdxPopupBorder GetEditPopupBorder() override { return PopupBorderAnswer; }

  // --- what reached the host (modifier keys left out) ---------------------------------------------
  std::vector<WORD> HostKeys;      // its own KeyDown
  std::vector<WORD> EventKeys;     // FireEditorEvent
  std::vector<TKeyChar> Chars;     // its own KeyPress
  std::vector<int> VScrolls;       // WM_VSCROLL codes
  std::vector<bool> AdjacentMoves; // FocusAdjacentCell(Backward)
  std::vector<Variant> Posted;
  int FocusNotifies = 0;
  int DblClicks = 0;
  int CancelModes = 0;

  static bool IsModifier(WORD Key) { return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU; }
  void FireEditorEvent(WORD& Key, TShiftState Shift) override {
    if (!IsModifier(Key)) EventKeys.push_back(Key);
    TCustomdxContainer::FireEditorEvent(Key, Shift);
  }
  void FocusAdjacentCell(bool Backward) override { AdjacentMoves.push_back(Backward); }
  void EditorFocusNotify() override { ++FocusNotifies; }

  // --- the editor's life cycle ------------------------------------------------------------------
  TdxInplaceEdit* Editor = nullptr;
  const TdxInplaceEditClass* EditorClass = &InplaceEditClass();
  TRect PressCell;

  // Sets the editor up for Cell with Value and shows it; UserAsked false places it as focus
  // entry does, without the immediate drop-down.
  void StartEdit(const TRect& Cell, const Variant& Value, bool UserAsked = true) {
    if (!Editor) Editor = EditorClass->CreateEditor(this);
    Editor->SetParent(this);
    BeginEditorSet();
    try {
      Editor->SetHidingForPost(false);
      Editor->SetColor(static_cast<TColor>(GetNearestColor(&ScreenCanvas(), ColorToRGB(GetEditColor()))));
      Editor->SetFont(GetEditFont());
      Editor->SetEditValue(Value);
      Editor->SetModified(false);
      if (IsReadOnly()) Editor->SetReadOnly(true);
      Editor->SetEditing(true);
    } catch (...) {
      EndEditorSet();
      throw;
    }
    EndEditorSet();
    if (!UserAsked) Editor->IncShowLock();
    Editor->ShowEdit(Cell);
    if (!UserAsked) Editor->DecShowLock();
  }
  // Validates (which may raise and keep the editor open), posts a modified value and hides.
  void PostEdit() {
    Editor->ValidateEdit();
    Editor->SetHidingForPost(true);
    if (Editor->GetModified()) Posted.push_back(Editor->GetEditValue());
    const bool hadFocus = Editor->HandleAllocated() && GetFocus() == Editor->Handle();
    Editor->Hide();
    if (hadFocus) ::SetFocus(Handle());
  }

  // --- window-less cells -----------------------------------------------------------------------
  struct TCell {
    TRect Rect;
    Variant Value;
  };
  std::vector<TCell> Cells;
  TColor Background = clSilver;
  TdxEditBorderStyle CellBorderStyle = xbs3D;
  bool CellShadow = false;
  // The view data a cell is painted from: the host's colour, font and cell look, the editor
  // class's family.
  std::unique_ptr<TdxEditViewData> CellViewData(const TCell& Cell) {
    std::unique_ptr<TdxEditViewData> vd = EditorClass->CreateViewDataObject();
    vd->BorderStyle = CellBorderStyle;
    vd->Shadow = CellShadow;
    vd->Font = GetEditFont()->Handle();
    vd->Brush = CreateSolidBrush(GetEditColor());
    vd->Color = ColorToRGB(GetEditColor());
    vd->TextColor = ColorToRGB(GetEditFont()->Color());
    vd->Bounds = Cell.Rect;
    InflateRect(vd->Bounds, 2, 2);
    vd->Value = Cell.Value;
    return vd;
  }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override {
    if (!IsModifier(Key)) HostKeys.push_back(Key);
    TCustomdxContainer::KeyDown(Key, Shift);
  }
  void KeyPress(TKeyChar& Key) override {
    Chars.push_back(Key);
    TCustomdxContainer::KeyPress(Key);
  }
  void DblClick() override {
    ++DblClicks;
    TCustomdxContainer::DblClick();
  }
  void Paint() override {
    HDC dc = Canvas()->Handle();
    FillRect(dc, ClientRect(), CreateSolidBrush(Background));
    for (const TCell& cell : Cells) {
      std::unique_ptr<TdxEditViewData> vd = CellViewData(cell);
      EditorClass->GetEditClipRegion(dc, cell.Rect, nullptr, *vd);
    }
  }
  // A press on PressCell shows the editor there, as a click on a cell does; every press while the
  // editor exists leaves its time with the editor.
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_LBUTTONDOWN) {
      if (!IsRectEmpty(PressCell) && PtInRect(PressCell, LParamToPoint(Message.LParam))) StartEdit(PressCell, "abc");
      if (Editor) Editor->SetClickTime(GetMessageTime());
    }
    if (Message.Msg == WM_VSCROLL) VScrolls.push_back(static_cast<int>(LOWORD(Message.WParam)));
    if (Message.Msg == CM_CANCELMODE) ++CancelModes;
    TCustomdxContainer::Dispatch(Message);
  }
};

// The class of the test text editor, in place or stand-alone.
class TTestTextEditClass : public TdxInplaceEditClass {
 public:
  explicit TTestTextEditClass(bool Inplace) : FInplace(Inplace) {}
  String ClassName() const override { return "TTestTextEdit"; }
  TdxInplaceEdit* CreateEditor(TComponent* Owner) const override { return new TTestTextEdit(Owner, *this); }
  bool IsInplace() const override { return FInplace; }

 private:
  bool FInplace;
};

inline void RegisterTestEditorClasses() {
  RegisterClass<TTestEditorHost, TCustomdxContainer>("TTestEditorHost");
  RegisterClass<TTestTextEdit, TdxInplaceEdit>("TTestTextEdit");
}

inline const TdxInplaceEditClass& TestTextEditClass() {
  static const TTestTextEditClass instance(true);
  return instance;
}
inline const TdxInplaceEditClass& StandAloneTestEditClass() {
  static const TTestTextEditClass instance(false);
  return instance;
}
