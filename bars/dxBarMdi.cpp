// MDI child menus: the frame's menu bar follows the active child (its menus merged in, its window
// menu as the first item while it is maximised), and the window-menu item with its view.
#include "bars/dxBarMdi.h"

#include <algorithm>
#include <utility>

#include "bars/dxBar.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "controls/Forms.h"
#include "controls/ShortCut.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "rtl/ScopeExit.h"
#include "windows/MessageQueue.h"
#include "windows/SystemMenu.h"
#include "windows/Window.h"

namespace {

TCustomForm* FormOfChild(HWND Child) { return Child ? dynamic_cast<TCustomForm*>(FindControl(Child)) : nullptr; }

// Showing or hiding the child's own menu bar leaves the child form where and as large as it was.
template <class F>
void KeepingBounds(TCustomForm* Form, F Change) {
  const TRect bounds = Form->BoundsRect();
  Change();
  if (Form->BoundsRect() != bounds) Form->SetBoundsRect(bounds);
}

}  // namespace

// --- the frame's manager --------------------------------------------------------------------------

void TdxBarManager::MergeMDIChild() {
  TCustomForm* frame = OwnerForm();
  if (!frame || !frame->ClientHandle()) return;
  bool maximised = false;
  const HWND active = HWND::FromParam(SendMessage(frame->ClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  const bool wasMaximised = std::exchange(FMdi.Maximized, active && maximised);
  FMdi.MainBarLocked = FMainMenuBar && FMainMenuBar->Locked();
  // Unlocking the main menu bar lays it out again, which may raise: a bracket, not a destructor.
  Bracket(
      [&] {
        if (active != FMdi.MergedChild) {
          MergeChildMenus(FMdi.MergedChild, false, false, true);
          FMdi.MergedChild = active;
          MergeChildMenus(active, true, false, false);
        } else if (wasMaximised != FMdi.Maximized) {
          MergeChildMenus(active, FMdi.Maximized, FMdi.AlwaysMerge, false);
        }
      },
      [this] {
        if (FMainMenuBar) FMainMenuBar->SetLocked(FMdi.MainBarLocked);
      });
  if (wasMaximised != FMdi.Maximized)
    if (TdxBarControl* window = MainMenuControl()) window->RecalcLayout();
}

void TdxBarManager::MergeChildMenus(HWND Child, bool Merge, bool SystemItemOnly, bool KeepLocked) {
  TCustomForm* form = FormOfChild(Child);
  if (!FMainMenuBar || !form) return;
  if (Merge && IsZoomed(Child)) {
    AddSystemMenuItem(Child);
  } else if (!Merge) {
    RemoveSystemMenuItem();
  }
  TdxBarManager* child = ManagerOfForm(form);
  if (SystemItemOnly || !child || !child->MainMenuBar()) return;
  if (!Merge) {
    UnmergeChildLinks(child, KeepLocked);
  } else if (FMdi.AlwaysMerge || IsZoomed(Child)) {
    MergeChildLinks(child);
    KeepingBounds(form, [child] { child->MainMenuBar()->SetVisible(false); });
  }
}

// The child's menu bar links are copied to the end of the frame's, unless OnMenuMerge does it.
void TdxBarManager::MergeChildLinks(TdxBarManager* Child) {
  TdxBar* childBar = Child->MainMenuBar();
  FMdi.ChildBarVisible = childBar->Visible();
  if (OnMenuMerge) {
    DoMenuMerge(Child, true);
    return;
  }
  FMainMenuBar->SetLocked(true);
  for (int i = 0; i < childBar->ItemLinks()->Count(); ++i) FMainMenuBar->ItemLinks()->Add()->Assign(childBar->ItemLinks()->Items(i));
  FMainMenuBar->SetLocked(FMdi.MainBarLocked);
}

// Every link of the frame's menu bar whose item is the child's goes; the child's menu bar comes
// back as it was unless AlwaysMerge keeps it hidden.
void TdxBarManager::UnmergeChildLinks(TdxBarManager* Child, bool KeepLocked) {
  FMainMenuBar->SetLocked(true);
  TdxBarItemLinks* links = FMainMenuBar->ItemLinks();
  for (int i = links->Count() - 1; i >= 0; --i)
    if (links->Items(i)->Item() && links->Items(i)->Item()->BarManager() == Child) delete links->Items(i);
  if (!KeepLocked) FMainMenuBar->SetLocked(FMdi.MainBarLocked);
  DoMenuMerge(Child, false);
  TdxBar* childBar = Child->MainMenuBar();
  if (!FMdi.AlwaysMerge && !childBar->Visible())
    KeepingBounds(Child->OwnerForm(), [this, childBar] { childBar->SetVisible(FMdi.ChildBarVisible); });
}

void TdxBarManager::AddSystemMenuItem(HWND Child) {
  if (!HasSystemMenu(Child)) return;
  FMainMenuBar->SetLocked(true);
  auto* item = new TSystemMenuSubItem(OwnerForm(), Child);
  AddInternalItem(item);
  TdxBarItemLink* link = FMainMenuBar->ItemLinks()->Add();
  link->SetIndex(0);
  link->SetItem(item);
}

void TdxBarManager::RemoveSystemMenuItem() {
  TdxBarItemLinks* links = FMainMenuBar->ItemLinks();
  auto* item = links->Count() > 0 ? dynamic_cast<TSystemMenuSubItem*>(links->Items(0)->Item()) : nullptr;
  if (!item) return;
  FMainMenuBar->SetLocked(true);
  item->Free();
  FreeIdleInternalItems();
}

// --- the window-menu item -------------------------------------------------------------------------

TSystemMenuSubItem::TSystemMenuSubItem(TComponent* AOwner, HWND Child) : TCustomdxBarSubItem(AOwner), FChild(Child) {}

// Each entry of the window menu becomes a button: its caption before the tab, its short cut after
// it, checked and enabled as the entry is, with the system's picture; a click posts the child the
// entry's command. A separator makes the next button begin a group.
void TSystemMenuSubItem::Popup() {
  ItemLinks()->Clear();
  FreeIdleInternalItems();
  bool group = false;
  for (const TSystemMenuItem& entry : GetSystemMenuItems(FChild)) {
    if (entry.State & MF_SEPARATOR) {
      group = true;
      continue;
    }
    AddEntry(entry.Text, entry.Id, entry.State, entry.Bitmap, std::exchange(group, false));
  }
  TCustomdxBarSubItem::Popup();
}

void TSystemMenuSubItem::AddEntry(const String& Text, UINT Command, UINT State, int Bitmap, bool BeginGroup) {
  auto* button = new TdxBarButton(Owner());
  AddInternalItem(button);
  const size_t tab = Text.find('\t');
  button->SetCaption(Text.substr(0, tab));
  if (tab != String::npos) button->SetShortCut(TextToShortCut(Text.substr(tab + 1)));
  button->SetTag(static_cast<int>(Command));
  if (State & MF_CHECKED) {
    button->SetButtonStyle(bsChecked);
    button->SetDown(true);
  }
  button->SetEnabled(!(State & (MF_GRAYED | MF_DISABLED)));
  DrawSystemMenuGlyph(*button->Glyph(), Bitmap);
  // Posted: the command may take this very menu item away (Restore does), which must not happen
  // while its click still runs.
  const HWND child = FChild;
  button->OnClick = [child, Command](TObject*) { PostMessage(child, WM_SYSCOMMAND, Command); };
  TdxBarItemLink* link = ItemLinks()->Add();
  link->SetItem(button);
  link->SetBeginGroup(BeginGroup);
}

bool TSystemMenuSubItemControl::CanSelect() const {
  const TdxBarManager* manager = ItemLink()->BarManager();
  return !manager || !manager->IsCustomizing();
}

int TSystemMenuSubItemControl::GetHeight() const { return GetSystemMetrics(SM_CYSMICON); }
int TSystemMenuSubItemControl::GetWidth() const { return GetSystemMetrics(SM_CXSMICON); }

// A small window: a caption bar over a white body, in a frame.
void TSystemMenuSubItemControl::Draw(const TRect& Rect) {
  HDC dc = Parent()->Canvas()->Handle();
  FillRect(dc, Rect, Parent()->GetBackgroundBrush());
  const int size = std::min({Rect.Width(), Rect.Height(), 16});
  const TRect icon = Bounds(Rect.Left + (Rect.Width() - size) / 2, Rect.Top + (Rect.Height() - size) / 2, size, size);
  TRect body{icon.Left + 1, icon.Top + 2, icon.Right - 1, icon.Bottom - 2};
  FillRect(dc, body, GetSysColorBrush(COLOR_WINDOW));
  FillRect(dc, TRect{body.Left, body.Top, body.Right, body.Top + 3}, GetSysColorBrush(COLOR_ACTIVECAPTION));
  FrameRect(dc, body, GetSysColorBrush(COLOR_WINDOWFRAME));
}

// --- the window menu's pictures -------------------------------------------------------------------

void DrawSystemMenuGlyph(TBitmap& Glyph, int Bitmap) {
  if (Bitmap < HBMMENU_POPUP_CLOSE || Bitmap > HBMMENU_POPUP_MINIMIZE) return;
  Glyph.SetSize(13, 13);
  HDC dc = Glyph.Canvas()->Handle();
  FillRect(dc, TRect{0, 0, 13, 13}, GetSysColorBrush(COLOR_BTNFACE));
  const HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
  switch (Bitmap) {
    case HBMMENU_POPUP_CLOSE:
      for (int i = 0; i < 7; ++i) {
        FillRect(dc, Bounds(3 + i, 3 + i, 2, 1), ink);
        FillRect(dc, Bounds(9 - i, 3 + i, 2, 1), ink);
      }
      break;
    case HBMMENU_POPUP_MINIMIZE: FillRect(dc, TRect{3, 9, 9, 11}, ink); break;
    case HBMMENU_POPUP_MAXIMIZE:
      FrameRect(dc, TRect{2, 2, 11, 11}, ink);
      FillRect(dc, TRect{2, 3, 11, 4}, ink);
      break;
    default:  // restore: two windows, the front one lower left
      FrameRect(dc, TRect{4, 1, 11, 7}, ink);
      FillRect(dc, TRect{4, 2, 11, 3}, ink);
      FillRect(dc, TRect{2, 5, 9, 12}, GetSysColorBrush(COLOR_BTNFACE));
      FrameRect(dc, TRect{2, 5, 9, 12}, ink);
      FillRect(dc, TRect{2, 6, 9, 7}, ink);
      break;
  }
  Glyph.SetTransparentColor(clBtnFace);
}
