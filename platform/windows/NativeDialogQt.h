// The seam for Qt's own dialogs (file, print, font and colour dialogs) run by the platform: they
// belong to the program's active window as its own dialogs do.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QWidget>

// Makes Dialog transient for the active window's native window, so that the window system keeps
// it above that window; nothing when no window is active. The dialog becomes a child of that
// window's widget: it must not outlive the window (a dialog run modally on the stack does not).
void MakeTransientForActiveWindow(QWidget* Dialog);
