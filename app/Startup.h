// The program's start and end: the classes the stored layouts name, the start-up in its fixed
// order (title, splash window, data module, main window) and the message loop.
#pragma once

// Registers the window and data-module classes, and the library classes their layouts use.
void RegisterApplicationClasses();
// Starts the program up to the message loop: the application object titled "Quorin" with its
// script dialogs bound, the splash window while the data module and the main window are made.
void StartApplication();
// StartApplication, then the message loop until the main window closes, then the end.
int RunApplication();
