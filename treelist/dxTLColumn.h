// TdxTreeListColumn: one cell of every row. A component owned by the form and attached to one tree
// list control: its header (caption, look, glyph), width, place in the band and header-row grid,
// sorting, and the in-place editor class that edits and paints its cells. The values live in the
// nodes, through the control. TdxTreeListMaskColumn edits masked text.
#pragma once

#include <memory>

#include "classes/Component.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "editors/dxInplaceEdit.h"
#include "graphics/Graphic.h"
#include "treelist/dxTLDrawInfo.h"
#include "treelist/dxTLTypes.h"

class TCustomdxTreeListControl;
class TdxTreeListNode;

// The properties that hold a value of their own instead of their default.
using TdxColumnAssignedValues = unsigned;
enum : TdxColumnAssignedValues {
  cavAlignment = 1, cavCaption = 2, cavReadOnly = 4, cavWidth = 8, cavColor = 16, cavFont = 32, cavMaxLength = 64,
};

class TdxTreeListColumn : public TComponent {
 public:
  explicit TdxTreeListColumn(TComponent* AOwner);
  // Takes the column's values out of every node, then leaves the control.
  ~TdxTreeListColumn() override;
  String ClassName() const override { return "TdxTreeListColumn"; }
  // From another column, inside the control's update: the assigned values and the look.
  void Assign(const TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;
  // Renames, then tells RenameNotify.
  void SetName(const String& NewName) override;
  std::function<void(TdxTreeListColumn* Column)> RenameNotify;

  TCustomdxTreeListControl* TreeList() const { return FTreeList; }
  // Leaves the old control and joins the new one (not while loading: the parent link does it).
  void SetTreeList(TCustomdxTreeListControl* Value);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  // Tells the control: the whole layout with AllColumns, else this column.
  void Changed(bool AllColumns);

  TdxColumnAssignedValues AssignedValues() const { return FAssignedValues; }
  bool IsAssigned(TdxColumnAssignedValues Value) const { return (FAssignedValues & Value) != 0; }

  TAlignment Alignment() const { return IsAssigned(cavAlignment) ? FAlignment : GetDefaultAlignment(); }
  void SetAlignment(TAlignment Value);
  String Caption() const { return IsAssigned(cavCaption) ? FCaption : GetDefaultCaption(); }
  void SetCaption(const String& Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value) { StoreAll(FCharCase, Value); }
  // The control's Color while not assigned (clWindow without a control).
  TColor Color() const;
  void SetColor(TColor Value);
  bool DisableCaption() const { return FDisableCaption; }
  void SetDisableCaption(bool Value) { StoreAll(FDisableCaption, Value); }
  bool DisableCustomizing() const { return FDisableCustomizing; }
  void SetDisableCustomizing(bool Value) { StoreAll(FDisableCustomizing, Value); }
  bool DisableDragging() const { return FDisableDragging; }
  void SetDisableDragging(bool Value) { FDisableDragging = Value; }
  bool DisableEditor() const { return FDisableEditor; }
  void SetDisableEditor(bool Value) { FDisableEditor = Value; }
  bool DisableFilter() const { return FDisableFilter; }
  void SetDisableFilter(bool Value) { StoreAll(FDisableFilter, Value); }
  // Made on first use; kept equal to the control's font while not assigned.
  TFont* Font() const;
  void SetFont(const TFont* Value) { Font()->Assign(Value); }
  bool HasFont() const { return IsAssigned(cavFont); }
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value) { StoreAll(FHeaderAlignment, Value); }
  // Made empty on first use; setting nil frees it.
  TBitmap* HeaderGlyph() const;
  void SetHeaderGlyph(const TBitmap* Value);
  bool HasHeaderGlyph() const { return FHeaderGlyph && !FHeaderGlyph->Empty(); }
  int MaxLength() const { return IsAssigned(cavMaxLength) ? FMaxLength : GetDefaultMaxLength(); }
  void SetMaxLength(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value) { Store(FOEMConvert, Value); }
  TKeyChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(TKeyChar Value) { Store(FPasswordChar, Value); }
  String PasswordCharText() const;
  void SetPasswordCharText(const String& Value);
  // The assigned value or the default; also True when the control is read-only.
  bool ReadOnly() const;
  void SetReadOnly(bool Value);
  bool Sizing() const { return FSizing; }
  void SetSizing(bool Value) { Store(FSizing, Value); }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  TTextLayout VertAlignment() const { return FVertAlignment; }
  void SetVertAlignment(TTextLayout Value) { Store(FVertAlignment, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Store(FVisible, Value); }
  int Width() const { return FWidth; }
  // At least MinWidth; while unassigned, the default width changes nothing.
  void SetWidth(int Value);
  // Takes the default width again while the width is not assigned.
  void RefreshDefaultWidth();
  // Stores a width the user gave, raised to MinWidth, without telling the control.
  void SetWidthByUser(int Value);
  int BandIndex() const { return FBandIndex; }
  void SetBandIndex(int Value);
  // With a control, never past its header rows; the stored row index keeps what was given.
  int RowIndex() const;
  void SetRowIndex(int Value);
  int StoredRowIndex() const { return FStoredRowIndex; }
  // Position among the visible columns of its band row; -1 without a control.
  int ColIndex() const;
  void SetColIndex(int Value);
  int HeaderMaxLineCount() const { return FHeaderMaxLineCount; }
  void SetHeaderMaxLineCount(int Value) { StoreAll(FHeaderMaxLineCount, std::max(Value, 0)); }
  TdxTreeListColumnSort Sorted() const { return FSorted; }
  void SetSorted(TdxTreeListColumnSort Value);
  // Position in the control's sorted-columns list; -1 when not sorted.
  int SortedOrder() const;
  // The sort position a stored layout gave, used to rebuild the sorted-columns list; -1 when none.
  int StoredSortedOrder = -1;

  // Stored-when rules of layouts.
  bool IsAlignmentStored() const { return IsAssigned(cavAlignment); }
  bool IsCaptionStored() const { return IsAssigned(cavCaption) && FCaption != GetDefaultCaption(); }
  bool IsColorStored() const;
  bool IsFontStored() const { return IsAssigned(cavFont); }
  bool IsMaxLengthStored() const { return IsAssigned(cavMaxLength) && FMaxLength != GetDefaultMaxLength(); }
  bool IsReadOnlyStored() const { return IsAssigned(cavReadOnly) && FReadOnly != GetDefaultReadOnly(); }
  bool IsWidthStored() const { return IsAssigned(cavWidth); }
  bool IsHeaderGlyphStored() const { return HasHeaderGlyph(); }

  // --- overridable operations, in slot order -----------------------------------------------------
  // Stores the editor's value as the node's text; answers the node's value.
  virtual Variant ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor);
  virtual bool HasCustomDrawCell() { return static_cast<bool>(OnCustomDrawCell); }
  virtual void DoChange(TObject* Sender);
  virtual void DoCustomDrawCell(TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, bool ASelected, bool AFocused,
                                bool ANewItemRow, String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment,
                                bool& ADone);
  virtual void DoValidate(TObject* Sender, String& ErrorText, bool& Accept);
  virtual void FontChanged();
  virtual const TdxInplaceEditClass& GetEditorClass() const;
  virtual String GetDisplayText(TdxTreeListNode* Node);
  virtual bool CanEditCell() { return !FDisableEditor; }
  // The cursor over the column's cell on Node; Cursor is the control's own.
  virtual TCursor GetCellCursor(TdxTreeListNode* Node, TCursor Cursor) { (void)Node; return Cursor; }
  // The position in the control's column list (the stored index while the column is in none).
  virtual int GetIndex() const;
  virtual int GetCellGlyphWidth() { return 0; }
  // The view data of the editor class's family, for window-less painting and measuring.
  virtual TdxEditViewData* GetViewData();
  // Fills ViewData to paint or measure the cell CellViewData describes: the cell's colours, font,
  // text and bounds, no border; the vertical place (multi-line when the cell asks for it); for text
  // view data the case, the password character and the ellipsis. A highlighted length draws only
  // that many characters, over what is painted.
  virtual void InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData);
  // Read-only state and the change and validation events; for a text editor also the case, the
  // length limit, the OEM conversion and the password character.
  virtual void InitEditor(TdxInplaceEdit* Editor);
  virtual Variant InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor);
  virtual bool CanShowHeaderFilter();
  virtual bool IsMultiLineEditor() { return false; }
  // Moves the column in the control's column list (clamped).
  virtual void SetIndex(int Value);
  virtual bool ConvertExportValue(Variant& Value, bool Html) { (void)Value, (void)Html; return false; }
  virtual TAlignment GetDefaultAlignment() const { return taLeftJustify; }
  virtual String GetDefaultCaption() const { return String(); }
  virtual int GetDefaultMaxLength() const { return 0; }
  virtual bool GetDefaultReadOnly() const { return false; }
  virtual int GetDefaultWidth() const { return 100; }
  virtual int GetCellTextWidth(TCanvas* Canvas, TdxTreeListNode* Node);
  virtual String GetValueText(const Variant& Value) { return VarToStr(Value); }
  virtual void RestoreDefaults();

  TNotifyEvent OnChange;
  TdxTLCustomDrawCell OnCustomDrawCell;
  TdxTLCustomDrawHeader OnCustomDrawColumnHeader;
  TdxEditValidateEvent OnValidate;

 protected:
  friend class TCustomdxTreeListControl;
  // The stored index that GetIndex answers while the column is in no list.
  int FStoredIndex = -1;
  // Data-bound columns set the sorting without telling the control.
  TdxTreeListColumnSort FSorted = csNone;

 private:
  template <class V>
  void Store(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(false);
  }
  template <class V>
  void StoreAll(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(true);
  }
  void StoreAssigned(TdxColumnAssignedValues Flag) {
    FAssignedValues |= Flag;
    Changed(false);
  }
  void FontOwnChanged(TObject* Sender);

  TCustomdxTreeListControl* FTreeList = nullptr;
  TAlignment FAlignment = taLeftJustify;
  String FCaption;
  TEditCharCase FCharCase = ecNormal;
  TColor FColor = clWindow;
  bool FDisableCaption = false;
  bool FDisableCustomizing = false;
  bool FDisableEditor = false;
  bool FDisableDragging = false;
  mutable std::unique_ptr<TFont> FFont;
  mutable bool FFontSyncing = false;
  TAlignment FHeaderAlignment = taLeftJustify;
  mutable std::unique_ptr<TBitmap> FHeaderGlyph;
  int FMaxLength = 0;
  int FMinWidth = 20;
  bool FOEMConvert = false;
  TKeyChar FPasswordChar = 0;
  bool FReadOnly = false;
  bool FSizing = true;
  bool FTabStop = true;
  TTextLayout FVertAlignment = tlTop;
  bool FVisible = true;
  int FWidth = 100;
  TdxColumnAssignedValues FAssignedValues = 0;
  int FBandIndex = 0;
  int FRowIndex = 0;
  int FHeaderMaxLineCount = 1;
  int FStoredRowIndex = 0;
  std::unique_ptr<TdxEditViewData> FViewData;
  bool FDisableFilter = false;
};

class TdxTreeListMaskColumn : public TdxTreeListColumn {
 public:
  explicit TdxTreeListMaskColumn(TComponent* AOwner) : TdxTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxTreeListMaskColumn"; }
  void Assign(const TPersistent* Source) override;
  const TdxInplaceEditClass& GetEditorClass() const override;
  // The text editor's set-up, then the mask and its blank rule for a mask editor.
  void InitEditor(TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;

  const String& EditMask() const { return FEditMask; }
  void SetEditMask(const String& Value) { FEditMask = Value; }
  bool IgnoreMaskBlank() const { return FIgnoreMaskBlank; }
  void SetIgnoreMaskBlank(bool Value) { FIgnoreMaskBlank = Value; }

 private:
  String FEditMask;
  bool FIgnoreMaskBlank = false;
};
