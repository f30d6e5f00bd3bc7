// The shared resources of the editors, prepared once in a fixed order at first use and released
// at shut-down: texts, the hand cursor, time constants, the toolbar and blob icon image lists,
// a measuring canvas and the check editors' style controller. The editors take these objects
// instead of loading their own.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "controls/ControlTypes.h"
#include "graphics/Canvas.h"
#include "graphics/ImageList.h"
#include "rtl/DateTime.h"
#include "windows/Services.h"

class TBitmap;
class TdxEditStyleController;

// The hand cursor's number in the screen's cursor table.
inline constexpr TCursor crdxHandPoint = -1140;

// Indexes of the blob icons: the empty icon of a kind stands just before the filled one.
enum : int {
  bdxBlobNull = 0, bdxBlob = 1, bdxMemoNull = 2, bdxMemo = 3, bdxPictNull = 4, bdxPict = 5, bdxOleNull = 6, bdxOle = 7,
};

struct TdxEditorResources {
  TSize CheckGlyphSize;
  HCURSOR HandCursor = 0;
  String InvalidDate;
  TDateTime OneSecond = 0, OneMinute = 0, OneHour = 0, ZeroTime = 0, LastTimeOfDay = 0;
  std::unique_ptr<TImageList> ToolbarImages;
  // Caption and hint of each toolbar button: cut, copy, paste, delete, load, save.
  std::array<String, 6> ToolbarCaptions;
  std::array<String, 6> ToolbarHints;
  std::unique_ptr<TCanvas> MeasureCanvas;
  std::unique_ptr<TImageList> BlobIcons;
  String OKText, CancelText, CloseText;
  // Cut, copy, paste, delete, save to file, load from file.
  std::array<String, 6> MenuTexts;
  TdxEditStyleController* CheckEditStyleController = nullptr;
  // TODAY ... NOW, in the date editor's table order.
  std::array<String, 20> DateKeywords;
  // The start-up steps as they ran.
  std::vector<String> StartupSteps;
};

// Made at the first call, step by step in the start-up order.
const TdxEditorResources& dxEditorResources();
// Frees the resources in the reverse order (the next use makes them again).
void dxReleaseEditorResources();
// The hand cursor's number, registered with the screen by the start-up when that has not run yet.
TCursor dxHandPointCursor();

// The bitmaps the editors carry, by resource name ("DXTOOL_CUT", "DXINPLACE_BLOB_NULL", ...);
// false for an unknown name.
bool dxLoadEditorBitmap(const String& Name, TBitmap& Bitmap);

// A screen point relative to the top-left corner of a window's outer rectangle.
bool ScreenToWindowPoint(HWND Wnd, TPoint ScreenPoint, TPoint& WindowPoint);
