// TImageList: storage of images and masks, the drawing styles, change links and drag state.
#include "graphics/ImageList.h"

#include <algorithm>

#include "graphics/BitmapQt.h"

struct TImageList::TEntry {
  QImage Image;
  QImage Mask;  // white where transparent; null when the image has no mask
};

namespace {

COLORREF ImageListColor(TColor c) {
  if (c == clNone) return CLR_NONE;
  if (c == clDefault) return CLR_DEFAULT;
  return ColorToRGB(c);
}

QRgb Mix(QRgb a, QRgb b, int percent) {
  auto channel = [&](int x, int y) { return (x * (100 - percent) + y * percent) / 100; };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

bool IsTransparentPixel(const QImage& mask, int x, int y) {
  return !mask.isNull() && (mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

QImage Solid(QSize size, QRgb color) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

}  // namespace

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner), FWidth(16), FHeight(16) {}

TImageList::TImageList(int width, int height) : TComponent(nullptr), FWidth(width), FHeight(height) {}

TImageList::~TImageList() {
  for (TChangeLink* link : FLinks) link->FSender = nullptr;
}

int TImageList::Count() const { return int(FImages.size()); }

void TImageList::Assign(const TPersistent* source) {
  if (const auto* list = dynamic_cast<const TImageList*>(source)) {
    FWidth = list->FWidth;
    FHeight = list->FHeight;
    FImages = list->FImages;
    FBkColor = list->FBkColor;
    FBlendColor = list->FBlendColor;
    FDrawingStyle = list->FDrawingStyle;
    FImageType = list->FImageType;
    FMasked = list->FMasked;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TImageList::Changed() {
  for (TChangeLink* link : std::vector<TChangeLink*>(FLinks))
    if (link->OnChange) link->OnChange(this);
  if (OnChange) OnChange(this);
}

void TImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation("图像列表索引越界 (" + std::to_string(index) + ")");
}

void TImageList::SetSize(int width, int height) {
  if (width == FWidth && height == FHeight) return;
  FWidth = width;
  FHeight = height;
  FImages.clear();
  Changed();
}

void TImageList::SetBkColor(TColor color) { FBkColor = color; Changed(); }
void TImageList::SetBlendColor(TColor color) { FBlendColor = color; Changed(); }
void TImageList::SetDrawingStyle(TDrawingStyle style) { FDrawingStyle = style; Changed(); }
void TImageList::SetImageType(TImageType type) { FImageType = type; Changed(); }
void TImageList::SetMasked(bool value) { FMasked = value; Changed(); }

std::vector<TImageList::TEntry> TImageList::Split(const TBitmap* image, const TBitmap* mask) const {
  std::vector<TEntry> entries;
  if (!image || image->Empty() || FWidth <= 0 || FHeight <= 0) return entries;
  const int count = std::max(1, image->Width() / FWidth);
  for (int i = 0; i < count; ++i) {
    TEntry e;
    e.Image = QtImage(*image).copy(i * FWidth, 0, FWidth, FHeight).convertToFormat(QImage::Format_RGB32);
    if (mask) e.Mask = QtImage(*mask).copy(i * FWidth, 0, FWidth, FHeight).convertToFormat(QImage::Format_RGB32);
    entries.push_back(std::move(e));
  }
  return entries;
}

int TImageList::Add(const TBitmap* image, const TBitmap* mask) {
  const int first = Count();
  for (TEntry& e : Split(image, mask)) FImages.push_back(std::move(e));
  if (Count() == first) return -1;
  Changed();
  return first;
}

int TImageList::AddMasked(const TBitmap* image, TColor maskColor) {
  if (!image) return -1;
  if (maskColor == clNone) return Add(image, nullptr);
  const TColor key = maskColor == clDefault ? image->TransparentColor() : maskColor;
  TBitmap mask;
  QtImage(mask) = MaskOfColor(QtImage(*image), ToQRgb(ColorToRGB(key)));
  return Add(image, &mask);
}

void TImageList::Replace(int index, const TBitmap* image, const TBitmap* mask) {
  CheckIndex(index);
  std::vector<TEntry> entries = Split(image, mask);
  if (entries.empty()) return;
  FImages[size_t(index)] = std::move(entries.front());
  Changed();
}

void TImageList::Delete(int index) {
  CheckIndex(index);
  FImages.erase(FImages.begin() + index);
  Changed();
}

void TImageList::Clear() {
  FImages.clear();
  Changed();
}

void TImageList::GetBitmap(int index, TBitmap* bitmap) const {
  CheckIndex(index);
  bitmap->SetSize(FWidth, FHeight);
  bitmap->Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
  DrawEx(bitmap->Canvas(), 0, 0, index, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
}

void TImageList::GetMask(int index, TBitmap* mask) const {
  CheckIndex(index);
  const TEntry& e = FImages[size_t(index)];
  mask->SetSize(FWidth, FHeight);
  QImage m = e.Mask.isNull() ? QImage(FWidth, FHeight, QImage::Format_RGB32) : e.Mask;
  if (e.Mask.isNull()) m.fill(Qt::black);
  QtImage(*mask) = m;
  mask->SetMonochrome(true);
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const {
  Draw(canvas, x, y, index, FDrawingStyle, FImageType, enabled);
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                      bool enabled) const {
  if (index < 0 || index >= Count()) return;
  if (!enabled) {
    const TEntry& e = FImages[size_t(index)];
    const QImage mask = FMasked ? e.Mask : QImage();
    const TRect at = Bounds(x, y, FWidth, FHeight);
    DrawImage(canvas, Bounds(x + 1, y + 1, FWidth, FHeight), Solid(e.Image.size(), ToQRgb(GetSysColor(COLOR_BTNHIGHLIGHT))), mask);
    DrawImage(canvas, at, Solid(e.Image.size(), ToQRgb(GetSysColor(COLOR_BTNSHADOW))), mask);
    return;
  }
  static const unsigned styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  const unsigned ild = styles[int(style)] | (type == TImageType::itMask ? ILD_MASK : 0u);
  DrawEx(canvas, x, y, index, ImageListColor(FBkColor), ImageListColor(FBlendColor), ild);
}

void TImageList::DrawEx(TCanvas* canvas, int x, int y, int index, COLORREF bk, COLORREF blend, unsigned style) const {
  if (index < 0 || index >= Count()) return;
  const TEntry& e = FImages[size_t(index)];
  const QImage mask = FMasked ? e.Mask : QImage();
  const TRect at = Bounds(x, y, FWidth, FHeight);
  if (style & ILD_MASK) {
    QImage shape(e.Image.size(), QImage::Format_RGB32);
    for (int j = 0; j < shape.height(); ++j)
      for (int i = 0; i < shape.width(); ++i)
        shape.setPixel(i, j, ToQRgb(IsTransparentPixel(mask, i, j) ? GetBkColor(canvas) : GetTextColor(canvas)));
    DrawImage(canvas, at, shape, QImage());
    return;
  }
  QImage image = e.Image;
  const int percent = (style & ILD_BLEND50) ? 50 : (style & ILD_BLEND25) ? 25 : 0;
  if (percent && blend != CLR_NONE) {
    const QRgb tint = ToQRgb(blend == CLR_DEFAULT ? GetSysColor(COLOR_HIGHLIGHT) : blend);
    for (int j = 0; j < image.height(); ++j)
      for (int i = 0; i < image.width(); ++i)
        if (!IsTransparentPixel(mask, i, j)) image.setPixel(i, j, Mix(image.pixel(i, j), tint, percent));
  }
  const bool transparent = (style & ILD_TRANSPARENT) || bk == CLR_NONE;
  if (!transparent && !mask.isNull()) {
    const QRgb background = ToQRgb(bk == CLR_DEFAULT ? GetSysColor(COLOR_WINDOW) : bk);
    for (int j = 0; j < image.height(); ++j)
      for (int i = 0; i < image.width(); ++i)
        if (IsTransparentPixel(mask, i, j)) image.setPixel(i, j, background);
  }
  DrawImage(canvas, at, image, transparent ? mask : QImage());
}

void TImageList::RegisterChanges(TChangeLink* link) {
  if (!link || std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) return;
  if (link->FSender) link->FSender->UnRegisterChanges(link);
  link->FSender = this;
  FLinks.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link) {
  const auto it = std::find(FLinks.begin(), FLinks.end(), link);
  if (it == FLinks.end()) return;
  FLinks.erase(it);
  link->FSender = nullptr;
}

bool TImageList::SetDragImage(int index, int hotSpotX, int hotSpotY) {
  if (index < 0 || index >= Count()) return false;
  FDragIndex = index;
  FDragHotspot = {hotSpotX, hotSpotY};
  return true;
}

bool TImageList::BeginDrag(int x, int y) {
  if (FDragIndex < 0) return false;
  FDragging = true;
  FDragVisible = true;
  FDragPosition = {x, y};
  return true;
}

bool TImageList::DragMove(int x, int y) {
  if (!FDragging) return false;
  FDragPosition = {x, y};
  return true;
}

void TImageList::EndDrag() { FDragging = false; }

bool SetImageListReference(TImageList*& Field, TImageList* Value, TChangeLink& Link, TComponent* Client) {
  if (Field == Value) return false;
  if (Field) {
    Field->UnRegisterChanges(&Link);
    Field->RemoveFreeNotification(Client);
  }
  Field = Value;
  if (Field) {
    Field->RegisterChanges(&Link);
    Field->FreeNotification(Client);
  }
  return true;
}

bool ImageList_DrawEx(const TImageList* list, int index, HDC dc, int x, int y, int, int, COLORREF bk, COLORREF blend,
                      unsigned style) {
  if (!list || index < 0 || index >= list->Count()) return false;
  list->DrawEx(dc, x, y, index, bk, blend, style);
  return true;
}
