// The typed data-bound columns: one column class per kind of value. Each keeps the settings of its
// kind of in-place editor, names the editor class that edits its cells, hands its settings to that
// editor, moves values between the bound field (in the field's own type) and the editor, and names
// the filter value editor and the operator set of its filter. Split by kind: dxDBTLClDropDown.cpp
// (the drop-down base, date and pick columns), dxDBTLClCheck.cpp.
#pragma once

#include <memory>

#include "grid/dxDBColumn.h"
#include "grid/dxDBTLEditors.h"

// Where a column shows its editor's buttons: by the grid (on the focused row while the grid shows
// buttons), always, or never.
enum TdxShowButtonStyle { sbDefault, sbAlways, sbNone };
inline constexpr const char* ShowButtonStyleNames[] = {"sbDefault", "sbAlways", "sbNone"};

// The filter operators of the reduced set: "equals", "does not equal", "blanks", "non blanks".
inline constexpr TdxFilterOperators ReducedFilterOperators = 0xC3;

// A check cell toggled: the text of the new state and the state (0 unchecked, 1 checked, 2 grayed).
using TdxToggleEvent = std::function<void(TObject* Sender, const String& AText, int AState)>;
// A drop-down column's list closed with Value; Accept false keeps the cell's value.
using TdxPickColumnCloseUp = std::function<void(TObject* Sender, String& Value, bool& Accept)>;

// --- the drop-down family --------------------------------------------------------------------------------

class TdxDBTreeListDropDownColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListDropDownColumn(TComponent* AOwner);
  ~TdxDBTreeListDropDownColumn() override;
  String ClassName() const override { return "TdxDBTreeListDropDownColumn"; }
  void Assign(const TPersistent* Source) override;

  // Created empty on first read; nil or an empty bitmap frees it.
  TBitmap* ButtonGlyph();
  void SetButtonGlyph(const TBitmap* Value);
  bool IsButtonGlyphStored() const { return FButtonGlyph && !FButtonGlyph->Empty(); }
  int DropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(int Value) { FDropDownRows = Value; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
  bool ImmediateDropDown() const { return FImmediateDropDown; }
  void SetImmediateDropDown(bool Value) { FImmediateDropDown = Value; }
  bool ImmediatePopup() const { return FImmediatePopup; }
  void SetImmediatePopup(bool Value) { FImmediatePopup = Value; }
  TAlignment PopupAlignment() const { return FPopupAlignment; }
  void SetPopupAlignment(TAlignment Value) { FPopupAlignment = Value; }
  TdxPopupBorder PopupBorder() const { return FPopupBorder; }
  void SetPopupBorder(TdxPopupBorder Value) { FPopupBorder = Value; }
  TdxShowButtonStyle ShowButtonStyle() const { return FShowButtonStyle; }
  void SetShowButtonStyle(TdxShowButtonStyle Value);

  const TdxInplaceEditClass& GetEditorClass() const override;
  bool HasButtons() override { return true; }
  // None with DisableEditor or sbNone, always with sbAlways, else the grid's Default.
  bool GetShowButton(bool Default);
  // The cell's button: never with sbNone or while the grid shows no buttons; with sbDefault on the
  // focused row only.
  bool IsButtonVisible(TdxTreeListNode* Node);
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  // The drop-down settings, with the editor's close-up and button click bound to the column.
  void InitEditor(TdxInplaceEdit* Editor) override;
  // The editor's close-up and button click are unbound again.
  void InitFilterEditor(TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;

  virtual void DoCloseUp(String& Value, bool& Accept) { (void)Value, (void)Accept; }
  virtual void DoEditButtonClick();

  TNotifyEvent OnEditButtonClick;

 private:
  std::unique_ptr<TBitmap> FButtonGlyph;
  int FDropDownRows = 7;
  int FDropDownWidth = 0;
  bool FImmediateDropDown = false;
  bool FImmediatePopup = false;
  TAlignment FPopupAlignment = taLeftJustify;
  TdxPopupBorder FPopupBorder = pbDefault;
  TdxShowButtonStyle FShowButtonStyle = sbDefault;
};

// A date: the null date clears the field, any other date is written as a date-time.
class TdxDBTreeListDateColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListDateColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListDateColumn"; }
  void Assign(const TPersistent* Source) override;

  TDateButtons DateButtons() const { return FDateButtons; }
  void SetDateButtons(TDateButtons Value) { FDateButtons = Value & AllDateButtons; }
  TDateOnError DateOnError() const { return FDateOnError; }
  void SetDateOnError(TDateOnError Value) { FDateOnError = Value; }
  bool DateValidation() const { return FDateValidation; }
  void SetDateValidation(bool Value) { FDateValidation = Value; }
  bool SaveTime() const { return FSaveTime; }
  void SetSaveTime(bool Value) { FSaveTime = Value; }
  bool UseEditMask() const { return FUseEditMask; }
  void SetUseEditMask(bool Value) { FUseEditMask = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void InitFilterEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  bool SameAsFieldValue(const Variant& Value) override;
  // The null date is the null value; other values are dates.
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void RestoreDefaults() override;

  TdxDateValidateInput OnDateValidateInput;

 private:
  TDateButtons FDateButtons = AllDateButtons;
  TDateOnError FDateOnError = deToday;
  bool FDateValidation = false;
  bool FSaveTime = true;
  bool FUseEditMask = false;
};

// A text picked from a list of items.
class TdxDBTreeListPickColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListPickColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListPickColumn"; }
  void Assign(const TPersistent* Source) override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value);
  bool DropDownListStyle() const { return FDropDownListStyle; }
  void SetDropDownListStyle(bool Value) { FDropDownListStyle = Value; }
  bool ItemsSorted() const { return FItemsSorted; }
  void SetItemsSorted(bool Value) { FItemsSorted = Value; }
  bool CanDeleteText() const { return FCanDeleteText; }
  void SetCanDeleteText(bool Value) { FCanDeleteText = Value; }
  bool Revertable() const { return FRevertable; }
  void SetRevertable(bool Value) { FRevertable = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  // A filter's list opens on its button, not on the first key.
  void InitFilterEditor(TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;
  void DoCloseUp(String& Value, bool& Accept) override;

  TdxPickColumnCloseUp OnCloseUp;

 private:
  std::unique_ptr<TStringList> FItems;
  bool FDropDownListStyle = false;
  bool FItemsSorted = false;
  bool FCanDeleteText = false;
  bool FRevertable = false;
};

// --- the check column ----------------------------------------------------------------------------------------

// A field's text as one of three states: ValueChecked (in any letter case) checked, ValueUnchecked
// unchecked, anything else (the empty text of a null field too) grayed.
class TdxDBTreeListCheckColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListCheckColumn(TComponent* AOwner);
  ~TdxDBTreeListCheckColumn() override;
  String ClassName() const override { return "TdxDBTreeListCheckColumn"; }
  void Assign(const TPersistent* Source) override;

  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  bool Border3D() const { return FBorder3D; }
  void SetBorder3D(bool Value);
  // Created empty on first read; nil or an empty bitmap frees it.
  TBitmap* Glyph();
  void SetGlyph(const TBitmap* Value);
  bool IsGlyphStored() const { return FGlyph && !FGlyph->Empty(); }
  int GlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(int Value);
  TdxShowNullFieldStyle ShowNullFieldStyle() const { return FShowNullFieldStyle; }
  void SetShowNullFieldStyle(TdxShowNullFieldStyle Value);
  const String& ValueChecked() const { return FValueChecked; }
  void SetValueChecked(const String& Value);
  const String& ValueGrayed() const { return FValueGrayed; }
  void SetValueGrayed(const String& Value);
  const String& ValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const String& Value);
  // Layouts keep the value texts that differ from the string table's.
  bool IsValueCheckedStored() const;
  bool IsValueUncheckedStored() const;

  // The state of a field's text, and the text of a state.
  int StateOfText(const String& Text) const;
  const String& TextOfState(int State) const;

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  TdxFilterOperators GetFilterOperators() override { return ReducedFilterOperators; }
  int GetCellGlyphWidth() override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  // The filter's image editor lists the grayed, unchecked and checked texts, in that order.
  void InitFilterEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  bool SameAsFieldValue(const Variant& Value) override;
  String GetValueText(const Variant& Value) override;
  // A Boolean field's filter values are True and False.
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void DoChange(TObject* Sender) override;
  void RestoreDefaults() override;

  TdxToggleEvent OnToggleClick;

 private:
  void SetText(String& Field, const String& Value);

  bool FAllowGrayed = false;
  bool FBorder3D = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FGlyphCount = 6;
  TdxShowNullFieldStyle FShowNullFieldStyle = nsUnchecked;
  String FValueChecked;
  String FValueGrayed;
  String FValueUnchecked;
};
