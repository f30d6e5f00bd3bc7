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
  if (FStyle == Value) return;
  FStyle = Value;
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
  const TStyleMetrics& m = kMetrics[FStyle];
  FGripOffset = m.GripOffset;
  FGripSize = m.GripSize;
  FSeparatorInset = m.SeparatorInset;
}

void TdxBarManager::CalcSizeMetrics() {
  const int scale = FLargeIcons ? 2 : 1;
  FImageSize = 16 * scale;
  FButtonSize = FImageSize + 7;
  FImageFrameSize = FImageSize + 6;
  FArrowWidth = scale * FButtonArrowWidth;
  if (FArrowWidth % 2 == 0) ++FArrowWidth;
  if (FStyle == bmsFlat) --FArrowWidth;
}

// The smallest count N with (100 - P) * N div 100 above 0; none is needed at 100 percent.
void TdxBarManager::CalcUsageThreshold() {
  if (FMostRecentItemsPercents == 100) {
    FUsageThreshold = 0;
    return;
  }
  int n = 1;
  while ((100 - FMostRecentItemsPercents) * n / 100 == 0) ++n;
  FUsageThreshold = n;
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
  if (Value < 2 || FButtonArrowWidth == Value) return;
  FButtonArrowWidth = Value;
  CalcSizeMetrics();
  RebuildBarControls();
}

void TdxBarManager::SetLargeButtonArrowWidth(int Value) {
  if (Value < 2 || FLargeButtonArrowWidth == Value) return;
  FLargeButtonArrowWidth = Value;
  RebuildBarControls();
}

void TdxBarManager::SetLargeIcons(bool Value) {
  if (FLargeIcons == Value) return;
  FLargeIcons = Value;
  CalcSizeMetrics();
  DesignerModified();
  UpdateCustomizingOptions();
  RebuildBarControls();
}

void TdxBarManager::SetMostRecentItemsPercents(int Value) {
  Value = std::clamp(Value, 0, 100);
  if (FMostRecentItemsPercents == Value) return;
  FMostRecentItemsPercents = Value;
  CalcUsageThreshold();
}

void TdxBarManager::SetWaitForDockingTime(int Value) {
  if (Value >= 0) FWaitForDockingTime = Value;
}

// --- menu and hint settings ----------------------------------------------------------------------

void TdxBarManager::SetMenuAnimations(TdxBarMenuAnimations Value) {
  if (FMenuAnimations == Value) return;
  FMenuAnimations = Value;
  DesignerModified();
  UpdateCustomizingOptions();
}

void TdxBarManager::SetMenusShowRecentItemsFirst(bool Value) {
  if (FMenusShowRecentItemsFirst == Value) return;
  FMenusShowRecentItemsFirst = Value;
  DesignerModified();
}

void TdxBarManager::SetShowFullMenusAfterDelay(bool Value) {
  if (FShowFullMenusAfterDelay == Value) return;
  FShowFullMenusAfterDelay = Value;
  DesignerModified();
}

void TdxBarManager::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  DesignerModified();
}

void TdxBarManager::SetShowShortCutInHint(bool Value) {
  if (FShowShortCutInHint == Value) return;
  FShowShortCutInHint = Value;
  DesignerModified();
}

void TdxBarManager::SetFlatCloseButton(bool Value) {
  if (FFlatCloseButton == Value) return;
  FFlatCloseButton = Value;
  RebuildMainMenuControl();
}

void TdxBarManager::SetShowCloseButton(bool Value) {
  if (FShowCloseButton == Value) return;
  FShowCloseButton = Value;
  RebuildMainMenuControl();
}

// --- dock sites and bars -------------------------------------------------------------------------

TColor TdxBarManager::DockColor() const { return FAutoDockColor && FOwnerForm ? FOwnerForm->Color() : FDockColor; }

void TdxBarManager::SetDockColor(TColor Value) {
  if (!FAutoDockColor && FDockColor == Value) return;
  FAutoDockColor = false;
  FDockColor = Value;
  UpdateDockColors();
}

void TdxBarManager::SetAutoDockColor(bool Value) {
  if (FAutoDockColor == Value) return;
  FAutoDockColor = Value;
  UpdateDockColors();
}

void TdxBarManager::UpdateDockColors() {
  for (TdxDockControl* control : FDockControls) control->UpdateColor();
}

void TdxBarManager::SetSunkenBorder(bool Value) {
  if (FSunkenBorder == Value) return;
  FSunkenBorder = Value;
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
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FHotImages) SetHotImages(nullptr);
  if (AComponent == FLargeImages) SetLargeImages(nullptr);
  if (FPopupMenuLinks) FPopupMenuLinks->ComponentRemoved(AComponent);
}

void TdxBarManager::SetImages(TImageList* Value) { SetImageList(FImages, Value, FImagesLink); }
void TdxBarManager::SetHotImages(TImageList* Value) { SetImageList(FHotImages, Value, FHotImagesLink); }
void TdxBarManager::SetLargeImages(TImageList* Value) { SetImageList(FLargeImages, Value, FLargeImagesLink); }

// The items that draw from the lists repaint their glyphs, under the update lock.
void TdxBarManager::ImagesChanged(TImageList*) {
  if (IsLoading() || IsDestroying()) return;
  WithUpdateLock(this, [this] {
    for (TdxBarItem* item : FItems)
      if (item->ImageIndex() > -1) item->GlyphChanged();
  });
}

void TdxBarManager::SetImageListBkColor(TColor Value) {
  if (FImageListBkColor == Value) return;
  FImageListBkColor = Value;
  for (TCustomdxBarControl* control : BarControls()) control->Invalidate();
}

// --- fonts ---------------------------------------------------------------------------------------

void TdxBarManager::SetUseSystemFont(bool Value) {
  if (FUseSystemFont == Value && !Value) return;
  FUseSystemFont = Value;
  if (Value) ApplySystemFont();
}

void TdxBarManager::SetScaled(bool Value) {
  if (FScaled == Value) return;
  FScaled = Value;
  if (Value && !FUseSystemFont) ApplySystemFont();
}

void TdxBarManager::ApplySystemFont() {
  const TLogFont menuFont = SystemMenuFont();
  FFontUpdating = true;
  if (FUseSystemFont) {
    FFont->SetHandle(CreateFontIndirect(menuFont));
  } else if (FScaled) {
    FFont->SetHeight(menuFont.Height);
  }
  FFontUpdating = false;
  SpreadFont();
}

// A font set by hand is no longer the system's; while Scaled its height stays the system's.
void TdxBarManager::FontChanged() {
  if (FFontUpdating) return;
  FUseSystemFont = false;
  if (FScaled) {
    FFontUpdating = true;
    FFont->SetHeight(SystemMenuFont().Height);
    FFontUpdating = false;
  }
  SpreadFont();
}

// Bars and popup menus without a font of their own take the manager's.
void TdxBarManager::SpreadFont() {
  FFontHandle = CopyFontHandle(*FFont);
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
  FFlatBrushes[0] = CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, 10, 10, 10)));
  FFlatBrushes[1] = CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, 0, 0, 16)));
  FFlatBrushes[2] = CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, -79, -62, -18)));
  FFlatBrushes[3] = CreateSolidBrush(TColor(LightenSysColor(COLOR_HIGHLIGHT, 172, 153, 104)));
  CreateBarPatternBrush();
}
