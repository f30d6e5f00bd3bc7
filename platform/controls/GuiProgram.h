// The start of a GUI program: the platform's application object, made before anything else at
// the fixed 96 dpi the window layer works in, then the program's body on the GUI thread.
#pragma once

#include <functional>

// Runs Body with the platform up, in the program's locale, and answers its exit code. argv[0] is
// the program file.
int RunGuiProgram(int argc, char** argv, const std::function<int()>& Body);
// What Qt formats (dates, month names, numbers), in its widgets and in the lists of the file
// dialogs, is in Chinese (China), the program's language, whatever the system's locale. The
// platform's own formatting (rtl/FormatSettings) does not depend on Qt's locale.
void UseProgramLocale();
