// The script compiler behind TfrInterpretator::PrepareScript: a recursive-descent reader of the
// script language that writes compiled lines with their expressions in postfix form.
#pragma once

#include "rtl/StringList.h"

// Clears Compiled and Errors, then compiles Source; the first syntax error goes to Errors.
void CompileScript(const TStrings& Source, TStrings& Compiled, TStrings& Errors);
