// TdxInplaceEdit: the base of every editor. In place, a host owns it, shows it over the cell
// being edited and asks it for its value; stand-alone, it is an ordinary control on a form. It
// keeps the value's modified state and undo snapshot, validates, hands the keys that move between
// cells to its host, and paints itself through its class's window-less painting.
#pragma once

#include <memory>

#include "controls/WinControl.h"
#include "editors/dxEditStyle.h"
#include "editors/dxViewData.h"

class TCustomdxContainer;
class TdxEditStyleController;

// ErrorText starts as the standard validation text and Accept as true; a handler may change both.
using TdxEditValidateEvent = std::function<void(TObject* Sender, String& ErrorText, bool& Accept)>;

class TdxInplaceEdit : public TWinControl {
 public:
  // Class is the editor's class object; descendants pass their own.
  explicit TdxInplaceEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = InplaceEditClass());
  ~TdxInplaceEdit() override;
  String ClassName() const override { return "TdxInplaceEdit"; }

  const TdxInplaceEditClass& EditClass() const { return *FEditClass; }
  bool IsInplace() const { return FEditClass->IsInplace(); }
  // The host: the Owner of an in-place editor; nil for stand-alone editors.
  TCustomdxContainer* GetContainer() const;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return !IsInplace() && FAutoSize; }
  void SetAutoSize(bool Value);
  bool ReadOnly() const { return (FStoredValues & svReadOnly) ? FReadOnly : GetDefaultReadOnly(); }
  void SetReadOnly(bool Value);
  TdxEditStyle* Style() const { return FStyle.get(); }
  void SetStyle(const TdxEditStyle* Value) { FStyle->Assign(Value); }
  TdxEditStyleController* StyleController() const { return FStyleController; }
  void SetStyleController(TdxEditStyleController* Value);
  TdxStoredValues StoredValues() const { return FStoredValues; }
  void SetStoredValues(TdxStoredValues Value) { FStoredValues = Value; }
  bool IsAlignmentStored() const { return (FStoredValues & svAlignment) != 0; }
  bool IsReadOnlyStored() const { return (FStoredValues & svReadOnly) != 0; }
  // Layouts keep the height only where auto-size does not apply.
  bool IsHeightStored() const { return !AutoSize(); }

  const TRect& EditOffsets() const { return FEditOffsets; }
  void SetEditOffsets(const TRect& Value);
  bool Shown() const { return FShown; }
  bool Hot() const { return FHot; }
  bool Editing() const { return FEditing; }

  // Written by the host.
  bool HidingForPost() const { return FHidingForPost; }
  void SetHidingForPost(bool Value) { FHidingForPost = Value; }
  DWORD ClickTime() const { return FClickTime; }
  void SetClickTime(DWORD Value) { FClickTime = Value; }
  // Flags that descendants raise while they change their own value or text.
  bool InternalChange = false;
  bool ClickOpensPopup = false;
  bool SettingValue = false;

  void ShowEdit(const TRect& Rect) { DoShowEdit(Rect); }
  void IncShowLock() { ++FShowLock; }
  void DecShowLock() { --FShowLock; }
  void IncValidateLock() { ++FValidateLock; }
  void DecValidateLock() { --FValidateLock; }
  void InvalidateEdit();
  // Recomputes the window's size (auto-size) and region from a fresh view data.
  void UpdateBoundsAndRegion();
  // A fresh view data of the window as it stands, with its rectangles in window coordinates.
  std::unique_ptr<TdxEditViewData> WindowViewData(TdxEditViewInfo& ViewInfo);

  // --- operations in slot order ----------------------------------------------------------------
  virtual void SetEditValue(const Variant& Value);
  virtual void RefreshDefaults();
  virtual void GetDisplayValue(Variant& Value, bool FromData);
  virtual Variant GetEditValue();
  virtual bool IsValidChar(TKeyChar Key);
  virtual void Change();
  // The caller owns the result.
  virtual std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint);
  virtual void StateChanged();
  virtual bool CanModify();
  virtual bool GetModified() { return FModified; }
  virtual bool IsModifyingKey(WORD Key, TShiftState Shift);
  virtual bool InvalidateOnStateChange() { return !HasEditArea(); }
  virtual bool HandlesMouseWheel() { return false; }
  virtual bool WantTabs() { return false; }
  virtual void FocusAdjacentCell(bool Backward);
  virtual void Undo();
  virtual void SetEditing(bool Value);
  virtual void InternalSetAlignment(TAlignment Value);
  virtual void InternalSetReadOnly(bool Value);
  virtual void SetModified(bool Value) { FModified = Value; }
  virtual void SetHot(bool Value) { FHot = Value; }
  virtual void LayoutChanged();
  virtual void AfterShowEdit() {}
  virtual bool CanEditText() { return !ReadOnly(); }
  virtual TAlignment GetDefaultAlignment() const { return taLeftJustify; }
  virtual bool GetDefaultReadOnly() const { return false; }
  virtual bool GetInitialReadOnly() const { return false; }
  virtual void MoveCaretToEnd() {}
  virtual void FocusChanged(TMessage& Message);
  virtual void GetDisplayText(String& Text) { (void)Text; }
  virtual void Hide();
  virtual bool HasEditArea() { return false; }
  virtual bool IsValidateOnEnter() { return false; }
  virtual bool IsFocused();
  virtual bool HasDataDefinition() { return false; }
  virtual bool IsHot() { return FHot || (IsFocused() && Enabled()); }
  virtual bool IsShowButtonAlways();
  virtual bool CanUndo() { return HasEditArea(); }
  virtual void ContainerMouseDown(int X, int Y) { (void)X, (void)Y; }
  virtual void ContainerClick() {}
  virtual void RestoreDefaults();
  virtual void SelectAllOnShow() {}
  // Takes Text when the editor may be modified; the value counts as modified only then.
  virtual void SetEditText(const String& Text);
  virtual void Show();
  virtual void ValidateEdit();

  void DefineProperties(TFiler& Filer) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TdxEditValidateEvent OnValidate;

 protected:
  virtual void DoShowEdit(const TRect& Rect);
  // The text and modified state that Escape goes back to.
  void SaveUndoSnapshot();
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void DblClick() override;
  // Repaints what follows the mouse and the focus, when the style tracks them.
  void HotTrackRepaint();

 private:
  void InplaceKeyDown(WORD& Key, TShiftState Shift);
  void StandAloneKeyDown(WORD& Key, TShiftState Shift);
  void InplaceWndProc(TMessage& Message);
  TdxEditViewInfo FreshViewInfo(bool Calc, int Width, int Height);
  void FillStyleViewData(TdxEditViewData& ViewData);
  void FillColourViewData(TdxEditViewData& ViewData);

  void WMKeyDown(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMEditCommand(TMessage& Message);
  void WMImeComposition(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMPaint(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMSize(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);

  const TdxInplaceEditClass* FEditClass;
  bool FEditing = false;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  int FShowLock = 0;
  bool FModified = false;
  TRect FEditOffsets;
  bool FSavedModified = false;
  String FSavedText;
  bool FReadOnly = false;
  bool FHot = false;
  std::unique_ptr<TdxEditStyle> FStyle;
  TdxEditStyleController* FStyleController = nullptr;
  bool FShown = false;
  int FValidateLock = 0;
  bool FHidingForPost = false;
  TdxStoredValues FStoredValues = 0;
  DWORD FClickTime = 0;
  bool FUpdatingBounds = false;
};
