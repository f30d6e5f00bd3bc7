// Names that scripts, expressions and bands use while a report is built: dotted object and
// property names ("PAGE2.Visible", "Memo1.Left", "Font.Name"), record sources by name or by a
// record count, the data set of the data band that governs the band at work, and the collection
// of an evaluation error into the text shown after the build.
#pragma once

#include "classes/Component.h"
#include "rtl/Exceptions.h"

class TfrObject;
class TfrDataset;
class TDataSet;

struct TfrResolvedProperty {
  TfrObject* Object = nullptr;  // nullptr when no object has that name
  String PropName;
};

// Without a ".", the object at work (ActiveView) and the whole name. Otherwise the part before the
// first "." names a page ("PAGE" and its number, from 1) or an object of the report at work, and
// the rest is the property; when no object has that name but the object at work has a property of
// it (Font of Font.Name), the object at work and the whole name. The object's properties are
// declared before it is answered.
TfrResolvedProperty ResolveObjectProperty(const String& FullName);

// A name starting with a digit 1 to 9 makes a counting source of that many records, held in Made
// (EConvertError when the name is no integer); otherwise the record source of that name (a
// component of the report's owner, "Form.Name" for another form's), EInvalidCast when that
// component is no record source. The source answered is initialised; nullptr for an empty or
// unknown name.
TfrDataset* FindDataset(const String& Name, TComponentPtr<TfrDataset>& Made);

// The data set walked by the data band that governs the band at work (master data for titles,
// summaries, page, master and group bands; detail and sub-detail data for their headers and
// footers; cross data for cross bands), when that band's record source walks a data set.
TDataSet* GetBandDataSet();

// Whether the report at work, or the report whose build was started, has been told to stop.
bool frBuildTerminated();

// Sets the evaluation-error flag, writes its text ("计算时发生错误", the text lines of the object at
// work, the report's and the object's names and the message) and stops the build.
void ReportEvalError(const String& ErrorMessage);
