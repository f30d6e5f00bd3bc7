// The seam for native text boxes: a Qt editor placed inside a window of the layer. Its keys and
// input-method events are queued as the window's messages (in order with each other) and the
// originals dropped; the window's default handling gives them back to the editor, so that
// handlers see and may change or remove them first. Real Qt focus follows the layer's focus onto
// the editor, which input methods need.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QWidget>

#include "windows/Messages.h"

// Editor becomes part of Host (a child widget of Host's widget, filling nothing by itself: the
// caller places it). Detaching leaves the editor as it is.
void AttachNativeEditor(HWND Host, QWidget* Editor);
void DetachNativeEditor(HWND Host);
