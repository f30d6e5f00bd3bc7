// The program's start and end: the classes the stored layouts name, the start-up in its fixed
// order (title, splash window, data module, main window) and the message loop.
#pragma once

// Registers the window and data-module classes, and the library classes their layouts use.
void RegisterAppClasses();
// Starts the program up to the message loop, once the application object exists: the title
// "Quorin", the script dialogs bound, the splash window while the data module and the main
// window are made.
void StartApplication();
// Makes the application object, starts, runs the message loop until the main window closes,
// and frees everything.
int RunApplication();
