// Summaries of the data-aware grid: the summary kinds, the grid's named summary groups with their
// items (what to aggregate, of which field, shown under which column), and the one formatting of
// a summary value that group rows, row footers and the summary footer share.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "classes/Collection.h"
#include "data/DB.h"

class TCustomdxDBGrid;
class TField;

// The ordinals are stored in layouts (cstNone 0 ... cstAvg 5).
enum TdxSummaryType : uint8_t { cstNone, cstSum, cstMin, cstMax, cstCount, cstAvg };
inline constexpr const char* SummaryTypeNames[] = {"cstNone", "cstSum", "cstMin", "cstMax", "cstCount", "cstAvg"};

// Summary values are 80-bit extended floats throughout.
using TdxSummaryValue = long double;
// Supplies or adjusts the value one record contributes.
using TdxSummaryEvent = std::function<void(TObject* Sender, TDataSet* DataSet, TdxSummaryValue& Value)>;

// Where a summary value is shown: the default formats differ.
enum TdxSummaryPlace { spGroupRow = 0, spFooter = 1 };

// The text of one summary value. Format empty means the default of the type and place. DataType
// is the summarised field's type when it is a date, time or date-time and the type is not a
// count (the caller decides); a date kind shows the value as a date-time text after the default
// prefix, or after Format itself when one is given.
String FormatSummaryValue(TdxSummaryType SummaryType, const String& Format, TFieldType DataType, TdxSummaryPlace Place,
                          TdxSummaryValue Value);

class TdxDBGridSummaryItem : public TCollectionItem {
 public:
  explicit TdxDBGridSummaryItem(TCollection* Collection) : TCollectionItem(Collection) {}
  String ClassName() const override { return "TdxDBGridSummaryItem"; }
  // Copies the four definitions inside the collection's update bracket; not OnSummary.
  void Assign(const TPersistent* Source) override;

  const String& ColumnName() const { return FColumnName; }
  void SetColumnName(const String& Value) { Store(FColumnName, Value); }
  const String& SummaryField() const { return FSummaryField; }
  void SetSummaryField(const String& Value) { Store(FSummaryField, Value); }
  const String& SummaryFormat() const { return FSummaryFormat; }
  void SetSummaryFormat(const String& Value) { Store(FSummaryFormat, Value); }
  TdxSummaryType SummaryType() const { return FSummaryType; }
  void SetSummaryType(TdxSummaryType Value) { Store(FSummaryType, Value); }

  // The field the grid resolved for the item; nil when none.
  TField* Field = nullptr;
  TdxSummaryEvent OnSummary;

 private:
  template <class V>
  void Store(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(false);
  }
  String FColumnName;
  String FSummaryField;
  String FSummaryFormat;
  TdxSummaryType FSummaryType = cstNone;
};

class TdxDBGridSummaryGroup;

class TdxDBGridSummaryItems : public TCollection {
 public:
  explicit TdxDBGridSummaryItems(TdxDBGridSummaryGroup* Group);
  String ClassName() const override { return "TdxDBGridSummaryItems"; }
  TdxDBGridSummaryItem* Items(int Index) const { return static_cast<TdxDBGridSummaryItem*>(TCollection::Items(Index)); }
  TdxDBGridSummaryItem* Add() { return static_cast<TdxDBGridSummaryItem*>(TCollection::Add()); }

 protected:
  // A changed item relayouts the grid, unless the grid is loading.
  void Update(TCollectionItem* Item) override;
};

class TdxDBGridSummaryGroup : public TCollectionItem {
 public:
  explicit TdxDBGridSummaryGroup(TCollection* Collection);
  String ClassName() const override { return "TdxDBGridSummaryGroup"; }
  // Copies the texts, DefaultGroup, the items and the name (through the checks of its setter).
  void Assign(const TPersistent* Source) override;

  const String& BeginSummaryText() const { return FBeginSummaryText; }
  void SetBeginSummaryText(const String& Value) { FBeginSummaryText = Value; }
  const String& EndSummaryText() const { return FEndSummaryText; }
  void SetEndSummaryText(const String& Value) { FEndSummaryText = Value; }
  bool DefaultGroup() const { return FDefaultGroup; }
  // True clears it on every other group of the collection first.
  void SetDefaultGroup(bool Value);
  TdxDBGridSummaryItems* SummaryItems() const { return FSummaryItems.get(); }
  void SetSummaryItems(const TdxDBGridSummaryItems* Value) { FSummaryItems->Assign(Value); }
  const String& Name() const { return FName; }
  // EInvaliddxTreeListOperation for an empty name or one another group of the collection has
  // (case counts); the old name stays.
  void SetName(const String& Value);

  // Told of each accepted name.
  std::function<void(TdxDBGridSummaryGroup* Group)> OnNameChanged;

 private:
  String FBeginSummaryText;
  String FEndSummaryText;
  bool FDefaultGroup = false;
  std::unique_ptr<TdxDBGridSummaryItems> FSummaryItems;
  String FName;
};

class TdxDBGridSummaryGroups : public TCollection {
 public:
  explicit TdxDBGridSummaryGroups(TCustomdxDBGrid* Grid);
  String ClassName() const override { return "TdxDBGridSummaryGroups"; }
  TdxDBGridSummaryGroup* Items(int Index) const {
    return static_cast<TdxDBGridSummaryGroup*>(TCollection::Items(Index));
  }
  TdxDBGridSummaryGroup* Add() { return static_cast<TdxDBGridSummaryGroup*>(TCollection::Add()); }
  // The first group with DefaultGroup; nil when none.
  TdxDBGridSummaryGroup* FindDefaultGroup() const;
  // The group of this name (case counts); nil when none.
  TdxDBGridSummaryGroup* FindGroup(const String& Name) const;
  TCustomdxDBGrid* Grid() const { return FGrid; }

 protected:
  // A changed collection regroups the grid, unless the grid is loading.
  void Update(TCollectionItem* Item) override;

 private:
  TCustomdxDBGrid* FGrid;
};
