// The registry of function libraries and the function catalogue. The registry is made on first
// use with the standard library as its first entry, so that every report finds the standard
// functions whatever registers first.
#include "report/FR_FuncLib.h"

#include <algorithm>

#include "report/FR_StdFuncs.h"
#include "rtl/Text.h"

namespace {

using TLibraries = std::vector<std::unique_ptr<TfrFunctionLibrary>>;

TLibraries& Libraries() {
  static TLibraries libraries = [] {
    TLibraries list;
    list.push_back(std::make_unique<TfrStdFunctionLibrary>());
    return list;
  }();
  return libraries;
}

TLibraries::iterator FindLibrary(std::type_index libraryClass) {
  TLibraries& libraries = Libraries();
  return std::find_if(libraries.begin(), libraries.end(),
                      [&](const auto& library) { return std::type_index(typeid(*library)) == libraryClass; });
}

}  // namespace

bool TfrFunctionLibrary::OnFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                                    Variant& Value) {
  const int index = FList.IndexOf(Name);
  if (index < 0) return false;
  DoFunction(index, P1, P2, P3, Value);
  return true;
}

void TfrInstalledFunctions::Add(TfrFunctionLibrary* Library, const String& FunctionName, const String& Category,
                                const String& Description) {
  if (Category.empty()) return;
  for (const TfrFunctionDescription& item : FItems)
    if (SameText(item.FunctionName, FunctionName)) return;
  FItems.push_back({Library, FunctionName, Category, Description});
}

void TfrInstalledFunctions::RemoveLibrary(const TfrFunctionLibrary* Library) {
  std::erase_if(FItems, [&](const TfrFunctionDescription& item) { return item.Library == Library; });
}

TfrInstalledFunctions& frInstalledFunctions() {
  static TfrInstalledFunctions functions;
  return functions;
}

void AddFunctionDescription(TfrFunctionLibrary* Library, const String& FunctionName, const String& Category,
                            const String& Description) {
  frInstalledFunctions().Add(Library, FunctionName, Category, Description);
}

void RegisterFunctionLibrary(std::type_index LibraryClass,
                             const std::function<std::unique_ptr<TfrFunctionLibrary>()>& Create) {
  if (FindLibrary(LibraryClass) != Libraries().end()) return;
  if (frFunctionLibraryCount() == frMaxFunctionLibraries)
    throw EInvalidOperation("Too many function libraries: at most " + std::to_string(frMaxFunctionLibraries));
  Libraries().push_back(Create());
}

void UnregisterFunctionLibrary(std::type_index LibraryClass) {
  const auto it = FindLibrary(LibraryClass);
  if (it == Libraries().end()) return;
  frInstalledFunctions().RemoveLibrary(it->get());
  Libraries().erase(it);
}

int frFunctionLibraryCount() { return int(Libraries().size()); }

TfrFunctionLibrary* frFunctionLibrary(int Index) { return Libraries().at(size_t(Index)).get(); }

bool frCallLibraryFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                           Variant& Value) {
  for (const auto& library : Libraries())
    if (library->OnFunction(Name, P1, P2, P3, Value)) return true;
  return false;
}
