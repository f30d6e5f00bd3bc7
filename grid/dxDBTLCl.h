// The typed data-bound columns: one column class per kind of value. Each keeps the settings of its
// kind of in-place editor, names the editor class that edits its cells, hands its settings to that
// editor, moves values between the bound field (in the field's own type) and the editor, and names
// the filter value editor and the operator set of its filter. Split by kind: dxDBTLClDropDown.cpp
// (the drop-down base, date and pick columns), dxDBTLClCheck.cpp, dxDBTLClText.cpp (memo, button,
// hyperlink, MRU), dxDBTLClNumber.cpp (spin, calc, time, currency), dxDBTLClPicture.cpp (image,
// graphic, blob) and dxDBTLClWrapper.cpp.
#pragma once

#include <memory>

#include "grid/dxDBColumn.h"
#include "controls/ShortCut.h"
#include "grid/dxDBTLEditors.h"

// Where a column shows its editor's buttons: by the grid (on the focused row while the grid shows
// buttons), always, or never.
enum TdxShowButtonStyle { sbDefault, sbAlways, sbNone };
inline constexpr const char* ShowButtonStyleNames[] = {"sbDefault", "sbAlways", "sbNone"};

// Whether a column's cell on Node shows its editor's button: never with sbNone or while the grid
// shows no buttons; with sbDefault on the focused row only.
bool IsCellButtonVisible(TdxTreeListColumn& Column, TdxShowButtonStyle Style, TdxTreeListNode* Node);

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
  int DropDownRows() const { return FDropDown.DropDownRows; }
  void SetDropDownRows(int Value) { FDropDown.DropDownRows = Value; }
  int DropDownWidth() const { return FDropDown.DropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDown.DropDownWidth = Value; }
  bool ImmediateDropDown() const { return FDropDown.ImmediateDropDown; }
  void SetImmediateDropDown(bool Value) { FDropDown.ImmediateDropDown = Value; }
  bool ImmediatePopup() const { return FDropDown.ImmediatePopup; }
  void SetImmediatePopup(bool Value) { FDropDown.ImmediatePopup = Value; }
  TAlignment PopupAlignment() const { return FDropDown.PopupAlignment; }
  void SetPopupAlignment(TAlignment Value) { FDropDown.PopupAlignment = Value; }
  TdxPopupBorder PopupBorder() const { return FDropDown.PopupBorder; }
  void SetPopupBorder(TdxPopupBorder Value) { FDropDown.PopupBorder = Value; }
  TdxShowButtonStyle ShowButtonStyle() const { return FShowButtonStyle; }
  void SetShowButtonStyle(TdxShowButtonStyle Value);

  const TdxInplaceEditClass& GetEditorClass() const override;
  bool HasButtons() override { return true; }
  // None with DisableEditor or sbNone, always with sbAlways, else the grid's Default.
  bool GetShowButton(bool Default);
  bool IsButtonVisible(TdxTreeListNode* Node) { return IsCellButtonVisible(*this, FShowButtonStyle, Node); }
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
  // A column's list opens on its button, not while the user types.
  static constexpr TdxDropDownOptions DefaultDropDownOptions{.ImmediateDropDown = false};

  TdxDropDownOptions FDropDown = DefaultDropDownOptions;
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

// A key picked from the records of a list; the cells show the list's text of the key.
class TdxDBTreeListLookupColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListLookupColumn(TComponent* AOwner) : TdxDBTreeListDropDownColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListLookupColumn"; }
  void Assign(const TPersistent* Source) override;

  TShortCut ClearKey() const { return FClearKey; }
  void SetClearKey(TShortCut Value) { FClearKey = Value; }
  const String& ListFieldName() const { return FListFieldName; }
  void SetListFieldName(const String& Value) { FListFieldName = Value; }
  int ListFieldIndex() const { return FListFieldIndex; }
  void SetListFieldIndex(int Value) { FListFieldIndex = Value; }
  // Another name of DropDownWidth, which layouts keep.
  int ListWidth() const { return DropDownWidth(); }
  void SetListWidth(int Value) { SetDropDownWidth(Value); }
  bool IsListWidthStored() const { return false; }
  bool CanDeleteText() const { return FCanDeleteText; }
  void SetCanDeleteText(bool Value) { FCanDeleteText = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  TdxFilterOperators GetFilterOperators() override { return ReducedFilterOperators; }
  void InitEditor(TdxInplaceEdit* Editor) override;
  // A filter editor keeps its key itself and writes no field.
  void InitFilterEditor(TdxInplaceEdit* Editor) override;
  // The editor wrote the picked key into the data set already.
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  // The shown text, not the key: group rows and filters compare texts.
  Variant GetFilterValue(TdxTreeListNode* Node) override;
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void DoCloseUp(String& Value, bool& Accept) override;
  void RestoreDefaults() override;

  TdxPickColumnCloseUp OnCloseUp;

 private:
  TShortCut FClearKey = 0;
  String FListFieldName;
  int FListFieldIndex = 0;
  bool FCanDeleteText = false;
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

// --- further kinds (texts) --------------------------------------------------------------------------------------

// A memo: cells show at most MaxDisplayLength characters (all of them when it is negative).
class TdxDBTreeListMemoColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListMemoColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListMemoColumn"; }
  void Assign(const TPersistent* Source) override;

  bool HideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool Value) { FHideScrollBars = Value; }
  int MaxDisplayLength() const { return FMaxDisplayLength; }
  void SetMaxDisplayLength(int Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value) { FScrollBars = Value; }
  bool SelectionBar() const { return FSelectionBar; }
  void SetSelectionBar(bool Value) { FSelectionBar = Value; }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  bool IsMultiLineEditor() override { return true; }
  bool IsBlobEditor() override { return true; }
  String GetDisplayText(TdxTreeListNode* Node) override;
  bool ShowsFieldText() const override { return false; }
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;

 private:
  bool FHideScrollBars = true;
  int FMaxDisplayLength = 255;
  TScrollStyle FScrollBars = ssNone;
  bool FSelectionBar = false;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
};

enum TdxEditButtonStyle { ebsSimple, ebsEllipsis, ebsDown, ebsGlyph };
inline constexpr const char* EditButtonStyleNames[] = {"ebsSimple", "ebsEllipsis", "ebsDown", "ebsGlyph"};

// The button column's buttons: a change lays the column out again.
class TdxColumnEditButtons : public TdxEditButtons {
 public:
  TdxColumnEditButtons(TdxTreeListColumn* Column);
  String ClassName() const override { return "TdxColumnEditButtons"; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TdxTreeListColumn* FColumn;
};

// A text with push buttons beside it.
class TdxDBTreeListButtonColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListButtonColumn(TComponent* AOwner);
  ~TdxDBTreeListButtonColumn() override;
  String ClassName() const override { return "TdxDBTreeListButtonColumn"; }
  void Assign(const TPersistent* Source) override;

  bool ButtonOnly() const { return FButtonOnly; }
  void SetButtonOnly(bool Value);
  TdxEditButtons* Buttons() const { return FButtons.get(); }
  void SetButtons(const TdxEditButtons* Value) { FButtons->Assign(Value); }
  // ebsSimple removes every button; any other style keeps one, of its kind.
  TdxEditButtonStyle EditButtonStyle() const { return FEditButtonStyle; }
  void SetEditButtonStyle(TdxEditButtonStyle Value);
  TShortCut ClickKey() const { return FClickKey; }
  void SetClickKey(TShortCut Value) { FClickKey = Value; }
  // Also the first button's glyph.
  TBitmap* Glyph();
  void SetGlyph(const TBitmap* Value);
  bool IsGlyphStored() const { return FGlyph && !FGlyph->Empty(); }
  bool HideEditCursor() const { return FHideEditCursor; }
  void SetHideEditCursor(bool Value);
  TdxShowButtonStyle ShowButtonStyle() const { return FShowButtonStyle; }
  void SetShowButtonStyle(TdxShowButtonStyle Value);

  const TdxInplaceEditClass& GetEditorClass() const override;
  bool HasButtons() override { return true; }
  void InitEditor(TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void RestoreDefaults() override;
  virtual void DoButtonClick(int AbsoluteIndex);

  TdxEditButtonClickEvent OnButtonClick;

 private:
  uint8_t ViewStyle() const;
  void SetFirstButtonKind();

  bool FButtonOnly = false;
  std::unique_ptr<TdxColumnEditButtons> FButtons;
  TdxEditButtonStyle FEditButtonStyle = ebsEllipsis;
  TShortCut FClickKey = dxCtrlEnter;
  std::unique_ptr<TBitmap> FGlyph;
  bool FHideEditCursor = false;
  TdxShowButtonStyle FShowButtonStyle = sbDefault;
};

// A link: cells paint underlined in the link's colour; exported to HTML as an anchor.
class TdxDBTreeListHyperLinkColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListHyperLinkColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListHyperLinkColumn"; }
  void Assign(const TPersistent* Source) override;

  TColor EditBackgroundColor() const { return FEditBackgroundColor; }
  void SetEditBackgroundColor(TColor Value) { FEditBackgroundColor = Value; }
  TColor EditFontColor() const { return FEditFontColor; }
  void SetEditFontColor(TColor Value);
  bool SingleClick() const { return FSingleClick; }
  void SetSingleClick(bool Value);
  TShortCut StartKey() const { return FStartKey; }
  void SetStartKey(TShortCut Value) { FStartKey = Value; }
  // The column's font underlined, in EditFontColor with SingleClick, else the window text colour.
  TFont* LinkFont();

  const TdxInplaceEditClass& GetEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  // With Html the text (empty for null) as an anchor, its characters escaped.
  bool ConvertExportValue(Variant& Value, bool Html) override;
  TCursor GetCellCursor(TCursor Cursor) override;
  void FontChanged() override;
  void RestoreDefaults() override;
  virtual void DoStartClick();

  TNotifyEvent OnStartClick;

 private:
  TColor FEditBackgroundColor = clWhite;
  TColor FEditFontColor = clBlue;
  bool FSingleClick = false;
  TShortCut FStartKey = dxCtrlEnter;
  std::unique_ptr<TFont> FLinkFont;
};

// A pick list that keeps the texts typed last.
class TdxDBTreeListMRUColumn : public TdxDBTreeListPickColumn {
 public:
  explicit TdxDBTreeListMRUColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListMRUColumn"; }
  void Assign(const TPersistent* Source) override;

  int MaxItemCount() const { return FMaxItemCount; }
  void SetMaxItemCount(int Value) { FMaxItemCount = Value; }
  bool ShowEllipsis() const { return FShowEllipsis; }
  void SetShowEllipsis(bool Value) { FShowEllipsis = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  // The text goes into the field; the editor's recent texts become the column's items.
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;
  virtual void DoButtonClick();

  TNotifyEvent OnButtonClick;

 private:
  int FMaxItemCount = 7;
  bool FShowEllipsis = true;
};

// --- further kinds (numbers and times) -----------------------------------------------------------------------

// A number spun up and down. The limits read the field's own while not assigned.
class TdxDBTreeListSpinColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListSpinColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListSpinColumn"; }
  void Assign(const TPersistent* Source) override;

  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  double Increment() const { return FIncrement; }
  void SetIncrement(double Value) { FIncrement = Value; }
  bool IsIncrementStored() const { return FIncrement != 1; }
  double MinValue() const;
  void SetMinValue(double Value);
  bool IsMinValueStored() const;
  double MaxValue() const;
  void SetMaxValue(double Value);
  bool IsMaxValueStored() const;
  TdxShowButtonStyle ShowButtonStyle() const { return FShowButtonStyle; }
  void SetShowButtonStyle(TdxShowButtonStyle Value) { FShowButtonStyle = Value; }
  bool UseCtrlIncrement() const { return FUseCtrlIncrement; }
  void SetUseCtrlIncrement(bool Value) { FUseCtrlIncrement = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  bool HasButtons() override { return true; }
  // The spin buttons follow the drop-down family's rule.
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void RestoreDefaults() override;

 private:
  // The bound field's limit: of an integer, float or BCD field; 0 otherwise.
  double FieldLimit(bool Max) const;

  bool FEditorEnabled = true;
  double FIncrement = 1;
  double FMinValue = 0;
  double FMaxValue = 0;
  bool FMinAssigned = false;
  bool FMaxAssigned = false;
  TdxShowButtonStyle FShowButtonStyle = sbDefault;
  bool FUseCtrlIncrement = false;
};

// A number typed or worked out in a drop-down calculator.
class TdxDBTreeListCalcColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListCalcColumn(TComponent* AOwner) : TdxDBTreeListDropDownColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListCalcColumn"; }
  void Assign(const TPersistent* Source) override;

  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  TdxButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TdxButtonStyle Value) { FButtonStyle = Value; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value) { FPrecision = Value; }
  bool QuickClose() const { return FQuickClose; }
  void SetQuickClose(bool Value) { FQuickClose = Value; }
  bool ShowButtonFrame() const { return FShowButtonFrame; }
  void SetShowButtonFrame(bool Value) { FShowButtonFrame = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;

 private:
  bool FBeepOnError = true;
  TdxButtonStyle FButtonStyle = bsStandard;
  int FPrecision = 13;
  bool FQuickClose = false;
  bool FShowButtonFrame = false;
};

// A time of day; the field keeps the date part of its value.
class TdxDBTreeListTimeColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListTimeColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListTimeColumn"; }
  void Assign(const TPersistent* Source) override;

  TdxTimeEditFormat TimeEditFormat() const { return FTimeEditFormat; }
  void SetTimeEditFormat(TdxTimeEditFormat Value) { FTimeEditFormat = Value; }
  bool UseCtrlIncrement() const { return FUseCtrlIncrement; }
  void SetUseCtrlIncrement(bool Value) { FUseCtrlIncrement = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void RestoreDefaults() override;

 private:
  TdxTimeEditFormat FTimeEditFormat = tfHourMinSec;
  bool FUseCtrlIncrement = false;
};

// An amount of money. The display format follows the locale until one is set.
class TdxDBTreeListCurrencyColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListCurrencyColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListCurrencyColumn"; }
  void Assign(const TPersistent* Source) override;

  int DecimalPlaces() const { return FDecimalPlaces; }
  void SetDecimalPlaces(int Value) { FDecimalPlaces = std::max(Value, 0); }
  String DisplayFormat() const { return FDisplayFormatAssigned ? FDisplayFormat : BuildCurrencyFormat(); }
  void SetDisplayFormat(const String& Value);
  bool IsDisplayFormatStored() const { return FDisplayFormatAssigned; }
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value) { FMinValue = Value; }
  bool IsMinValueStored() const { return FMinValue != 0; }
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value) { FMaxValue = Value; }
  bool IsMaxValueStored() const { return FMaxValue != 0; }
  bool Nullable() const { return FNullable; }
  void SetNullable(bool Value) { FNullable = Value; }
  const String& NullString() const { return FNullString; }
  void SetNullString(const String& Value) { FNullString = Value; }
  bool UseThousandSeparator() const { return FUseThousandSeparator; }
  void SetUseThousandSeparator(bool Value) { FUseThousandSeparator = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  // The field's own display format first, then the column's.
  String GetDisplayText(TdxTreeListNode* Node) override;
  bool ShowsFieldText() const override { return false; }
  // The locale's decimal separator may always be typed.
  bool IsValidEditChar(TKeyChar Key) override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void RestoreDefaults() override;

 private:
  int FDecimalPlaces = 2;
  bool FDisplayFormatAssigned = false;
  String FDisplayFormat;
  double FMinValue = 0;
  double FMaxValue = 0;
  bool FNullable = false;
  String FNullString;
  bool FUseThousandSeparator = false;
};

// --- further kinds (pictures and blobs) ---------------------------------------------------------------------

// Closed with the value picked.
using TdxImageColumnCloseUp = std::function<void(TObject* Sender, String& Value, bool& Accept)>;

// A value shown as a picture of an image list and its description.
class TdxDBTreeListImageColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListImageColumn(TComponent* AOwner);
  ~TdxDBTreeListImageColumn() override;
  String ClassName() const override { return "TdxDBTreeListImageColumn"; }
  void Assign(const TPersistent* Source) override;

  bool DefaultImages() const { return FDefaultImages; }
  void SetDefaultImages(bool Value);
  TStrings* Descriptions() const { return FDescriptions.get(); }
  void SetDescriptions(const TStrings* Value);
  TStrings* ImageIndexes() const { return FImageIndexes.get(); }
  void SetImageIndexes(const TStrings* Value);
  TStrings* Values() const { return FValues.get(); }
  void SetValues(const TStrings* Value);
  // Watched: a change of the list repaints the column, a freed list is forgotten.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  bool Incremental() const { return FIncremental; }
  void SetIncremental(bool Value) { FIncremental = Value; }
  bool MultiLineText() const { return FMultiLineText; }
  void SetMultiLineText(bool Value);
  bool ShowDescription() const { return FShowDescription; }
  void SetShowDescription(bool Value);
  // Another name of DropDownWidth, which layouts keep.
  int ListWidth() const { return DropDownWidth(); }
  void SetListWidth(int Value) { SetDropDownWidth(Value); }
  bool IsListWidthStored() const { return false; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  TdxFilterOperators GetFilterOperators() override { return ReducedFilterOperators; }
  int GetCellGlyphWidth() override;
  // The description of the value's item, else the value's own text.
  String GetValueText(const Variant& Value) override;
  int GetCellTextWidth(TCanvas* Canvas, TdxTreeListNode* Node) override;
  bool ConvertExportValue(Variant& Value, bool Html) override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  // A text that is none of the values is no filter value.
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void DoCloseUp(String& Value, bool& Accept) override;
  void RestoreDefaults() override;

  TdxImageColumnCloseUp OnCloseUp;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void WatchImages(TImageList*& Field, TChangeLink& Link, TImageList* Value);

  bool FDefaultImages = true;
  std::unique_ptr<TStringList> FDescriptions;
  std::unique_ptr<TStringList> FImageIndexes;
  std::unique_ptr<TStringList> FValues;
  TImageList* FImages = nullptr;
  TImageList* FLargeImages = nullptr;
  TChangeLink FImagesLink;
  TChangeLink FLargeImagesLink;
  bool FIncremental = false;
  bool FMultiLineText = false;
  bool FShowDescription = false;
};

// A picture held in a blob field.
class TdxDBTreeListGraphicColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListGraphicColumn(TComponent* AOwner);
  ~TdxDBTreeListGraphicColumn() override;
  String ClassName() const override { return "TdxDBTreeListGraphicColumn"; }
  void Assign(const TPersistent* Source) override;

  bool Center() const { return FCenter; }
  void SetCenter(bool Value) { FCenter = Value; }
  const String& CustomFilter() const { return FCustomFilter; }
  void SetCustomFilter(const String& Value) { FCustomFilter = Value; }
  bool CustomGraphic() const { return FCustomGraphic; }
  void SetCustomGraphic(bool Value) { FCustomGraphic = Value; }
  bool DblClickActivate() const { return FDblClickActivate; }
  void SetDblClickActivate(bool Value) { FDblClickActivate = Value; }
  TdxGraphicEditTransparency GraphicTransparency() const { return FGraphicTransparency; }
  void SetGraphicTransparency(TdxGraphicEditTransparency Value) { FGraphicTransparency = Value; }
  TdxPopupToolBarWindow* PopupToolBar() const { return FPopupToolBar.get(); }
  void SetPopupToolBar(const TdxPopupToolBarWindow* Value) { FPopupToolBar->Assign(Value); }
  bool PopupToolbarPosStored() const { return FPopupToolbarPosStored; }
  // False forgets the toolbar's stored place.
  void SetPopupToolbarPosStored(bool Value);
  TPoint StoredToolBarPosition() const { return FToolBarPos; }
  bool QuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool Value) { FQuickDraw = Value; }
  bool ShadowSelection() const { return FShadowSelection; }
  void SetShadowSelection(bool Value) { FShadowSelection = Value; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value) { FStretch = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  bool IsBlobEditor() override { return true; }
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void RestoreDefaults() override;
  // The graphic class of a node's picture (none: read from the data).
  virtual TGraphicClass GetGraphicClass(TdxTreeListNode* Node);

  TdxGraphicEditAssignPictureEvent OnAssignPicture;
  TNotifyEvent OnCustomClick;
  std::function<void(TObject* Sender, TdxTreeListNode* Node, TGraphicClass& GraphicClass)> OnGetGraphicClass;

 private:
  bool FCenter = true;
  String FCustomFilter;
  bool FCustomGraphic = false;
  bool FDblClickActivate = true;
  TdxGraphicEditTransparency FGraphicTransparency = gtDefault;
  std::unique_ptr<TdxPopupToolBarWindow> FPopupToolBar;
  bool FPopupToolbarPosStored = true;
  TPoint FToolBarPos{-10000, -10000};
  bool FQuickDraw = false;
  bool FShadowSelection = true;
  bool FStretch = true;
  // The picture of the row being painted.
  std::unique_ptr<TPicture> FCellPicture;
};

enum TdxBlobKind { bkAuto, bkBlob, bkMemo, bkPict, bkOle };
inline constexpr const char* BlobKindNames[] = {"bkAuto", "bkBlob", "bkMemo", "bkPict", "bkOle"};
// The editor's kind of a blob column's kind; bkAuto by the field's type.
TdxBlobEditKind BlobEditKindOf(TdxBlobKind Kind, TFieldType FieldType);

// A blob value shown as an icon or its text and edited in a sizable popup.
class TdxDBTreeListBlobColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListBlobColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListBlobColumn"; }
  void Assign(const TPersistent* Source) override;

  bool AlwaysSaveText() const { return FAlwaysSaveText; }
  void SetAlwaysSaveText(bool Value) { FAlwaysSaveText = Value; }
  TdxBlobKind BlobKind() const { return FBlobKind; }
  void SetBlobKind(TdxBlobKind Value) { FBlobKind = Value; }
  TdxBlobPaintStyle BlobPaintStyle() const { return FBlobPaintStyle; }
  // Also sizes the rows again.
  void SetBlobPaintStyle(TdxBlobPaintStyle Value);
  int MaxDisplayLength() const { return FMaxDisplayLength; }
  void SetMaxDisplayLength(int Value) { FMaxDisplayLength = Value; }
  TEditCharCase MemoCharCase() const { return FMemo.CharCase; }
  void SetMemoCharCase(TEditCharCase Value) { FMemo.CharCase = Value; }
  bool MemoHideScrollBars() const { return FMemo.HideScrollBars; }
  void SetMemoHideScrollBars(bool Value) { FMemo.HideScrollBars = Value; }
  int MemoMaxLength() const { return FMemo.MaxLength; }
  void SetMemoMaxLength(int Value) { FMemo.MaxLength = Value; }
  bool MemoOEMConvert() const { return FMemo.OEMConvert; }
  void SetMemoOEMConvert(bool Value) { FMemo.OEMConvert = Value; }
  TScrollStyle MemoScrollBars() const { return FMemo.ScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemo.ScrollBars = Value; }
  bool MemoSelectionBar() const { return FMemo.SelectionBar; }
  void SetMemoSelectionBar(bool Value) { FMemo.SelectionBar = Value; }
  bool MemoWantReturns() const { return FMemo.WantReturns; }
  void SetMemoWantReturns(bool Value) { FMemo.WantReturns = Value; }
  bool MemoWantTabs() const { return FMemo.WantTabs; }
  void SetMemoWantTabs(bool Value) { FMemo.WantTabs = Value; }
  bool MemoWordWrap() const { return FMemo.WordWrap; }
  void SetMemoWordWrap(bool Value) { FMemo.WordWrap = Value; }
  bool PictureAutoSize() const { return FPictureAutoSize; }
  void SetPictureAutoSize(bool Value) { FPictureAutoSize = Value; }
  const String& PictureFilter() const { return FPictureFilter; }
  void SetPictureFilter(const String& Value) { FPictureFilter = Value; }
  TdxGraphicEditTransparency PictureTransparency() const { return FPictureTransparency; }
  void SetPictureTransparency(TdxGraphicEditTransparency Value) { FPictureTransparency = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  bool ShowExPopupItems() const { return FShowExPopupItems; }
  void SetShowExPopupItems(bool Value) { FShowExPopupItems = Value; }
  bool ShowPicturePopup() const { return FShowPicturePopup; }
  void SetShowPicturePopup(bool Value) { FShowPicturePopup = Value; }
  bool SizeablePopup() const { return FSizeablePopup; }
  void SetSizeablePopup(bool Value) { FSizeablePopup = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  bool IsBlobEditor() override { return true; }
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void RestoreDefaults() override;

  TdxGraphicEditAssignPictureEvent OnAssignPicture;
  TdxGetGraphicClassEvent OnGetGraphicClass;

 private:
  // A blob column's popup memo scrolls both ways and has no selection bar.
  static constexpr TdxMemoOptions DefaultMemoOptions{.ScrollBars = ssBoth, .SelectionBar = false};

  bool FAlwaysSaveText = false;
  TdxBlobKind FBlobKind = bkAuto;
  TdxBlobPaintStyle FBlobPaintStyle = bpsIcon;
  int FMaxDisplayLength = 255;
  TdxMemoOptions FMemo = DefaultMemoOptions;
  bool FPictureAutoSize = true;
  String FPictureFilter;
  TdxGraphicEditTransparency FPictureTransparency = gtDefault;
  int FPopupHeight = 140;
  int FPopupWidth = 200;
  bool FShowExPopupItems = false;
  bool FShowPicturePopup = false;
  bool FSizeablePopup = true;
};

// Writes an editor's blob value into a field: null clears it, a text (a picture's bytes or a
// memo's text) becomes its value.
void WriteBlobValue(TField* Field, const Variant& Value);

// --- the wrapper column ---------------------------------------------------------------------------------------

class TdxDBTreeListWrapperColumn;
// The column a node's cell of the wrapper is edited and shown as; nil for none.
using TdxDBTLGetReferenceColumnEvent =
    std::function<void(TObject* Sender, TdxTreeListNode* Node, TdxDBTreeListColumn*& Column)>;

// A column that edits and shows each cell as another column does, the one OnGetReferenceColumn
// names for the row; without one it is a plain data-bound column.
class TdxDBTreeListWrapperColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListWrapperColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListWrapperColumn"; }
  // The reference column of Node, or of the focused node when Node is nil; nil when none.
  TdxDBTreeListColumn* GetReferenceColumn(TdxTreeListNode* Node) const;

  const TdxInplaceEditClass& GetEditorClass() const override;
  TdxEditViewData* GetViewData() override;
  String GetDisplayText(TdxTreeListNode* Node) override;
  bool ShowsFieldText() const override { return false; }
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;

  TdxDBTLGetReferenceColumnEvent OnGetReferenceColumn;
};
