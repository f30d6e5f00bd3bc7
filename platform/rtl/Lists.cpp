// The list errors, with the class library's texts.
#include "rtl/Lists.h"

#include <string>

void ListIndexError(int index) { throw EListError("List index out of bounds (" + std::to_string(index) + ")"); }

void ListCountError(int count) { throw EListError("List count out of bounds (" + std::to_string(count) + ")"); }

void ListCapacityError(int capacity) {
  throw EListError("List capacity out of bounds (" + std::to_string(capacity) + ")");
}
