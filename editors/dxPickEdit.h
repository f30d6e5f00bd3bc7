// TdxInplacePickEdit: a text that is usually one of a list of strings. The list drops down under
// the editor, the text completes itself to the first item that begins with what was typed, a
// stand-alone editor's arrow keys step through the items, and in drop-down list style the text
// can only be one of them.
#pragma once

#include <memory>

#include "editors/dxDropDownEdit.h"
#include "rtl/StringList.h"

class TdxPopupPickListBox;

const TdxInplaceEditClass& PickEditClass(bool Inplace = true);

class TdxInplacePickEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplacePickEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = PickEditClass());
  ~TdxInplacePickEdit() override;
  String ClassName() const override { return "TdxInplacePickEdit"; }

  // The text is not typed but only taken from the items.
  bool DropDownListStyle() const { return FDropDownListStyle; }
  void SetDropDownListStyle(bool Value);
  TStringList* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value) { FItems->Assign(Value); }
  // In list style, Delete or Backspace on the whole text clears the value.
  bool CanDeleteText() const { return FCanDeleteText; }
  void SetCanDeleteText(bool Value) { FCanDeleteText = Value; }
  // A double click steps to the next item, from the last back to the first.
  bool Revertable() const { return FRevertable; }
  void SetRevertable(bool Value) { FRevertable = Value; }
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value);
  // The item the text was last taken from; -1 when the text is no item's.
  int ItemIndex() const { return FItemIndex; }
  bool Searching() const { return FSearching; }
  // What the user typed of an item during incremental selection.
  const String& SearchText() const { return FSearchText; }
  TdxPopupPickListBox* PopupList() const { return FPopupList; }

  // The first item whose beginning equals Text in any letter case; -1 for an empty Text.
  int FindItem(const String& Text) const;

  // --- operations in slot order (after the drop-down editor's) ---------------------------------
  virtual void ClearValue();
  // Takes S as the text when it is another one, as a modification.
  virtual void SetItemText(const String& S);

  void SetEditValue(const Variant& Value) override;
  void SetEditing(bool Value) override;
  void Change() override;
  void InternalSetReadOnly(bool Value) override;
  bool CanEditText() override;
  bool CanUndo() override { return true; }
  void CloseUp(bool Accept) override;
  void ScrollItem(int Delta, bool Wrap) override;
  void DropDown() override;
  void SyncPopupSelection(const String& Text) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  void ResetSearch();
  bool WholeTextSelected();
  void SelectCompletion(int Item);
  void SearchCharacter(TKeyChar& Key);
  void SearchBackspace(WORD& Key);
  void DropDownWhileTyping();
  void SizePopupList();
  void WMLButtonDblClk(TMessage& Message);

  bool FDropDownListStyle = false;
  bool FSearching = false;
  String FSearchText;
  int FItemIndex = -1;
  std::unique_ptr<TStringList> FItems;
  bool FCanDeleteText = false;
  TdxPopupPickListBox* FPopupList = nullptr;
  bool FRevertable = false;
};

// The index of the line that equals S exactly (letter case included); -1 when none does.
int ExactIndexOf(const TStrings& Lines, const String& S);

