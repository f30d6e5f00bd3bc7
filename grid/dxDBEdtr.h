// TdxInplaceLookupEdit: the drop-down editor that edits a key by picking a record of a second data
// set (the list) and shows the text of one of that record's fields instead of the key. It works
// from a lookup field (the field's LookupDataSet, LookupKeyFields and LookupResultField, writing
// the data set's KeyFields) or from a list source of its own (a key field and ListFieldName). Typed
// characters search the shown field incrementally; the list drops down in TPopupDBLookupListBox.
// The lookup column's cell editor and the filter's lookup editor derive from it.
#pragma once

#include <memory>
#include <vector>

#include "controls/ShortCut.h"
#include "data/DataSource.h"
#include "editors/dxDropDownEdit.h"
#include "editors/dxPopupListBox.h"

class TdxInplaceLookupEdit;

// The list's records as rows: the shown field's text of each, with its key.
class TPopupDBLookupListBox : public TCustomdxPopupListBox {
 public:
  explicit TPopupDBLookupListBox(TComponent* AOwner) : TCustomdxPopupListBox(AOwner) {}
  String ClassName() const override { return "TPopupDBLookupListBox"; }
  // Reads the list data set's records (it stays on its current record).
  void Fill(TDataSet* DataSet, const String& KeyField, const String& ListField);
  void Clear();
  // The key of the selected row; Null when none is selected.
  Variant KeyValue() const;
  // Selects the row of Key; none when no row has it.
  void SetKeyValue(const Variant& Key);

 private:
  std::vector<Variant> FKeys;
};

// Tells its editor that the list opened, closed or moved to another record.
class TdxListSourceLink : public TDataLink {
 public:
  explicit TdxListSourceLink(TdxInplaceLookupEdit* Edit);
  String ClassName() const override { return "TdxListSourceLink"; }
  void Detach() { FEdit = nullptr; }

 protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  void RecordChanged(TField* Field) override;

 private:
  TdxInplaceLookupEdit* FEdit;
};

const TdxInplaceEditClass& LookupEditClass(bool Inplace = true);

class TdxInplaceLookupEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplaceLookupEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = LookupEditClass());
  ~TdxInplaceLookupEdit() override;
  String ClassName() const override { return "TdxInplaceLookupEdit"; }

  // The field the editor edits for (set by its column); forgotten when it is freed.
  TField* Field() const { return FField; }
  void SetField(TField* Value);
  // The list-source mode's list, key field and shown field.
  TDataSource* ListSource() const { return FListLink->DataSource(); }
  void SetListSource(TDataSource* Value);
  void SetKeyFieldName(const String& Value);
  const String& ListFieldName() const { return FListFieldName; }
  void SetListFieldName(const String& Value);
  TShortCut ClearKey() const { return FClearKey; }
  void SetClearKey(TShortCut Value) { FClearKey = Value; }
  bool CanDeleteText() const { return FCanDeleteText; }
  void SetCanDeleteText(bool Value) { FCanDeleteText = Value; }
  // In filter use the editor keeps its key itself and writes no field.
  bool FilterUse() const { return FFilterUse; }
  void SetFilterUse(bool Value) { FFilterUse = Value; }
  // Set while the mode flag is on and a field is bound.
  bool IsLookupFieldMode() const { return FLookupMode && FField; }
  // The key the editor stands on: in a cell of a lookup field the data set's KeyFields value,
  // else the editor's own.
  Variant KeyValue() const;
  // Takes Key and shows its text.
  void SetKeyValue(const Variant& Key);
  bool Searching() const { return FSearching; }
  const String& SearchText() const { return FSearchText; }
  TPopupDBLookupListBox* PopupList() const { return FPopupList; }
  // The text of the key value: the lookup field's own text in a cell, else the list's shown field
  // of the record with that key (empty when none).
  String DisplayTextOfKey();

  // --- operations of its own -------------------------------------------------------------------
  // Key Null, text and list selection following, the text selected.
  virtual void ClearValue();
  virtual void DataSetChanged() {}
  // Takes the list's record as the value (key and text); false when nothing may change.
  virtual bool ApplyListValue(const Variant& ListKey);
  // The list changed under the editor: its text and cache are read again.
  virtual void ListChanged();

  void SetEditValue(const Variant& Value) override;
  void RefreshDefaults() override;
  void SetEditing(bool Value) override;
  void InternalSetReadOnly(bool Value) override;
  bool CanEditText() override { return false; }
  bool GetDefaultReadOnly() const override;
  void CloseUp(bool Accept) override;
  void ScrollItem(int Delta, bool Wrap) override;
  void DropDown() override;
  void SyncPopupSelection(const String& Text) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // The list, its key field and shown field as the mode gives them; nil parts when missing.
  struct TListParts {
    TDataSet* DataSet = nullptr;
    TField* KeyField = nullptr;
    TField* ListField = nullptr;
  };
  TListParts ListParts() const;
  // The field that receives the key: the bound field, or the data set's KeyFields field.
  TField* TargetField() const;
  bool CanChangeValue();
  void EndSearch();
  void ShowKeyText();
  void RunSearch();
  void SearchBackspace();
  void SearchCharacter(TKeyChar Key);
  void SetLookupMode(bool Value);

  TField* FField = nullptr;
  String FKeyFieldName;
  String FListFieldName;
  TShortCut FClearKey = 0;
  bool FCanDeleteText = false;
  Variant FKeyValue = Variant::Null();
  // Set while the search applies a found record: values assigned meanwhile are ignored.
  bool FApplying = false;
  bool FLookupMode = true;
  bool FFilterUse = false;
  bool FSearching = false;
  String FSearchText;
  String FCachedText;
  bool FCacheValid = false;
  TPopupDBLookupListBox* FPopupList = nullptr;
  std::unique_ptr<TdxListSourceLink> FListLink;
};

// Whether the data set's field named by a lookup field's KeyFields may change; false without a
// data set. A missing key field raises the data set's field-not-found error.
bool CanModifyLookupKey(TField* Field);
