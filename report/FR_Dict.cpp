// The data dictionary: lookups of variables and fields, and its record in template files.
#include "report/FR_Dict.h"

#include <algorithm>

#include "data/DataSet.h"
#include "report/FR_Const.h"
#include "report/FR_Globals.h"
#include "report/FR_Lookup.h"
#include "report/FR_Names.h"
#include "report/FR_Utils.h"
#include "rtl/CodePage.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

// A name written without its data set means a field of the band's data set: it is cached for that
// data set (Scope) alone, so that bands over different data sets each find their own field.
struct TfrDataDictionary::TCachedField {
  String Name;
  TDataSet* DataSet;
  String FieldName;
  TDataSet* Scope;  // nullptr for a name that says its data set
};

// Forgets the cached fields of a data set when the data set is freed.
class TfrDataDictionary::TCacheWatcher : public TComponent {
 public:
  TCacheWatcher(TComponent* AOwner, TfrDataDictionary* Dictionary) : TComponent(AOwner), FDictionary(Dictionary) {}

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) FDictionary->ForgetDataSet(AComponent);
  }

 private:
  TfrDataDictionary* FDictionary;
};

TfrDataDictionary::TfrDataDictionary() : FWatcher(MakeComponent<TCacheWatcher>(this)) {}

TfrDataDictionary::~TfrDataDictionary() = default;

void TfrDataDictionary::Clear() {
  Variables.Clear();
  FieldAliases.Clear();
  ExtraList.Clear();
}

void TfrDataDictionary::ClearCache() {
  for (const TCachedField& entry : FCache) FWatcher->RemoveFreeNotification(entry.DataSet);
  FCache.clear();
}

namespace {

bool NamesItsDataSet(const String& Name) { return Name.find('.') != String::npos; }

}  // namespace

namespace {

bool NameLess(const String& a, const String& b) { return CompareText(a, b) < 0; }

}  // namespace

const TfrDataDictionary::TCachedField* TfrDataDictionary::FindCached(const String& Name) const {
  auto it = std::lower_bound(FCache.begin(), FCache.end(), Name,
                             [](const TCachedField& e, const String& n) { return NameLess(e.Name, n); });
  if (it == FCache.end() || !SameText(it->Name, Name)) return nullptr;
  if (!it->Scope) return &*it;
  const TDataSet* scope = GetBandDataSet();
  for (; it != FCache.end() && SameText(it->Name, Name); ++it)
    if (it->Scope == scope) return &*it;
  return nullptr;
}

void TfrDataDictionary::AddToCache(const String& Name, TDataSet* DataSet, const String& FieldName, TDataSet* Scope) {
  if (FindCached(Name)) return;
  FCache.push_back({Name, DataSet, FieldName, Scope});
  std::sort(FCache.begin(), FCache.end(), [](const TCachedField& a, const TCachedField& b) { return NameLess(a.Name, b.Name); });
  FWatcher->FreeNotification(DataSet);
}

void TfrDataDictionary::ForgetDataSet(const TComponent* DataSet) {
  std::erase_if(FCache, [&](const TCachedField& e) { return e.DataSet == DataSet || e.Scope == DataSet; });
}

bool TfrDataDictionary::ResolveField(const String& Text, TDataSet*& DataSet, String& FieldName) const {
  DataSet = GetBandDataSet();
  FieldName.clear();
  frGetDataSetAndField(Text, DataSet, FieldName);
  return DataSet && !FieldName.empty();
}

String TfrDataDictionary::AliasedReference(const String& Name) const {
  String dataSetName, fieldName;
  ExtractFieldName(Name, dataSetName, fieldName);
  for (int i = 0; i < FieldAliases.Count(); ++i)
    if (AnsiSameText(VarToStr(FieldAliases.Value(i)), dataSetName)) {
      dataSetName = FieldAliases.Name(i);
      break;
    }
  const String prefix = dataSetName + ".";
  for (int i = 0; i < FieldAliases.Count(); ++i) {
    const String aliased = FieldAliases.Name(i);
    if (aliased.size() > prefix.size() && AnsiSameText(aliased.substr(0, prefix.size()), prefix) &&
        AnsiSameText(VarToStr(FieldAliases.Value(i)), fieldName)) {
      fieldName = aliased.substr(prefix.size());
      std::erase(fieldName, '"');
      break;
    }
  }
  return dataSetName + ".\"" + fieldName + "\"";
}

bool TfrDataDictionary::IsVariable(const String& Name) {
  if (FindCached(Name)) return true;
  TDataSet* dataSet = nullptr;
  String fieldName;
  if (Variables.IndexOf(Name) >= 0) {
    const Variant value = Variables.Variable(Name);
    if (!value.IsNull() && VarToStr(value).find('.') != String::npos && ResolveField(VarToStr(value), dataSet, fieldName))
      AddToCache(Name, dataSet, fieldName, nullptr);
    return true;
  }
  const String text = NamesItsDataSet(Name) ? AliasedReference(Name) : Name;
  if (!ResolveField(text, dataSet, fieldName)) return false;
  AddToCache(Name, dataSet, fieldName, NamesItsDataSet(Name) ? nullptr : dataSet);
  return true;
}

bool TfrDataDictionary::FieldOf(const String& Name, TDataSet*& DataSet, String& FieldName) const {
  const TCachedField* cached = FindCached(Name);
  if (!cached) return false;
  DataSet = cached->DataSet;
  FieldName = cached->FieldName;
  return true;
}

Variant TfrDataDictionary::GetValue(const String& Name) {
  if (const TCachedField* cached = FindCached(Name)) {
    if (!cached->DataSet->Active()) cached->DataSet->Open();
    TField* field = cached->DataSet->FindField(cached->FieldName);
    return field ? frGetFieldValue(field) : Variant::Null();
  }
  if (Variables.IndexOf(Name) < 0) return Variant::Null();
  if (frVariables().IndexOf(Name) >= 0) return frVariables().Variable(Name);
  const Variant value = Variables.Variable(Name);
  if (!VarIsStr(value) || value.StringValue().empty()) return value;
  if (std::any_of(FEvaluating.begin(), FEvaluating.end(), [&](const String& n) { return SameText(n, Name); }))
    throw Exception(frLoadStr(55439) + " \"" + Name + "\"");
  FEvaluating.push_back(Name);
  const auto evaluated = ScopeExit([this] { FEvaluating.pop_back(); });
  return frParser().Calc(value.StringValue());
}

void TfrDataDictionary::ExtractFieldName(const String& Text, String& DataSetName, String& FieldName) {
  size_t dot = String::npos;
  bool quoted = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '"') quoted = !quoted;
    if (Text[i] == '.' && !quoted) dot = i;
  }
  if (dot == String::npos) return;
  DataSetName = Text.substr(0, dot);
  String field = Text.substr(dot + 1);
  std::erase(field, '"');
  FieldName = Copy(field, 1, 255);
}

namespace {

void ReadList(TStream& Stream, TfrVariables& List) {
  const int32_t count = frReadInteger(Stream);
  for (int32_t i = 0; i < count; ++i) {
    const String name = frReadString(Stream);
    List.SetVariable(name, frReadString(Stream));
  }
}

void WriteList(TStream& Stream, const TfrVariables& List) {
  frWriteInteger(Stream, List.Count());
  for (int i = 0; i < List.Count(); ++i) {
    frWriteString(Stream, List.Name(i));
    frWriteString(Stream, VarToStr(List.Value(i)));
  }
}

String ReadShortString(TStream& Stream) {
  uint8_t length;
  Stream.ReadBuffer(&length, 1);
  std::string bytes(length, '\0');
  Stream.ReadBuffer(bytes.data(), length);
  return GB18030ToUtf8(bytes);
}

// The expression an entry of the older record stands for.
String OldEntryExpression(uint8_t Kind, int32_t Index, const String& First, const String& Second) {
  static const char* const systemVariables[] = {"PAGE#", "", "DATE", "TIME", "LINE#", "LINETHROUGH#",
                                                "COLUMN#", "CURRENT#", "TOTALPAGES"};
  if (Kind == 2) {
    if (Index == 1) return Second;
    return Index >= 0 && Index < int32_t(std::size(systemVariables)) ? systemVariables[Index] : String();
  }
  if (Kind == 1) return First + ".\"" + Second + "\"";
  return String();
}

}  // namespace

void TfrDataDictionary::LoadFromStream(TStream& Stream) {
  Clear();
  const uint16_t marker = frReadWord(Stream);
  if (marker == 0xFFFF || marker == 0xFFFE) {
    ReadList(Stream, Variables);
    ReadList(Stream, FieldAliases);
    ReadList(Stream, ExtraList);
  } else {
    Stream.Seek(-2, soCurrent);
    ReadOldFormat(Stream);
  }
  NormaliseCategoryBlanks();
  if (marker == 0xFFFF) RemoveUnresolvedAliases();
}

void TfrDataDictionary::ReadOldFormat(TStream& Stream) {
  const int32_t count = frReadInteger(Stream);
  for (int32_t i = 0; i < count; ++i) {
    uint8_t kind;
    Stream.ReadBuffer(&kind, 1);
    const int32_t index = frReadInteger(Stream);
    const String first = ReadShortString(Stream);
    const String second = ReadShortString(Stream);
    const String name = ReadShortString(Stream);
    FieldAliases.SetVariable(" " + name, OldEntryExpression(kind, index, first, second));
  }
  TStringList names;
  ReadVersionedMemo(Stream, names);
  for (int i = 0; i < names.Count(); ++i) {
    const String& line = names[i];
    const bool variable = line.empty() || line[0] == ' ';
    Variables.SetVariable(line, variable ? VarToStr(FieldAliases.Variable(line)) : String());
  }
  FieldAliases.Clear();
}

void TfrDataDictionary::NormaliseCategoryBlanks() {
  if (Variables.Count() == 0 || Variables.Name(0).empty() || Variables.Name(0)[0] == ' ') return;
  for (int i = 0; i < Variables.Count(); ++i) {
    const String name = Variables.Name(i);
    if (!name.empty() && name[0] == ' ')
      Variables.SetName(i, name.substr(1));
    else if (!name.empty())
      Variables.SetName(i, " " + name);
  }
}

void TfrDataDictionary::RemoveUnresolvedAliases() {
  for (int i = FieldAliases.Count() - 1; i >= 0; --i) {
    if (!VarToStr(FieldAliases.Value(i)).empty()) continue;
    TDataSet* dataSet = nullptr;
    String fieldName;
    frGetDataSetAndField(FieldAliases.Name(i), dataSet, fieldName);
    if (!dataSet || fieldName.empty()) FieldAliases.Delete(i);
  }
  for (int i = ExtraList.Count() - 1; i >= 0; --i)
    if (VarToStr(ExtraList.Value(i)).empty()) ExtraList.Delete(i);
}

void TfrDataDictionary::SaveToStream(TStream& Stream) const {
  frWriteWord(Stream, 0xFFFE);
  WriteList(Stream, Variables);
  WriteList(Stream, FieldAliases);
  WriteList(Stream, ExtraList);
}
