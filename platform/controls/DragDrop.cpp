// The drag manager: a hidden window holds the mouse capture while a control is dragged; mouse
// moves look for the target under the mouse and ask it (CM_DRAG) whether it accepts, the cursor
// and the drag image follow; the release drops, Escape (seen through a keyboard hook, since keys
// go to the focused control) and a lost capture cancel.
#include "controls/DragDrop.h"

#include <cstdlib>
#include <memory>
#include <utility>

#include "controls/Application.h"
#include "graphics/ImageList.h"
#include "graphics/Metrics.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"
#include "windows/Hooks.h"
#include "windows/MessageQueue.h"
#include "windows/Overlay.h"

class TDragManager {
 public:
  static TDragManager& Instance() {
    static TDragManager manager;
    return manager;
  }

  TDragObject* Object() const { return FObject; }
  TControl* Source() const { return FSource; }

  void Begin(TControl* Source, bool Immediate, int Threshold);
  void Done(bool Drop);
  void Forget(TControl* Control);
  void ShowImage(bool Show);

 private:
  LRESULT WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT KeyHook(int Code, WPARAM WParam, LPARAM LParam);
  void MouseMoved(TPoint At);
  void DragTo(TPoint At);
  static bool SendDrag(TDragObject* Object, TControl* Target, TDragMessage Msg);
  void MoveImage(TPoint At);
  void Release(bool EndImageDrag);

  TControl* FSource = nullptr;
  TDragObject* FObject = nullptr;
  std::unique_ptr<TDragObject> FOwnedObject;  // made by the manager when the source gave none
  TControl* FTarget = nullptr;
  bool FAccepted = false;
  bool FActive = false;   // the mouse went past the threshold
  bool FEnding = false;
  TPoint FStart;
  int FThreshold = 0;
  HWND FCapture;
  HHOOK FHook = 0;
  std::unique_ptr<TScreenOverlay> FImage;
};

namespace {

TPoint Cursor() {
  TPoint p;
  GetCursorPos(p);
  return p;
}

// Lets the window under the mouse choose the cursor again.
void RestoreCursor() {
  const TPoint at = Cursor();
  if (const HWND under = WindowFromPoint(at)) {
    SendMessage(under, WM_SETCURSOR, under.AsWParam(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  } else if (Screen) {
    ::SetCursor(Screen->Cursors(crDefault));
  }
}

}  // namespace

void TDragManager::Begin(TControl* Source, bool Immediate, int Threshold) {
  if (FSource) return;
  FSource = Source;
  TDragObject* object = nullptr;
  auto forget = ScopeExit([this] { FSource = nullptr; });
  Source->DoStartDrag(object);
  forget.Dismiss();
  if (!object) {
    FOwnedObject = std::make_unique<TDragControlObject>(Source);
    object = FOwnedObject.get();
  }
  FObject = object;
  FStart = Cursor();
  FThreshold = Threshold < 0 ? Mouse->DragThreshold() : Threshold;
  FActive = false;
  FTarget = nullptr;
  FAccepted = false;
  TWindowCreateParams p;
  p.ClassName = "QuorinDragCapture";
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  p.WndProc = [this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return WndProc(w, m, wp, lp); };
  FCapture = CreateWindowEx(p);
  FHook = SetWindowsHookEx(WH_KEYBOARD, [this](int code, WPARAM wp, LPARAM lp) { return KeyHook(code, wp, lp); });
  SetCapture(FCapture);
  if (Immediate) {
    FActive = true;
    DragTo(FStart);
  }
}

LRESULT TDragManager::WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_MOUSEMOVE: {
      TPoint p = LParamToPoint(LParam);
      ClientToScreen(Wnd, p);
      MouseMoved(p);
      return 0;
    }
    case WM_LBUTTONUP: Done(true); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: Done(false); return 0;
    case WM_CAPTURECHANGED: Done(false); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}

// Escape cancels; Ctrl and Shift going down or up ask the target again (copy or move).
LRESULT TDragManager::KeyHook(int Code, WPARAM WParam, LPARAM LParam) {
  const bool down = !(LParam & (LPARAM(1) << 31));
  if (Code == HC_ACTION && WParam == VK_ESCAPE && down && FSource) {
    Done(false);
    return 1;
  }
  const HHOOK hook = FHook;
  if (Code == HC_ACTION && (WParam == VK_CONTROL || WParam == VK_SHIFT) && FActive) DragTo(Cursor());
  return CallNextHookEx(hook, Code, WParam, LParam);
}

void TDragManager::MouseMoved(TPoint At) {
  if (!FActive && (std::abs(At.X - FStart.X) > FThreshold || std::abs(At.Y - FStart.Y) > FThreshold)) FActive = true;
  if (FActive) DragTo(At);
}

bool TDragManager::SendDrag(TDragObject* Object, TControl* Target, TDragMessage Msg) {
  TDragRec rec{Object->FDragPos, Object, Target};
  return Target->Perform(CM_DRAG, Msg, reinterpret_cast<LPARAM>(&rec)) != 0;
}

void TDragManager::DragTo(TPoint At) {
  FObject->FDragPos = At;
  TControl* target = FindDragTarget(At, false);
  if (target != FTarget) {
    if (FTarget) SendDrag(FObject, FTarget, dmDragLeave);
    if (!FSource) return;
    FTarget = target;
    FAccepted = target && SendDrag(FObject, target, dmDragEnter);
  } else if (target) {
    FAccepted = SendDrag(FObject, target, dmDragMove);
  }
  if (!FSource) return;
  const TCursor cursor = FObject->GetDragCursor(FAccepted, At.X, At.Y);
  ::SetCursor(Screen ? Screen->Cursors(cursor) : IDC_ARROW);
  MoveImage(At);
}

void TDragManager::MoveImage(TPoint At) {
  TImageList* images = FObject->GetDragImages();
  if (!images || images->DragIndex() < 0) return;
  if (!images->Dragging()) images->BeginDrag(At.X, At.Y);
  images->DragMove(At.X, At.Y);
  const TPoint hot = images->DragHotspot();
  const TRect r = Bounds(At.X - hot.X, At.Y - hot.Y, images->Width(), images->Height());
  if (!FImage) FImage = std::make_unique<TScreenOverlay>(r);
  FImage->SetBounds(r);
  FImage->Draw([&](HDC dc) { images->Draw(dc, 0, 0, images->DragIndex()); });
  ShowImage(images->DragVisible());
}

void TDragManager::ShowImage(bool Show) {
  if (!FImage) return;
  if (Show) {
    FImage->Show();
  } else {
    FImage->Hide();
  }
}

// Lets go of the capture window, the hook and the image before anyone hears of the end.
void TDragManager::Release(bool EndImageDrag) {
  if (FHook) UnhookWindowsHookEx(FHook);
  FHook = 0;
  FImage.reset();
  TImageList* images = EndImageDrag && FObject ? FObject->GetDragImages() : nullptr;
  if (images && images->Dragging()) images->EndDrag();
  const HWND capture = std::exchange(FCapture, HWND());
  if (GetCapture() == capture) ReleaseCapture();
  DestroyWindow(capture);
}

void TDragManager::Done(bool Drop) {
  if (!FSource || !FObject || FEnding) return;
  FEnding = true;
  Release(true);
  TDragObject* object = FObject;
  std::unique_ptr<TDragObject> owned = std::move(FOwnedObject);
  TControl* target = FTarget;
  const bool accepted = Drop && FActive && FAccepted && target;
  object->FDropped = accepted;
  FSource = nullptr;
  FObject = nullptr;
  FTarget = nullptr;
  FEnding = false;
  TPoint at = object->FDragPos;
  if (target) {
    SendDrag(object, target, accepted ? dmDragDrop : dmDragCancel);
    at = target->ScreenToClient(at);
  }
  RestoreCursor();
  object->Finished(accepted ? target : nullptr, accepted ? at.X : 0, accepted ? at.Y : 0, accepted);
}

void TDragManager::Forget(TControl* Control) {
  if (Control == FTarget) {
    FTarget = nullptr;
    FAccepted = false;
  }
  if (Control != FSource || FEnding) return;
  // The source goes, and the drag object may have gone with it: the drag ends without calling
  // back into either; the target hears of the cancel without a source.
  FEnding = true;
  Release(false);
  TControl* target = std::exchange(FTarget, nullptr);
  FOwnedObject.reset();
  FObject = nullptr;
  FSource = nullptr;
  FEnding = false;
  if (target) {
    TDragRec rec{Cursor(), nullptr, target};
    target->Perform(CM_DRAG, dmDragCancel, reinterpret_cast<LPARAM>(&rec));
  }
  RestoreCursor();
}

TDragObject::~TDragObject() = default;

TCursor TDragObject::GetDragCursor(bool Accepted, int, int) { return Accepted ? crDrag : crNoDrop; }
void TDragObject::Finished(TObject*, int, int, bool) {}
void TDragObject::HideDragImage() {
  if (TDragManager::Instance().Object() == this) TDragManager::Instance().ShowImage(false);
}
void TDragObject::ShowDragImage() {
  TImageList* images = GetDragImages();
  if (TDragManager::Instance().Object() == this && (!images || images->DragVisible())) TDragManager::Instance().ShowImage(true);
}

TCursor TDragControlObject::GetDragCursor(bool Accepted, int, int) {
  return Accepted && FControl ? FControl->DragCursor() : crNoDrop;
}

TImageList* TDragControlObject::GetDragImages() { return FControl ? FControl->GetDragImages() : nullptr; }

void TDragControlObject::Finished(TObject* Target, int X, int Y, bool) {
  if (FControl) FControl->DoEndDrag(Target, X, Y);
}

TDragObject* ActiveDragObject() { return TDragManager::Instance().Object(); }
void CancelDrag() { TDragManager::Instance().Done(false); }
void DragControlDestroyed(TControl* Control) { TDragManager::Instance().Forget(Control); }

bool TControl::Dragging() const { return TDragManager::Instance().Source() == this; }

void TControl::BeginDrag(bool Immediate, int Threshold) { TDragManager::Instance().Begin(this, Immediate, Threshold); }

void TControl::EndDrag(bool Drop) {
  if (Dragging()) TDragManager::Instance().Done(Drop);
}

void TControl::BeginAutoDrag() { BeginDrag(Mouse->DragImmediate(), Mouse->DragThreshold()); }

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::CMDrag(TMessage& Message) {
  const auto* rec = reinterpret_cast<const TDragRec*>(Message.LParam);
  const TPoint p = ScreenToClient(rec->Pos);
  TObject* source = rec->Source ? rec->Source->SourceObject() : nullptr;
  switch (static_cast<TDragMessage>(Message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
      static constexpr TDragState states[] = {dsDragEnter, dsDragLeave, dsDragMove};
      bool accept = true;
      DragOver(source, p.X, p.Y, states[Message.WParam], accept);
      Message.Result = accept;
      break;
    }
    case dmDragDrop: DragDrop(source, p.X, p.Y); break;
    case dmDragCancel: DragCanceled(); break;
    case dmFindTarget: Message.Result = reinterpret_cast<LRESULT>(this); break;
  }
}

namespace {
TMouse gMouse;
}  // namespace

TMouse* const Mouse = &gMouse;

int TMouse::DragThreshold() const { return GetSystemMetrics(SM_CXDRAG); }
int TMouse::WheelScrollLines() const { return Desktop().WheelScrollLines(); }
TPoint TMouse::CursorPos() const { return Cursor(); }
HWND TMouse::Capture() const { return GetCapture(); }
