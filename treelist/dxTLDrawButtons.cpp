// The tree list's button painters: expand buttons in the tree, grid and ultra-flat styles, the
// sort mark, the frames of header, band and indicator buttons in the three looks, the header's
// drop-down button, and whole header and indicator buttons painted off screen.
#include <algorithm>

#include "editors/dxDrawing.h"
#include "treelist/dxTLDraw.h"
#include "treelist/dxTLDrawInfo.h"

namespace {

// Runs Paint on Bitmap sized to Rect (with DC's font and text colour) and copies the part of it
// that lies in VisibleRect to DC.
template <class F>
void PaintOffScreen(HDC DC, const TRect& Rect, const TRect& VisibleRect, TBitmap& Bitmap, F Paint) {
  TRect visible;
  if (!IntersectRect(visible, VisibleRect, Rect)) return;
  Bitmap.SetSize(Rect.Width(), Rect.Height());
  HDC bitmap = Bitmap.Canvas();
  SelectObject(bitmap, GetCurrentFont(DC));
  SetTextColor(bitmap, GetTextColor(DC));
  Paint(bitmap, TRect{0, 0, Rect.Width(), Rect.Height()});
  BitBlt(DC, visible.Left, visible.Top, visible.Width(), visible.Height(), bitmap, visible.Left - Rect.Left,
         visible.Top - Rect.Top, SRCCOPY);
}

void InvertWhole(HDC DC, const TRect& R) { BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), DC, 0, 0, DSTINVERT); }

// A line from (X1, Y1) to (X2, Y2), both ends drawn, in Color.
void DrawLine(HDC DC, int X1, int Y1, int X2, int Y2, int Color) {
  const HPEN old = SelectObject(DC, CreatePen(PS_SOLID, 1, SysColor(Color)));
  MoveToEx(DC, X1, Y1);
  LineTo(DC, X2, Y2);
  SetPixel(DC, X2, Y2, GetSysColor(Color));
  SelectObject(DC, old);
}

void DrawFlatFrame(HDC DC, TRect& Rect, TdxHeaderEdgeKind EdgeKind, TdxLookAndFeel Look) {
  const bool ultraFlat = Look == lfUltraFlat;
  TRect r = Rect;
  const unsigned edge = ultraFlat ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
  const unsigned flat = ultraFlat ? unsigned(BF_FLAT) : 0u;
  DrawEdge(DC, r, edge, BF_TOP | flat);
  DrawEdge(DC, r, edge, BF_BOTTOM | flat);
  // The edges beside a neighbour stop short of the top and bottom edges.
  const bool leftShort = EdgeKind == ekLast || EdgeKind == ekMiddle;
  const bool rightShort = EdgeKind == ekFirst || EdgeKind == ekMiddle;
  r.Top = Rect.Top + (leftShort ? 2 : 1);
  r.Bottom = Rect.Bottom - (leftShort ? 2 : 1);
  if (!ultraFlat) DrawEdge(DC, r, BDR_RAISEDINNER, BF_LEFT);
  r.Top = Rect.Top + (rightShort ? 2 : 0);
  r.Bottom = Rect.Bottom - (rightShort ? 2 : 1);
  DrawEdge(DC, r, BDR_RAISEDINNER, BF_RIGHT);
  InflateRect(Rect, -2, -1);
}

}  // namespace

void DrawImageCentered(HDC DC, const TRect& Rect, const TImageList* ImageList, int Index) {
  if (!ImageList || Index < 0 || Index >= ImageList->Count()) return;
  const int x = (Rect.Left + Rect.Right - ImageList->Width() + 1) / 2;
  const int y = (Rect.Top + Rect.Bottom - ImageList->Height() + 1) / 2;
  ImageList->Draw(DC, x, y, Index);
}

void DrawBitmapCentered(HDC DC, const TRect& Rect, const TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->Empty()) return;
  const int x = (Rect.Left + Rect.Right - Bitmap->Width() + 1) / 2;
  const int y = (Rect.Top + Rect.Bottom - Bitmap->Height() + 1) / 2;
  DC->Draw(x, y, Bitmap);
}

void DrawTreeButton(HDC DC, const TRect& Rect, int MiddleY, bool Collapsed) {
  const int x = (Rect.Left + Rect.Right - 9) / 2, y = MiddleY - 4;
  FrameRect(DC, {x, y, x + 9, y + 9}, GetSysColorBrush(COLOR_GRAYTEXT));
  FillRect(DC, {x + 2, y + 4, x + 7, y + 5}, GetSysColorBrush(COLOR_WINDOWTEXT));
  if (Collapsed) FillRect(DC, {x + 4, y + 2, x + 5, y + 7}, GetSysColorBrush(COLOR_WINDOWTEXT));
}

void DrawGridButton(HDC DC, const TRect& Rect, bool Collapsed) {
  DrawBitmapCentered(DC, Rect, &TreeListButtonGlyph(Collapsed));
}

void DrawUltraFlatGridButton(HDC DC, const TRect& Rect, bool Collapsed) {
  const int x = (Rect.Left + Rect.Right - 11) / 2, y = (Rect.Top + Rect.Bottom - 11) / 2;
  TRect shadow{x + 1, y + 1, x + 12, y + 12};
  DrawEdge(DC, shadow, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM | BF_FLAT);
  const HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
  FrameRect(DC, {x, y, x + 11, y + 11}, frame);
  FillRect(DC, {x + 3, y + 5, x + 8, y + 6}, frame);
  if (Collapsed) FillRect(DC, {x + 5, y + 3, x + 6, y + 8}, frame);
}

void DrawSortMark(HDC DC, const TRect& Rect, bool Ascending) {
  const int cx = (Rect.Left + Rect.Right) / 2, cy = (Rect.Top + Rect.Bottom) / 2;
  const int left = cx - 4, right = cx + 4, top = cy - 3, bottom = cy + 4;
  if (Ascending) {
    DrawLine(DC, left, bottom, cx, top, COLOR_BTNSHADOW);
    DrawLine(DC, cx, top, right, bottom, COLOR_BTNHIGHLIGHT);
    DrawLine(DC, left, bottom, right, bottom, COLOR_BTNHIGHLIGHT);
  } else {
    DrawLine(DC, left, top, right, top, COLOR_BTNSHADOW);
    DrawLine(DC, left, top, cx, bottom, COLOR_BTNSHADOW);
    DrawLine(DC, right, top, cx, bottom, COLOR_BTNHIGHLIGHT);
  }
}

void DrawHeaderFrame(HDC DC, TRect& Rect, const HBRUSH& Brush, bool Pressed, TdxHeaderEdgeKind EdgeKind,
                     TdxLookAndFeel Look) {
  if (Look == lfStandard) {
    DrawEdge(DC, Rect, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM | BF_ADJUST);
    if (Pressed) {
      DrawEdge(DC, Rect, BDR_SUNKENOUTER, BF_LEFT | BF_TOP | BF_ADJUST);
    } else {
      DrawEdge(DC, Rect, BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM | BF_ADJUST);
      DrawEdge(DC, Rect, BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_ADJUST);
    }
    FillRect(DC, Rect, Brush);
    return;
  }
  if (EdgeKind == ekAlone) {
    if (Look == lfUltraFlat) {
      FrameRect(DC, Rect, GetSysColorBrush(COLOR_BTNSHADOW));
      InflateRect(Rect, -1, -1);
    } else {
      DrawEdge(DC, Rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    }
    FillRect(DC, Rect, Brush);
    InflateRect(Rect, -1, 0);
    return;
  }
  FillRect(DC, Rect, Brush);
  DrawFlatFrame(DC, Rect, EdgeKind, Look);
}

void DrawButtonFace(HDC DC, const TRect& Rect, const HBRUSH& Brush, bool Pressed, TdxHeaderEdgeKind EdgeKind,
                    TdxLookAndFeel Look) {
  TRect r = Rect;
  DrawHeaderFrame(DC, r, Brush, Pressed, EdgeKind, Look);
  if (Pressed && Look != lfStandard) InvertWhole(DC, Rect);
}

void DrawHeaderDropButton(HDC DC, const TRect& Rect, unsigned State) {
  TRect r = Rect;
  FrameRect(DC, r, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(r, -1, -1);
  const int face = State & hbsPressed ? COLOR_BTNTEXT : State & hbsHot ? COLOR_BTNSHADOW : COLOR_BTNFACE;
  FillRect(DC, r, GetSysColorBrush(face));
  const TColor mark = State & (hbsHot | hbsPressed) ? clWindow : State & hbsActive ? clBlue : clBtnText;
  int w = r.Width() / 2;
  if (w % 2 == 0) ++w;
  const int x = (r.Left + r.Right - w) / 2, h = w / 2;
  const int y = (r.Top + r.Bottom - h) / 2 - r.Height() % 2;
  const HPEN oldPen = SelectObject(DC, CreatePen(PS_SOLID, 1, mark));
  const HBRUSH oldBrush = SelectObject(DC, CreateSolidBrush(mark));
  Polygon(DC, {{x, y}, {x + w - 1, y}, {x + h, y + h}});
  SelectObject(DC, oldBrush);
  SelectObject(DC, oldPen);
}

void DrawHeaderContent(HDC DC, const TRect& Rect, const HBRUSH& Brush, const TdxHeaderButtonContent& Content) {
  TRect r = Rect;
  DrawHeaderFrame(DC, r, Brush, Content.Pressed, Content.EdgeKind, Content.Look);
  if (Content.Pressed && Content.Look == lfStandard) {
    r.Left += 3;
    r.Top += 3;
  } else {
    InflateRect(r, -1, -1);
  }
  --r.Bottom;
  if (Content.ButtonState != 0 && r.Width() >= 15) {
    DrawHeaderDropButton(DC, {r.Right - 15, r.Top, r.Right, r.Bottom}, Content.ButtonState);
    r.Right -= 15;
  }
  if (Content.Sorted != csNone && r.Width() >= 16) {
    DrawSortMark(DC, {r.Right - 16, r.Top, r.Right, r.Bottom}, Content.Sorted == csUp);
    r.Right -= 16;
  }
  if (Content.Glyph && !Content.Glyph->Empty() && r.Width() > 0) {
    const int w = Content.Glyph->Width(), h = Content.Glyph->Height();
    const int x = r.Left - (Content.Look == lfStandard ? 1 : 2);
    const int y = r.Top - 1 + (r.Height() + 1 - h) / 2;
    DrawTransparentBitmap(DC, Brush, {x, y, x + w, y + h}, *Content.Glyph);
    r.Left = x + w;
  }
  static constexpr unsigned AlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | AlignFlags[Content.Alignment];
  if (Content.MultiLine) {
    flags |= DT_WORDBREAK;
  } else {
    flags |= DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
    TSize size;
    GetTextExtentPoint32(DC, Content.Text, size);
    if (size.cx <= r.Width()) flags |= DT_NOCLIP;
  }
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  DrawText(DC, Content.Text, -1, r, flags);
  SetBkMode(DC, oldMode);
}

void DrawHeaderButton(HDC DC, const TRect& Rect, const TRect& VisibleRect, const HBRUSH& Brush, TBitmap& Bitmap,
                      const TdxHeaderButtonContent& Content) {
  PaintOffScreen(DC, Rect, VisibleRect, Bitmap, [&](HDC Bits, const TRect& R) {
    DrawHeaderContent(Bits, R, Brush, Content);
    if (Content.Pressed && Content.Look != lfStandard) InvertWhole(Bits, R);
  });
}

void DrawUltraFlatIndicatorFrame(HDC DC, TRect& Rect, const HBRUSH& Brush) {
  DrawEdge(DC, Rect, BDR_SUNKENOUTER, BF_RIGHT | BF_BOTTOM | BF_ADJUST | BF_FLAT);
  FillRect(DC, Rect, Brush);
  InflateRect(Rect, -1, 0);
}

void DrawIndicatorCell(HDC DC, const TRect& Rect, const TRect& VisibleRect, const HBRUSH& Brush, TBitmap& Bitmap,
                       int Kind, TdxLookAndFeel Look) {
  PaintOffScreen(DC, Rect, VisibleRect, Bitmap, [&](HDC Bits, TRect R) {
    if (Look == lfUltraFlat)
      DrawUltraFlatIndicatorFrame(Bits, R, Brush);
    else
      DrawHeaderFrame(Bits, R, Brush, false, ekAlone, Look);
    if (Kind > 0) DrawImageCentered(Bits, R, &TreeListIndicatorImages(), Kind - 1);
  });
}

void DrawPanelCorner(HDC DC, const TRect& Rect, const HBRUSH& Brush, bool Pressed, TdxLookAndFeel Look) {
  if (Look != lfUltraFlat) return DrawButtonFace(DC, Rect, Brush, Pressed, ekAlone, Look);
  TRect r = Rect;
  DrawEdge(DC, r, BDR_SUNKENOUTER, BF_TOP | BF_RIGHT | BF_BOTTOM | BF_ADJUST | BF_FLAT);
  FillRect(DC, r, Brush);
  if (Pressed) InvertWhole(DC, Rect);
}

void DrawFooterCellFrame(HDC DC, const TRect& Rect, TdxLookAndFeel Look) {
  TRect r = Rect;
  if (Look == lfUltraFlat)
    FrameRect(DC, r, GetSysColorBrush(COLOR_BTNSHADOW));
  else
    DrawEdge(DC, r, BDR_SUNKENOUTER, BF_RECT);
}

void DrawFilterCloseButton(HDC DC, const TRect& Rect, bool Hot, bool Pressed) {
  const int face = Pressed ? COLOR_WINDOWFRAME : Hot ? COLOR_WINDOW : COLOR_BTNFACE;
  const TColor line = Pressed ? clWindow : Hot ? clWindowFrame : clBtnText;
  FillRect(DC, Rect, GetSysColorBrush(face));
  TRect r = Rect;
  InflateRect(r, -2, -2);
  const int l = r.Left, t = r.Top, rr = r.Right, b = r.Bottom;
  const HPEN old = SelectObject(DC, CreatePen(PS_SOLID, 1, line));
  MoveToEx(DC, l, t);
  LineTo(DC, rr - 2, b - 1);
  LineTo(DC, rr - 1, b - 1);
  LineTo(DC, l + 1, t);
  LineTo(DC, l, t);
  MoveToEx(DC, rr - 1, t);
  LineTo(DC, l + 1, b - 1);
  LineTo(DC, l, b - 1);
  LineTo(DC, rr - 2, t);
  LineTo(DC, rr - 1, t);
  SelectObject(DC, old);
}

void DrawFocusRectangle(HDC DC, const TRect& Rect) {
  const COLORREF oldBk = SetBkColor(DC, RGB(0, 0, 0));
  const COLORREF oldText = SetTextColor(DC, RGB(255, 255, 255));
  DrawFocusRect(DC, Rect);
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBk);
}

void DrawInvertedFrame(HDC DC, const TRect& Rect) {
  const TRect& r = Rect;
  InvertRect(DC, {r.Left, r.Top, r.Right, r.Top + 1});
  InvertRect(DC, {r.Right - 1, r.Top + 1, r.Right, r.Bottom});
  InvertRect(DC, {r.Left, r.Top + 1, r.Left + 1, r.Bottom});
  InvertRect(DC, {r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom});
}
