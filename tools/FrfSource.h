// The readable source form of report templates: the text form of stored layouts, with the report
// as the root object, its pages as children and each page's objects below them. An object that
// follows a band in the template and whose top lies on that band is written inside it, with its
// top counted from the band's; a band without a top stands under the band before it (the first
// at the page's top margin) and spans the page's width unless it says otherwise. Properties
// that keep the values of a new object are left out. quorin_frfc compiles sources into template
// files with the engine's own writer; quorin_frfdump turns any template the engine reads back
// into this form.
#pragma once

#include "classes/LayoutValue.h"
#include "report/FR_Class.h"

// Empties Report and builds its template from the source Text. A syntax error, an unknown class
// or property, a value of the wrong kind, or an object placed outside the band it is written in
// raises ELayoutError with the line it was found on.
void CompileTemplateSource(const String& Text, TfrReport& Report);

// The source form of Report's template, its root object named RootName. Compiling it gives the
// template back unchanged, so that the engine writes the same file again.
String TemplateSource(TfrReport& Report, const String& RootName);
