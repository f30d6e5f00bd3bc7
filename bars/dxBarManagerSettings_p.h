// The manager's look (dxBarManagerSettings.cpp): the style and the sizes it gives every bar, the
// font and the brushes the bars draw with, the image lists, and the colour and border of the dock
// sites.
#pragma once

#include <array>
#include <memory>

#include "bars/dxBarCommon.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"

struct TdxBarLook {
  TdxBarManagerStyle Style = bmsStandard;
  int ButtonArrowWidth = 9;
  int LargeButtonArrowWidth = 14;
  // The main menu bar's close button.
  bool ShowCloseButton = false;
  bool FlatCloseButton = false;
};

// The sizes derived from the style, the images and the arrow widths (CalcStyleMetrics and
// CalcSizeMetrics).
struct TdxBarMetrics {
  int GripOffset = 0;
  int GripSize = 0;
  int SeparatorInset = 0;
  int ImageSize = 16;
  int ButtonSize = 23;
  int ImageFrameSize = 22;
  int ArrowWidth = 9;
};

struct TdxBarFontState {
  std::unique_ptr<TFont> Font;
  HFONT Handle;  // made from Font
  // Set while the manager changes Font itself, so that the change is not taken as the user's.
  bool Updating = false;
  bool UseSystemFont = false;
  bool Scaled = true;
};

// The brushes made from the system colours: the shadow and the four of the flat style.
struct TdxBarBrushes {
  HBRUSH Shadow;
  std::array<HBRUSH, 4> Flat;
};

struct TdxBarImageSettings {
  TImageList* Images = nullptr;
  TImageList* HotImages = nullptr;
  TImageList* LargeImages = nullptr;
  TChangeLink ImagesLink;
  TChangeLink HotImagesLink;
  TChangeLink LargeImagesLink;
  TColor BkColor = clFuchsia;
  bool LargeIcons = false;
  bool StretchGlyphs = true;
};

struct TdxBarDockSettings {
  bool AutoDockColor = true;
  TColor DockColor = clBtnFace;
  bool SunkenBorder = false;
  TdxBarDockingStyles NotDocking = 0;
  int WaitForDockingTime = 21;
};
