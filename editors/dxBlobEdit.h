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
  TEditCharCase MemoCharCase() const { return FMemoCharCase; }
  void SetMemoCharCase(TEditCharCase Value) { FMemoCharCase = Value; }
  bool MemoHideScrollBars() const { return FMemoHideScrollBars; }
  void SetMemoHideScrollBars(bool Value) { FMemoHideScrollBars = Value; }
  int MemoMaxLength() const { return FMemoMaxLength; }
  void SetMemoMaxLength(int Value) { FMemoMaxLength = Value; }
  bool MemoOEMConvert() const { return FMemoOEMConvert; }
  void SetMemoOEMConvert(bool Value) { FMemoOEMConvert = Value; }
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
  bool MemoSelectionBar() const { return FMemoSelectionBar; }
  void SetMemoSelectionBar(bool Value) { FMemoSelectionBar = Value; }
  bool MemoWantReturns() const { return FMemoWantReturns; }
  void SetMemoWantReturns(bool Value) { FMemoWantReturns = Value; }
  bool MemoWantTabs() const { return FMemoWantTabs; }
  void SetMemoWantTabs(bool Value) { FMemoWantTabs = Value; }
  bool MemoWordWrap() const { return FMemoWordWrap; }
  void SetMemoWordWrap(bool Value) { FMemoWordWrap = Value; }
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
  TEditCharCase FMemoCharCase = ecNormal;
  bool FMemoHideScrollBars = true;
  int FMemoMaxLength = 0;
  bool FMemoOEMConvert = false;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FMemoSelectionBar = true;
  bool FMemoWantReturns = true;
  bool FMemoWantTabs = true;
  bool FMemoWordWrap = true;
  TGraphicClass FGraphicClass;
  TdxGraphicEditTransparency FPictureTransparency = gtDefault;
  std::unique_ptr<TPicture> FWorkPicture;
};
