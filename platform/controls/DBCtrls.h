// Data-aware controls: TFieldDataLink ties a control to one field of a data source; TDBEdit,
// TDBMemo, TDBComboBox and TDBCheckBox show the field of the current record, put the data set
// into edit state when the user starts changing it (the data source's AutoEdit), write their
// value into the field when the record is posted, and are read-only while the field or the data
// set cannot be changed. TDBLookupComboBox lists the records of another data set and picks one
// by its key.
#pragma once

#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Memo.h"
#include "data/DataSource.h"

class TFieldDataLink : public TDataLink {
 public:
  explicit TFieldDataLink(TWinControl* Control) : FControl(Control) {}
  String ClassName() const override { return "TFieldDataLink"; }

  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  // The field shown, nullptr while the data set is closed or no field is named.
  TField* Field() const { return FField; }
  // Not read-only, and the field can take a value now.
  bool CanModify() const;
  // The control's value differs from the field's: UpdateData will write it.
  void Modified() { FModified = true; }
  // Shows the field's value again, dropping what was typed.
  void Reset() { RecordChanged(nullptr); }

  TNotifyEvent OnDataChange;
  TNotifyEvent OnEditingChange;
  TNotifyEvent OnUpdateData;
  TNotifyEvent OnActiveChange;

 protected:
  void ActiveChanged() override;
  void EditingChanged() override;
  void LayoutChanged() override;
  void RecordChanged(TField* Field) override;
  void UpdateData() override;
  void FocusControl(TField*& Field) override;

 private:
  void UpdateField();

  TWinControl* FControl;
  String FFieldName;
  TField* FField = nullptr;
  bool FModified = false;
};

// What the data-aware controls share: the link, its data source and field, and read-only.
class TDBControlLink {
 public:
  explicit TDBControlLink(TWinControl* Control) : FDataLink(Control) {}
  TDataSource* DataSource() const { return FDataLink.DataSource(); }
  const String& DataField() const { return FDataLink.FieldName(); }
  TField* Field() const { return FDataLink.Field(); }

 protected:
  TFieldDataLink FDataLink;
};

// A text box over a field: the edit and the memo. Typing puts the data set into edit state
// (through the data source's AutoEdit) and is refused while that is not possible; Escape shows
// the field's value again; leaving the control writes the text into the field.
template <class Base>
class TDBText : public Base, public TDBControlLink {
 public:
  explicit TDBText(TComponent* AOwner);
  void SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }
  void SetDataField(const String& Value) { FDataLink.SetFieldName(Value); }
  bool ReadOnly() const override { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value) override;

 protected:
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // The field's text as the control shows it: editable text while focused, else the display text.
  String FieldText() const;
  void DataChange();
  void EditingChange();

  bool FFocused = false;
};

class TDBEdit : public TDBText<TCustomEdit> {
 public:
  using TDBText::TDBText;
  String ClassName() const override { return "TDBEdit"; }
};

class TDBMemo : public TDBText<TCustomMemo> {
 public:
  using TDBText::TDBText;
  String ClassName() const override { return "TDBMemo"; }
};

class TDBCheckBox : public TCustomCheckBox, public TDBControlLink {
 public:
  explicit TDBCheckBox(TComponent* AOwner);
  String ClassName() const override { return "TDBCheckBox"; }
  void SetDataSource(TDataSource* Value);
  void SetDataField(const String& Value) { FDataLink.SetFieldName(Value); }
  bool ReadOnly() const { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value) { FDataLink.SetReadOnly(Value); }
  // The texts of a text field that mean checked and unchecked; several are separated by ";"
  // and the first is the one written.
  const String& ValueChecked() const { return FValueChecked; }
  void SetValueChecked(const String& Value);
  const String& ValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const String& Value);

 protected:
  void Toggle() override;
  void DoExit() override;

 private:
  TCheckBoxState FieldState() const;
  void DataChange();
  void UpdateData();

  String FValueChecked = "True";
  String FValueUnchecked = "False";
};

// A combo box over a field: the text (or, for a pick-only list, the item) is the field's text.
class TDBComboBox : public TCustomComboBox, public TDBControlLink {
 public:
  explicit TDBComboBox(TComponent* AOwner);
  String ClassName() const override { return "TDBComboBox"; }
  void SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }
  void SetDataField(const String& Value) { FDataLink.SetFieldName(Value); }
  bool ReadOnly() const { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value);

 protected:
  void Change() override;
  void Select() override;
  void KeyPress(TKeyChar& Key) override;
  void DoExit() override;

 private:
  String ComboText() const;
  void DataChange();
  void EditingChange();
};

// A pick-only list of the records of ListSource's data set, showing ListField and keyed by
// KeyField. Picking an item moves that data set to the record and, when a data field is given,
// puts the key into it; the field's value chooses the item shown.
class TDBLookupComboBox : public TCustomComboBox, public TDBControlLink {
 public:
  explicit TDBLookupComboBox(TComponent* AOwner);
  ~TDBLookupComboBox() override;
  String ClassName() const override { return "TDBLookupComboBox"; }
  void SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }
  void SetDataField(const String& Value) { FDataLink.SetFieldName(Value); }
  TDataSource* ListSource() const;
  void SetListSource(TDataSource* Value);
  const String& KeyField() const { return FKeyField; }
  void SetKeyField(const String& Value);
  const String& ListField() const { return FListField; }
  void SetListField(const String& Value);
  // The key of the record shown; Null when none.
  const Variant& KeyValue() const { return FKeyValue; }
  void SetKeyValue(const Variant& Value);
  bool ReadOnly() const { return FDataLink.ReadOnly(); }
  void SetReadOnly(bool Value) { FDataLink.SetReadOnly(Value); }

 protected:
  void Select() override;
  void DoExit() override;

 private:
  class TListLink;
  // Reads the list's records again, keeping the data set on its record.
  void LoadList();
  void ShowKey();
  void DataChange();

  std::unique_ptr<TListLink> FListLink;
  String FKeyField;
  String FListField;
  Variant FKeyValue;
  std::vector<Variant> FKeys;  // of the items, in order
  bool FLoading = false;
};

