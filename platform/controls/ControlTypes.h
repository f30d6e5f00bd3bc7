// The vocabulary of controls: alignment, anchors, control styles and states, shift states, mouse
// buttons, cursors, modal results, the event types, and the creation parameters of a window.
#pragma once

#include <functional>

#include "rtl/Object.h"
#include "windows/Input.h"
#include "windows/Window.h"

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
inline constexpr const char* AlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};

// Anchors are a set: bit i stands for anchor kind i.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = unsigned;
inline constexpr const char* AnchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};
constexpr TAnchors AnchorBit(TAnchorKind Kind) { return 1u << Kind; }
constexpr TAnchors DefaultAnchors = (1u << akLeft) | (1u << akTop);

// Control styles: what a control class is and wants.
enum TControlStyleFlag : unsigned {
  csAcceptsControls = 1u << 0, csCaptureMouse = 1u << 1,
  csClickEvents = 1u << 3, csSetCaption = 1u << 5, csOpaque = 1u << 6,
  csDoubleClicks = 1u << 7, csNoDesignVisible = 1u << 10,
  csReplicatable = 1u << 11, csNoStdEvents = 1u << 12, csDisplayDragImage = 1u << 13,
  csActionClient = 1u << 15,
};
using TControlStyle = unsigned;

// Control states: what a control is doing now.
enum TControlStateFlag : unsigned {
  csLButtonDown = 1u << 0, csClicked = 1u << 1,
  csAlignmentNeeded = 1u << 4, csFocusing = 1u << 5, csCreating = 1u << 6, csPaintCopy = 1u << 7,
  csDestroyingHandle = 1u << 9,
};
using TControlState = unsigned;

enum TShiftStateFlag : unsigned {
  ssShift = 1u << 0, ssAlt = 1u << 1, ssCtrl = 1u << 2, ssLeft = 1u << 3, ssRight = 1u << 4,
  ssMiddle = 1u << 5, ssDouble = 1u << 6,
};
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Screen cursors by number: the standard ones are negative, controls register their own.
using TCursor = int;
enum : TCursor {
  crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22,
};

using TModalResult = int;
enum : TModalResult {
  mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
  mrAll = 8, mrNoToAll = 9, mrYesToAll = 10,
};

// Key codes of key events are virtual keys; characters of key-press events are code points.
using WORD = uint16_t;
using TKeyChar = char32_t;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
// A context menu is asked for at MousePos (client coordinates; (-1, -1) from the keyboard); a
// handler that sets Handled keeps every menu away.
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, TKeyChar& Key)>;

// The shift state of mouse-message key flags, and of key-message key data (with the live key
// state for Shift and Ctrl, as the key data carries only Alt).
TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyDataToShiftState(LPARAM KeyData);

// What a control's window is made with; CreateParams fills it, CreateWindowHandle adds the
// window procedure.
using TCreateParams = TWindowCreateParams;
