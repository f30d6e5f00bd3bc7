// Window-less painting: a view data holds everything needed to paint one value (colours, font,
// border, value, rectangles); the class operations of an editor class turn it into rectangles
// (the view info), paint its border and shadow and its content, without an editor window. A host
// paints every cell it shows no editor for this way; an editor paints its own window the same way.
#pragma once

#include <memory>
#include <optional>

#include "controls/ControlTypes.h"
#include "editors/dxEditTypes.h"
#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "rtl/Variant.h"

class TdxInplaceEdit;
class TdxEditStyle;
class TComponent;

// The brush and font are borrowed handles of a control or of the system: a view data frees
// nothing but its value. Each editor family derives its own with the fields it adds.
class TdxEditViewData {
 public:
  virtual ~TdxEditViewData() = default;
  bool Enabled = true;
  bool Focused = false;
  bool Hot = false;
  TColor BorderColor = clWindowFrame;
  TdxEditBorderStyle BorderStyle = xbs3D;
  TdxEditButtonViewStyle ButtonStyle = bts3D;
  bool ButtonTransparent = false;
  bool StandAloneText = false;
  TdxEditEdges Edges = AllEdges;
  bool Shadow = false;
  bool KeepBkMode = false;
  bool NoBackground = false;
  TRect EditOffsets;
  TRect Bounds;
  TAlignment Alignment = taLeftJustify;
  uint8_t VertAlignment = 0;  // 0 top, 1 centre, 2 bottom, 3 multi-line
  HBRUSH Brush;
  COLORREF Color = 0;
  HFONT Font;
  COLORREF TextColor = 0;
  bool HasEditArea = false;
  Variant Value;
  int TextLength = 0;  // 0: the whole text
  bool CalcOnly = false;
  int LineCount = 0;
  int TextHeight = 0;
  int LineHeight = 0;
  TCursor Cursor = crDefault;
};

// The rectangles of one painted value; families extend it with their own parts.
struct TdxEditViewInfo {
  int BorderWidth = 0;
  int ShadowSize = 0;
  TRect Bounds;
  TRect ClientRect;
  bool EdgeLeft = false;
  bool EdgeTop = false;
  bool EdgeRight = false;
  bool EdgeBottom = false;
  TRect BorderRect;
  TRect ShadowRect;
};

// An editor class: what is answered without an instance. Every editor class has one object of
// its class kind, which it gives its editors at construction; hosts keep that object per column.
class TdxInplaceEditClass {
 public:
  virtual ~TdxInplaceEditClass() = default;
  virtual String ClassName() const { return "TdxInplaceEdit"; }
  // A new editor of this class owned by Owner (a host for in-place classes).
  virtual TdxInplaceEdit* CreateEditor(TComponent* Owner) const;
  // The style object of a new editor of this class (GetStyleClass).
  virtual std::unique_ptr<TdxEditStyle> CreateStyle(TdxInplaceEdit* Edit) const;
  // An empty view data of this class's family (GetViewDataClass).
  virtual std::unique_ptr<TdxEditViewData> CreateViewDataObject() const { return std::make_unique<TdxEditViewData>(); }
  virtual bool IsInplace() const { return true; }

  // Turns a view data into its rectangles; Calc fits the bounds to the content (auto-size).
  virtual void CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const;
  // Paints one value completely and removes the painted area from Region when one is given.
  virtual void GetEditClipRegion(HDC DC, const TRect& Rect, TRegion* Region, TdxEditViewData& ViewData) const;
  virtual void DrawBorder(HDC DC, const TdxEditViewInfo& ViewInfo, TdxEditViewData& ViewData) const;
  // Paints the content into Rect: the base fills it with the view data's brush (unless measuring).
  virtual bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const;
  virtual TCursor GetViewCursor(int X, int Y, const TdxEditViewData& ViewData) const;
  // The content height: the font's height plus the class's margin.
  virtual int GetEditHeight(const TdxEditViewData& ViewData) const;
  // The natural content size; empty when only the height is fitted.
  virtual void GetContentSize(const TdxEditViewData& ViewData, TRect& Size) const;

  // The window region that leaves out what lies outside the border and shadow; none (the whole
  // window) for a full border of width 2 or more without a shadow.
  static std::optional<TRegion> GetBorderRegion(const TdxEditViewInfo& ViewInfo);
  // The area GetEditClipRegion paints.
  static TRegion PaintedRegion(const TdxEditViewInfo& ViewInfo);
};

// The class of the base editor.
const TdxInplaceEditClass& InplaceEditClass();

