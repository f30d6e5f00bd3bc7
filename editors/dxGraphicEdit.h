// TdxInplaceGraphicEdit: shows and edits a picture in a cell or stand-alone. It paints the picture
// centred or fitted, takes it from and to the clipboard, loads and saves it through the picture
// file dialogs, and offers these commands on its floating toolbar or as a context menu. Its value
// is the picture file's bytes as a string.
#pragma once

#include "classes/Component.h"
#include "editors/dxInplaceEdit.h"
#include "editors/dxPictureValue.h"
#include "editors/dxPopupToolBar.h"

enum TdxGraphicEditTransparency : uint8_t { gtDefault, gtOpaque, gtTransparent };
inline constexpr const char* GraphicEditTransparencyNames[] = {"gtDefault", "gtOpaque", "gtTransparent"};

// The toolbar has not been shown or has no stored place.
inline constexpr TPoint NoToolBarPosition{-10000, -10000};

class TdxGraphicEditViewData : public TdxEditViewData {
 public:
  bool Center = true;
  bool Stretch = false;
  bool QuickDraw = false;
  // Filled by a host: the picture shaded in the selection colour.
  bool ShadowSelection = false;
  TColor SelectionColor = clHighlight;
  // A stand-alone focused editor frames its picture.
  bool StandAlone = false;
  const TPicture* Picture = nullptr;
};

// The class operations of graphic editors: the picture's size and its painting.
class TdxGraphicEditClass : public TdxInplaceEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // Without a picture nothing is fitted to content.
  void CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const override;
  // Measuring reports the picture's height in TextHeight (0 when stretched or empty).
  bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const override;
  void GetContentSize(const TdxEditViewData& ViewData, TRect& Size) const override;
};

const TdxInplaceEditClass& GraphicEditClass(bool Inplace = true);

using TdxGraphicEditAssignPictureEvent = std::function<void(TObject* Sender, TPicture*& Picture)>;
using TdxGetGraphicClassEvent = std::function<void(TObject* Sender, TGraphicClass& GraphicClass)>;

// The toolbar's commands by button index.
enum : int { gcCut, gcCopy, gcPaste, gcDelete, gcLoad, gcSave, gcCustom };

class TdxInplaceGraphicEdit : public TdxInplaceEdit {
 public:
  explicit TdxInplaceGraphicEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = GraphicEditClass());
  ~TdxInplaceGraphicEdit() override;
  String ClassName() const override { return "TdxInplaceGraphicEdit"; }

  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  UINT ClipboardFormat() const { return FClipboardFormat; }
  void SetClipboardFormat(UINT Value) { FClipboardFormat = Value; }
  const String& CustomFilter() const { return FCustomFilter; }
  void SetCustomFilter(const String& Value) { FCustomFilter = Value; }
  bool DblClickActivate() const { return FDblClickActivate; }
  void SetDblClickActivate(bool Value) { FDblClickActivate = Value; }
  TdxGraphicEditTransparency GraphicTransparency() const { return FGraphicTransparency; }
  void SetGraphicTransparency(TdxGraphicEditTransparency Value);
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const TPicture* Value) { FPicture->Assign(Value); }
  bool QuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool Value) { FQuickDraw = Value; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  TdxPopupToolBarWindow* PopupToolBar() const { return FPopupToolBarWindow.get(); }
  void SetPopupToolBar(const TdxPopupToolBarWindow* Value) { FPopupToolBarWindow->Assign(Value); }
  bool PopupToolBarPosStored() const { return FPopupToolBarPosStored; }
  // False forgets the stored place.
  void SetPopupToolBarPosStored(bool Value);
  TdxPopupToolBar* ToolBar() const { return FToolBar.get(); }

  // Runs a toolbar command (gcCut ... gcCustom); the toolbar's buttons follow.
  void ExecuteCommand(int Index);
  void CutToClipboard() { ExecuteCommand(gcCut); }
  void CopyToClipboard() { ExecuteCommand(gcCopy); }
  void PasteFromClipboard() { ExecuteCommand(gcPaste); }
  // Shows the toolbar beside the editor, or where the user last moved it.
  void ShowPopupToolBar();

  // --- operations in slot order (after the base's) ---------------------------------------------
  virtual void DoCustomClick();
  virtual void DoAssignPicture(TPicture*& Picture);
  virtual TGraphicClass GetGraphicClass();

  // Keeps the modified state; an empty string or a value that is no string empties the picture.
  void SetEditValue(const Variant& Value) override;
  // The picture file's bytes; "" for no picture.
  Variant GetEditValue() override;
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  void StateChanged() override;
  void FocusChanged(TMessage& Message) override;
  bool IsFocused() override;

  TdxGraphicEditAssignPictureEvent OnAssignPicture;
  TNotifyEvent OnCustomClick;
  TdxGetGraphicClassEvent OnGetGraphicClass;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  void PictureChanged(TObject* Sender);
  void ApplyToolBarSettings();
  void BuildPopupMenu();
  void MenuItemClick(TObject* Sender);
  void LoadFromFile();
  void SaveToFile();
  void WMContextMenu(TMessage& Message);

  bool FCenter = true;
  UINT FClipboardFormat;
  String FCustomFilter;
  bool FDblClickActivate = true;
  TdxGraphicEditTransparency FGraphicTransparency = gtDefault;
  bool FUpdating = false;
  std::unique_ptr<TPicture> FPicture;
  TComponentPtr<TdxPopupToolBar> FToolBar;
  bool FQuickDraw = false;
  TPoint FLastToolBarPos = NoToolBarPosition;
  bool FStretch = false;
  std::unique_ptr<TdxPopupToolBarWindow> FPopupToolBarWindow;
  TPoint FStoredToolBarPos = NoToolBarPosition;
  bool FPopupToolBarPosStored = true;
};
