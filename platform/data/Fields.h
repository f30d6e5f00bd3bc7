// Fields of a data set: the field definitions a back end reports (TFieldDefs), the ordered field
// list (TFields) and the TField family that reads and writes one column of the active record with
// the class library's conversions (null reads as 0 or empty, floats round half to even).
#pragma once

#include <memory>
#include <vector>

#include "classes/Component.h"
#include "data/DB.h"

// One column as the back end describes it.
class TFieldDef {
 public:
  TFieldDef(String Name, TFieldType DataType, int Size, bool Required, int FieldNo);
  const String& Name() const { return FName; }
  TFieldType DataType() const { return FDataType; }
  int Size() const { return FSize; }
  bool Required() const { return FRequired; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // 1-based position of the column in a record.
  int FieldNo() const { return FFieldNo; }
  // A new field of the class that serves DataType, owned by and bound to DataSet.
  TField* CreateField(TDataSet* DataSet) const;

 private:
  String FName;
  TFieldType FDataType;
  int FSize;
  bool FRequired;
  bool FReadOnly = false;
  int FFieldNo;
};

class TFieldDefs {
 public:
  TFieldDef& Add(const String& Name, TFieldType DataType, int Size = 0, bool Required = false);
  void Clear() { FItems.clear(); }
  int Count() const { return int(FItems.size()); }
  TFieldDef& Items(int Index) const { return *FItems.at(size_t(Index)); }
  // -1 when no definition has this name (case ignored).
  int IndexOf(const String& Name) const;
  TFieldDef* Find(const String& Name) const;

 private:
  std::vector<std::unique_ptr<TFieldDef>> FItems;
};

// The fields of a data set in display order. The list does not own them: default fields belong
// to the data set, persistent fields to whatever component created them.
class TFields {
 public:
  int Count() const { return int(FItems.size()); }
  TField* operator[](int Index) const { return FItems.at(size_t(Index)); }
  TField* FindField(const String& Name) const;
  // EDatabaseError when no field has this name.
  TField* FieldByName(const String& Name) const;
  int IndexOf(const TField* Field) const;

 private:
  friend class TDataSet;
  friend class TField;
  void Add(TField* Field) { FItems.push_back(Field); }
  void Remove(TField* Field);
  void Move(int CurIndex, int NewIndex);
  std::vector<TField*> FItems;
};

// How a field class shows a value: as VarToStr does, as an integer, a float, "True"/"False", a
// date and time, or by the name of a blob's kind.
enum TFieldTextKind : uint8_t { ftkPlain, ftkInteger, ftkFloat, ftkBoolean, ftkDateTime, ftkBlob };

// The display text of a field's values taken apart from the field (DisplayTextRule): what
// DisplayText shows for a value when OnGetText is not set, with the field's kind of text and its
// display format as they were when the rule was taken. A control that keeps values instead of
// their texts makes the texts with it when they are shown, as they were when the values were read.
class TFieldDisplayText {
 public:
  // Shows values as VarToStr does.
  TFieldDisplayText() = default;
  String operator()(const Variant& Value) const;
  TFieldTextKind Kind() const { return FKind; }
  // The display format, or a blob's kind name.
  const String& Format() const { return FFormat; }
  bool operator==(const TFieldDisplayText& Other) const = default;
  // The text of a value that is not null, or of a blob's null, for a field of Kind; Format is the
  // display format (used for the display text) or, for a blob, the name of its kind.
  static String Of(TFieldTextKind Kind, const Variant& Value, bool DisplayText, const String& Format);

 private:
  friend class TField;
  TFieldTextKind FKind = ftkPlain;
  String FFormat;
};

using TFieldNotifyEvent = std::function<void(TField* Sender)>;
using TFieldGetTextEvent = std::function<void(TField* Sender, String& Text, bool DisplayText)>;
using TFieldSetTextEvent = std::function<void(TField* Sender, const String& Text)>;

class TField : public TComponent {
 public:
  explicit TField(TComponent* AOwner);
  ~TField() override;
  String ClassName() const override { return "TField"; }

  TDataSet* DataSet() const { return FDataSet; }
  // Adds the field to the data set's Fields (a persistent field); nullptr takes it out.
  void SetDataSet(TDataSet* Value);
  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  TFieldType DataType() const { return FDataType; }
  TFieldKind FieldKind() const { return FFieldKind; }
  void SetFieldKind(TFieldKind Value) { FFieldKind = Value; }
  // 1-based column of the record this field reads; 0 while the data set is closed.
  int FieldNo() const { return FFieldNo; }
  // Position in the data set's Fields; setting it moves the field.
  int Index() const;
  void SetIndex(int Value);

  String DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const String& Value) { FDisplayLabel = Value; }
  bool HasOwnLabel() const { return !FDisplayLabel.empty(); }
  String DisplayName() const { return DisplayLabel(); }
  int DisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : DefaultWidth(); }
  void SetDisplayWidth(int Value) { FDisplayWidth = Value; }
  bool HasOwnWidth() const { return FDisplayWidth > 0; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool Required() const { return FRequired; }
  void SetRequired(bool Value) { FRequired = Value; }
  int Size() const { return FSize; }
  void SetSize(int Value) { FSize = Value; }
  const String& EditMask() const { return FEditMask; }
  void SetEditMask(const String& Value) { FEditMask = Value; }
  const String& Origin() const { return FOrigin; }
  void SetOrigin(const String& Value) { FOrigin = Value; }
  // A picture for DisplayText (FormatFloat or FormatDateTime); empty means the default form.
  const String& DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value) { FDisplayFormat = Value; }

  // Not read-only, and the data set can be modified.
  bool CanModify() const;
  virtual bool IsBlob() const { return false; }
  // Whether a control may let this character be typed into the field.
  virtual bool IsValidChar(char32_t Ch) const;

  // The value of the active record; Null when it has none.
  bool IsNull() const;
  Variant Value() const;
  void SetValue(const Variant& Value);
  // The value before the pending edit (the stored one).
  Variant OldValue() const;
  String AsString() const;
  void SetAsString(const String& Value);
  int AsInteger() const;
  void SetAsInteger(int Value) { SetValue(Variant(Value)); }
  double AsFloat() const;
  void SetAsFloat(double Value) { SetValue(Variant(Value)); }
  bool AsBoolean() const;
  void SetAsBoolean(bool Value) { SetValue(Variant(Value)); }
  TDateTime AsDateTime() const;
  void SetAsDateTime(TDateTime Value) { SetValue(Variant::FromDateTime(Value)); }
  // Edit text, and the text to show; both go through OnGetText when it is set.
  String Text() const { return GetText(false); }
  void SetText(const String& Value);
  String DisplayText() const { return GetText(true); }
  // How DisplayText shows values now, OnGetText aside.
  TFieldDisplayText DisplayTextRule() const;
  void Clear() { SetValue(Variant::Null()); }
  // Asks the data set's controls to focus the control that edits this field.
  void FocusControl();

  // A lookup field (FieldKind fkLookup) holds no data of its own: its value is LookupResultField of
  // the LookupDataSet record whose LookupKeyFields equal this data set's KeyFields (names joined
  // by ";"), null when a key is null, the lookup data set is closed or no record matches.
  TDataSet* LookupDataSet() const { return FLookupDataSet; }
  void SetLookupDataSet(TDataSet* Value);
  const String& KeyFields() const { return FKeyFields; }
  void SetKeyFields(const String& Value) { FKeyFields = Value; }
  const String& LookupKeyFields() const { return FLookupKeyFields; }
  void SetLookupKeyFields(const String& Value) { FLookupKeyFields = Value; }
  const String& LookupResultField() const { return FLookupResultField; }
  void SetLookupResultField(const String& Value) { FLookupResultField = Value; }
  bool IsLookup() const { return FFieldKind == fkLookup; }

  // Takes a value of any kind into this field's kind (EConvertError when it cannot); Null and
  // Empty become Null.
  Variant Convert(const Variant& Value) const;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

  TFieldNotifyEvent OnChange;
  TFieldNotifyEvent OnValidate;
  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;

 protected:
  void SetDataType(TFieldType Value) { FDataType = Value; }
  virtual int DefaultWidth() const { return 10; }
  // How the class shows its values (ValueText).
  virtual TFieldTextKind TextKind() const { return ftkPlain; }
  // The text of a value that is not null (and a blob's display text of null).
  String ValueText(const Variant& Value, bool DisplayText) const;
  // A blob's kind as its display text names it.
  virtual String KindName() const { return "BLOB"; }
  virtual Variant FromText(const String& Text) const;
  virtual Variant ConvertValue(const Variant& Value) const;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TDataSet;
  String GetText(bool DisplayText) const;
  Variant LookupValue() const;
  void Bind(int FieldNo) { FFieldNo = FieldNo; }

  TDataSet* FDataSet = nullptr;
  String FFieldName;
  TFieldType FDataType = ftUnknown;
  TFieldKind FFieldKind = fkData;
  int FFieldNo = 0;
  String FDisplayLabel;
  int FDisplayWidth = 0;
  TAlignment FAlignment = taLeftJustify;
  bool FVisible = true;
  bool FReadOnly = false;
  bool FRequired = false;
  int FSize = 0;
  String FEditMask;
  String FOrigin;
  String FDisplayFormat;
  TDataSet* FLookupDataSet = nullptr;
  String FKeyFields;
  String FLookupKeyFields;
  String FLookupResultField;
};

class TStringField : public TField {
 public:
  explicit TStringField(TComponent* AOwner);
  String ClassName() const override { return "TStringField"; }

 protected:
  int DefaultWidth() const override { return Size() > 0 ? Size() : 20; }
  Variant ConvertValue(const Variant& Value) const override;
};

// Numbers are right-aligned and accept only the characters of a number.
class TNumericField : public TField {
 public:
  explicit TNumericField(TComponent* AOwner);
  String ClassName() const override { return "TNumericField"; }
  bool IsValidChar(char32_t Ch) const override;
  // The range the controls that edit the field offer (spin buttons); 0 and 0 mean none.
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value) { FMinValue = Value; }
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value) { FMaxValue = Value; }

 protected:
  Variant FromText(const String& Text) const override;

 private:
  double FMinValue = 0;
  double FMaxValue = 0;
};

class TIntegerField : public TNumericField {
 public:
  explicit TIntegerField(TComponent* AOwner);
  String ClassName() const override { return "TIntegerField"; }

 protected:
  int DefaultWidth() const override { return 11; }
  TFieldTextKind TextKind() const override { return ftkInteger; }
  Variant ConvertValue(const Variant& Value) const override;
};

// An integer the database assigns when a record is appended; readable after Post.
class TAutoIncField : public TIntegerField {
 public:
  explicit TAutoIncField(TComponent* AOwner);
  String ClassName() const override { return "TAutoIncField"; }
};

class TFloatField : public TNumericField {
 public:
  explicit TFloatField(TComponent* AOwner);
  String ClassName() const override { return "TFloatField"; }
  bool IsValidChar(char32_t Ch) const override;

 protected:
  TFieldTextKind TextKind() const override { return ftkFloat; }
  Variant ConvertValue(const Variant& Value) const override;
};

// Text "True" and "False".
class TBooleanField : public TField {
 public:
  explicit TBooleanField(TComponent* AOwner);
  String ClassName() const override { return "TBooleanField"; }

 protected:
  int DefaultWidth() const override { return 5; }
  TFieldTextKind TextKind() const override { return ftkBoolean; }
  Variant FromText(const String& Text) const override;
  Variant ConvertValue(const Variant& Value) const override;
};

// Text in the locale's short date and long time ("c"), or DisplayFormat.
class TDateTimeField : public TField {
 public:
  explicit TDateTimeField(TComponent* AOwner);
  String ClassName() const override { return "TDateTimeField"; }

 protected:
  int DefaultWidth() const override { return 18; }
  TFieldTextKind TextKind() const override { return ftkDateTime; }
  Variant FromText(const String& Text) const override;
  Variant ConvertValue(const Variant& Value) const override;
};

// Bytes or text of any length, held as a String. Display text names the kind ("(BLOB)").
class TBlobField : public TField {
 public:
  explicit TBlobField(TComponent* AOwner);
  String ClassName() const override { return "TBlobField"; }
  bool IsBlob() const override { return true; }
  TFieldType BlobType() const { return DataType(); }

 protected:
  TFieldTextKind TextKind() const override { return ftkBlob; }
  Variant ConvertValue(const Variant& Value) const override;
};

class TMemoField : public TBlobField {
 public:
  explicit TMemoField(TComponent* AOwner);
  String ClassName() const override { return "TMemoField"; }

 protected:
  String KindName() const override { return "MEMO"; }
};

class TGraphicField : public TBlobField {
 public:
  explicit TGraphicField(TComponent* AOwner);
  String ClassName() const override { return "TGraphicField"; }

 protected:
  String KindName() const override { return "GRAPHIC"; }
};
