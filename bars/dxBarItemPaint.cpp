// The painting the views of the item kinds share: faces, glyphs, captions and menu lines.
#include "bars/dxBarItemPaint_p.h"

#include <algorithm>

#include "bars/dxBarControl.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUtils.h"
#include "graphics/Colors.h"

namespace {

// The brush inside a face: the highlight brush (or the pressed one) under the flat style while
// the face shows a state, the checkerboard for a down button that is not hot, else the bar's.
HBRUSH FaceBrush(const TdxBarItemControl& Control, const TdxBarFace& Face) {
  const TCustomdxBarControl* bar = Control.Parent();
  if (Control.IsFlat()) {
    if (Face.Pressed || (Face.Down && Face.Hot)) return bar->GetSelectedBrush();
    if (Face.Hot || Face.Down) return bar->GetHighlightBrush();
  } else if (Face.Down && !Face.Hot && !Face.Pressed) {
    return BarPatternBrush();
  }
  return bar->ItemBackgroundBrush();
}

void Line(HDC DC, int X1, int Y1, int X2, int Y2) {
  MoveToEx(DC, X1, Y1);
  LineTo(DC, X2, Y2);
}

// The tick's strokes: three one-pixel lines down, then up to the right, Scale pixels thick.
void Tick(HDC DC, int X, int Y, int Scale, COLORREF Color) {
  const HPEN old = SelectObject(DC, CreatePen(PS_SOLID, 1, TColor(Color)));
  for (int row = 0; row < 3 * Scale; ++row) {
    Line(DC, X, Y + row, X + 2 * Scale, Y + 2 * Scale + row);
    Line(DC, X + 2 * Scale, Y + 2 * Scale + row, X + 6 * Scale + 1, Y - 2 * Scale + row - 1);
  }
  SelectObject(DC, old);
}

}  // namespace

void DrawToolbarFace(const TdxBarItemControl& Control, HDC DC, const TRect& Rect, const TdxBarFace& Face) {
  TRect r = Rect;
  const bool state = Face.Hot || Face.Pressed || Face.Down;
  if (Control.IsFlat()) {
    FillRect(DC, r, state ? FaceBrush(Control, Face) : Control.Parent()->ItemBackgroundBrush());
    if (state) FrameHighlightRect(DC, r);
    return;
  }
  FillRect(DC, r, FaceBrush(Control, Face));
  if (Face.Pressed || Face.Down) {
    DrawEdge(DC, r, BDR_SUNKENOUTER, BF_RECT);
  } else if (Face.Hot) {
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT);
  }
}

void DrawControlGlyph(const TdxBarItemControl& Control, HDC DC, const TRect& ItemRect, const TRect& GlyphRect,
                      const TdxBarFace& Face) {
  (void)ItemRect;
  TdxBarGlyphState state;
  state.Enabled = Face.Enabled;
  state.Selected = Face.Hot && !Face.Pressed;
  state.Down = Face.Down || Face.Pressed;
  state.ShadowAllowed = Control.IsFlat() && state.Selected;
  const TImageList* images = Face.Hot && Control.GetHotImages() ? Control.GetHotImages() : Control.GetImages();
  TRect inner = GlyphRect;
  InflateRect(inner, -1, -1);
  if (IsRectEmpty(inner)) return;
  DrawBarGlyph(DC, FaceBrush(Control, Face), inner, inner, Control.GetGlyph(), images, Control.GetImageIndex(), state);
}

TRect DrawGlyphPart(const TdxBarItemControl& Control, HDC DC, const TRect& Rect, bool ShowGlyph, const TdxBarFace& Face) {
  const bool rotated = Control.IsRotated();
  TRect text = Rect;
  if (!ShowGlyph) {
    (rotated ? text.Top : text.Left) += Control.Parent()->Font()->Size() / 2;
    return text;
  }
  const TdxBarManager* manager = Control.ItemLink()->BarManager();
  const int size = manager ? manager->ButtonSize() : Rect.Height();
  const TRect glyph = rotated ? TRect{Rect.Left, Rect.Top, Rect.Right, Rect.Top + size}
                              : TRect{Rect.Left, Rect.Top, Rect.Left + std::min(size, Rect.Width()), Rect.Bottom};
  DrawControlGlyph(Control, DC, Rect, glyph, Face);
  (rotated ? text.Top : text.Left) = rotated ? glyph.Bottom : glyph.Right;
  return text;
}

void DrawBarCaption(const TdxBarItemControl& Control, HDC DC, const String& Caption, const TRect& Rect, unsigned Format,
                    bool Enabled, COLORREF Color) {
  TCanvas* canvas = static_cast<TCustomControl*>(Control.Parent())->Canvas();
  canvas->SetFont(Control.Parent()->Font());
  if (Control.IsRotated()) canvas->Font()->SetOrientation(-900);
  SetBkMode(DC, TRANSPARENT);
  if (Control.IsRotated()) {
    const int x = (Rect.Left + Rect.Right + canvas->TextHeight("0")) / 2;
    SetTextColor(DC, Enabled ? Color : GetSysColor(COLOR_GRAYTEXT));
    ExtTextOut(DC, x, Rect.Top + 2, 0, nullptr, StripAccelerators(Caption));
    canvas->Font()->SetOrientation(0);
    return;
  }
  TRect r = Rect;
  const unsigned format = Format | DT_SINGLELINE | DT_VCENTER;
  if (!Enabled && !Control.IsFlat()) {
    TRect emboss = r;
    OffsetRect(emboss, 1, 1);
    SetTextColor(DC, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawText(DC, Caption, -1, emboss, format);
  }
  SetTextColor(DC, Enabled ? Color : GetSysColor(COLOR_BTNSHADOW));
  DrawText(DC, Caption, -1, r, format);
}

void DrawCheckMark(HDC DC, const TRect& Rect, bool Enabled, bool Flat, bool Large) {
  const int scale = Large ? 2 : 1;
  const int x = (Rect.Left + Rect.Right) / 2 - 3 * scale, y = (Rect.Top + Rect.Bottom) / 2 - scale;
  const bool blackFace = GetSysColor(COLOR_BTNFACE) == 0;
  if (!Enabled) {
    if (!Flat) Tick(DC, x + 1, y + 1, scale, GetSysColor(COLOR_BTNHIGHLIGHT));
    Tick(DC, x, y, scale, GetSysColor(COLOR_BTNSHADOW));
    return;
  }
  if (!Flat) Tick(DC, x + 1, y, scale, RGB(192, 192, 192));
  Tick(DC, x, y, scale, blackFace ? RGB(255, 255, 255) : RGB(0, 0, 0));
}

void DrawDropArrow(HDC DC, const TRect& Rect, bool Enabled) {
  const int width = 5, cx = (Rect.Left + Rect.Right) / 2, top = (Rect.Top + Rect.Bottom) / 2 - 1;
  const COLORREF color = GetSysColor(Enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
  const HPEN pen = SelectObject(DC, CreatePen(PS_SOLID, 1, TColor(color)));
  const HBRUSH brush = SelectObject(DC, CreateSolidBrush(TColor(color)));
  Polygon(DC, {{cx - width / 2, top}, {cx + width / 2, top}, {cx, top + width / 2}});
  SelectObject(DC, brush);
  SelectObject(DC, pen);
}

// The flat style borders the glyph column in its own colour and frames a selected line; the
// other styles fill a selected text area with the highlight.
void DrawMenuLine(const TdxBarItemControl& Control, HDC DC, const TRect& Rect, const TdxBarMenuLine& Line) {
  const TCustomdxBarControl* bar = Control.Parent();
  const bool flat = Control.IsFlat();
  const bool selected = Control.IsSelected();
  const bool enabled = Control.IsEnabled();
  const int height = Rect.Height();
  const TRect glyph{Rect.Left, Rect.Top, Rect.Left + height, Rect.Bottom};
  const int gap = flat ? 2 : 1;
  const TRect text{glyph.Right + gap, Rect.Top, Rect.Right, Rect.Bottom};
  const TdxBarFace face{selected && enabled, false, Line.Checked, enabled};
  FillRect(DC, TRect{glyph.Right, Rect.Top, text.Left, Rect.Bottom}, bar->ItemBackgroundBrush());
  if (flat) {
    FillRect(DC, glyph, bar->BarManager()->FlatBrush(1));
    FillRect(DC, text, selected ? bar->GetHighlightBrush() : bar->ItemBackgroundBrush());
    if (selected) FrameHighlightRect(DC, Rect);
  } else {
    FillRect(DC, glyph, bar->ItemBackgroundBrush());
    FillRect(DC, text, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : bar->ItemBackgroundBrush());
  }
  const bool hasPicture = (Control.GetGlyph() && !Control.GetGlyph()->Empty()) ||
                          (Control.GetImages() && Control.GetImageIndex() >= 0);
  if (hasPicture) {
    DrawControlGlyph(Control, DC, glyph, glyph, face);
    if (Line.Checked && !flat) {
      TRect edge = glyph;
      DrawEdge(DC, edge, BDR_SUNKENOUTER, BF_RECT);
    }
  } else if (Line.Checked) {
    DrawCheckMark(DC, glyph, enabled, flat, bar->Font()->Size() >= 16);
  }
  const COLORREF color = GetSysColor(selected && !flat ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  TRect caption{text.Left + (flat ? 8 : 2), text.Top, text.Right - height, text.Bottom};
  DrawBarCaption(Control, DC, Line.Caption, caption, DT_LEFT, enabled, color);
  if (!Line.ShortCut.empty()) DrawBarCaption(Control, DC, Line.ShortCut, caption, DT_RIGHT | DT_NOPREFIX, enabled, color);
  if (Line.SubMenu) {
    const TRect arrow{Rect.Right - height, Rect.Top, Rect.Right, Rect.Bottom};
    DrawArrowInRect(DC, arrow, false, enabled, selected && !flat, flat);
  }
}
