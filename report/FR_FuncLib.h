// Libraries of report functions: the base class of a library, the registry that offers calls to
// the registered libraries in registration order (the standard library first), and the catalogue
// that describes functions to the user.
#pragma once

#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

#include "rtl/StringList.h"
#include "rtl/Variant.h"

class TfrFunctionLibrary : public TObject {
 public:
  // Looks Name up in List; when it is there, calls DoFunction with its index and answers true,
  // else answers false and leaves Value alone. P1 to P3 are the argument texts.
  virtual bool OnFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Value);
  virtual void DoFunction(int FNo, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Value) = 0;
  // The names of the functions offered; a function's number is its index.
  const TStringList& List() const { return FList; }

 protected:
  TStringList FList;
};

struct TfrFunctionDescription {
  TfrFunctionLibrary* Library;
  String FunctionName;
  String Category;
  String Description;
};

// The described functions, each name once.
class TfrInstalledFunctions {
 public:
  // Enters the description unless its category is empty or the name is described already.
  void Add(TfrFunctionLibrary* Library, const String& FunctionName, const String& Category, const String& Description);
  void RemoveLibrary(const TfrFunctionLibrary* Library);
  int Count() const { return int(FItems.size()); }
  const TfrFunctionDescription& Items(int Index) const { return FItems.at(size_t(Index)); }

 private:
  std::vector<TfrFunctionDescription> FItems;
};

TfrInstalledFunctions& frInstalledFunctions();
void AddFunctionDescription(TfrFunctionLibrary* Library, const String& FunctionName, const String& Category,
                            const String& Description);

constexpr int frMaxFunctionLibraries = 32;

// Registers a library class: unless one of that class is registered, makes one and appends it.
// A 33rd library raises EInvalidOperation.
void RegisterFunctionLibrary(std::type_index LibraryClass, const std::function<std::unique_ptr<TfrFunctionLibrary>()>& Create);
// Removes the library of that class with its descriptions and frees it.
void UnregisterFunctionLibrary(std::type_index LibraryClass);
template <class T>
void RegisterFunctionLibrary() {
  RegisterFunctionLibrary(typeid(T), [] { return std::make_unique<T>(); });
}
template <class T>
void UnregisterFunctionLibrary() {
  UnregisterFunctionLibrary(typeid(T));
}

int frFunctionLibraryCount();
TfrFunctionLibrary* frFunctionLibrary(int Index);
// Offers the call to every registered library in registration order until one performs it.
bool frCallLibraryFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Value);
