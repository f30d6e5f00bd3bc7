// Lookups of components, data sets and fields by the names that templates and expressions write:
// "component", "form.component", "form.component.component", and field references such as
// dbsPrint."Fd_Name" or adqPrint."F001". Names are found regardless of letter case.
#pragma once

#include "classes/Component.h"
#include "rtl/Variant.h"

class TDataSet;
class TField;

// Without "." the component of Owner; with one, a component of the program's form or data module
// the first part names; with two, a component of that component. nullptr when any part is missing.
TComponent* frFindComponent(const TComponent* Owner, const String& Path);

// Splits Text at each "." (a double quote ends the splitting). One part is a field of the given
// DataSet; with two, the first part is a component of the report's owner; with three or four, the
// path starts at one of the program's forms or data modules. The component may be a data set, a
// data source or a record source over a data set. FieldName loses one pair of enclosing double
// quotes and stays only when DataSet has such a field; it is empty otherwise.
void frGetDataSetAndField(const String& Text, TDataSet*& DataSet, String& FieldName);
// The name when the data set has a field of it (letter case aside), "" otherwise.
String frCheckFieldName(TDataSet* DataSet, const String& Name);
// The value a report prints for a field: the text of a field with a get-text handler or of a large
// integer; null is "" for a string field, False for a Boolean one and 0 for the others. Opens the
// field's data set when it is closed.
Variant frGetFieldValue(TField* Field);
