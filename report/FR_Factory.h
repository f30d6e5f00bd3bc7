// The object factory: report objects made from the type codes of template files and prepared
// pages, and the registry of add-in object classes that type code 10 names by class.
#pragma once

#include <functional>
#include <memory>

#include "classes/Properties.h"
#include "report/FR_View.h"

using TfrViewFactory = std::function<std::unique_ptr<TfrView>()>;

// 0 text, 1 picture, 2 band, 3 sub-report, 4 line; 10 the add-in class of that name (exact case),
// made with type code 10. Other codes give nullptr. A code 10 whose class is not registered sets
// the evaluation-error flag, adds the class name and a carriage return to its text and raises
// EClassNotFound with that text, so that a reader can report every missing class at once.
std::unique_ptr<TfrView> frCreateObject(int TypeCode, const String& ClassName);

// Add-in object classes (at most 32). This program registers none; a second registration of a
// name changes nothing.
constexpr int frMaxAddInObjects = 32;
void frRegisterObject(const String& ClassName, TfrViewFactory Create);
void frUnregisterObject(const String& ClassName);
