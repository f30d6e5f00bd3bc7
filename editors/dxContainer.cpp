// The host contract's base answers, the flat scroll bars and the wheel.
#include "editors/dxContainer.h"

#include "controls/DragDrop.h"
#include "editors/dxEditStyle.h"
#include "editors/dxInplaceEdit.h"
#include "windows/MessageQueue.h"

TCustomdxContainer::TCustomdxContainer(TComponent* AOwner) : TCustomControl(AOwner) {}
TCustomdxContainer::~TCustomdxContainer() = default;

void TCustomdxContainer::SetScrollBarMode(uint8_t Value) {
  if (FScrollBarMode == Value) return;
  FScrollBarMode = Value;
  RecreateWnd();
}

bool TCustomdxContainer::GetScrollInfo(int Bar, SCROLLINFO& ScrollInfo) {
  return FlatSB_GetScrollInfo(Handle(), Bar, ScrollInfo);
}

int TCustomdxContainer::SetScrollInfo(int Bar, const SCROLLINFO& ScrollInfo, bool Redraw) {
  return FlatSB_SetScrollInfo(Handle(), Bar, ScrollInfo, Redraw);
}

std::unique_ptr<TdxEditStyle> TCustomdxContainer::CreateEditStyle(TdxInplaceEdit* Edit) {
  return std::make_unique<TdxEditStyle>(Edit);
}

void TCustomdxContainer::ContainerScrollLines(bool Up, int Count) {
  for (int i = 0; i < Count; ++i) SendMessage(Handle(), WM_VSCROLL, Up ? SB_LINEUP : SB_LINEDOWN, 0);
}

void TCustomdxContainer::FireEditorEvent(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TCustomdxContainer::CreateWnd() {
  TCustomControl::CreateWnd();
  InitializeFlatSB(Handle());
  FlatSB_SetScrollProp(Handle(), WSB_PROP_HSTYLE, FScrollBarMode, true);
  FlatSB_SetScrollProp(Handle(), WSB_PROP_VSTYLE, FScrollBarMode, true);
}

void TCustomdxContainer::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomdxContainer> Handlers[] = {
      {WM_MOUSEWHEEL, &TCustomdxContainer::WMMouseWheel},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}

// The host scrolls by the system's wheel lines; the wheel stops here rather than going on to the
// form, so that one notch scrolls one control.
void TCustomdxContainer::WMMouseWheel(TMessage& Message) {
  ContainerScrollLines(GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0, Mouse->WheelScrollLines());
  Message.Result = 1;
}
