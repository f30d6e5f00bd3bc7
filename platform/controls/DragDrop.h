// The drag-and-drop of controls inside the program: drag objects, the drag manager that follows
// the mouse while a control is dragged (the target under the mouse hears CM_DRAG, the cursor shows
// whether it accepts, a drag image from an image list follows the mouse), and the mouse settings
// drags start with.
#pragma once

#include "controls/Control.h"

// CM_DRAG: wParam is the message, lParam a TDragRec*.
enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };

struct TDragRec {
  TPoint Pos;  // screen
  TDragObject* Source = nullptr;  // nil in the cancel sent when the dragged control was freed
  TControl* Target = nullptr;
};

// What is dragged. The manager asks it for the cursor and the drag image and tells it how the
// drag ended.
class TDragObject : public TObject {
 public:
  ~TDragObject() override;
  // The cursor over a target that accepts the drop or not (X, Y screen).
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
  virtual TImageList* GetDragImages() { return nullptr; }
  // The drag ended: Target is the control dropped on (nil when not accepted), X, Y in its client
  // coordinates.
  virtual void Finished(TObject* Target, int X, int Y, bool Accepted);
  // What OnDragOver and OnDragDrop receive as their Source.
  virtual TObject* SourceObject() { return this; }
  // Take the drag image off the screen while something paints beneath it, and put it back.
  void HideDragImage();
  void ShowDragImage();
  bool Dropped() const { return FDropped; }

 private:
  friend class TDragManager;
  TPoint FDragPos;
  bool FDropped = false;
};

// A control being dragged.
class TDragControlObject : public TDragObject {
 public:
  explicit TDragControlObject(TControl* Control) : FControl(Control) {}
  TControl* Control() const { return FControl; }
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;
  TImageList* GetDragImages() override;
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;
  TObject* SourceObject() override { return FControl; }

 private:
  friend class TDragManager;
  TControl* FControl;
};

// The drag running now, nullptr when none.
TDragObject* ActiveDragObject();
// Ends the running drag without a drop (as Escape does).
void CancelDrag();
// A control going away stops being the source or the target of the running drag.
void DragControlDestroyed(TControl* Control);

// The mouse settings of the class library.
class TMouse {
 public:
  // Automatic drags start at the press, not after DragThreshold pixels.
  bool DragImmediate() const { return true; }
  // The drag threshold of the system (SM_CXDRAG).
  int DragThreshold() const;
  int WheelScrollLines() const;
  TPoint CursorPos() const;
  HWND Capture() const;
};

extern TMouse* const Mouse;
