// TdxDBTreeListColumn: the column of the data-bound tree list. It binds itself to a field of the
// control's data set by name, takes its caption, alignment, width, length and read-only defaults
// from the field, reads the field into nodes and writes edited text back, and carries the
// column's grouping, summary and footer definitions and the filter side of its values.
#pragma once

#include "grid/dxDBNodeValues.h"
#include "grid/dxDBSummary.h"
#include "treelist/dxTLColumn.h"

class TCustomdxDBTreeListControl;
class TdxDBGridSummaryGroup;
class TField;
class TdxDBTreeListColumn;

using TdxDBTreeListGetTextEvent = std::function<void(TObject* Sender, TdxTreeListNode* ANode, String& AText)>;
using TdxDBTreeListCustomDrawEvent = std::function<void(
    TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, TdxDBTreeListColumn* AColumn,
    const String& AText, TFont* AFont, TColor& AColor, bool ASelected, bool AFocused, bool& ADone)>;
using TdxDBTreeListCustomDrawHeaderEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect& ARect, TdxDBTreeListColumn* AColumn, bool& ADone)>;
using TdxDrawSummaryFooterEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, String& AText, TAlignment& AAlignment,
                       TFont* AFont, TColor& AColor, bool& ADone)>;

// The filter operators a column offers: one bit per operator index.
using TdxFilterOperators = uint8_t;
inline constexpr TdxFilterOperators AllFilterOperators = 0xFF;

class TdxDBTreeListColumn : public TdxTreeListColumn {
 public:
  explicit TdxDBTreeListColumn(TComponent* AOwner);
  // Ungroups the column and tells the control that its name is gone, then leaves it.
  ~TdxDBTreeListColumn() override;
  String ClassName() const override { return "TdxDBTreeListColumn"; }
  // From a data-bound column: the base values, DisableGrouping, FieldName and SummaryGroupName.
  void Assign(const TPersistent* Source) override;
  // Tells the control of the new name (not while loading).
  void SetName(const String& NewName) override;

  // The owner as a data-bound control; nil when it is of another kind.
  TCustomdxDBTreeListControl* GetDBTreeList() const;

  // --- binding ---------------------------------------------------------------------------------
  const String& FieldName() const { return FFieldName; }
  // Binds the column to the field of that name (nil when the data set has none, is closed
  // without persistent fields, or the control is loading).
  virtual void SetFieldName(const String& Value);
  TField* Field() const { return FField; }
  // Forgets the field (it is being freed).
  void ClearField() { FField = nullptr; }
  // Tells the control that the column's field changed (Any: some column's).
  void NotifyFieldChanged(bool Any);

  // --- grouping --------------------------------------------------------------------------------
  bool DisableGrouping() const { return FDisableGrouping; }
  void SetDisableGrouping(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  // Below -1 is ignored; while read from a layout the value is stored, else the control decides.
  void SetGroupIndex(int Value);
  // Set by the control as it regroups: no decision, no notice.
  void StoreGroupIndex(int Value) { FGroupIndex = Value; }
  // The sort state set without telling the control.
  void StoreSorted(TdxTreeListColumnSort Value) { FSorted = Value; }

  // --- summaries -------------------------------------------------------------------------------
  TdxSummaryType SummaryType() const { return FSummaryType; }
  // cstNone also clears SortBySummary.
  void SetSummaryType(TdxSummaryType Value);
  const String& SummaryField() const { return FSummaryField; }
  void SetSummaryField(const String& Value) { FSummaryField = Value; }
  const String& SummaryFormat() const { return FSummaryFormat; }
  void SetSummaryFormat(const String& Value) { FSummaryFormat = Value; }
  // True only while SummaryType is not cstNone.
  bool SortBySummary() const { return FSortBySummary; }
  void SetSortBySummary(bool Value) { FSortBySummary = Value && FSummaryType != cstNone; }
  const String& SummaryGroupName() const { return FSummaryGroupName; }
  void SetSummaryGroupName(const String& Value) { FSummaryGroupName = Value; }
  TdxSummaryType SummaryFooterType() const { return FSummaryFooterType; }
  void SetSummaryFooterType(TdxSummaryType Value);
  const String& SummaryFooterField() const { return FSummaryFooterField; }
  void SetSummaryFooterField(const String& Value) { FSummaryFooterField = Value; }
  const String& SummaryFooterFormat() const { return FSummaryFooterFormat; }
  void SetSummaryFooterFormat(const String& Value) { FSummaryFooterFormat = Value; }

  // Resolved by the grid: the group summary's field, the summary group, the footer's field.
  TField* SummaryFieldObject = nullptr;
  TdxDBGridSummaryGroup* SummaryGroup = nullptr;
  TField* FooterField = nullptr;
  // The footer summary value and whether one is present.
  TdxSummaryValue FooterValue = 0;
  bool FooterValueAssigned = false;
  // The node the control posts an edit for or refreshes the editor of; and the posting mark.
  TdxTreeListNode* RefreshingNode = nullptr;
  bool Assigning = false;

  // --- overrides of the base column --------------------------------------------------------------
  // The editor's text goes into the field's text; the answer is the node's value.
  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  bool HasCustomDrawCell() override;
  void DoCustomDrawCell(TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, bool ASelected, bool AFocused,
                        bool ANewItemRow, String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment,
                        bool& ADone) override;
  // The field's display text (of the record the field reads); empty without a field. A column
  // that shows another text answers false to ShowsFieldText.
  String GetDisplayText(TdxTreeListNode* Node) override;
  // The node's text as the control answers it.
  int GetCellTextWidth(TCanvas* Canvas, TdxTreeListNode* Node) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  // A column made from the fields moves its field in the data set too.
  void SetIndex(int Value) override;
  TAlignment GetDefaultAlignment() const override;
  String GetDefaultCaption() const override;
  int GetDefaultMaxLength() const override;
  bool GetDefaultReadOnly() const override;
  // The wider of the caption (header font) plus 6 and DisplayWidth zeros (cell font) plus 4; 64
  // without either.
  int GetDefaultWidth() const override;
  void RestoreDefaults() override;

  // --- operations of their own -----------------------------------------------------------------
  virtual bool NeedsFieldValue() { return false; }
  // Reads the field into the node: its text, and its value where the text does not keep it. Where
  // the text is the field's text of the value (ShowsFieldText, no OnGetText), the node keeps the
  // value with the rule that makes the text when it is asked for.
  virtual void ReadValue(TdxTreeListNode* Node);
  // Whether the cell text is the field's display text taken into the column's value type
  // (GetDisplayText and FilterTextToValue as this class has them).
  virtual bool ShowsFieldText() const { return true; }
  // The set of filter operators this column offers.
  virtual TdxFilterOperators GetFilterOperators() { return AllFilterOperators; }
  // The filter value editor's class: a text filter editor unless the kind has its own.
  virtual const TdxInplaceEditClass& GetFilterEditorClass() const;
  // A filter value editor of that class, set up by InitFilterEditor; Owner frees it.
  TdxInplaceEdit* CreateFilterEditor(TComponent* Owner);
  // The filter value in the editor, with the text that shows it.
  virtual Variant GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText);
  // Shows a filter value; a null or empty value leaves the editor empty.
  virtual void SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value);
  // The editor set up as the column's, writable and raising no events of the column.
  virtual void InitFilterEditor(TdxInplaceEdit* Editor);
  virtual Variant GetFilterValue(TdxTreeListNode* Node);
  String GetFilterDisplayText(TdxTreeListNode* Node);
  virtual String FilterValueToText(const String& Text) { return Text; }
  // The text in the column's value type; a text that does not convert stays text.
  virtual Variant FilterTextToValue(const String& Text) { return TextAsType(Text, GetFilterVarType()); }
  virtual TVarType GetFilterVarType();
  virtual String GetSummaryFooterText();
  // The column edits the field's whole value (memo, picture, blob).
  virtual bool IsBlobEditor() { return false; }
  // Whether an edit value still equals the field's value (its text for texts).
  virtual bool SameAsFieldValue(const Variant& Value);
  virtual bool IsValidEditChar(TKeyChar Key);

  TdxDBTreeListGetTextEvent OnGetText;
  TdxDBTreeListCustomDrawEvent OnCustomDraw;
  TdxDBTreeListCustomDrawHeaderEvent OnCustomDrawHeader;
  TdxSummaryEvent OnSummaryFooter;
  TdxDrawSummaryFooterEvent OnDrawSummaryFooter;
  TdxSummaryEvent OnSummary;

 protected:
  // Runs Work inside the owner control's update (directly without one), so that a copy of many
  // settings repaints once.
  void InsideControlUpdate(const std::function<void()>& Work);

 public:
  // Runs Work while the column answers Index as its place (a wrapper column lends it its own).
  void RunAsIndex(int Index, const std::function<void()>& Work);

 private:
  bool IsControlLoading() const;
  // The number of the rule that makes the cell text from the field's value; 0 when the text needs
  // more than the value.
  uint16_t FieldTextRule();
  String FFieldName;
  TField* FField = nullptr;
  bool FDisableGrouping = false;
  int FGroupIndex = -1;
  TdxSummaryType FSummaryType = cstNone;
  String FSummaryField;
  String FSummaryFormat;
  bool FSortBySummary = false;
  String FSummaryGroupName;
  TdxSummaryType FSummaryFooterType = cstNone;
  String FSummaryFooterField;
  String FSummaryFooterFormat;
  // The text rule of the last record read and its number in its control's table.
  const TCustomdxTreeListControl* FTextRuleControl = nullptr;
  TdxCellTextRule FTextRule;
  uint16_t FTextRuleIndex = 0;
};

// The default column of text and number fields: cells are edited through a masked text editor,
// with the bound field's EditMask unless the column has a mask of its own.
class TdxDBTreeListMaskColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBTreeListMaskColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBTreeListMaskColumn"; }
  // From another mask column: the effective mask (pinned here) and IgnoreMaskBlank.
  void Assign(const TPersistent* Source) override;

  // The column's own mask once one was assigned, else the bound field's (empty without one).
  String EditMask() const;
  void SetEditMask(const String& Value);
  // Layouts keep a mask assigned to the column that differs from the field's.
  bool IsEditMaskStored() const;
  bool IgnoreMaskBlank() const { return FIgnoreMaskBlank; }
  void SetIgnoreMaskBlank(bool Value) { FIgnoreMaskBlank = Value; }

  Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  const TdxInplaceEditClass& GetEditorClass() const override;
  void InitEditor(TdxInplaceEdit* Editor) override;
  Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) override;
  // The mask follows the field again.
  void RestoreDefaults() override;
  // A saved text equal to the mask's empty text matches an empty field; other texts match the
  // field's text without their trailing blanks and control characters.
  bool SameAsFieldValue(const Variant& Value) override;

 private:
  bool FEditMaskAssigned = false;
  String FEditMask;
  bool FIgnoreMaskBlank = false;
};
