// TImageList: images of one size with masks, drawn with the styles of the original image lists
// (normal over a background colour, transparent, blended for focus and selection, mask only,
// disabled relief), change links that tell their owners about changes, and the drag image state
// that the windows layer shows while dragging. It is a component, so that a form's layout holds
// its image lists with their images and its controls name them.
#pragma once

#include <memory>
#include <vector>

#include "classes/Component.h"
#include "graphics/Graphic.h"

enum class TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
inline constexpr const char* DrawingStyleNames[] = {"dsFocus", "dsSelected", "dsNormal", "dsTransparent"};
enum class TImageType { itImage, itMask };
inline constexpr const char* ImageTypeNames[] = {"itImage", "itMask"};

enum : unsigned {
  ILD_NORMAL = 0x0, ILD_TRANSPARENT = 0x1, ILD_MASK = 0x10, ILD_BLEND25 = 0x2, ILD_BLEND50 = 0x4,
  ILD_FOCUS = ILD_BLEND25, ILD_SELECTED = ILD_BLEND50,
};

class TImageList;

// Registered with an image list; OnChange runs after every change of the list.
class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  TImageList* Sender() const { return FSender; }
  TNotifyEvent OnChange;

 private:
  friend class TImageList;
  TImageList* FSender = nullptr;
};

class TImageList : public TComponent {
 public:
  // A list of 16 x 16 images owned by AOwner (a form), or held by its maker when nullptr.
  explicit TImageList(TComponent* AOwner = nullptr);
  TImageList(int width, int height);
  ~TImageList() override;
  String ClassName() const override { return "TImageList"; }
  void Assign(const TPersistent* source) override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size empties the list.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  int Count() const;
  // clNone: no background (normal drawing is transparent); otherwise masked pixels show it.
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor color);
  // clNone or clDefault (the highlight colour) for blended drawing.
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor color);
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle style);
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType type);
  bool Masked() const { return FMasked; }
  void SetMasked(bool value);

  // An image wider than the list holds several images side by side; each is added. The mask is
  // monochrome, white where transparent (nullptr: opaque). Answers the index of the first one.
  int Add(const TBitmap* image, const TBitmap* mask);
  // Pixels of maskColor become transparent (clDefault: the bitmap's transparent colour).
  int AddMasked(const TBitmap* image, TColor maskColor);
  void Replace(int index, const TBitmap* image, const TBitmap* mask);
  void Delete(int index);
  void Clear();
  // Copies image index onto bitmap (resized to the list's size) over the bitmap's brush colour.
  void GetBitmap(int index, TBitmap* bitmap) const;
  void GetMask(int index, TBitmap* mask) const;

  // Draws with DrawingStyle and ImageType; a disabled image is a relief of its shape in the
  // highlight and shadow colours.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true) const;
  void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled) const;
  // ILD_* styles with explicit background and blend colours (CLR_NONE, CLR_DEFAULT or RGB).
  void DrawEx(TCanvas* canvas, int x, int y, int index, COLORREF bk, COLORREF blend, unsigned style) const;

  // Stored layouts keep the images as "Bitmap": their count, then each image and its mask as
  // sized bitmap files. A damaged block leaves the list as it was.
  void DefineProperties(TFiler& filer) override;

  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);
  TNotifyEvent OnChange;

  // Drag image state.
  bool SetDragImage(int index, int hotSpotX, int hotSpotY);
  int DragIndex() const { return FDragIndex; }
  TPoint DragHotspot() const { return FDragHotspot; }
  bool BeginDrag(int x, int y);
  bool DragMove(int x, int y);
  void DragShowNolock(bool show) { FDragVisible = show; }
  void EndDrag();
  bool Dragging() const { return FDragging; }
  bool DragVisible() const { return FDragging && FDragVisible; }
  TPoint DragPosition() const { return FDragPosition; }

 private:
  struct TEntry;
  void Changed();
  void CheckIndex(int index) const;
  std::vector<TEntry> Split(const TBitmap* image, const TBitmap* mask) const;

  int FWidth, FHeight;
  std::vector<TEntry> FImages;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = TDrawingStyle::dsNormal;
  TImageType FImageType = TImageType::itImage;
  bool FMasked = true;
  std::vector<TChangeLink*> FLinks;
  int FDragIndex = -1;
  TPoint FDragHotspot;
  TPoint FDragPosition;
  bool FDragging = false;
  bool FDragVisible = true;
};

// Points Field, a client's reference to an image list, at Value: Link hears the new list's
// changes and Client its freeing, and the old list forgets both. False when nothing changed.
bool SetImageListReference(TImageList*& Field, TImageList* Value, TChangeLink& Link, TComponent* Client);

// The image-list drawing call of the original system.
bool ImageList_DrawEx(const TImageList* list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk,
                      COLORREF blend, unsigned style);
