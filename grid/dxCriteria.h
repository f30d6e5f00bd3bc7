// The filter criteria: a root group of conditions joined by AND or OR, where a member is a
// condition (a column's name, an operator, a value) or a nested group, and any member may be
// negated. The same tree decides whether a record passes, becomes the filter expression a data
// set reads or the text the user reads, and is kept as a binary stream (dxCriteriaStream.cpp).
// The grid binds its conditions to its columns in dxDBGridFilter.h.
#pragma once

#include <memory>
#include <vector>

#include "rtl/Object.h"
#include "rtl/Variant.h"

class TStream;

// The six comparisons, by the kind numbers that stored criteria keep.
enum TdxOperatorKind : uint8_t {
  okIsNull = 0,
  okEqual = 1,
  okGreater = 2,
  okLess = 3,
  okGreaterEqual = 4,
  okLessEqual = 5,
};
inline constexpr int OperatorKindCount = 6;

class TdxAbstractOperator {
 public:
  virtual ~TdxAbstractOperator() = default;
  virtual bool Compare(const Variant& RecordValue, const Variant& FilterValue) const = 0;
  virtual String GetText() const = 0;
};

// "Is Null": the record's value is Null or an empty text (an Empty value is no match).
class TdxNullOperator : public TdxAbstractOperator {
 public:
  bool Compare(const Variant& RecordValue, const Variant& FilterValue) const override;
  String GetText() const override { return "Is Null"; }
};

// The comparisons by the variant comparison; values that do not compare (Null against a value, a
// text against a number) never match.
class TdxCompareOperator : public TdxAbstractOperator {
 public:
  bool Compare(const Variant& RecordValue, const Variant& FilterValue) const final;

 protected:
  virtual bool Holds(TVariantRelationship Relation) const = 0;
};

class TdxEqualOperator : public TdxCompareOperator {
 public:
  String GetText() const override { return "="; }
  bool Holds(TVariantRelationship R) const override { return R == vrEqual; }
};

class TdxGreaterOperator : public TdxCompareOperator {
 public:
  String GetText() const override { return ">"; }
  bool Holds(TVariantRelationship R) const override { return R == vrGreaterThan; }
};

class TdxLessOperator : public TdxCompareOperator {
 public:
  String GetText() const override { return "<"; }
  bool Holds(TVariantRelationship R) const override { return R == vrLessThan; }
};

class TdxGreaterEqualOperator : public TdxCompareOperator {
 public:
  String GetText() const override { return ">="; }
  bool Holds(TVariantRelationship R) const override { return R == vrGreaterThan || R == vrEqual; }
};

class TdxLessEqualOperator : public TdxCompareOperator {
 public:
  String GetText() const override { return "<="; }
  bool Holds(TVariantRelationship R) const override { return R == vrLessThan || R == vrEqual; }
};

// The one shared operator of a kind; a kind outside 0 to 5 raises EListError.
const TdxAbstractOperator& dxOperator(int Kind);

class TdxCriteria;
class TdxCriteriaItemList;

class TdxCustomCriteriaItem {
 public:
  virtual ~TdxCustomCriteriaItem() = default;
  TdxCustomCriteriaItem(const TdxCustomCriteriaItem&) = delete;
  TdxCustomCriteriaItem& operator=(const TdxCustomCriteriaItem&) = delete;
  virtual bool IsList() const { return false; }
  bool Not = false;
  // The group that holds the member; nil for the root.
  TdxCriteriaItemList* Parent() const { return FParent; }

 protected:
  TdxCustomCriteriaItem() = default;

 private:
  friend class TdxCriteriaItemList;
  TdxCriteriaItemList* FParent = nullptr;
};

// A group: owned members in order, joined by OR or by AND.
class TdxCriteriaItemList : public TdxCustomCriteriaItem {
 public:
  explicit TdxCriteriaItemList(TdxCriteria* Criteria = nullptr) : FCriteria(Criteria) {}
  bool IsList() const override { return true; }
  bool IsOr = false;
  // The criteria that owns the tree, known by the root group.
  TdxCriteria* Criteria() const { return FCriteria; }
  int Count() const { return int(FItems.size()); }
  TdxCustomCriteriaItem* Items(int Index) const { return FItems[size_t(Index)].get(); }
  int IndexOf(const TdxCustomCriteriaItem* Item) const;
  // Appends the member and takes it over.
  TdxCustomCriteriaItem* Add(std::unique_ptr<TdxCustomCriteriaItem> Item);
  // Takes the member out and hands it over.
  std::unique_ptr<TdxCustomCriteriaItem> Extract(TdxCustomCriteriaItem* Item);
  // Frees the member.
  void Delete(TdxCustomCriteriaItem* Item) { Extract(Item).reset(); }
  void Clear() { FItems.clear(); }

 private:
  TdxCriteria* FCriteria;
  std::vector<std::unique_ptr<TdxCustomCriteriaItem>> FItems;
};

// A condition: the column (by name) that holds the record's value, the operator kind, the value
// and the text that showed it to the user.
class TdxCriteriaItem : public TdxCustomCriteriaItem {
 public:
  String DisplayValue;
  String Name;
  uint8_t OperatorKind = okEqual;
  Variant Value;
  // What the user reads for the column; the name here.
  virtual String GetDisplayName() const { return Name; }
  // The record's value in the evaluation Context; Null here.
  virtual Variant GetRecordValue(TObject* Context) const {
    (void)Context;
    return Variant::Null();
  }
  // The name a filter expression uses; the name here.
  virtual String GetExpressionName() const { return Name; }
};

class TdxCriteria {
 public:
  TdxCriteria();
  virtual ~TdxCriteria() = default;
  TdxCriteria(const TdxCriteria&) = delete;
  TdxCriteria& operator=(const TdxCriteria&) = delete;

  TdxCriteriaItemList& Root() { return FRoot; }
  const TdxCriteriaItemList& Root() const { return FRoot; }
  // The members of the root.
  int Count() const { return FRoot.Count(); }

  // Frees every member; the root's Not and Or flags become False.
  void Clear();
  TdxCriteriaItemList* AddGroup(TdxCriteriaItemList* Parent, bool IsOr);
  TdxCriteriaItem* AddCondition(TdxCriteriaItemList* Parent, const String& Name, int OperatorKind,
                                const String& DisplayValue, const Variant& Value);
  // The first condition, depth first from the root, whose Name is Name (case-sensitive).
  TdxCriteriaItem* FindByName(const String& Name) const;
  // Frees every condition of that name. A group other than the root left empty goes too; one
  // left with a single member hands it to its own parent (the group's NOT folded into it).
  void RemoveByName(const String& Name);

  // The user's text (ForDisplay: display names and values) or the filter expression a data set
  // reads (expression names, texts and dates quoted with their quotes doubled, numbers with a
  // "." separator); empty for empty criteria.
  String GetFilterText(bool ForDisplay) const;
  // Whether the record of Context passes; every member is evaluated, without a short cut.
  bool Evaluate(TObject* Context) const;

  // The binary form stored layouts keep (dxCriteriaStream.cpp): reading replaces the members
  // (the root's flags are not stored) and then calls Changed; a damaged stream raises EReadError
  // and leaves the criteria empty.
  void ReadFromStream(TStream& Stream);
  void WriteToStream(TStream& Stream) const;

  // The condition a descendant keeps (one that knows its column).
  virtual std::unique_ptr<TdxCriteriaItem> CreateItem() const { return std::make_unique<TdxCriteriaItem>(); }
  // Brings a record's value and a filter value to the form they are compared in.
  virtual void PrepareValue(Variant& Value) const { (void)Value; }
  // The tree changed as a whole (read from a stream).
  virtual void Changed() {}

 private:
  String GroupText(const TdxCriteriaItemList& Group, bool ForDisplay) const;
  String ConditionText(const TdxCriteriaItem& Item, bool ForDisplay) const;
  bool EvaluateGroup(const TdxCriteriaItemList& Group, TObject* Context) const;
  bool EvaluateCondition(const TdxCriteriaItem& Item, TObject* Context) const;
  void TidyGroup(TdxCriteriaItemList* Group);

  TdxCriteriaItemList FRoot;
};
