// TdxInplaceTextEdit: the editor of plain text and the base of every text-like editor (mask,
// drop-down, date, memo ...). Its window holds the platform's text box when the editor has an edit
// area; a descendant without one paints itself. Cells are painted window-lessly from a
// TdxTextEditViewData. It brings its own context menu.
#pragma once

#include "controls/TextBox.h"
#include "editors/dxInplaceEdit.h"

class TPopupMenu;

class TdxTextEditViewData : public TdxEditViewData {
 public:
  TEditCharCase CharCase = ecNormal;
  // Cut a long text with an ellipsis; hosts set it, the editor leaves it off.
  bool EndEllipsis = false;
  TKeyChar PasswordChar = 0;
  bool SelectionBar = false;
};

// The class operations of the text family: its view data and the painting of a text value.
class TdxTextEditClass : public TdxInplaceEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // Nothing for the editor's own window while it has an edit area (the text box paints itself).
  bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const override;
};

const TdxInplaceEditClass& TextEditClass(bool Inplace = true);

// The tags of the context menu's items; MaxInt marks a separator.
enum : int { dxTextMenuUndo = -1, dxTextMenuRedo = -2, dxTextMenuCut = -3, dxTextMenuCopy = -4,
             dxTextMenuPaste = -5, dxTextMenuDelete = -6, dxTextMenuSelectAll = -7 };

class TdxInplaceTextEdit : public TdxInplaceEdit {
 public:
  explicit TdxInplaceTextEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = TextEditClass())
      : TdxInplaceTextEdit(AOwner, Class, false) {}
  ~TdxInplaceTextEdit() override;
  String ClassName() const override { return "TdxInplaceTextEdit"; }

  void SetText(const String& Value) override;

  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool IsMaxLengthStored() const { return (StoredValues() & svMaxLength) != 0; }
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value);
  TKeyChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(TKeyChar Value);
  // The password character as layouts keep it: one character, or empty for none.
  String PasswordCharText() const;
  void SetPasswordCharText(const String& Value);
  bool SelectionBar() const { return FSelectionBar; }
  void SetSelectionBar(bool Value);

  // Commands on the window's text (the rich-edit messages).
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void EditUndo();
  void EditRedo();
  bool EditCanUndo();
  bool EditCanRedo();
  bool CanPaste();
  void ClearUndo();
  int GetTextLength();
  void ClearText();

  // The editor's own context menu; nullptr until it was first needed.
  TPopupMenu* EditPopupMenu() const { return FPopupMenu; }

  // --- operations in slot order (after the base's) ---------------------------------------------
  virtual void UpdateCharCase();
  virtual void ApplyMaxLength(int Value);
  virtual int GetSelLength();
  virtual int GetSelStart();
  virtual String GetSelText();
  // Whether a right-button release opens the editor's own menu.
  virtual bool UseEditCallback() { return false; }
  virtual void SelectionChanged();
  virtual void InternalSetMaxLength(int Value);
  virtual void SetSelLength(int Value);
  virtual void SetSelStart(int Value);
  virtual int GetDefaultMaxLength() { return 0; }
  // Copies at most BufSize characters of the selection into Buffer; answers the count.
  virtual int GetSelTextBuf(String& Buffer, int BufSize);

  void SetEditValue(const Variant& Value) override;
  void RefreshDefaults() override;
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  bool GetModified() override;
  void InternalSetReadOnly(bool Value) override;
  void SetModified(bool Value) override;
  void MoveCaretToEnd() override;
  bool HasEditArea() override { return true; }
  void RestoreDefaults() override;
  void SelectAllOnShow() override;

  TNotifyEvent OnSelectionChange;

 protected:
  // A multi-line editor (the memo) holds a multi-line text box.
  TdxInplaceTextEdit(TComponent* AOwner, const TdxInplaceEditClass& Class, bool MultiLine);
  TTextBox& TextBox() const { return *FTextBox; }
  // The font the text box shows its text in; the hyperlink editor's is its link font.
  virtual const TFont* LookFont() { return Font(); }
  void InternalSetAlignment(TAlignment Value) override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  // The text box's formatting rectangle: the client area inset by one, the offsets applied.
  virtual TRect FormattingRect();

 protected:
  // The text changed, whoever changed it.
  virtual void TextBoxChanged();

 private:
  void UpdateLook();
  void ShowContextMenu(TMessage& Message);
  bool HasPopupMenuAssigned();
  void CreatePopupMenu();
  void UpdatePopupMenu();
  void PopupMenuClick(TObject* Sender);

  void WMChar(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMDestroy(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMLookChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);

  std::unique_ptr<TTextBox> FTextBox;
  bool FAutoSelect = true;
  TEditCharCase FCharCase = ecNormal;
  bool FUpdatingCharCase = false;
  bool FCreatingWnd = false;
  TPopupMenu* FPopupMenu = nullptr;
  bool FHideSelection = true;
  int FMaxLength = 0;
  bool FOEMConvert = false;
  TKeyChar FPasswordChar = 0;
  bool FSelectionBar = false;
};
