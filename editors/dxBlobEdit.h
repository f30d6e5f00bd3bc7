// TdxInplaceBlobEdit: the drop-down editor of large values (memo text, pictures, OLE objects, raw
// binary data). A cell shows an icon of the value's kind (its "empty" variant for no value) or the
// text itself; memo and picture values are edited in the sizable blob popup, whose accepted value
// comes back through PostPopupValue. OLE and binary values have no popup and no button.
#pragma once

#include "classes/Component.h"
#include "editors/dxBlobPopup.h"
#include "editors/dxDropDownEdit.h"
#include "editors/dxGraphicEdit.h"

enum TdxBlobEditKind : uint8_t { bekMemo, bekPict, bekOle, bekBlob };
inline constexpr const char* BlobEditKindNames[] = {"bekMemo", "bekPict", "bekOle", "bekBlob"};
enum TdxBlobPaintStyle : uint8_t { bpsDefault, bpsIcon, bpsText };
inline constexpr const char* BlobPaintStyleNames[] = {"bpsDefault", "bpsIcon", "bpsText"};

class TdxBlobEditViewData : public TdxDropDownEditViewData {
 public:
  TdxBlobEditKind Kind = bekMemo;
  TdxBlobPaintStyle PaintStyle = bpsIcon;
  // With bpsIcon only: the shared icons and whether the value is empty.
  const TImageList* Icons = nullptr;
  bool Empty = false;
};

// The class operations of blob editors: the kind's icon or the text, and no button for kinds
// without a popup.
class TdxBlobEditClass : public TdxDropDownEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  void CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const override;
  bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const override;
  // The icon of a kind; the one before it for an empty value.
  static int IconIndex(TdxBlobEditKind Kind, bool Empty);
};

const TdxInplaceEditClass& BlobEditClass(bool Inplace = true);

class TdxInplaceBlobEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplaceBlobEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = BlobEditClass());
  ~TdxInplaceBlobEdit() override;
  String ClassName() const override { return "TdxInplaceBlobEdit"; }

  const String& BlobText() const { return FValue; }
  // Taken while the host sets its editor up, otherwise only when the editor may be modified (then
  // a change).
  void SetBlobText(const String& Value);
  TdxBlobEditKind BlobKind() const { return FKind; }
  void SetBlobKind(TdxBlobEditKind Value);
  TdxBlobPaintStyle BlobPaintStyle() const { return FPaintStyle; }
  void SetBlobPaintStyle(TdxBlobPaintStyle Value);
  // The text without a change event.
  void SetTextWithoutChange(const String& Value);

  // The popup's size, remembered from the user's last resizing.
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  // Stores both and reports them.
  void SetPopupSize(int Width, int Height);

  // The popup's options, handed to it at every drop-down.
  bool SizeablePopup() const { return FOptions.Sizeable; }
  void SetSizeablePopup(bool Value) { FOptions.Sizeable = Value; }
  bool PostOnHide() const { return FOptions.PostOnHide; }
  void SetPostOnHide(bool Value) { FOptions.PostOnHide = Value; }
  // The popup memo's settings, handed to it at every drop-down.
  void SetMemoOptions(const TdxMemoOptions& Value) { FMemoOptions = Value; }
  TEditCharCase MemoCharCase() const { return FMemoOptions.CharCase; }
  void SetMemoCharCase(TEditCharCase Value) { FMemoOptions.CharCase = Value; }
  bool MemoHideScrollBars() const { return FMemoOptions.HideScrollBars; }
  void SetMemoHideScrollBars(bool Value) { FMemoOptions.HideScrollBars = Value; }
  int MemoMaxLength() const { return FMemoOptions.MaxLength; }
  void SetMemoMaxLength(int Value) { FMemoOptions.MaxLength = Value; }
  bool MemoOEMConvert() const { return FMemoOptions.OEMConvert; }
  void SetMemoOEMConvert(bool Value) { FMemoOptions.OEMConvert = Value; }
  TScrollStyle MemoScrollBars() const { return FMemoOptions.ScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoOptions.ScrollBars = Value; }
  bool MemoSelectionBar() const { return FMemoOptions.SelectionBar; }
  void SetMemoSelectionBar(bool Value) { FMemoOptions.SelectionBar = Value; }
  bool MemoWantReturns() const { return FMemoOptions.WantReturns; }
  void SetMemoWantReturns(bool Value) { FMemoOptions.WantReturns = Value; }
  bool MemoWantTabs() const { return FMemoOptions.WantTabs; }
  void SetMemoWantTabs(bool Value) { FMemoOptions.WantTabs = Value; }
  bool MemoWordWrap() const { return FMemoOptions.WordWrap; }
  void SetMemoWordWrap(bool Value) { FMemoOptions.WordWrap = Value; }
  bool PictureAutoSize() const { return FOptions.PictureAutoSize; }
  void SetPictureAutoSize(bool Value) { FOptions.PictureAutoSize = Value; }
  UINT ClipboardFormat() const { return FOptions.ClipboardFormat; }
  void SetClipboardFormat(UINT Value) { FOptions.ClipboardFormat = Value; }
  const String& PictureFilter() const { return FOptions.PictureFilter; }
  void SetPictureFilter(const String& Value) { FOptions.PictureFilter = Value; }
  TdxGraphicEditTransparency PictureTransparency() const { return FPictureTransparency; }
  void SetPictureTransparency(TdxGraphicEditTransparency Value) { FPictureTransparency = Value; }
  // A picture popup offers its commands as a context menu.
  bool PictureMenu() const { return FOptions.PictureMenu; }
  void SetPictureMenu(bool Value) { FOptions.PictureMenu = Value; }
  // The popup of the first drop-down; nullptr before.
  TCustomdxBlobPopup* Popup() const { return FPopup.get(); }

  // --- operations in slot order (after the drop-down editor's) ---------------------------------
  virtual bool IsValueEmpty(const Variant& Value);
  virtual void DoAssignPicture(TPicture*& Picture);
  virtual TGraphicClass GetGraphicClass();
  // Takes the accepted popup's memo text or picture, when the editor may be modified.
  virtual void PostPopupValue();

  // Null empties the value.
  void SetEditValue(const Variant& Value) override;
  void GetDisplayValue(Variant& Value, bool FromData) override;
  // Null for an empty value; a picture value as its picture file's bytes.
  Variant GetEditValue() override;
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  bool HasEditArea() override { return false; }
  // The popup posts its value itself.
  void CloseUp(bool Accept) override { (void)Accept; }
  void DropDown() override;

  TdxGraphicEditAssignPictureEvent OnAssignPicture;
  TdxGetGraphicClassEvent OnGetGraphicClass;
  TNotifyEvent OnPopupSizeChanged;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  void ConfigurePopup(TCustomdxBlobPopup& Popup);

  TComponentPtr<TCustomdxBlobPopup> FPopup;
  String FValue;
  TdxBlobEditKind FKind = bekMemo;
  TdxBlobPaintStyle FPaintStyle = bpsIcon;
  TdxBlobPopupOptions FOptions;
  int FPopupWidth = 200;
  int FPopupHeight = 140;
  TdxMemoOptions FMemoOptions;
  TGraphicClass FGraphicClass;
  TdxGraphicEditTransparency FPictureTransparency = gtDefault;
  std::unique_ptr<TPicture> FWorkPicture;
};
