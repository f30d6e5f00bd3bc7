// The dialogs that report functions show: the input box of INPUT and the message box of
// MESSAGEBOX. The engine knows no windows: the application binds its own dialogs here.
#pragma once

#include <memory>

#include "rtl/Types.h"

class TfrScriptDialogs {
 public:
  virtual ~TfrScriptDialogs() = default;
  // The text entered; Default when the user cancels.
  virtual String InputBox(const String& Caption, const String& Prompt, const String& Default) = 0;
  // Flags are the mb_ constants of reports (buttons and icon); answers the code of the button
  // pressed: 1 OK, 2 Cancel, 6 Yes, 7 No.
  virtual int MessageBox(const String& Text, const String& Caption, int Flags) = 0;
};

// The dialogs bound now. Until the application binds its own, nothing is shown: an input box
// answers its default text and a message box its first button (OK or Yes), so that a report
// built without a screen runs to its end.
TfrScriptDialogs& frScriptDialogs();
// Binds Dialogs (nullptr: back to showing nothing) and answers the dialogs bound before.
std::unique_ptr<TfrScriptDialogs> SetScriptDialogs(std::unique_ptr<TfrScriptDialogs> Dialogs);
