// Keys in menu mode: stepping through the selectable links, Alt and F10 leaving menu mode, and
// the accelerator letters of the links' captions.
#include "bars/dxBarControl.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "windows/KeyScan.h"
#include "windows/MessageQueue.h"

namespace {

enum TStep { stNext, stPrevious, stFirst, stLast };

bool IsAcceleratorCharacter(UINT Ch) { return (Ch >= 'A' && Ch <= 'Z') || (Ch >= '0' && Ch <= '9'); }

}  // namespace

// Menus step with Up and Down (Left and Right are theirs), toolbars with Left and Right; Tab steps
// in both, backwards with Shift.
bool TCustomdxBarControl::HandleKeyDown(TMessage& Message) {
  const auto key = static_cast<WORD>(Message.WParam);
  const bool menu = !IsToolbar();
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
      if (menu) return false;
      SelectStep(key == VK_RIGHT ? stNext : stPrevious, false);
      return true;
    case VK_UP:
    case VK_DOWN:
      if (!menu) return false;
      SelectStep(key == VK_DOWN ? stNext : stPrevious, false);
      return true;
    case VK_TAB: SelectStep(shift ? stPrevious : stNext, true); return true;
    case VK_HOME: SelectStep(stFirst, false); return true;
    case VK_END: SelectStep(stLast, false); return true;
    case VK_MENU: CloseMenus(); return true;
    case VK_F10:
      if (!FBarManager || !FBarManager->UseF10ForMenu()) return false;
      CloseMenus();
      return true;
    default: break;
  }
  const UINT ch = MapVirtualKey(key, MAPVK_VK_TO_CHAR);
  if (!IsAcceleratorCharacter(ch)) return false;
  SelectByAccelerator(key);
  return true;
}

// Next and previous start from the selected link (or the first link when none); after Tab an edit
// that became selected starts editing.
void TCustomdxBarControl::SelectStep(int Direction, bool AfterTab) {
  if (!FItemLinks) return;
  const TdxBarItemLink* current = FSelectedControl ? FSelectedControl->ItemLink() : nullptr;
  TdxBarItemLink* link = nullptr;
  switch (Direction) {
    case stNext: link = current ? FItemLinks->NextSelectable(current) : FItemLinks->FirstSelectable(); break;
    case stPrevious: link = current ? FItemLinks->PrevSelectable(current) : FItemLinks->FirstSelectable(); break;
    case stFirst: link = FItemLinks->FirstSelectable(); break;
    default: link = FItemLinks->LastSelectable(); break;
  }
  if (!link) return;
  SelectControl(link->Control());
  if (!AfterTab || !IsBarControlAlive(this)) return;
  if (auto* edit = dynamic_cast<TdxBarWinControl*>(FSelectedControl)) edit->SetFocused(true);
}

// The first link after the selected one with the key as accelerator is selected; when no other
// shown link answers the key, it is activated as by Enter.
void TCustomdxBarControl::SelectByAccelerator(WORD Key) {
  if (!FItemLinks) return;
  const TShiftState shift = KeyDataToShiftState(0);
  const TdxBarItemLink* from = FSelectedControl ? FSelectedControl->ItemLink() : nullptr;
  TdxBarItemLink* link = FItemLinks->FindByAccel(Key, shift, from);
  if (!link || !link->Item() || !link->Item()->Enabled() || !link->Control()) return;
  const TdxBarItemLink* other = FItemLinks->FindByAccel(Key, shift, link);
  const bool unique = !other || other == link;
  SelectControl(link->Control());
  if (unique && IsBarControlAlive(this) && HandleAllocated()) SendMessage(Handle(), WM_KEYDOWN, VK_RETURN);
}
