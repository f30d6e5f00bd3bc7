// MDI: the client window of a frame (class "MDICLIENT") holds the frame's child windows. It keeps
// which child is active and tells children when that changes (WM_MDIACTIVATE to the one left and
// the one activated, with those two windows; WM_CHILDACTIVATE to the one activated, and to any
// child that is moved or sized, maximising and restoring included). A child is
// activated when it shows or asks for it, and the next child when the active one goes. The client
// area of a maximised child covers the client window (its frame and caption lie outside it) and
// follows its size; a child activated while another is maximised is maximised in its place.
//
// The client answers WM_MDIGETACTIVE with the active child (and, when lParam points to a bool,
// whether it is maximised), and acts on the child in wParam for WM_MDIACTIVATE, WM_MDIMAXIMIZE,
// WM_MDIRESTORE and WM_MDIDESTROY; WM_MDINEXT activates the next child.
#pragma once

#include "windows/Messages.h"

// Makes the client window of Frame at Bounds (Frame's client coordinates), shown.
HWND CreateMDIClient(HWND Frame, const TRect& Bounds);
bool IsMDIClient(HWND Wnd);
// A window whose parent is an MDI client.
bool IsMDIChild(HWND Wnd);
// The active child of the client (empty when none).
HWND GetActiveMDIChild(HWND Client);

// What the window layer does for MDI children: a shown child becomes active, a maximised one
// fills its client, and an active one that goes hands the activation on first.
void MDIChildShown(HWND Child);
TRect MDIMaximizedBounds(HWND Child);
void MDIChildGoing(HWND Child);
