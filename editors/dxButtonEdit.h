// TdxInplaceButtonEdit: a text editor with a row of up to eight push buttons at its edges that
// open nothing; each click is reported with the button's index. It can hide its text entirely
// (buttons only) or show the text without an edit cursor. The buttons are a collection a host
// column can publish and store.
#pragma once

#include <memory>

#include "classes/Collection.h"
#include "controls/ShortCut.h"
#include "editors/dxDropDownEdit.h"

class TdxEditButtons;
class TdxInplaceButtonEdit;

enum TdxEditButtonItemKind { bkEllipsis, bkDown, bkGlyph };
inline constexpr const char* EditButtonItemKindNames[] = {"bkEllipsis", "bkDown", "bkGlyph"};

// No collection holds more buttons.
inline constexpr int MaxEditButtons = 8;

class TdxEditButton : public TCollectionItem {
 public:
  // Raises "Too many buttons ( >= 8)" when Collection already holds eight.
  explicit TdxEditButton(TCollection* Collection);
  ~TdxEditButton() override;
  String ClassName() const override { return "TdxEditButton"; }
  // From another button every property inside one update of the collection.
  void Assign(const TPersistent* Source) override;
  // Every property but Default to its default; the glyph is freed.
  void RestoreDefaults();

  // The button ClickKey clicks; setting it clears it on the other buttons of the collection.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  // Created empty on first read.
  TBitmap* Glyph();
  void SetGlyph(const TBitmap* Value);
  bool IsGlyphStored() const { return FGlyph && !FGlyph->Empty(); }
  TdxEditButtonItemKind Kind() const { return FKind; }
  void SetKind(TdxEditButtonItemKind Value);
  bool LeftAlignment() const { return FLeftAlignment; }
  void SetLeftAlignment(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // 0: the editor's standard button width.
  int Width() const { return FWidth; }
  void SetWidth(int Value);

 private:
  template <class T>
  void Store(T& Field, T Value);

  bool FDefault = false;
  std::unique_ptr<TBitmap> FGlyph;
  TdxEditButtonItemKind FKind = bkEllipsis;
  bool FLeftAlignment = false;
  bool FVisible = true;
  int FWidth = 0;
};

class TdxEditButtons : public TCollection {
 public:
  TdxEditButtons(TdxInplaceEdit* Edit, TItemClass ItemClass);
  String ClassName() const override { return "TdxEditButtons"; }

  TdxEditButton* Add() { return static_cast<TdxEditButton*>(TCollection::Add()); }
  TdxEditButton* Items(int Index) const { return static_cast<TdxEditButton*>(TCollection::Items(Index)); }
  int VisibleCount() const;
  // nullptr when out of range.
  TdxEditButton* VisibleItems(int VisibleIndex) const;
  // -1 when out of range.
  int VisibleIndexToIndex(int VisibleIndex) const;
  void RestoreDefaults();
  TdxInplaceEdit* GetEditor() const { return FEdit; }

 protected:
  // Unless the editor is loading, a single button becomes the default one.
  void Update(TCollectionItem* Item) override;

 private:
  TdxInplaceEdit* FEdit;
};

// The collection an editor owns: every change lays the editor out again.
class TdxInplaceEditButtons : public TdxEditButtons {
 public:
  using TdxEditButtons::TdxEditButtons;
  String ClassName() const override { return "TdxInplaceEditButtons"; }

 protected:
  void Update(TCollectionItem* Item) override;
};

class TdxButtonEditViewData : public TdxDropDownEditViewData {
 public:
  TdxEditButtons* EditButtons = nullptr;
  // Buttons fill the cell and no text shows.
  bool ButtonsOnly = false;
  // The text shows without an edit cursor: painted, not edited in place.
  bool HiddenEditCursor = false;
};

class TdxButtonEditClass : public TdxDropDownEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // One entry per visible button of the view data's collection.
  void CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const override;
  // Buttons only: the last button grows over the text area, which is left empty at its left edge.
  void CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const override;
  // No text in buttons-only mode.
  bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const override;
};

const TdxInplaceEditClass& ButtonEditClass(bool Inplace = true);

// AbsoluteIndex is the clicked button's index in the collection.
using TdxEditButtonClickEvent = std::function<void(TObject* Sender, int AbsoluteIndex)>;

enum : uint8_t { bvsNormal = 0, bvsHideCursor = 1, bvsButtonsOnly = 2 };

class TdxInplaceButtonEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplaceButtonEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = ButtonEditClass());
  ~TdxInplaceButtonEdit() override;
  String ClassName() const override { return "TdxInplaceButtonEdit"; }

  TdxInplaceEditButtons* Buttons() const { return FButtons.get(); }
  // Copies the buttons.
  void SetButtons(const TdxEditButtons* Value);
  TShortCut ClickKey() const { return FClickKey; }
  void SetClickKey(TShortCut Value) { FClickKey = Value; }
  // bvsNormal, bvsHideCursor or bvsButtonsOnly; a change makes the window again.
  uint8_t ViewStyle() const { return FViewStyle; }
  void SetViewStyle(uint8_t Value);

  // --- operations in slot order (after the drop-down editor's) ---------------------------------
  // Clicks the first visible button marked Default; nothing when none is.
  virtual void ClickDefaultButton();

  void ButtonClick(int VisibleIndex) override;
  void DropDownKeyDown(WORD& Key, TShiftState Shift) override { (void)Key, (void)Shift; }
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  bool HasEditArea() override { return FViewStyle == bvsNormal; }
  bool CanUndo() override { return true; }
  void DefineProperties(TFiler& Filer) override;

  TdxEditButtonClickEvent OnButtonClick;

 protected:
  // A layout that held no "ExistButtons" was stored without buttons: the constructor's goes.
  void Loaded() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  std::unique_ptr<TdxInplaceEditButtons> FButtons;
  TShortCut FClickKey = dxCtrlEnter;
  bool FExistButtonsRead = false;
  uint8_t FViewStyle = bvsNormal;
};
