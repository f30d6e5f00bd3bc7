// The typed data-bound columns: one column class per kind of value. Each keeps the settings of its
// kind of in-place editor as one options record, names the editor class that edits its cells,
// hands the record to that editor, moves values between the bound field (in the field's own type)
// and the editor, and names the filter value editor and the operator set of its filter. Split by
// kind: dxDBTLClDropDown.cpp (the drop-down base, date and pick columns), dxDBTLClCheck.cpp,
// dxDBTLClText.cpp (memo, button, hyperlink, MRU), dxDBTLClNumber.cpp (spin, calc, time,
// currency), dxDBTLClPicture.cpp (image, graphic, blob) and dxDBTLClWrapper.cpp.
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

// The date editor's settings a date column keeps and hands over.
struct TdxDateOptions {
  TDateButtons DateButtons = AllDateButtons;
  TDateOnError DateOnError = deToday;
  bool DateValidation = false;
  bool SaveTime = true;
  bool UseEditMask = false;
  void ApplyTo(TdxInplaceDateEdit& Editor) const;
};

// A date: the null date clears the field, any other date is written as a date-time.
class TdxDBTreeListDateColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListDateColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListDateColumn"; }
  void Assign(const TPersistent* Source) override;

  TDateButtons DateButtons() const { return FDate.DateButtons; }
  void SetDateButtons(TDateButtons Value) { FDate.DateButtons = Value & AllDateButtons; }
  TDateOnError DateOnError() const { return FDate.DateOnError; }
  void SetDateOnError(TDateOnError Value) { FDate.DateOnError = Value; }
  bool DateValidation() const { return FDate.DateValidation; }
  void SetDateValidation(bool Value) { FDate.DateValidation = Value; }
  bool SaveTime() const { return FDate.SaveTime; }
  void SetSaveTime(bool Value) { FDate.SaveTime = Value; }
  bool UseEditMask() const { return FDate.UseEditMask; }
  void SetUseEditMask(bool Value) { FDate.UseEditMask = Value; }

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
  TdxDateOptions FDate;
};

// The pick editor's settings besides its items that a pick column keeps and hands over.
struct TdxPickOptions {
  bool DropDownListStyle = false;
  bool ItemsSorted = false;
  bool CanDeleteText = false;
  bool Revertable = false;
  void ApplyTo(TdxInplacePickEdit& Editor) const;
};

// A text picked from a list of items.
class TdxDBTreeListPickColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListPickColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListPickColumn"; }
  void Assign(const TPersistent* Source) override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value);
  bool DropDownListStyle() const { return FPick.DropDownListStyle; }
  void SetDropDownListStyle(bool Value) { FPick.DropDownListStyle = Value; }
  bool ItemsSorted() const { return FPick.ItemsSorted; }
  void SetItemsSorted(bool Value) { FPick.ItemsSorted = Value; }
  bool CanDeleteText() const { return FPick.CanDeleteText; }
  void SetCanDeleteText(bool Value) { FPick.CanDeleteText = Value; }
  bool Revertable() const { return FPick.Revertable; }
  void SetRevertable(bool Value) { FPick.Revertable = Value; }

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
  TdxPickOptions FPick;
};

// The lookup editor's settings a lookup column keeps and hands over.
struct TdxLookupOptions {
  TShortCut ClearKey = 0;
  String ListFieldName;
  bool CanDeleteText = false;
  void ApplyTo(TdxInplaceLookupEdit& Editor) const;
};

// A key picked from the records of a list; the cells show the list's text of the key.
class TdxDBTreeListLookupColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListLookupColumn(TComponent* AOwner) : TdxDBTreeListDropDownColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListLookupColumn"; }
  void Assign(const TPersistent* Source) override;

  TShortCut ClearKey() const { return FLookup.ClearKey; }
  void SetClearKey(TShortCut Value) { FLookup.ClearKey = Value; }
  const String& ListFieldName() const { return FLookup.ListFieldName; }
  void SetListFieldName(const String& Value) { FLookup.ListFieldName = Value; }
  int ListFieldIndex() const { return FListFieldIndex; }
  void SetListFieldIndex(int Value) { FListFieldIndex = Value; }
  // Another name of DropDownWidth, which layouts keep.
  int ListWidth() const { return DropDownWidth(); }
  void SetListWidth(int Value) { SetDropDownWidth(Value); }
  bool IsListWidthStored() const { return false; }
  bool CanDeleteText() const { return FLookup.CanDeleteText; }
  void SetCanDeleteText(bool Value) { FLookup.CanDeleteText = Value; }

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
  TdxLookupOptions FLookup;
  int FListFieldIndex = 0;
};

// --- the check column ----------------------------------------------------------------------------------------

// The check editor's settings besides its glyph that a check column keeps and hands over.
struct TdxCheckOptions {
  bool AllowGrayed = false;
  bool Border3D = false;
  int GlyphCount = 6;
  TdxShowNullFieldStyle ShowNullFieldStyle = nsUnchecked;
  void ApplyTo(TdxInplaceCheckEdit& Editor) const;
};

// A field's text as one of three states: ValueChecked (in any letter case) checked, ValueUnchecked
// unchecked, anything else (the empty text of a null field too) grayed.
class TdxDBTreeListCheckColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListCheckColumn(TComponent* AOwner);
  ~TdxDBTreeListCheckColumn() override;
  String ClassName() const override { return "TdxDBTreeListCheckColumn"; }
  void Assign(const TPersistent* Source) override;

  bool AllowGrayed() const { return FCheck.AllowGrayed; }
  void SetAllowGrayed(bool Value) { FCheck.AllowGrayed = Value; }
  bool Border3D() const { return FCheck.Border3D; }
  void SetBorder3D(bool Value);
  // Created empty on first read; nil or an empty bitmap frees it.
  TBitmap* Glyph();
  void SetGlyph(const TBitmap* Value);
  bool IsGlyphStored() const { return FGlyph && !FGlyph->Empty(); }
  int GlyphCount() const { return FCheck.GlyphCount; }
  void SetGlyphCount(int Value);
  TdxShowNullFieldStyle ShowNullFieldStyle() const { return FCheck.ShowNullFieldStyle; }
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

  TdxCheckOptions FCheck;
  std::unique_ptr<TBitmap> FGlyph;
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

  bool HideScrollBars() const { return FMemo.HideScrollBars; }
  void SetHideScrollBars(bool Value) { FMemo.HideScrollBars = Value; }
  int MaxDisplayLength() const { return FMaxDisplayLength; }
  void SetMaxDisplayLength(int Value);
  TScrollStyle ScrollBars() const { return FMemo.ScrollBars; }
  void SetScrollBars(TScrollStyle Value) { FMemo.ScrollBars = Value; }
  bool SelectionBar() const { return FMemo.SelectionBar; }
  void SetSelectionBar(bool Value) { FMemo.SelectionBar = Value; }
  bool WantReturns() const { return FMemo.WantReturns; }
  void SetWantReturns(bool Value) { FMemo.WantReturns = Value; }
  bool WantTabs() const { return FMemo.WantTabs; }
  void SetWantTabs(bool Value) { FMemo.WantTabs = Value; }
  bool WordWrap() const { return FMemo.WordWrap; }
  void SetWordWrap(bool Value) { FMemo.WordWrap = Value; }

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
  // A memo column's editor keeps Tab for the grid and has no selection bar.
  static constexpr TdxMemoOptions DefaultMemoOptions{.SelectionBar = false, .WantTabs = false};

  // FMemo with the text settings (CharCase, MaxLength, OEMConvert) of the column itself.
  TdxMemoOptions EditorOptions() const;

  int FMaxDisplayLength = 255;
  TdxMemoOptions FMemo = DefaultMemoOptions;
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

// The button editor's settings besides its buttons that a button column keeps and hands over.
struct TdxButtonOptions {
  bool ButtonOnly = false;
  TShortCut ClickKey = dxCtrlEnter;
  bool HideEditCursor = false;
  // The editor's view style; ButtonOnly counts only while there is a button.
  uint8_t ViewStyle(bool HasButtons) const;
  void ApplyTo(TdxInplaceButtonEdit& Editor, const TdxEditButtons& Buttons) const;
};

// A text with push buttons beside it.
class TdxDBTreeListButtonColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListButtonColumn(TComponent* AOwner);
  ~TdxDBTreeListButtonColumn() override;
  String ClassName() const override { return "TdxDBTreeListButtonColumn"; }
  void Assign(const TPersistent* Source) override;

  bool ButtonOnly() const { return FButton.ButtonOnly; }
  void SetButtonOnly(bool Value);
  TdxEditButtons* Buttons() const { return FButtons.get(); }
  void SetButtons(const TdxEditButtons* Value) { FButtons->Assign(Value); }
  // ebsSimple removes every button; any other style keeps one, of its kind.
  TdxEditButtonStyle EditButtonStyle() const { return FEditButtonStyle; }
  void SetEditButtonStyle(TdxEditButtonStyle Value);
  TShortCut ClickKey() const { return FButton.ClickKey; }
  void SetClickKey(TShortCut Value) { FButton.ClickKey = Value; }
  // Also the first button's glyph.
  TBitmap* Glyph();
  void SetGlyph(const TBitmap* Value);
  bool IsGlyphStored() const { return FGlyph && !FGlyph->Empty(); }
  bool HideEditCursor() const { return FButton.HideEditCursor; }
  void SetHideEditCursor(bool Value);
  TdxShowButtonStyle ShowButtonStyle() const { return FShowButtonStyle; }
  void SetShowButtonStyle(TdxShowButtonStyle Value);

  const TdxInplaceEditClass& GetEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  void RestoreDefaults() override;
  virtual void DoButtonClick(int AbsoluteIndex);

  TdxEditButtonClickEvent OnButtonClick;

 private:
  void SetFirstButtonKind();

  TdxButtonOptions FButton;
  std::unique_ptr<TdxColumnEditButtons> FButtons;
  TdxEditButtonStyle FEditButtonStyle = ebsEllipsis;
  std::unique_ptr<TBitmap> FGlyph;
  TdxShowButtonStyle FShowButtonStyle = sbDefault;
};

// The hyperlink editor's settings a hyperlink column keeps and hands over.
struct TdxHyperLinkOptions {
  TColor EditBackgroundColor = clWhite;
  TColor EditFontColor = clBlue;
  bool SingleClick = false;
  TShortCut StartKey = dxCtrlEnter;
  void ApplyTo(TdxInplaceHyperLinkEdit& Editor) const;
};

// A link: cells paint underlined in the link's colour; exported to HTML as an anchor.
class TdxDBTreeListHyperLinkColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListHyperLinkColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListHyperLinkColumn"; }
  void Assign(const TPersistent* Source) override;

  TColor EditBackgroundColor() const { return FHyperLink.EditBackgroundColor; }
  void SetEditBackgroundColor(TColor Value) { FHyperLink.EditBackgroundColor = Value; }
  TColor EditFontColor() const { return FHyperLink.EditFontColor; }
  void SetEditFontColor(TColor Value);
  bool SingleClick() const { return FHyperLink.SingleClick; }
  void SetSingleClick(bool Value);
  TShortCut StartKey() const { return FHyperLink.StartKey; }
  void SetStartKey(TShortCut Value) { FHyperLink.StartKey = Value; }
  // The column's font underlined, in EditFontColor with SingleClick, else the window text colour.
  TFont* LinkFont();

  const TdxInplaceEditClass& GetEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) override;
  // With Html the text (empty for null) as an anchor, its characters escaped.
  bool ConvertExportValue(Variant& Value, bool Html) override;
  TCursor GetCellCursor(TdxTreeListNode* Node, TCursor Cursor) override;
  void FontChanged() override;
  void RestoreDefaults() override;
  virtual void DoStartClick();

  TNotifyEvent OnStartClick;

 private:
  TdxHyperLinkOptions FHyperLink;
  std::unique_ptr<TFont> FLinkFont;
};

// The MRU editor's settings an MRU column keeps and hands over.
struct TdxMRUOptions {
  int MaxItemCount = 7;
  bool ShowEllipsis = true;
  void ApplyTo(TdxInplaceMRUEdit& Editor) const;
};

// A pick list that keeps the texts typed last.
class TdxDBTreeListMRUColumn : public TdxDBTreeListPickColumn {
 public:
  explicit TdxDBTreeListMRUColumn(TComponent* AOwner);
  String ClassName() const override { return "TdxDBTreeListMRUColumn"; }
  void Assign(const TPersistent* Source) override;

  int MaxItemCount() const { return FMRU.MaxItemCount; }
  void SetMaxItemCount(int Value) { FMRU.MaxItemCount = Value; }
  bool ShowEllipsis() const { return FMRU.ShowEllipsis; }
  void SetShowEllipsis(bool Value) { FMRU.ShowEllipsis = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  // The text goes into the field; the editor's recent texts become the column's items.
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;
  virtual void DoButtonClick();

  TNotifyEvent OnButtonClick;

 private:
  TdxMRUOptions FMRU;
};

// --- further kinds (numbers and times) -----------------------------------------------------------------------

// The spin editor's settings besides its limits that a spin column keeps and hands over.
struct TdxSpinOptions {
  bool EditorEnabled = true;
  double Increment = 1;
  bool UseCtrlIncrement = false;
  void ApplyTo(TdxInplaceSpinEdit& Editor) const;
};

// A number spun up and down. The limits read the field's own while not assigned.
class TdxDBTreeListSpinColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListSpinColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListSpinColumn"; }
  void Assign(const TPersistent* Source) override;

  bool EditorEnabled() const { return FSpin.EditorEnabled; }
  void SetEditorEnabled(bool Value) { FSpin.EditorEnabled = Value; }
  double Increment() const { return FSpin.Increment; }
  void SetIncrement(double Value) { FSpin.Increment = Value; }
  bool IsIncrementStored() const { return FSpin.Increment != 1; }
  double MinValue() const;
  void SetMinValue(double Value);
  bool IsMinValueStored() const;
  double MaxValue() const;
  void SetMaxValue(double Value);
  bool IsMaxValueStored() const;
  TdxShowButtonStyle ShowButtonStyle() const { return FShowButtonStyle; }
  void SetShowButtonStyle(TdxShowButtonStyle Value) { FShowButtonStyle = Value; }
  bool UseCtrlIncrement() const { return FSpin.UseCtrlIncrement; }
  void SetUseCtrlIncrement(bool Value) { FSpin.UseCtrlIncrement = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
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

  TdxSpinOptions FSpin;
  double FMinValue = 0;
  double FMaxValue = 0;
  bool FMinAssigned = false;
  bool FMaxAssigned = false;
  TdxShowButtonStyle FShowButtonStyle = sbDefault;
};

// The calculator editor's settings a calculator column keeps and hands over.
struct TdxCalcOptions {
  bool BeepOnError = true;
  TdxButtonStyle ButtonStyle = bsStandard;
  int Precision = 13;
  bool QuickClose = false;
  bool ShowButtonFrame = false;
  void ApplyTo(TdxInplaceCalcEdit& Editor) const;
};

// A number typed or worked out in a drop-down calculator.
class TdxDBTreeListCalcColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListCalcColumn(TComponent* AOwner) : TdxDBTreeListDropDownColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListCalcColumn"; }
  void Assign(const TPersistent* Source) override;

  bool BeepOnError() const { return FCalc.BeepOnError; }
  void SetBeepOnError(bool Value) { FCalc.BeepOnError = Value; }
  TdxButtonStyle ButtonStyle() const { return FCalc.ButtonStyle; }
  void SetButtonStyle(TdxButtonStyle Value) { FCalc.ButtonStyle = Value; }
  int Precision() const { return FCalc.Precision; }
  void SetPrecision(int Value) { FCalc.Precision = Value; }
  bool QuickClose() const { return FCalc.QuickClose; }
  void SetQuickClose(bool Value) { FCalc.QuickClose = Value; }
  bool ShowButtonFrame() const { return FCalc.ShowButtonFrame; }
  void SetShowButtonFrame(bool Value) { FCalc.ShowButtonFrame = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;

 private:
  TdxCalcOptions FCalc;
};

// The time editor's settings a time column keeps and hands over.
struct TdxTimeOptions {
  TdxTimeEditFormat TimeEditFormat = tfHourMinSec;
  bool UseCtrlIncrement = false;
  void ApplyTo(TdxInplaceTimeEdit& Editor) const;
};

// A time of day; the field keeps the date part of its value.
class TdxDBTreeListTimeColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListTimeColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListTimeColumn"; }
  void Assign(const TPersistent* Source) override;

  TdxTimeEditFormat TimeEditFormat() const { return FTime.TimeEditFormat; }
  void SetTimeEditFormat(TdxTimeEditFormat Value) { FTime.TimeEditFormat = Value; }
  bool UseCtrlIncrement() const { return FTime.UseCtrlIncrement; }
  void SetUseCtrlIncrement(bool Value) { FTime.UseCtrlIncrement = Value; }

  const TdxInplaceEditClass& GetEditorClass() const override;
  const TdxInplaceEditClass& GetFilterEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) override;
  void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) override;
  void RestoreDefaults() override;

 private:
  TdxTimeOptions FTime;
};

// The currency editor's settings besides its display format that a currency column keeps and
// hands over.
struct TdxCurrencyOptions {
  int DecimalPlaces = 2;
  double MinValue = 0;
  double MaxValue = 0;
  bool Nullable = false;
  String NullString;
  bool UseThousandSeparator = false;
  void ApplyTo(TdxInplaceCurrencyEdit& Editor) const;
};

// An amount of money. The display format follows the locale until one is set.
class TdxDBTreeListCurrencyColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListCurrencyColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListCurrencyColumn"; }
  void Assign(const TPersistent* Source) override;

  int DecimalPlaces() const { return FCurrency.DecimalPlaces; }
  void SetDecimalPlaces(int Value) { FCurrency.DecimalPlaces = std::max(Value, 0); }
  String DisplayFormat() const { return FDisplayFormatAssigned ? FDisplayFormat : BuildCurrencyFormat(); }
  void SetDisplayFormat(const String& Value);
  bool IsDisplayFormatStored() const { return FDisplayFormatAssigned; }
  double MinValue() const { return FCurrency.MinValue; }
  void SetMinValue(double Value) { FCurrency.MinValue = Value; }
  bool IsMinValueStored() const { return FCurrency.MinValue != 0; }
  double MaxValue() const { return FCurrency.MaxValue; }
  void SetMaxValue(double Value) { FCurrency.MaxValue = Value; }
  bool IsMaxValueStored() const { return FCurrency.MaxValue != 0; }
  bool Nullable() const { return FCurrency.Nullable; }
  void SetNullable(bool Value) { FCurrency.Nullable = Value; }
  const String& NullString() const { return FCurrency.NullString; }
  void SetNullString(const String& Value) { FCurrency.NullString = Value; }
  bool UseThousandSeparator() const { return FCurrency.UseThousandSeparator; }
  void SetUseThousandSeparator(bool Value) { FCurrency.UseThousandSeparator = Value; }

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
  TdxCurrencyOptions FCurrency;
  bool FDisplayFormatAssigned = false;
  String FDisplayFormat;
};

// --- further kinds (pictures and blobs) ---------------------------------------------------------------------

// Closed with the value picked.
using TdxImageColumnCloseUp = std::function<void(TObject* Sender, String& Value, bool& Accept)>;

// The image editor's settings besides its lists and image lists that an image column keeps and
// hands over.
struct TdxImageOptions {
  bool DefaultImages = true;
  bool Incremental = false;
  bool MultiLineText = false;
  bool ShowDescription = false;
  void ApplyTo(TdxInplaceImageEdit& Editor) const;
};

// A value shown as a picture of an image list and its description.
class TdxDBTreeListImageColumn : public TdxDBTreeListDropDownColumn {
 public:
  explicit TdxDBTreeListImageColumn(TComponent* AOwner);
  ~TdxDBTreeListImageColumn() override;
  String ClassName() const override { return "TdxDBTreeListImageColumn"; }
  void Assign(const TPersistent* Source) override;

  bool DefaultImages() const { return FImage.DefaultImages; }
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
  bool Incremental() const { return FImage.Incremental; }
  void SetIncremental(bool Value) { FImage.Incremental = Value; }
  bool MultiLineText() const { return FImage.MultiLineText; }
  void SetMultiLineText(bool Value);
  bool ShowDescription() const { return FImage.ShowDescription; }
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

  TdxImageOptions FImage;
  std::unique_ptr<TStringList> FDescriptions;
  std::unique_ptr<TStringList> FImageIndexes;
  std::unique_ptr<TStringList> FValues;
  TImageList* FImages = nullptr;
  TImageList* FLargeImages = nullptr;
  TChangeLink FImagesLink;
  TChangeLink FLargeImagesLink;
};

// The graphic editor's settings besides its popup toolbar that a graphic column keeps and hands
// over.
struct TdxGraphicOptions {
  bool Center = true;
  String CustomFilter;
  bool DblClickActivate = true;
  TdxGraphicEditTransparency GraphicTransparency = gtDefault;
  bool PopupToolbarPosStored = true;
  bool QuickDraw = false;
  bool Stretch = true;
  void ApplyTo(TdxInplaceGraphicEdit& Editor) const;
};

// A picture held in a blob field.
class TdxDBTreeListGraphicColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListGraphicColumn(TComponent* AOwner);
  ~TdxDBTreeListGraphicColumn() override;
  String ClassName() const override { return "TdxDBTreeListGraphicColumn"; }
  void Assign(const TPersistent* Source) override;

  bool Center() const { return FGraphic.Center; }
  void SetCenter(bool Value) { FGraphic.Center = Value; }
  const String& CustomFilter() const { return FGraphic.CustomFilter; }
  void SetCustomFilter(const String& Value) { FGraphic.CustomFilter = Value; }
  bool CustomGraphic() const { return FCustomGraphic; }
  void SetCustomGraphic(bool Value) { FCustomGraphic = Value; }
  bool DblClickActivate() const { return FGraphic.DblClickActivate; }
  void SetDblClickActivate(bool Value) { FGraphic.DblClickActivate = Value; }
  TdxGraphicEditTransparency GraphicTransparency() const { return FGraphic.GraphicTransparency; }
  void SetGraphicTransparency(TdxGraphicEditTransparency Value) { FGraphic.GraphicTransparency = Value; }
  TdxPopupToolBarWindow* PopupToolBar() const { return FPopupToolBar.get(); }
  void SetPopupToolBar(const TdxPopupToolBarWindow* Value) { FPopupToolBar->Assign(Value); }
  bool PopupToolbarPosStored() const { return FGraphic.PopupToolbarPosStored; }
  void SetPopupToolbarPosStored(bool Value) { FGraphic.PopupToolbarPosStored = Value; }
  bool QuickDraw() const { return FGraphic.QuickDraw; }
  void SetQuickDraw(bool Value) { FGraphic.QuickDraw = Value; }
  bool ShadowSelection() const { return FShadowSelection; }
  void SetShadowSelection(bool Value) { FShadowSelection = Value; }
  bool Stretch() const { return FGraphic.Stretch; }
  void SetStretch(bool Value) { FGraphic.Stretch = Value; }

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
  TdxGraphicOptions FGraphic;
  bool FCustomGraphic = false;
  std::unique_ptr<TdxPopupToolBarWindow> FPopupToolBar;
  bool FShadowSelection = true;
  // The picture of the row being painted.
  std::unique_ptr<TPicture> FCellPicture;
};

enum TdxBlobKind { bkAuto, bkBlob, bkMemo, bkPict, bkOle };
inline constexpr const char* BlobKindNames[] = {"bkAuto", "bkBlob", "bkMemo", "bkPict", "bkOle"};
// The editor's kind of a blob column's kind; bkAuto by the field's type.
TdxBlobEditKind BlobEditKindOf(TdxBlobKind Kind, TFieldType FieldType);

// The blob editor's settings besides its kind and its memo's that a blob column keeps and hands
// over.
struct TdxBlobOptions {
  TdxBlobPaintStyle BlobPaintStyle = bpsIcon;
  bool PictureAutoSize = true;
  String PictureFilter;
  TdxGraphicEditTransparency PictureTransparency = gtDefault;
  int PopupHeight = 140;
  int PopupWidth = 200;
  bool ShowExPopupItems = false;
  bool SizeablePopup = true;
  void ApplyTo(TdxInplaceBlobEdit& Editor) const;
};

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
  TdxBlobPaintStyle BlobPaintStyle() const { return FBlob.BlobPaintStyle; }
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
  bool PictureAutoSize() const { return FBlob.PictureAutoSize; }
  void SetPictureAutoSize(bool Value) { FBlob.PictureAutoSize = Value; }
  const String& PictureFilter() const { return FBlob.PictureFilter; }
  void SetPictureFilter(const String& Value) { FBlob.PictureFilter = Value; }
  TdxGraphicEditTransparency PictureTransparency() const { return FBlob.PictureTransparency; }
  void SetPictureTransparency(TdxGraphicEditTransparency Value) { FBlob.PictureTransparency = Value; }
  int PopupHeight() const { return FBlob.PopupHeight; }
  void SetPopupHeight(int Value) { FBlob.PopupHeight = Value; }
  int PopupWidth() const { return FBlob.PopupWidth; }
  void SetPopupWidth(int Value) { FBlob.PopupWidth = Value; }
  bool ShowExPopupItems() const { return FBlob.ShowExPopupItems; }
  void SetShowExPopupItems(bool Value) { FBlob.ShowExPopupItems = Value; }
  bool ShowPicturePopup() const { return FShowPicturePopup; }
  void SetShowPicturePopup(bool Value) { FShowPicturePopup = Value; }
  bool SizeablePopup() const { return FBlob.SizeablePopup; }
  void SetSizeablePopup(bool Value) { FBlob.SizeablePopup = Value; }

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
  TdxBlobOptions FBlob;
  int FMaxDisplayLength = 255;
  TdxMemoOptions FMemo = DefaultMemoOptions;
  bool FShowPicturePopup = false;
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
