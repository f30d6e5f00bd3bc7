// The editors' start-up and shut-down: each shared resource is one step, run in the order below.
#include "editors/dxExEdtr.h"

#include "controls/Application.h"
#include "rtl/Exceptions.h"
#include "editors/dxEditStrings.h"
#include "editors/dxEditStyle.h"
#include "graphics/Graphic.h"
#include "windows/Cursors.h"
#include "windows/Window.h"

namespace {

std::unique_ptr<TdxEditorResources>& Holder() {
  static std::unique_ptr<TdxEditorResources> resources;
  return resources;
}

// The classic check box strip holds four glyphs across and three down, 13 pixels each.
void LoadCheckGlyphSize(TdxEditorResources& R) { R.CheckGlyphSize = {52 / 4, 39 / 3}; }

void LoadHandCursor(TdxEditorResources& R) {
  TBitmap image, mask;
  if (!dxLoadEditorBitmap("DX_HANDPOINT", image) || !dxLoadEditorBitmap("DX_HANDPOINT_MASK", mask)) return;
  R.HandCursor = CreateCursorFromBitmap(image, &mask, {5, 0});
  if (Screen) Screen->SetCursors(crdxHandPoint, R.HandCursor);
}

void LoadInvalidDate(TdxEditorResources& R) { R.InvalidDate = dxEditorText(dxSEditInvalidDate); }

void LoadTimeValues(TdxEditorResources& R) {
  R.OneSecond = 1.0 / SecsPerDay;
  R.OneMinute = 60.0 / SecsPerDay;
  R.OneHour = 3600.0 / SecsPerDay;
  R.ZeroTime = 0;
  R.LastTimeOfDay = (SecsPerDay - 1.0) / SecsPerDay;
}

// One list of the first image's size; each image is added with its own transparent colour or
// the given mask colour.
std::unique_ptr<TImageList> LoadImageList(std::initializer_list<const char*> Names, TColor MaskColor) {
  std::unique_ptr<TImageList> list;
  for (const char* name : Names) {
    TBitmap bitmap;
    if (!dxLoadEditorBitmap(name, bitmap)) throw EInvalidOperation(String("Missing editor bitmap ") + name);
    if (!list) list = std::make_unique<TImageList>(bitmap.Width(), bitmap.Height());
    list->AddMasked(&bitmap, MaskColor);
  }
  return list;
}

void LoadToolbarImages(TdxEditorResources& R) {
  R.ToolbarImages = LoadImageList(
      {"DXTOOL_CUT", "DXTOOL_COPY", "DXTOOL_PASTE", "DXTOOL_DELETE", "DXTOOL_LOAD", "DXTOOL_SAVE"}, clDefault);
}

void LoadToolbarTexts(TdxEditorResources& R) {
  for (int i = 0; i < 6; ++i) {
    R.ToolbarCaptions[static_cast<size_t>(i)] = dxEditorText(dxSEditPopupCaption + i);
    R.ToolbarHints[static_cast<size_t>(i)] = dxEditorText(dxSEditPopupHint + i);
  }
}

void LoadMeasureCanvas(TdxEditorResources& R) { R.MeasureCanvas = std::make_unique<TCanvas>(); }

void LoadBlobIcons(TdxEditorResources& R) {
  R.BlobIcons = LoadImageList({"DXINPLACE_BLOB_NULL", "DXINPLACE_BLOB", "DXINPLACE_MEMO_NULL", "DXINPLACE_MEMO",
                               "DXINPLACE_PICT_NULL", "DXINPLACE_PICT", "DXINPLACE_OLE_NULL", "DXINPLACE_OLE"},
                              clOlive);
}

void LoadButtonTexts(TdxEditorResources& R) {
  R.OKText = dxEditorText(dxSEditOK);
  R.CancelText = dxEditorText(dxSEditCancel);
  R.CloseText = dxEditorText(dxSEditClose);
  for (int i = 0; i < 6; ++i) R.MenuTexts[static_cast<size_t>(i)] = dxEditorText(dxSEditMenuCut + i);
}

void LoadCheckEditController(TdxEditorResources& R) { R.CheckEditStyleController = DefaultCheckEditStyleController(); }

void LoadDateKeywords(TdxEditorResources& R) {
  for (int i = 0; i < 20; ++i) R.DateKeywords[static_cast<size_t>(i)] = dxEditorText(dxSEditDateKeyword + i);
}

struct TStartupStep {
  const char* Name;
  void (*Run)(TdxEditorResources&);
};

constexpr TStartupStep StartupSteps[] = {
    {"check glyph size", LoadCheckGlyphSize}, {"hand cursor", LoadHandCursor},
    {"invalid date", LoadInvalidDate},        {"time values", LoadTimeValues},
    {"toolbar images", LoadToolbarImages},    {"toolbar texts", LoadToolbarTexts},
    {"measure canvas", LoadMeasureCanvas},    {"blob icons", LoadBlobIcons},
    {"button texts", LoadButtonTexts},        {"check edit controller", LoadCheckEditController},
    {"date keywords", LoadDateKeywords},
};

}  // namespace

const TdxEditorResources& dxEditorResources() {
  std::unique_ptr<TdxEditorResources>& held = Holder();
  if (!held) {
    auto resources = std::make_unique<TdxEditorResources>();
    for (const TStartupStep& step : StartupSteps) {
      step.Run(*resources);
      resources->StartupSteps.push_back(step.Name);
    }
    held = std::move(resources);
  }
  return *held;
}

TCursor dxHandPointCursor() {
  dxEditorResources();
  return crdxHandPoint;
}

// The check editors' controller lives as long as the program: editors may still listen to it.
void dxReleaseEditorResources() {
  std::unique_ptr<TdxEditorResources> resources = std::move(Holder());
  if (!resources) return;
  resources->BlobIcons.reset();
  resources->MeasureCanvas.reset();
  resources->ToolbarImages.reset();
  if (resources->HandCursor) {
    if (Screen && Screen->Cursors(crdxHandPoint) == resources->HandCursor) Screen->SetCursors(crdxHandPoint, Screen->Cursors(crDefault));
    DestroyCursor(resources->HandCursor);
  }
}

bool ScreenToWindowPoint(HWND Wnd, TPoint ScreenPoint, TPoint& WindowPoint) {
  TRect window;
  if (!GetWindowRect(Wnd, window)) return false;
  WindowPoint = {ScreenPoint.X - window.Left, ScreenPoint.Y - window.Top};
  return true;
}
