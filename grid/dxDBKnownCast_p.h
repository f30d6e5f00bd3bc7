// KnownCast: dynamic_cast for the data-bound control's per-record and per-cell paths (its nodes
// and columns), which would otherwise search the class tree once for every cell read.
#pragma once

#include <array>
#include <typeinfo>

// Whether an object's class derives from To depends on the class alone: the last classes found to
// do so are remembered, and objects of those classes are cast without a search. Every other
// object is cast with dynamic_cast (nullptr when its class does not derive from To).
template <class To, class From>
To* KnownCast(From* Object) {
  if (!Object) return nullptr;
  static std::array<const std::type_info*, 4> known{};
  const std::type_info* type = &typeid(*Object);
  for (const std::type_info* entry : known)
    if (entry == type) return static_cast<To*>(Object);
  To* cast = dynamic_cast<To*>(Object);
  if (cast) {
    for (size_t i = known.size() - 1; i > 0; --i) known[i] = known[i - 1];
    known[0] = type;
  }
  return cast;
}
