// TfrDataDictionary, a report's named variables (each an expression text evaluated when read,
// grouped under categories), the aliases under which data sets and fields are shown, a further
// stored list, and a cache of names already resolved to data-set fields. Its record lies in the
// template file after the block byte 0xFE.
#pragma once

#include <memory>
#include <vector>

#include "classes/Component.h"
#include "report/FR_Pars.h"
#include "rtl/Streams.h"

class TDataSet;

class TfrDataDictionary {
 public:
  TfrDataDictionary();
  ~TfrDataDictionary();
  TfrDataDictionary(const TfrDataDictionary&) = delete;
  TfrDataDictionary& operator=(const TfrDataDictionary&) = delete;

  // Empties the three lists; the field cache stays.
  void Clear();
  // Forgets every name resolved to a field.
  void ClearCache();
  // A name the dictionary knows: a cached field, a variable (whose value, when it names a field,
  // is cached too), or a field reference ("data set.field", through the aliases, or a field of the
  // data set of the band at work).
  bool IsVariable(const String& Name);
  // A cached field's value; a variable's value (a script variable of that name wins; an
  // expression text is evaluated, and a variable reached again while it is evaluated raises the
  // unknown-symbol error); Null otherwise.
  Variant GetValue(const String& Name);
  // The data set and field that a name IsVariable found stands for; false when it names none.
  bool FieldOf(const String& Name, TDataSet*& DataSet, String& FieldName) const;
  // Splits at the last "." outside double quotes; the field part loses its double quotes and is
  // cut at 255 characters. Nothing is set when there is no such ".".
  static void ExtractFieldName(const String& Text, String& DataSetName, String& FieldName);

  // The record: marker 0xFFFE and the three lists, or the older form without the marker.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;

  // Categories have a name starting with one blank and an empty value; a variable belongs to the
  // category above it.
  TfrVariables Variables;
  // Name: a data set's name (or "data set.field"); value: the alias shown for it.
  TfrVariables FieldAliases;
  // Stored and loaded with the others; the engine reads nothing from it.
  TfrVariables ExtraList;

 private:
  struct TCachedField;
  class TCacheWatcher;

  // The field a reference names, the unqualified name meaning a field of the band's data set.
  bool ResolveField(const String& Text, TDataSet*& DataSet, String& FieldName) const;
  void AddToCache(const String& Name, TDataSet* DataSet, const String& FieldName, TDataSet* Scope);
  const TCachedField* FindCached(const String& Name) const;
  void ForgetDataSet(const TComponent* DataSet);
  // The reference text of a dotted name, its data set and field mapped through the aliases.
  String AliasedReference(const String& Name) const;
  void ReadOldFormat(TStream& Stream);
  void NormaliseCategoryBlanks();
  void RemoveUnresolvedAliases();

  std::vector<TCachedField> FCache;  // sorted by name
  TComponentPtr<TCacheWatcher> FWatcher;
  std::vector<String> FEvaluating;  // variables whose expressions are being evaluated
};
