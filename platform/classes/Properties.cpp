// The class registry, property lookup by name and path, and the value conversions shared by
// every property kind.
#include "classes/Properties.h"

#include <algorithm>
#include <map>

#include "classes/LayoutText.h"
#include "rtl/Text.h"

namespace {

struct TRegistry {
  std::vector<std::unique_ptr<TClassInfo>> Classes;
  std::map<std::type_index, TClassInfo*> ByType;
  std::map<String, TClassInfo*> ByName;  // upper-case names

  TClassInfo* Add(const String& name, std::type_index type, const TClassInfo* parent, TClassInfo::TCreate create) {
    Classes.push_back(std::make_unique<TClassInfo>(name, type, parent, std::move(create)));
    TClassInfo* info = Classes.back().get();
    ByType.emplace(type, info);
    ByName.emplace(UpperCase(name), info);
    return info;
  }
};

TRegistry& MakeRegistry() {
  static TRegistry registry;
  TClassInfo* persistent = registry.Add("TPersistent", typeid(TPersistent), nullptr, {});
  TClassInfo* component = registry.Add("TComponent", typeid(TComponent), persistent,
                                       [](TComponent* owner) { return new TComponent(owner); });
  TClassBuilder<TComponent>(*component).Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
  registry.Add("TCollectionItem", typeid(TCollectionItem), persistent, {});
  registry.Add("TCollection", typeid(TCollection), persistent, {});
  return registry;
}

TRegistry& Registry() {
  static TRegistry& registry = MakeRegistry();
  return registry;
}

}  // namespace

TLayoutValue TPropInfo::GetValue(TPersistent&) const { NotSupported(); }

void TPropInfo::SetValue(TPersistent&, const TLayoutValue&, const TNameResolver&) const { NotSupported(); }

TPersistent* TPropInfo::GetObject(TPersistent&) const { return nullptr; }

void TPropInfo::NotSupported() const { throw EPropertyError("Property " + FName + " has no value of its own"); }

TClassInfo::TClassInfo(String Name, std::type_index Type, const TClassInfo* Parent, TCreate Create)
    : FName(std::move(Name)), FType(Type), FParent(Parent), FCreate(std::move(Create)) {}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  for (const TClassInfo* c = this; c; c = c->FParent) {
    if (c == &Other) return true;
  }
  return false;
}

TComponent* TClassInfo::CreateComponent(TComponent* Owner) const {
  if (!FCreate) throw EClassNotFound("Class " + FName + " is not a component class");
  return FCreate(Owner);
}

const TPropInfo* TClassInfo::FindProperty(const String& Name) const {
  for (const TClassInfo* c = this; c; c = c->FParent) {
    for (const auto& p : c->FProperties) {
      if (SameText(p->Name(), Name)) return p.get();
    }
  }
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const String& Name) const {
  for (const TClassInfo* c = this; c; c = c->FParent) {
    for (const auto& m : c->FMethods) {
      if (SameText(m.Name, Name)) return &m;
    }
  }
  return nullptr;
}

// A class that publishes an ancestor's property again (with a default of its own) puts it in the
// ancestor's place, so that a layout names each property once.
std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TPropInfo*> result = FParent ? FParent->Properties() : std::vector<const TPropInfo*>();
  for (const auto& p : FProperties) {
    const auto same = std::find_if(result.begin(), result.end(),
                                   [&p](const TPropInfo* q) { return SameText(q->Name(), p->Name()); });
    if (same != result.end()) {
      *same = p.get();
    } else {
      result.push_back(p.get());
    }
  }
  return result;
}

void TClassInfo::AddProperty(std::unique_ptr<TPropInfo> Prop) { FProperties.push_back(std::move(Prop)); }

void TClassInfo::AddMethod(TMethodInfo Method) { FMethods.push_back(std::move(Method)); }

const TClassInfo* GetClass(const String& Name) {
  auto& byName = Registry().ByName;
  auto it = byName.find(UpperCase(Name));
  return it == byName.end() ? nullptr : it->second;
}

std::vector<const TClassInfo*> RegisteredClasses() {
  std::vector<const TClassInfo*> classes;
  for (const auto& info : Registry().Classes) classes.push_back(info.get());
  return classes;
}

const TClassInfo& FindClass(const String& Name) {
  const TClassInfo* info = GetClass(Name);
  if (!info) throw EClassNotFound("Class " + Name + " not found");
  return *info;
}

const TClassInfo* GetClassInfo(const TPersistent& Obj) {
  auto& byType = Registry().ByType;
  auto it = byType.find(typeid(Obj));
  return it == byType.end() ? nullptr : it->second;
}

TComponent* CreateComponent(const String& ClassName, TComponent* Owner) {
  return FindClass(ClassName).CreateComponent(Owner);
}

TClassInfo* RegisterClassInfo(const String& Name, std::type_index Type, std::type_index Parent,
                              TClassInfo::TCreate Create, bool& IsNew) {
  TRegistry& registry = Registry();
  IsNew = false;
  if (auto it = registry.ByType.find(Type); it != registry.ByType.end()) return it->second;
  if (GetClass(Name)) throw EComponentError("Class " + Name + " is already registered");
  auto parent = registry.ByType.find(Parent);
  if (parent == registry.ByType.end()) throw EClassNotFound("Class " + Name + " needs its parent class registered first");
  IsNew = true;
  return registry.Add(Name, Type, parent->second, std::move(Create));
}

TComponent* RootOf(TPersistent& Obj) {
  TComponent* root = nullptr;
  for (TPersistent* p = &Obj; p; p = p->GetOwner()) {
    if (auto* c = dynamic_cast<TComponent*>(p)) root = c;
  }
  return root;
}

TComponent* TRootResolver::FindComponent(const String& Name) const {
  TComponent* found = nullptr;
  if (FRoot) found = SameText(FRoot->Name(), Name) ? FRoot : FRoot->FindComponent(Name);
  if (!found) throw EPropertyError("Component " + Name + " not found");
  return found;
}

const TMethodInfo& TRootResolver::FindMethod(const String& Name) const {
  const TClassInfo* info = FRoot ? GetClassInfo(*FRoot) : nullptr;
  const TMethodInfo* method = info ? info->FindMethod(Name) : nullptr;
  if (!method) {
    const String owner = info ? info->Name() : String("the layout's root");
    throw EPropertyError("Handler " + Name + " not found in " + owner);
  }
  return *method;
}

TPersistent& TRootResolver::MethodTarget() const { return *FRoot; }

namespace {

const TPropInfo& FindPublished(TPersistent& obj, const String& name) {
  const TClassInfo* info = GetClassInfo(obj);
  const TPropInfo* prop = info ? info->FindProperty(name) : nullptr;
  if (!prop) throw EPropertyError("Property " + name + " does not exist");
  return *prop;
}

}  // namespace

bool IdentToInt(const String& Ident, int& Value, TIdentMap Map) {
  for (const TIdentMapEntry& entry : Map)
    if (SameText(entry.Name, Ident)) {
      Value = entry.Value;
      return true;
    }
  return false;
}

bool IntToIdent(int Value, String& Ident, TIdentMap Map) {
  for (const TIdentMapEntry& entry : Map)
    if (entry.Value == Value) {
      Ident = entry.Name;
      return true;
    }
  return false;
}

TPropTarget ResolvePropPath(TPersistent& Obj, const String& Path) {
  TPropTarget target{&Obj, nullptr, Path};
  size_t dot;
  while ((dot = target.Name.find('.')) != String::npos) {
    const String head = target.Name.substr(0, dot);
    const TPropInfo& prop = FindPublished(*target.Object, head);
    TPersistent* inner = prop.GetObject(*target.Object);
    if (!inner) throw EPropertyError("Property " + head + " does not exist");
    target.Object = inner;
    target.Name = target.Name.substr(dot + 1);
  }
  const TClassInfo* info = GetClassInfo(*target.Object);
  target.Prop = info ? info->FindProperty(target.Name) : nullptr;
  return target;
}

TLayoutValue GetPropValue(TPersistent& Obj, const String& Path) {
  TPropTarget target = ResolvePropPath(Obj, Path);
  if (!target.Prop) throw EPropertyError("Property " + target.Name + " does not exist");
  return target.Prop->GetValue(*target.Object);
}

void SetPropValue(TPersistent& Obj, const String& Path, const TLayoutValue& Value) {
  TPropTarget target = ResolvePropPath(Obj, Path);
  if (!target.Prop) throw EPropertyError("Property " + target.Name + " does not exist");
  target.Prop->SetValue(*target.Object, Value, TRootResolver(RootOf(Obj)));
}

namespace layout_detail {

void InvalidValue() { throw EPropertyError("Invalid property value"); }

void InvalidValue(const TLayoutValue& v) { throw EPropertyError("Invalid property value: " + LayoutValueText(v)); }

int64_t DecodeInteger(const TLayoutValue& v, int64_t min, uint64_t max) {
  if (v.Kind != TValueKind::Integer || v.Integer < min) InvalidValue(v);
  if (v.Integer > 0 && static_cast<uint64_t>(v.Integer) > max) InvalidValue(v);
  return v.Integer;
}

double DecodeFloat(const TLayoutValue& v) {
  if (v.Kind == TValueKind::Float) return v.Float;
  if (v.Kind == TValueKind::Integer) return static_cast<double>(v.Integer);
  InvalidValue(v);
}

String DecodeString(const TLayoutValue& v) {
  if (v.Kind != TValueKind::String) InvalidValue(v);
  return v.Text;
}

bool DecodeBoolean(const TLayoutValue& v) {
  if (v.Kind == TValueKind::Ident && SameText(v.Text, "True")) return true;
  if (v.Kind == TValueKind::Ident && SameText(v.Text, "False")) return false;
  InvalidValue(v);
}

namespace {

int IndexOfName(const String& name, TEnumNames names) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (SameText(names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

int DecodeEnum(const TLayoutValue& v, TEnumNames names) {
  const int index = v.Kind == TValueKind::Ident ? IndexOfName(v.Text, names) : -1;
  if (index < 0) InvalidValue(v);
  return index;
}

uint64_t DecodeSet(const TLayoutValue& v, TEnumNames names) {
  if (v.Kind != TValueKind::Set) InvalidValue(v);
  uint64_t mask = 0;
  for (const String& name : v.Names) {
    const int index = IndexOfName(name, names);
    if (index < 0 || index >= 64) InvalidValue(v);
    mask |= uint64_t{1} << index;
  }
  return mask;
}

TLayoutValue EncodeEnum(int value, TEnumNames names) {
  if (value < 0 || static_cast<size_t>(value) >= names.size()) throw EPropertyError("Enumeration value out of range");
  return TLayoutValue::OfIdent(names[value]);
}

TLayoutValue EncodeSet(uint64_t mask, TEnumNames names) {
  std::vector<String> present;
  for (size_t i = 0; i < names.size() && i < 64; ++i) {
    if (mask & (uint64_t{1} << i)) present.push_back(names[i]);
  }
  return TLayoutValue::OfSet(std::move(present));
}

String DecodeReferenceName(const TLayoutValue& v) {
  if (v.Kind != TValueKind::Ident) InvalidValue(v);
  return SameText(v.Text, "nil") ? String() : v.Text;
}

void CheckSignature(const TMethodInfo& method, std::type_index wanted) {
  if (method.Signature != wanted) throw EPropertyError("Handler " + method.Name + " does not fit the event");
}

}  // namespace layout_detail
