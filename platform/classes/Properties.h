// Published properties: each class registers, once, its properties (kind, getter, setter,
// default, stored-when rule), its events and, for form classes, the handlers that layouts bind
// events to. Registrations inherit: a class sees its ancestors' properties before its own.
//
//   RegisterClass<TPanelLike, TComponent>("TPanelLike", [](TClassBuilder<TPanelLike>& c) {
//     c.Property("Width", &TPanelLike::Width, &TPanelLike::SetWidth);          // always stored
//     c.Property("Caption", &TPanelLike::FCaption, &TPanelLike::SetCaption);   // stored when not empty
//     c.Property("Align", &TPanelLike::FAlign, &TPanelLike::SetAlign, AlignNames).Default(alNone);
//     c.SetProperty("Anchors", &TPanelLike::FAnchors, &TPanelLike::FAnchors, AnchorNames).Default(3);
//     c.Property("Font", &TPanelLike::Font).Stored(&TPanelLike::IsFontStored);  // nested object
//     c.Event("OnClick", &TPanelLike::OnClick);
//   });
//
// A class whose registration needs its private members declares
// `static void Publish(TClassBuilder<T>& c);` and is registered without a definer.
#pragma once

#include <any>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <typeindex>

#include "classes/Collection.h"
#include "classes/Component.h"
#include "classes/LayoutValue.h"
#include "rtl/StringList.h"

QUORIN_EXCEPTION(EClassNotFound, Exception);
// A property that does not exist or a value it cannot take.
QUORIN_EXCEPTION(EPropertyError, Exception);

enum class TPropKind { Integer, Float, String, Boolean, Enumeration, Set, Component, StringList, Collection, Object, Event };

// Names of an enumeration's values, in the order of the values (value i is named Names[i]);
// a set property uses them for its bits (bit i set means the element Names[i] is present).
using TEnumNames = std::span<const char* const>;

// Identifiers that an integer property may be stored as (colour names such as clBtnFace, cursor
// names such as crHandPoint); values without an identifier are stored as numbers.
struct TIdentMapEntry {
  int Value;
  const char* Name;
};
using TIdentMap = std::span<const TIdentMapEntry>;
// Looks the identifier up regardless of case; answers false when the map has none.
bool IdentToInt(const String& Ident, int& Value, TIdentMap Map);
bool IntToIdent(int Value, String& Ident, TIdentMap Map);

// A handler of a form class that layouts bind events to by name.
struct TMethodInfo {
  String Name;
  std::type_index Signature;
  // The handler bound to an instance of the class, as a std::function of Signature in a std::any.
  std::function<std::any(TPersistent& Target)> Bind;
};

// The event value a bound handler leaves: it remembers its name so that the writer can store it.
template <class Sig>
struct TBoundMethod;
template <class R, class... A>
struct TBoundMethod<R(A...)> {
  String Name;
  std::function<R(A...)> Call;
  R operator()(A... args) const { return Call(std::forward<A>(args)...); }
};

// What a value names outside its object: components by name and handlers by method name.
class TNameResolver {
 public:
  virtual ~TNameResolver() = default;
  virtual TComponent* FindComponent(const String& Name) const = 0;
  virtual const TMethodInfo& FindMethod(const String& Name) const = 0;
  virtual TPersistent& MethodTarget() const = 0;
};

class TPropInfo {
 public:
  TPropInfo(String Name, TPropKind Kind) : FName(std::move(Name)), FKind(Kind) {}
  virtual ~TPropInfo() = default;
  const String& Name() const { return FName; }
  TPropKind Kind() const { return FKind; }

  // The value as a layout writes it; for Object, Collection and StringList see GetObject.
  virtual TLayoutValue GetValue(TPersistent& Obj) const;
  virtual void SetValue(TPersistent& Obj, const TLayoutValue& Value, const TNameResolver& Names) const;
  // True when a layout stores the property: its stored-when rule holds and its value is not the default.
  virtual bool IsStored(TPersistent& Obj) const = 0;
  // The sub-object of an Object, Collection or StringList property.
  virtual TPersistent* GetObject(TPersistent& Obj) const;

 protected:
  [[noreturn]] void NotSupported() const;

 private:
  String FName;
  TPropKind FKind;
};

class TClassInfo {
 public:
  using TCreate = std::function<TComponent*(TComponent* Owner)>;
  TClassInfo(String Name, std::type_index Type, const TClassInfo* Parent, TCreate Create);

  const String& Name() const { return FName; }
  std::type_index Type() const { return FType; }
  const TClassInfo* Parent() const { return FParent; }
  bool InheritsFrom(const TClassInfo& Other) const;
  bool IsComponentClass() const { return static_cast<bool>(FCreate); }
  // A new component of this class owned by Owner; EClassNotFound for a class that is no component.
  TComponent* CreateComponent(TComponent* Owner) const;

  // Searches this class, then its ancestors, regardless of case.
  const TPropInfo* FindProperty(const String& Name) const;
  const TMethodInfo* FindMethod(const String& Name) const;
  // Ancestors' properties first, each class's in registration order; a property a class registers
  // again under an ancestor's name replaces the ancestor's in its place.
  std::vector<const TPropInfo*> Properties() const;

  void AddProperty(std::unique_ptr<TPropInfo> Prop);
  void AddMethod(TMethodInfo Method);

 private:
  String FName;
  std::type_index FType;
  const TClassInfo* FParent;
  TCreate FCreate;
  std::vector<std::unique_ptr<TPropInfo>> FProperties;
  std::vector<TMethodInfo> FMethods;
};

// Registry. TPersistent, TComponent (with Tag), TCollectionItem and TCollection are registered
// from the start. The parent class must be registered before its descendants.
const TClassInfo* GetClass(const String& Name);
// Every registered class, in the order of registration.
std::vector<const TClassInfo*> RegisteredClasses();
const TClassInfo& FindClass(const String& Name);  // EClassNotFound "Class X not found"
// The registration of Obj's own class (its dynamic type), nullptr when it has none.
const TClassInfo* GetClassInfo(const TPersistent& Obj);
TComponent* CreateComponent(const String& ClassName, TComponent* Owner);
// Registers a class; the first registration of a type wins and later ones answer it unchanged
// with IsNew false, so that a definer runs once. A name taken by another type is an error.
TClassInfo* RegisterClassInfo(const String& Name, std::type_index Type, std::type_index Parent,
                              TClassInfo::TCreate Create, bool& IsNew);

// Reading and setting published properties by name; Path may lead through nested objects
// ("Font.Name"). Component references and handlers are found from the root of Obj's owners.
TLayoutValue GetPropValue(TPersistent& Obj, const String& Path);
void SetPropValue(TPersistent& Obj, const String& Path, const TLayoutValue& Value);

// The end of a property path: the object that holds the last name, and its published property
// (nullptr when the last name is not published, e.g. a defined property).
struct TPropTarget {
  TPersistent* Object = nullptr;
  const TPropInfo* Prop = nullptr;
  String Name;
};
TPropTarget ResolvePropPath(TPersistent& Obj, const String& Path);
// Finds components and handlers relative to Root (Root itself answers to its own name).
class TRootResolver : public TNameResolver {
 public:
  explicit TRootResolver(TComponent* Root) : FRoot(Root) {}
  TComponent* FindComponent(const String& Name) const override;
  const TMethodInfo& FindMethod(const String& Name) const override;
  TPersistent& MethodTarget() const override;

 private:
  TComponent* FRoot;
};
TComponent* RootOf(TPersistent& Obj);

namespace layout_detail {

// Conversions between layout values and C++ values; each raises EPropertyError for a value of
// the wrong kind or out of range.
int64_t DecodeInteger(const TLayoutValue& v, int64_t min, uint64_t max);
double DecodeFloat(const TLayoutValue& v);
String DecodeString(const TLayoutValue& v);
bool DecodeBoolean(const TLayoutValue& v);
int DecodeEnum(const TLayoutValue& v, TEnumNames names);
uint64_t DecodeSet(const TLayoutValue& v, TEnumNames names);
TLayoutValue EncodeEnum(int value, TEnumNames names);
TLayoutValue EncodeSet(uint64_t mask, TEnumNames names);
String DecodeReferenceName(const TLayoutValue& v);  // empty for nil
[[noreturn]] void InvalidValue();
[[noreturn]] void InvalidValue(const TLayoutValue& v);  // names the value
void CheckSignature(const TMethodInfo& method, std::type_index wanted);

template <class T, class G>
decltype(auto) CallGet(T& obj, G g) {
  if constexpr (std::is_member_function_pointer_v<G>) {
    return (obj.*g)();
  } else {
    return (obj.*g);
  }
}

template <class T, class S, class V>
void CallSet(T& obj, S s, V&& value) {
  if constexpr (std::is_member_function_pointer_v<S>) {
    (obj.*s)(std::forward<V>(value));
  } else {
    obj.*s = std::forward<V>(value);
  }
}

template <class T, class G, class Obj = const T&>
using TGetResult = std::remove_cvref_t<decltype(CallGet(std::declval<Obj>(), std::declval<G>()))>;

template <class P>
struct TPointee {
  using type = P;
};
template <class X>
struct TPointee<X*> {
  using type = X;
};
template <class X, class D>
struct TPointee<std::unique_ptr<X, D>> {
  using type = X;
};

template <class P>
TPersistent* AsPersistent(P&& p) {
  using V = std::remove_cvref_t<P>;
  if constexpr (std::is_pointer_v<V>) {
    return p;
  } else if constexpr (requires { p.get(); }) {
    return p.get();
  } else {
    return &p;
  }
}

template <class V>
constexpr TPropKind KindOfValue() {
  if constexpr (std::is_same_v<V, bool>) {
    return TPropKind::Boolean;
  } else if constexpr (std::is_enum_v<V>) {
    return TPropKind::Enumeration;
  } else if constexpr (std::is_integral_v<V>) {
    return TPropKind::Integer;
  } else if constexpr (std::is_floating_point_v<V>) {
    return TPropKind::Float;
  } else if constexpr (std::is_same_v<V, String>) {
    return TPropKind::String;
  } else {
    static_assert(std::is_pointer_v<V> && std::is_base_of_v<TComponent, std::remove_pointer_t<V>>,
                  "a value property is a number, Boolean, enumeration, String or component pointer");
    return TPropKind::Component;
  }
}

template <class T>
T& Cast(TPersistent& obj) {
  return static_cast<T&>(obj);
}

}  // namespace layout_detail

// A property whose value is a number, Boolean, enumeration, set, String or component reference.
template <class T, class V>
class TValueProp : public TPropInfo {
 public:
  using TGet = std::function<V(const T&)>;
  using TSet = std::function<void(T&, const V&)>;
  TValueProp(String Name, TPropKind Kind, TGet Get, TSet Set, TEnumNames Names)
      : TPropInfo(std::move(Name), Kind), FGet(std::move(Get)), FSet(std::move(Set)), FNames(Names) {
    // Text and references are stored when not empty; the other kinds always, unless a default is given.
    if constexpr (std::is_same_v<V, String> || std::is_pointer_v<V>) FDefault = V{};
  }
  TValueProp& Default(V Value) {
    FDefault = std::move(Value);
    return *this;
  }
  TValueProp& NoDefault() {
    FDefault.reset();
    return *this;
  }
  template <class C>
  TValueProp& Stored(bool (C::*When)() const) {
    FStoredWhen = [When](const T& obj) { return (obj.*When)(); };
    return *this;
  }
  // Integer properties: read and write the map's identifiers in place of their numbers.
  TValueProp& Idents(TIdentMap Map) {
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "identifiers stand for integer values");
    FIdents = Map;
    return *this;
  }

  TLayoutValue GetValue(TPersistent& Obj) const override { return Encode(FGet(layout_detail::Cast<T>(Obj))); }
  void SetValue(TPersistent& Obj, const TLayoutValue& Value, const TNameResolver& Names) const override {
    FSet(layout_detail::Cast<T>(Obj), Decode(Value, Names));
  }
  bool IsStored(TPersistent& Obj) const override {
    const T& obj = layout_detail::Cast<T>(Obj);
    if (FStoredWhen && !FStoredWhen(obj)) return false;
    if constexpr (std::is_pointer_v<V>) {
      const V value = FGet(obj);
      if (value && value->Name().empty()) return false;  // an unnamed component cannot be named in text
    }
    return !FDefault || !(FGet(obj) == *FDefault);
  }

 private:
  TLayoutValue Encode(const V& value) const {
    using namespace layout_detail;
    if constexpr (std::is_same_v<V, bool>) {
      return TLayoutValue::OfIdent(value ? "True" : "False");
    } else if constexpr (std::is_enum_v<V>) {
      return EncodeEnum(static_cast<int>(value), FNames);
    } else if constexpr (std::is_integral_v<V>) {
      if (Kind() == TPropKind::Set) return EncodeSet(static_cast<uint64_t>(value), FNames);
      if (String ident; IntToIdent(static_cast<int>(value), ident, FIdents)) return TLayoutValue::OfIdent(ident);
      return TLayoutValue::OfInteger(static_cast<int64_t>(value));
    } else if constexpr (std::is_floating_point_v<V>) {
      return TLayoutValue::OfFloat(value);
    } else if constexpr (std::is_same_v<V, String>) {
      return TLayoutValue::OfString(value);
    } else {
      return TLayoutValue::OfIdent(value ? value->Name() : String());
    }
  }

  V Decode(const TLayoutValue& v, const TNameResolver& names) const {
    using namespace layout_detail;
    if constexpr (std::is_same_v<V, bool>) {
      return DecodeBoolean(v);
    } else if constexpr (std::is_enum_v<V>) {
      return static_cast<V>(DecodeEnum(v, FNames));
    } else if constexpr (std::is_integral_v<V>) {
      if (Kind() == TPropKind::Set) {
        const uint64_t mask = DecodeSet(v, FNames);
        if (mask > static_cast<uint64_t>(std::numeric_limits<V>::max())) InvalidValue(v);
        return static_cast<V>(mask);
      }
      if (v.Kind == TValueKind::Ident) {
        int value = 0;
        if (!IdentToInt(v.Text, value, FIdents)) InvalidValue(v);
        return static_cast<V>(value);
      }
      return static_cast<V>(DecodeInteger(v, static_cast<int64_t>(std::numeric_limits<V>::min()),
                                          static_cast<uint64_t>(std::numeric_limits<V>::max())));
    } else if constexpr (std::is_floating_point_v<V>) {
      return static_cast<V>(DecodeFloat(v));
    } else if constexpr (std::is_same_v<V, String>) {
      return DecodeString(v);
    } else {
      const String name = DecodeReferenceName(v);
      if (name.empty()) return nullptr;
      auto* found = dynamic_cast<V>(names.FindComponent(name));
      if (!found) InvalidValue(v);
      return found;
    }
  }

  TGet FGet;
  TSet FSet;
  TEnumNames FNames;
  TIdentMap FIdents;
  std::optional<V> FDefault;
  std::function<bool(const T&)> FStoredWhen;
};

// A property that holds an object of its own: a nested persistent ("Font.Name = ..."), a
// collection or a string list. Reading and writing go into that object.
template <class T>
class TObjectProp : public TPropInfo {
 public:
  using TGet = std::function<TPersistent*(T&)>;
  TObjectProp(String Name, TPropKind Kind, TGet Get) : TPropInfo(std::move(Name), Kind), FGet(std::move(Get)) {}
  template <class C>
  TObjectProp& Stored(bool (C::*When)() const) {
    FStoredWhen = [When](const T& obj) { return (obj.*When)(); };
    return *this;
  }
  TPersistent* GetObject(TPersistent& Obj) const override { return FGet(layout_detail::Cast<T>(Obj)); }
  // Collections and string lists are stored when not empty; nested objects when any of their
  // own properties is.
  bool IsStored(TPersistent& Obj) const override {
    if (FStoredWhen && !FStoredWhen(layout_detail::Cast<T>(Obj))) return false;
    TPersistent* object = GetObject(Obj);
    if (auto* collection = dynamic_cast<TCollection*>(object)) return collection->Count() > 0;
    if (auto* strings = dynamic_cast<TStrings*>(object)) return strings->Count() > 0;
    return object != nullptr;
  }

 private:
  TGet FGet;
  std::function<bool(const T&)> FStoredWhen;
};

// An event: a std::function member that layouts bind, by name, to a handler of the form class.
template <class T, class Sig>
class TEventProp : public TPropInfo {
 public:
  using TMember = std::function<Sig> T::*;
  TEventProp(String Name, TMember Member) : TPropInfo(std::move(Name), TPropKind::Event), FMember(Member) {}

  TLayoutValue GetValue(TPersistent& Obj) const override {
    const auto* bound = Bound(Obj);
    return TLayoutValue::OfIdent(bound ? bound->Name : String());
  }
  void SetValue(TPersistent& Obj, const TLayoutValue& Value, const TNameResolver& Names) const override {
    auto& event = layout_detail::Cast<T>(Obj).*FMember;
    const String name = layout_detail::DecodeReferenceName(Value);
    if (name.empty()) {
      event = nullptr;
      return;
    }
    const TMethodInfo& method = Names.FindMethod(name);
    layout_detail::CheckSignature(method, typeid(Sig));
    event = std::any_cast<std::function<Sig>>(method.Bind(Names.MethodTarget()));
  }
  // Only a handler bound by name can be stored; a handler set in code has no name.
  bool IsStored(TPersistent& Obj) const override { return Bound(Obj) != nullptr; }

 private:
  const TBoundMethod<Sig>* Bound(TPersistent& Obj) const {
    return (layout_detail::Cast<T>(Obj).*FMember).template target<TBoundMethod<Sig>>();
  }
  TMember FMember;
};

template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(TClassInfo& Info) : FInfo(Info) {}

  // Numbers, Booleans, Strings and component references; getters and setters are member
  // functions or fields (of T or of an ancestor).
  template <class G, class S>
  auto& Property(const char* Name, G Getter, S Setter) {
    using V = layout_detail::TGetResult<T, G>;
    static_assert(!std::is_enum_v<V>, "an enumeration property is given the names of its values");
    return Add<V>(Name, layout_detail::KindOfValue<V>(), Getter, Setter, {});
  }
  // Enumerations, with the names of their values.
  template <class G, class S>
  auto& Property(const char* Name, G Getter, S Setter, TEnumNames Names) {
    using V = layout_detail::TGetResult<T, G>;
    static_assert(std::is_enum_v<V>, "names are given for enumeration properties");
    return Add<V>(Name, TPropKind::Enumeration, Getter, Setter, Names);
  }
  // Sets held as bit masks: bit i stands for the element Names[i].
  template <class G, class S>
  auto& SetProperty(const char* Name, G Getter, S Setter, TEnumNames Names) {
    using V = layout_detail::TGetResult<T, G>;
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "a set property is an integer bit mask");
    return Add<V>(Name, TPropKind::Set, Getter, Setter, Names);
  }
  // Nested objects, collections and string lists, reached through a getter that answers a
  // pointer, a std::unique_ptr or the object itself.
  template <class G>
  auto& Property(const char* Name, G Getter) {
    using O = typename layout_detail::TPointee<layout_detail::TGetResult<T, G, T&>>::type;
    static_assert(std::is_base_of_v<TPersistent, O>, "an object property answers a persistent object");
    constexpr TPropKind kind = std::is_base_of_v<TCollection, O> ? TPropKind::Collection
                               : std::is_base_of_v<TStrings, O> ? TPropKind::StringList
                                                                : TPropKind::Object;
    auto get = [Getter](T& obj) -> TPersistent* {
      return layout_detail::AsPersistent(layout_detail::CallGet(obj, Getter));
    };
    auto prop = std::make_unique<TObjectProp<T>>(Name, kind, get);
    auto& ref = *prop;
    FInfo.AddProperty(std::move(prop));
    return ref;
  }
  template <class C, class Sig>
  void Event(const char* Name, std::function<Sig> C::*Member) {
    static_assert(std::is_base_of_v<C, T>);
    FInfo.AddProperty(std::make_unique<TEventProp<T, Sig>>(Name, static_cast<std::function<Sig> T::*>(Member)));
  }
  // A handler that layouts of this class (a form) bind events to by Name.
  template <class C, class R, class... A>
  void Method(const char* Name, R (C::*Handler)(A...)) {
    static_assert(std::is_base_of_v<C, T>);
    String name = Name;
    auto bind = [name, Handler](TPersistent& target) -> std::any {
      T* self = &dynamic_cast<T&>(target);
      auto call = [self, Handler](A... args) -> R { return (self->*Handler)(std::forward<A>(args)...); };
      return std::function<R(A...)>(TBoundMethod<R(A...)>{name, call});
    };
    FInfo.AddMethod(TMethodInfo{name, typeid(R(A...)), bind});
  }

 private:
  template <class V, class G, class S>
  TValueProp<T, V>& Add(const char* Name, TPropKind Kind, G Getter, S Setter, TEnumNames Names) {
    auto get = [Getter](const T& obj) -> V { return layout_detail::CallGet(obj, Getter); };
    auto set = [Setter](T& obj, const V& value) { layout_detail::CallSet(obj, Setter, value); };
    auto prop = std::make_unique<TValueProp<T, V>>(Name, Kind, get, set, Names);
    auto& ref = *prop;
    FInfo.AddProperty(std::move(prop));
    return ref;
  }
  TClassInfo& FInfo;
};

template <class T, class Parent>
const TClassInfo& RegisterClass(const String& Name, std::function<void(TClassBuilder<T>&)> Define = {}) {
  static_assert(std::is_base_of_v<TPersistent, T> && std::is_base_of_v<Parent, T>);
  TClassInfo::TCreate create;
  if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*>) {
    create = [](TComponent* owner) -> TComponent* { return new T(owner); };
  }
  bool isNew = false;
  TClassInfo* info = RegisterClassInfo(Name, typeid(T), typeid(Parent), create, isNew);
  if (isNew) {
    TClassBuilder<T> builder(*info);
    if (Define) {
      Define(builder);
    } else if constexpr (requires { T::Publish(builder); }) {
      T::Publish(builder);
    }
  }
  return *info;
}
