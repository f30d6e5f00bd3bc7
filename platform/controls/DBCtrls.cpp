// The field data link and the data-aware edit, memo and check box.
#include "controls/DBCtrls.h"
#include "controls/ControlClasses_p.h"

#include <type_traits>

#include "classes/Properties.h"
#include "data/Fields.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

namespace {

constexpr TKeyChar kCtrlV = 22;
constexpr TKeyChar kCtrlX = 24;
constexpr TKeyChar kEscape = 27;

// A check box's value list: "True;Yes" means either; the first is what is written.
std::vector<String> ValueList(const String& Values) {
  std::vector<String> list;
  size_t start = 0;
  for (size_t at; (at = Values.find(';', start)) != String::npos; start = at + 1) list.push_back(Values.substr(start, at - start));
  list.push_back(Values.substr(start));
  return list;
}

bool ValueMatch(const String& Values, const String& Text) {
  for (const String& value : ValueList(Values))
    if (AnsiSameText(value, Text)) return true;
  return false;
}

}  // namespace

void TFieldDataLink::SetFieldName(const String& Value) {
  if (FFieldName == Value) return;
  FFieldName = Value;
  UpdateField();
}

bool TFieldDataLink::CanModify() const { return !ReadOnly() && FField && FField->CanModify(); }

// A field name the data set does not have raises, as asking for it by name does.
void TFieldDataLink::UpdateField() {
  FField = nullptr;
  if (Active() && !FFieldName.empty()) FField = DataSet()->FieldByName(FFieldName);
  EditingChanged();
  RecordChanged(nullptr);
}

void TFieldDataLink::ActiveChanged() {
  UpdateField();
  if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() {
  if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* Field) {
  if (Field && Field != FField) return;
  if (OnDataChange) OnDataChange(this);
  FModified = false;
}

void TFieldDataLink::UpdateData() {
  if (!FModified) return;
  if (FField && OnUpdateData) OnUpdateData(this);
  FModified = false;
}

void TFieldDataLink::FocusControl(TField*& Field) {
  if (!Field || Field != FField || !FControl || !FControl->CanFocus()) return;
  Field = nullptr;
  FControl->SetFocus();
}

template <class Base>
TDBText<Base>::TDBText(TComponent* AOwner) : Base(AOwner), TDBControlLink(this) {
  FDataLink.OnDataChange = [this](TObject*) { DataChange(); };
  FDataLink.OnEditingChange = [this](TObject*) { EditingChange(); };
  FDataLink.OnUpdateData = [this](TObject*) { FDataLink.Field()->SetText(this->Text()); };
  Base::SetReadOnly(true);
}

template <class Base>
void TDBText<Base>::SetReadOnly(bool Value) {
  FDataLink.SetReadOnly(Value);
  EditingChange();
}

template <class Base>
String TDBText<Base>::FieldText() const {
  TField* field = FDataLink.Field();
  if (std::is_base_of_v<TCustomMemo, Base> || (FFocused && FDataLink.CanModify())) return field->Text();
  return field->DisplayText();
}

template <class Base>
void TDBText<Base>::DataChange() {
  TField* field = FDataLink.Field();
  if constexpr (!std::is_base_of_v<TCustomMemo, Base>)
    this->SetMaxLength(dynamic_cast<TStringField*>(field) ? field->Size() : 0);
  // The same text is not set again, so that the selection survives the start of an edit.
  const String text = field ? FieldText() : String();
  if (this->Text() != text) this->SetText(text);
}

// The text box takes typing only while the record is being edited and the field can change.
template <class Base>
void TDBText<Base>::EditingChange() {
  Base::SetReadOnly(!(FDataLink.Editing() && FDataLink.CanModify()));
}

template <class Base>
void TDBText<Base>::Change() {
  FDataLink.Modified();
  Base::Change();
}

template <class Base>
void TDBText<Base>::KeyDown(WORD& Key, TShiftState Shift) {
  Base::KeyDown(Key, Shift);
  if ((Key == VK_DELETE || (Key == VK_INSERT && (Shift & ssShift))) && FDataLink.CanModify()) FDataLink.Edit();
}

template <class Base>
void TDBText<Base>::KeyPress(TKeyChar& Key) {
  Base::KeyPress(Key);
  if (Key == 0) return;
  TField* field = FDataLink.Field();
  if (Key >= 32 && field && !field->IsValidChar(Key)) {
    Key = 0;
    return;
  }
  if (Key == kEscape) {
    FDataLink.Reset();
    this->SelectAll();
    Key = 0;
    return;
  }
  const bool multiLine = std::is_base_of_v<TCustomMemo, Base> && (Key == '\t' || Key == '\n' || Key == '\r');
  const bool edits = Key >= 32 || Key == VK_BACK || Key == kCtrlV || Key == kCtrlX || multiLine;
  if (edits && !(FDataLink.CanModify() && FDataLink.Edit())) Key = 0;
}

template <class Base>
void TDBText<Base>::DoEnter() {
  FFocused = true;
  FDataLink.Reset();
  Base::DoEnter();
}

// Writes what was typed into the field; an error keeps the focus here (the focus code vetoes
// the change) and shows the message.
template <class Base>
void TDBText<Base>::DoExit() {
  FDataLink.UpdateRecord();
  FFocused = false;
  FDataLink.Reset();
  Base::DoExit();
}

template class TDBText<TCustomEdit>;
template class TDBText<TCustomMemo>;

TDBCheckBox::TDBCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner), TDBControlLink(this) {
  FDataLink.OnDataChange = [this](TObject*) { DataChange(); };
  FDataLink.OnUpdateData = [this](TObject*) { UpdateData(); };
}

void TDBCheckBox::SetDataSource(TDataSource* Value) { FDataLink.SetDataSource(Value); }

void TDBCheckBox::SetValueChecked(const String& Value) {
  FValueChecked = Value;
  DataChange();
}

void TDBCheckBox::SetValueUnchecked(const String& Value) {
  FValueUnchecked = Value;
  DataChange();
}

// Null and texts that are neither value show grayed.
TCheckBoxState TDBCheckBox::FieldState() const {
  TField* field = FDataLink.Field();
  if (!field) return cbUnchecked;
  if (field->IsNull()) return cbGrayed;
  if (dynamic_cast<TBooleanField*>(field)) return field->AsBoolean() ? cbChecked : cbUnchecked;
  const String text = field->Text();
  if (ValueMatch(FValueChecked, text)) return cbChecked;
  if (ValueMatch(FValueUnchecked, text)) return cbUnchecked;
  return cbGrayed;
}

void TDBCheckBox::DataChange() { SetState(FieldState()); }

void TDBCheckBox::UpdateData() {
  TField* field = FDataLink.Field();
  if (State() == cbGrayed) {
    field->Clear();
  } else if (dynamic_cast<TBooleanField*>(field)) {
    field->SetAsBoolean(Checked());
  } else {
    field->SetText(ValueList(Checked() ? FValueChecked : FValueUnchecked).front());
  }
}

void TDBCheckBox::Toggle() {
  if (!FDataLink.CanModify() || !FDataLink.Edit()) return;
  TCustomCheckBox::Toggle();
  FDataLink.Modified();
}

void TDBCheckBox::DoExit() {
  FDataLink.UpdateRecord();
  TCustomCheckBox::DoExit();
}

// The edit's ReadOnly is published by the edit already and reaches the link through its override.
TDBComboBox::TDBComboBox(TComponent* AOwner) : TCustomComboBox(AOwner), TDBControlLink(this) {
  FDataLink.OnDataChange = [this](TObject*) { DataChange(); };
  FDataLink.OnEditingChange = [this](TObject*) { EditingChange(); };
  FDataLink.OnUpdateData = [this](TObject*) { FDataLink.Field()->SetText(ComboText()); };
  EditingChange();
}

void TDBComboBox::SetReadOnly(bool Value) {
  FDataLink.SetReadOnly(Value);
  EditingChange();
}

String TDBComboBox::ComboText() const {
  if (Style() != csDropDownList) return Text();
  return ItemIndex() >= 0 ? Items()->Strings(ItemIndex()) : String();
}

void TDBComboBox::DataChange() {
  const String text = FDataLink.Field() ? FDataLink.Field()->Text() : String();
  if (Style() == csDropDownList) {
    SetItemIndex(Items()->IndexOf(text));
  } else if (Text() != text) {
    SetText(text);
  }
}

void TDBComboBox::EditingChange() { TextBox().SetReadOnly(!(FDataLink.Editing() && FDataLink.CanModify())); }

void TDBComboBox::Change() {
  FDataLink.Modified();
  TCustomComboBox::Change();
}

// The pick is made before the record goes into edit state, which shows the field again: the
// pick is put back once editing has begun, or undone when it cannot begin.
void TDBComboBox::Select() {
  const int index = ItemIndex();
  const String text = Text();
  if (!FDataLink.CanModify() || !FDataLink.Edit()) {
    FDataLink.Reset();
    return;
  }
  if (Style() == csDropDownList) {
    SetItemIndex(index);
  } else {
    SetText(text);
  }
  FDataLink.Modified();
  TCustomComboBox::Select();
}

void TDBComboBox::KeyPress(TKeyChar& Key) {
  TCustomComboBox::KeyPress(Key);
  if (Key == kEscape) {
    FDataLink.Reset();
    SelectAll();
    Key = 0;
  } else if ((Key >= 32 || Key == VK_BACK || Key == kCtrlV || Key == kCtrlX) &&
             !(FDataLink.CanModify() && FDataLink.Edit())) {
    Key = 0;
  }
}

void TDBComboBox::DoExit() {
  FDataLink.UpdateRecord();
  TCustomComboBox::DoExit();
}

// The link to the list's data source: the list is read again when that data set opens, changes
// its records or fields, but not when it only moves.
class TDBLookupComboBox::TListLink : public TDataLink {
 public:
  explicit TListLink(TDBLookupComboBox* Owner) : FOwner(Owner) {}

 protected:
  void ActiveChanged() override { FOwner->LoadList(); }
  void DataSetChanged() override { FOwner->LoadList(); }
  void DataSetScrolled(int) override {}
  void LayoutChanged() override { FOwner->LoadList(); }

 private:
  TDBLookupComboBox* FOwner;
};

TDBLookupComboBox::TDBLookupComboBox(TComponent* AOwner)
    : TCustomComboBox(AOwner), TDBControlLink(this), FListLink(std::make_unique<TListLink>(this)), FKeyValue(Variant::Null()) {
  SetStyle(csDropDownList);
  FDataLink.OnDataChange = [this](TObject*) { DataChange(); };
  FDataLink.OnUpdateData = [this](TObject*) { FDataLink.Field()->SetValue(FKeyValue); };
}

TDBLookupComboBox::~TDBLookupComboBox() = default;

TDataSource* TDBLookupComboBox::ListSource() const { return FListLink->DataSource(); }
void TDBLookupComboBox::SetListSource(TDataSource* Value) { FListLink->SetDataSource(Value); }

void TDBLookupComboBox::SetKeyField(const String& Value) {
  FKeyField = Value;
  LoadList();
}

void TDBLookupComboBox::SetListField(const String& Value) {
  FListField = Value;
  LoadList();
}

void TDBLookupComboBox::SetKeyValue(const Variant& Value) {
  FKeyValue = Value;
  ShowKey();
}

// Only a browsing data set is read: moving one that is being edited would post its record.
void TDBLookupComboBox::LoadList() {
  TDataSet* data = FListLink->DataSet();
  if (FLoading || (data && data->Active() && data->State() != dsBrowse)) return;
  TValueScope loading(FLoading, true);
  Items()->Clear();
  FKeys.clear();
  if (data && data->Active() && !FKeyField.empty() && !FListField.empty()) {
    TField* key = data->FieldByName(FKeyField);
    TField* list = data->FieldByName(FListField);
    const TBookmark place = data->Bookmark();
    data->DisableControls();
    Bracket(
        [&] {
          for (data->First(); !data->Eof(); data->Next()) {
            Items()->Add(list->DisplayText());
            FKeys.push_back(key->Value());
          }
          if (data->BookmarkValid(place)) data->GotoBookmark(place);
        },
        [data] { data->EnableControls(); });
  }
  ShowKey();
}

void TDBLookupComboBox::ShowKey() {
  int index = -1;
  for (size_t i = 0; i < FKeys.size() && index < 0; ++i)
    if (!FKeyValue.IsNull() && VarSameValue(FKeys[i], FKeyValue)) index = static_cast<int>(i);
  SetItemIndex(index);
}

void TDBLookupComboBox::DataChange() {
  FKeyValue = FDataLink.Field() ? FDataLink.Field()->Value() : Variant::Null();
  ShowKey();
}

// The pick moves the list's data set to its record and, with a data field, puts its key there.
void TDBLookupComboBox::Select() {
  const int index = ItemIndex();
  if (index < 0 || index >= static_cast<int>(FKeys.size())) return;
  const Variant key = FKeys[static_cast<size_t>(index)];
  if (FDataLink.Field()) {
    if (!FDataLink.CanModify() || !FDataLink.Edit()) {
      ShowKey();
      return;
    }
    FDataLink.Modified();
  }
  FKeyValue = key;
  ShowKey();
  if (TDataSet* data = FListLink->DataSet()) {
    TValueScope loading(FLoading, true);
    data->Locate(FKeyField, key);
  }
  TCustomComboBox::Select();
}

void TDBLookupComboBox::DoExit() {
  FDataLink.UpdateRecord();
  TCustomComboBox::DoExit();
}

template <class T>
void PublishDataLink(TClassBuilder<T>& c) {
  c.Property("DataSource", &T::DataSource, &T::SetDataSource);
  c.Property("DataField", &T::DataField, &T::SetDataField);
}

void RegisterDBControlClasses() {
  RegisterClass<TDBEdit, TCustomEdit>("TDBEdit", PublishDataLink<TDBEdit>);
  RegisterClass<TDBMemo, TCustomMemo>("TDBMemo", PublishDataLink<TDBMemo>);
  RegisterClass<TDBComboBox, TCustomComboBox>("TDBComboBox", [](TClassBuilder<TDBComboBox>& c) {
    PublishDataLink(c);
    c.Property("ReadOnly", &TDBComboBox::ReadOnly, &TDBComboBox::SetReadOnly).Default(false);
  });
  RegisterClass<TDBLookupComboBox, TCustomComboBox>("TDBLookupComboBox", [](TClassBuilder<TDBLookupComboBox>& c) {
    PublishDataLink(c);
    c.Property("ReadOnly", &TDBLookupComboBox::ReadOnly, &TDBLookupComboBox::SetReadOnly).Default(false);
    c.Property("ListSource", &TDBLookupComboBox::ListSource, &TDBLookupComboBox::SetListSource);
    c.Property("KeyField", &TDBLookupComboBox::KeyField, &TDBLookupComboBox::SetKeyField);
    c.Property("ListField", &TDBLookupComboBox::ListField, &TDBLookupComboBox::SetListField);
  });
  RegisterClass<TDBCheckBox, TCustomCheckBox>("TDBCheckBox", [](TClassBuilder<TDBCheckBox>& c) {
    PublishDataLink(c);
    c.Property("ReadOnly", &TDBCheckBox::ReadOnly, &TDBCheckBox::SetReadOnly).Default(false);
    c.Property("ValueChecked", &TDBCheckBox::ValueChecked, &TDBCheckBox::SetValueChecked).Default(String("True"));
    c.Property("ValueUnchecked", &TDBCheckBox::ValueUnchecked, &TDBCheckBox::SetValueUnchecked).Default(String("False"));
  });
}
