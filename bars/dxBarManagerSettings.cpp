// The manager's shared settings: style and size metrics, the usage threshold, fonts, images,
// dock colours, the update lock and the flat-style brushes.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenuLinks.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarUpdateLock.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "graphics/Metrics.h"
#include "windows/SystemServices.h"

namespace {

TLogFont SystemMenuFont() {
  NONCLIENTMETRICS metrics;
  SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
  return metrics.lfMenuFont;
}

}  // namespace

// --- metrics -------------------------------------------------------------------------------------

void TdxBarManager::SetStyle(TdxBarManagerStyle Value) {
  if (FLook.Style == Value) return;
  FLook.Style = Value;
  CalcStyleMetrics();
  CalcSizeMetrics();
  RebuildBarControls();
  UpdateCustomizingFormStyle();
  DesignerModified();
}

void TdxBarManager::CalcStyleMetrics() {
  struct TStyleMetrics {
    int GripOffset, GripSize, SeparatorInset;
  };
  static constexpr TStyleMetrics kMetrics[] = {{2, 9, 2}, {1, 6, 12}, {1, 6, 8}};
  const TStyleMetrics& m = kMetrics[FLook.Style];
  FMetrics.GripOffset = m.GripOffset;
  FMetrics.GripSize = m.GripSize;
  FMetrics.SeparatorInset = m.SeparatorInset;
}

void TdxBarManager::CalcSizeMetrics() {
  const int scale = FImageLists.LargeIcons ? 2 : 1;
  FMetrics.ImageSize = 16 * scale;
  FMetrics.ButtonSize = FMetrics.ImageSize + 7;
  FMetrics.ImageFrameSize = FMetrics.ImageSize + 6;
  FMetrics.ArrowWidth = scale * FLook.ButtonArrowWidth;
  if (FMetrics.ArrowWidth % 2 == 0) ++FMetrics.ArrowWidth;
  if (FLook.Style == bmsFlat) --FMetrics.ArrowWidth;
}

// The smallest count N with (100 - P) * N div 100 above 0; none is needed at 100 percent.
void TdxBarManager::CalcUsageThreshold() {
  if (FMenus.MostRecentItemsPercents == 100) {
    FMenus.UsageThreshold = 0;
    return;
  }
  int n = 1;
  while ((100 - FMenus.MostRecentItemsPercents) * n / 100 == 0) ++n;
  FMenus.UsageThreshold = n;
}

int TdxBarManager::FrameWidth() const { return IsFlat() ? 3 : GetSystemMetrics(SM_CXFRAME); }

void TdxBarManager::RebuildBarControls() {
  for (TCustomdxBarControl* control : BarControls()) control->RebuildBar();
}

void TdxBarManager::RebuildMainMenuControl() {
  TdxBarControl* control = FMainMenuBar ? FMainMenuBar->Control() : nullptr;
  if (!control) return;
  control->SelectControl(nullptr);
  control->RebuildBar();
}

void TdxBarManager::SetButtonArrowWidth(int Value) {
  if (Value < 2 || FLook.ButtonArrowWidth == Value) return;
  FLook.ButtonArrowWidth = Value;
  CalcSizeMetrics();
  RebuildBarControls();
}

void TdxBarManager::SetLargeButtonArrowWidth(int Value) {
  if (Value < 2 || FLook.LargeButtonArrowWidth == Value) return;
  FLook.LargeButtonArrowWidth = Value;
  RebuildBarControls();
}

void TdxBarManager::SetLargeIcons(bool Value) {
  if (FImageLists.LargeIcons == Value) return;
  FImageLists.LargeIcons = Value;
  CalcSizeMetrics();
  DesignerModified();
  UpdateCustomizingOptions();
  RebuildBarControls();
}

void TdxBarManager::SetMostRecentItemsPercents(int Value) {
  Value = std::clamp(Value, 0, 100);
  if (FMenus.MostRecentItemsPercents == Value) return;
  FMenus.MostRecentItemsPercents = Value;
  CalcUsageThreshold();
}

void TdxBarManager::SetWaitForDockingTime(int Value) {
  if (Value >= 0) FDocking.WaitForDockingTime = Value;
}

// --- menu and hint settings ----------------------------------------------------------------------

void TdxBarManager::SetMenuAnimations(TdxBarMenuAnimations Value) {
  if (FMenus.MenuAnimations == Value) return;
  FMenus.MenuAnimations = Value;
  DesignerModified();
  UpdateCustomizingOptions();
}

void TdxBarManager::SetMenusShowRecentItemsFirst(bool Value) {
  if (FMenus.MenusShowRecentItemsFirst == Value) return;
  FMenus.MenusShowRecentItemsFirst = Value;
  DesignerModified();
}

void TdxBarManager::SetShowFullMenusAfterDelay(bool Value) {
  if (FMenus.ShowFullMenusAfterDelay == Value) return;
  FMenus.ShowFullMenusAfterDelay = Value;
  DesignerModified();
}

void TdxBarManager::SetShowHint(bool Value) {
  if (FHints.ShowHint == Value) return;
  FHints.ShowHint = Value;
  DesignerModified();
}

void TdxBarManager::SetShowShortCutInHint(bool Value) {
  if (FHints.ShowShortCutInHint == Value) return;
  FHints.ShowShortCutInHint = Value;
  DesignerModified();
}

void TdxBarManager::SetFlatCloseButton(bool Value) {
  if (FLook.FlatCloseButton == Value) return;
  FLook.FlatCloseButton = Value;
  RebuildMainMenuControl();
}

void TdxBarManager::SetShowCloseButton(bool Value) {
  if (FLook.ShowCloseButton == Value) return;
  FLook.ShowCloseButton = Value;
  RebuildMainMenuControl();
}

// --- dock sites and bars -------------------------------------------------------------------------

TColor TdxBarManager::DockColor() const { return FDocking.AutoDockColor && FOwnerForm ? FOwnerForm->Color() : FDocking.DockColor; }

void TdxBarManager::SetDockColor(TColor Value) {
  if (!FDocking.AutoDockColor && FDocking.DockColor == Value) return;
  FDocking.AutoDockColor = false;
  FDocking.DockColor = Value;
  UpdateDockColors();
}

void TdxBarManager::SetAutoDockColor(bool Value) {
  if (FDocking.AutoDockColor == Value) return;
  FDocking.AutoDockColor = Value;
  UpdateDockColors();
}

void TdxBarManager::UpdateDockColors() {
  for (TdxDockControl* control : FDockControls) control->UpdateColor();
}

void TdxBarManager::SetSunkenBorder(bool Value) {
  if (FDocking.SunkenBorder == Value) return;
  FDocking.SunkenBorder = Value;
  UpdateDockBorders();
}

void TdxBarManager::UpdateDockBorders() {
  for (TdxDockControl* control : FDockControls) control->UpdateBorder();
}

void TdxBarManager::SetAutoHideEmptyBars(bool Value) {
  if (FAutoHideEmptyBars == Value) return;
  FAutoHideEmptyBars = Value;
  if (Value) return;
  for (int i = 0; i < FBars->Count(); ++i) FBars->Items(i)->SetHiddenWhenEmpty(false);
}

// While locked the dock sites do not redraw and every bar is locked; unlocking realigns the sites
// and lays the docked bars out again.
void TdxBarManager::SetUpdateLocked(bool Value) {
  if (FUpdateLocked == Value) return;
  FUpdateLocked = Value;
  LockDockControls(Value);
  for (int i = 0; i < FBars->Count(); ++i) FBars->Items(i)->SetLocked(Value);
  if (Value) return;
  for (TdxDockControl* control : FDockControls) {
    if (!control->Visible()) continue;
    control->Realign();
    if (control->HandleAllocated()) control->Perform(WM_NCPAINT, 1);
  }
  for (TCustomdxBarControl* control : BarControls()) {
    if (control->DockingStyle() == dsNone) continue;
    control->RecalcLayout();
    control->Invalidate();
  }
}

void TdxBarManager::LockDockControls(bool Lock) {
  for (TdxDockControl* control : FDockControls)
    if (control->Visible() && control->HandleAllocated()) control->Perform(WM_SETREDRAW, Lock ? 0 : 1);
}

// --- images --------------------------------------------------------------------------------------

void TdxBarManager::SetImageList(TImageList*& Field, TImageList* Value, TChangeLink& Link) {
  if (Field == Value) return;
  if (Field) Field->UnRegisterChanges(&Link);
  Field = Value;
  if (Field) {
    Field->RegisterChanges(&Link);
    Field->FreeNotification(this);
  }
  ImagesChanged(Field);
}

void TdxBarManager::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImageLists.Images) SetImages(nullptr);
  if (AComponent == FImageLists.HotImages) SetHotImages(nullptr);
  if (AComponent == FImageLists.LargeImages) SetLargeImages(nullptr);
  if (FPopupMenuLinks) FPopupMenuLinks->ComponentRemoved(AComponent);
}

void TdxBarManager::SetImages(TImageList* Value) { SetImageList(FImageLists.Images, Value, FImageLists.ImagesLink); }
void TdxBarManager::SetHotImages(TImageList* Value) { SetImageList(FImageLists.HotImages, Value, FImageLists.HotImagesLink); }
void TdxBarManager::SetLargeImages(TImageList* Value) { SetImageList(FImageLists.LargeImages, Value, FImageLists.LargeImagesLink); }

// The items that draw from the lists repaint their glyphs, under the update lock.
void TdxBarManager::ImagesChanged(TImageList*) {
  if (IsLoading() || IsDestroying()) return;
  WithUpdateLock(this, [this] {
    for (TdxBarItem* item : FItems)
      if (item->ImageIndex() > -1) item->GlyphChanged();
  });
}

void TdxBarManager::SetImageListBkColor(TColor Value) {
  if (FImageLists.BkColor == Value) return;
  FImageLists.BkColor = Value;
  for (TCustomdxBarControl* control : BarControls()) control->Invalidate();
}

// --- fonts ---------------------------------------------------------------------------------------

void TdxBarManager::SetUseSystemFont(bool Value) {
  if (FFontState.UseSystemFont == Value && !Value) return;
  FFontState.UseSystemFont = Value;
  if (Value) ApplySystemFont();
}

void TdxBarManager::SetScaled(bool Value) {
  if (FFontState.Scaled == Value) return;
  FFontState.Scaled = Value;
  if (Value && !FFontState.UseSystemFont) ApplySystemFont();
}

void TdxBarManager::ApplySystemFont() {
  const TLogFont menuFont = SystemMenuFont();
  FFontState.Updating = true;
  if (FFontState.UseSystemFont) {
    FFontState.Font->SetHandle(CreateFontIndirect(menuFont));
  } else if (FFontState.Scaled) {
    FFontState.Font->SetHeight(menuFont.Height);
  }
  FFontState.Updating = false;
  SpreadFont();
}

// A font set by hand is no longer the system's; while Scaled its height stays the system's.
void TdxBarManager::FontChanged() {
  if (FFontState.Updating) return;
  FFontState.UseSystemFont = false;
  if (FFontState.Scaled) {
    FFontState.Updating = true;
    FFontState.Font->SetHeight(SystemMenuFont().Height);
    FFontState.Updating = false;
  }
  SpreadFont();
}

// Bars and popup menus without a font of their own take the manager's.
void TdxBarManager::SpreadFont() {
  FFontState.Handle = CopyFontHandle(*FFontState.Font);
  for (int i = 0; FBars && i < FBars->Count(); ++i) {
    TdxBar* bar = FBars->Items(i);
    if (!bar->UseOwnFont()) {
      bar->TakeManagerFont();
    } else if (bar->Control()) {
      bar->Control()->Perform(CM_FONTCHANGED);
    }
  }
  for (TdxBarPopupMenu* menu : FPopupMenus)
    if (!menu->UseOwnFont()) menu->TakeManagerFont();
}

// --- brushes -------------------------------------------------------------------------------------

void TdxBarManager::RebuildBrushes() {
  FBrushes.Flat[0] = CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, 10, 10, 10)));
  FBrushes.Flat[1] = CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, 0, 0, 16)));
  FBrushes.Flat[2] = CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, -79, -62, -18)));
  FBrushes.Flat[3] = CreateSolidBrush(TColor(LightenSysColor(COLOR_HIGHLIGHT, 172, 153, 104)));
  CreateBarPatternBrush();
}
