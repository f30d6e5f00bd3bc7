// TdxInplaceImageEdit: a value out of a list of values, shown as a picture of an image list with
// an optional description beside it, chosen from a drop-down list of pictures and descriptions,
// by the keys that step through the values or by the first letter of a description. There is no
// text to edit: the editor's text is the value.
#pragma once

#include <memory>
#include <vector>

#include "editors/dxDropDownEdit.h"
#include "editors/dxPopupListBox.h"
#include "graphics/ImageList.h"
#include "rtl/StringList.h"

// The list of the image editor: each item a picture and a description.
class TdxPopupImageListBox : public TCustomdxPopupListBox {
 public:
  using TCustomdxPopupListBox::TCustomdxPopupListBox;
  String ClassName() const override { return "TdxPopupImageListBox"; }

  const TImageList* Images() const { return FImages; }
  void SetImages(const TImageList* Value) { FImages = Value; }
  // Descriptions wrap inside their items.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { FMultiLine = Value; }
  // ImageIndex below 0 shows no picture.
  void AddEntry(const String& Text, int ImageIndex);
  void ClearEntries();
  int EntryImage(int Index) const;
  // At least the picture's height and two pixels.
  int MeasureItem() override;

 protected:
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;

 private:
  const TImageList* FImages = nullptr;
  bool FMultiLine = false;
  std::vector<int> FEntryImages;
};

class TdxImageEditViewData : public TdxDropDownEditViewData {
 public:
  bool ShowDescription = true;
  const TStrings* Descriptions = nullptr;
  const TStrings* ImageIndexes = nullptr;
  const TImageList* Images = nullptr;
  bool DefaultImages = true;
  const TStrings* Values = nullptr;
};

// The class operations of image editors: a value painted as its picture and description.
class TdxImageEditClass : public TdxDropDownEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const override;
  int GetEditHeight(const TdxEditViewData& ViewData) const override;

  // The item of Value in Values, its description (-1 when Descriptions has none for it) and its
  // picture: the item's index, or with DefaultImages off its ImageIndexes entry (-1 when that is
  // no number).
  static void GetIndexesByValue(const String& Value, const TStrings* ImageIndexes, const TStrings* Values,
                                const TStrings* Descriptions, bool DefaultImages, int& DescriptionIndex,
                                int& ImageIndex);
};

const TdxInplaceEditClass& ImageEditClass(bool Inplace = true);

class TdxInplaceImageEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplaceImageEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = ImageEditClass());
  ~TdxInplaceImageEdit() override;
  String ClassName() const override { return "TdxInplaceImageEdit"; }

  // The picture of item i is image i.
  bool DefaultImages() const { return FDefaultImages; }
  void SetDefaultImages(bool Value);
  TStringList* Descriptions() const { return FDescriptions.get(); }
  void SetDescriptions(const TStrings* Value) { FDescriptions->Assign(Value); }
  // The picture of item i as a number, when DefaultImages is off.
  TStringList* ImageIndexes() const { return FImageIndexes.get(); }
  void SetImageIndexes(const TStrings* Value) { FImageIndexes->Assign(Value); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  // In place, the keys step through the values only with Incremental.
  bool Incremental() const { return FIncremental; }
  void SetIncremental(bool Value) { FIncremental = Value; }
  // The drop-down list's pictures; Images when none.
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  bool MultiLineText() const { return FMultiLineText; }
  void SetMultiLineText(bool Value);
  bool ShowDescription() const { return FShowDescription; }
  void SetShowDescription(bool Value);
  TStringList* Values() const { return FValues.get(); }
  void SetValues(const TStrings* Value) { FValues->Assign(Value); }
  TdxPopupImageListBox* PopupList() const { return FPopupList; }

  // --- operations in slot order (after the drop-down editor's) ---------------------------------
  // Takes S as the value when the host lets it change, as a modification.
  virtual void SetItemValue(const String& S);

  bool HasEditArea() override { return false; }
  bool CanUndo() override { return true; }
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  void CloseUp(bool Accept) override;
  void ScrollItem(int Delta, bool Wrap) override;
  void DropDown() override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

 private:
  void WatchImages(TImageList*& Field, TChangeLink& Link, TImageList* Value);
  void FillPopupList();
  void SizePopupList();
  int StepKey(WORD Key) const;

  bool FDefaultImages = true;
  std::unique_ptr<TStringList> FDescriptions;
  TChangeLink FImagesLink;
  std::unique_ptr<TStringList> FImageIndexes;
  TImageList* FImages = nullptr;
  bool FIncremental = false;
  TChangeLink FLargeImagesLink;
  TImageList* FLargeImages = nullptr;
  bool FMultiLineText = false;
  TdxPopupImageListBox* FPopupList = nullptr;
  bool FShowDescription = true;
  std::unique_ptr<TStringList> FValues;
};
