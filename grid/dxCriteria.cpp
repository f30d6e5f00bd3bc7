// The criteria tree: its operators, building and tidying it, its two texts and the evaluation of
// a record.
#include "grid/dxCriteria.h"

#include <array>

#include "rtl/Convert.h"
#include "rtl/Exceptions.h"
#include "rtl/Text.h"

// --- operators --------------------------------------------------------------------------------------

bool TdxNullOperator::Compare(const Variant& RecordValue, const Variant&) const {
  return RecordValue.IsNull() || (VarIsStr(RecordValue) && RecordValue.StringValue().empty());
}

bool TdxCompareOperator::Compare(const Variant& RecordValue, const Variant& FilterValue) const {
  try {
    return Holds(VarCompareValue(RecordValue, FilterValue));
  } catch (const EVariantError&) {
    return false;
  }
}

const TdxAbstractOperator& dxOperator(int Kind) {
  static const TdxNullOperator isNull;
  static const TdxEqualOperator equal;
  static const TdxGreaterOperator greater;
  static const TdxLessOperator less;
  static const TdxGreaterEqualOperator greaterEqual;
  static const TdxLessEqualOperator lessEqual;
  static const std::array<const TdxAbstractOperator*, OperatorKindCount> operators{
      &isNull, &equal, &greater, &less, &greaterEqual, &lessEqual};
  if (Kind < 0 || Kind >= OperatorKindCount) throw EListError("Operator kind out of range (" + IntToStr(Kind) + ")");
  return *operators[size_t(Kind)];
}

// --- groups -------------------------------------------------------------------------------------------

int TdxCriteriaItemList::IndexOf(const TdxCustomCriteriaItem* Item) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == Item) return int(i);
  return -1;
}

TdxCustomCriteriaItem* TdxCriteriaItemList::Add(std::unique_ptr<TdxCustomCriteriaItem> Item) {
  Item->FParent = this;
  FItems.push_back(std::move(Item));
  return FItems.back().get();
}

std::unique_ptr<TdxCustomCriteriaItem> TdxCriteriaItemList::Extract(TdxCustomCriteriaItem* Item) {
  const int index = IndexOf(Item);
  if (index < 0) return nullptr;
  std::unique_ptr<TdxCustomCriteriaItem> taken = std::move(FItems[size_t(index)]);
  FItems.erase(FItems.begin() + index);
  taken->FParent = nullptr;
  return taken;
}

// --- building and tidying -------------------------------------------------------------------------------

TdxCriteria::TdxCriteria() : FRoot(this) {}

void TdxCriteria::Clear() {
  FRoot.Clear();
  FRoot.Not = false;
  FRoot.IsOr = false;
}

TdxCriteriaItemList* TdxCriteria::AddGroup(TdxCriteriaItemList* Parent, bool IsOr) {
  auto group = std::make_unique<TdxCriteriaItemList>();
  group->IsOr = IsOr;
  return static_cast<TdxCriteriaItemList*>((Parent ? Parent : &FRoot)->Add(std::move(group)));
}

TdxCriteriaItem* TdxCriteria::AddCondition(TdxCriteriaItemList* Parent, const String& Name, int OperatorKind,
                                           const String& DisplayValue, const Variant& Value) {
  std::unique_ptr<TdxCriteriaItem> item = CreateItem();
  item->Name = Name;
  item->OperatorKind = uint8_t(OperatorKind);
  item->DisplayValue = DisplayValue;
  item->Value = Value;
  return static_cast<TdxCriteriaItem*>((Parent ? Parent : &FRoot)->Add(std::move(item)));
}

namespace {

TdxCriteriaItem* FindIn(const TdxCriteriaItemList& Group, const String& Name) {
  for (int i = 0; i < Group.Count(); ++i) {
    TdxCustomCriteriaItem* item = Group.Items(i);
    if (item->IsList()) {
      if (TdxCriteriaItem* found = FindIn(*static_cast<TdxCriteriaItemList*>(item), Name)) return found;
    } else if (static_cast<TdxCriteriaItem*>(item)->Name == Name) {
      return static_cast<TdxCriteriaItem*>(item);
    }
  }
  return nullptr;
}

}  // namespace

TdxCriteriaItem* TdxCriteria::FindByName(const String& Name) const { return FindIn(FRoot, Name); }

void TdxCriteria::RemoveByName(const String& Name) {
  while (TdxCriteriaItem* item = FindByName(Name)) {
    TdxCriteriaItemList* group = item->Parent();
    group->Delete(item);
    TidyGroup(group);
  }
}

// A group below the root that is left empty is freed; one left with one member hands it up. The
// group's NOT goes with the member, so that NOT (A AND B) without B is NOT A.
void TdxCriteria::TidyGroup(TdxCriteriaItemList* Group) {
  TdxCriteriaItemList* parent = Group->Parent();
  if (!parent || Group->Count() > 1) return;
  if (Group->Count() == 1) {
    std::unique_ptr<TdxCustomCriteriaItem> member = Group->Extract(Group->Items(0));
    member->Not = member->Not != Group->Not;
    parent->Add(std::move(member));
  }
  parent->Delete(Group);
}

// --- texts --------------------------------------------------------------------------------------------

String TdxCriteria::GetFilterText(bool ForDisplay) const { return GroupText(FRoot, ForDisplay); }

String TdxCriteria::GroupText(const TdxCriteriaItemList& Group, bool ForDisplay) const {
  String text;
  for (int i = 0; i < Group.Count(); ++i) {
    const TdxCustomCriteriaItem* item = Group.Items(i);
    if (item->IsList())
      text += "(" + GroupText(*static_cast<const TdxCriteriaItemList*>(item), ForDisplay) + ")";
    else
      text += "(" + ConditionText(*static_cast<const TdxCriteriaItem*>(item), ForDisplay) + ")";
    if (i < Group.Count() - 1) text += Group.IsOr ? " OR " : " AND ";
  }
  return Group.Not ? "NOT (" + text + ")" : text;
}

namespace {

// A value as a data set's filter expression reads it back: texts and dates quoted with their
// quotes doubled, numbers with "." whatever the locale.
String ExpressionValueText(const Variant& Value) {
  static const TFormatSettings invariant;
  if (VarIsStr(Value) || Value.VarType() == varDate) return QuotedStr(VarToStr(Value));
  if (VarIsNumeric(Value) && Value.VarType() != varBoolean) return VarToStr(Value, invariant);
  return VarToStr(Value);
}

}  // namespace

String TdxCriteria::ConditionText(const TdxCriteriaItem& Item, bool ForDisplay) const {
  String part = (ForDisplay ? Item.GetDisplayName() : Item.GetExpressionName()) + " " +
                dxOperator(Item.OperatorKind).GetText();
  if (Item.OperatorKind != okIsNull) part += " " + (ForDisplay ? Item.DisplayValue : ExpressionValueText(Item.Value));
  return Item.Not ? "NOT (" + part + ")" : part;
}

// --- evaluation -------------------------------------------------------------------------------------------

bool TdxCriteria::Evaluate(TObject* Context) const { return EvaluateGroup(FRoot, Context); }

bool TdxCriteria::EvaluateGroup(const TdxCriteriaItemList& Group, TObject* Context) const {
  bool result = true;
  for (int i = 0; i < Group.Count(); ++i) {
    const TdxCustomCriteriaItem* item = Group.Items(i);
    const bool value = item->IsList() ? EvaluateGroup(*static_cast<const TdxCriteriaItemList*>(item), Context)
                                      : EvaluateCondition(*static_cast<const TdxCriteriaItem*>(item), Context);
    if (i == 0)
      result = value;
    else
      result = Group.IsOr ? (result || value) : (result && value);
  }
  return Group.Not ? !result : result;
}

bool TdxCriteria::EvaluateCondition(const TdxCriteriaItem& Item, TObject* Context) const {
  Variant recordValue = Item.GetRecordValue(Context);
  Variant filterValue = Item.Value;
  PrepareValue(recordValue);
  PrepareValue(filterValue);
  const bool passes = dxOperator(Item.OperatorKind).Compare(recordValue, filterValue);
  return Item.Not ? !passes : passes;
}
