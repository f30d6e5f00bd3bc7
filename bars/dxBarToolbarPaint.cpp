// Painting a toolbar: its controls with the separators between groups over the background, and
// its frame: the docked edge with its drag handle, the floating frame with its caption and close
// button, and the top strip and size grip of a borderless bottom bar.
#include <algorithm>
#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "graphics/SystemFonts.h"

namespace {

// The separator's middle: a shadow line (flat) or an etched edge on its leading side.
void DrawSeparatorLine(HDC DC, TRect Rect, bool Horizontal, bool Flat) {
  if (Flat) {
    FillRect(DC, Horizontal ? TRect{Rect.Left, Rect.Top, Rect.Right, Rect.Top + 1}
                            : TRect{Rect.Left, Rect.Top, Rect.Left + 1, Rect.Bottom},
             GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  DrawEdge(DC, Rect, EDGE_ETCHED, Horizontal ? BF_TOP : BF_LEFT);
}

}  // namespace

bool TdxBarControl::IsStandardStyle() const { return !BarManager() || BarManager()->Style() == bmsStandard; }

// The separator before a link that begins a group, Size thick: above the link (or its line) when
// the bars' lines run that way, else before it along the line.
TRect TdxBarControl::SeparatorRect(const TdxBarItemControl* Control, int Size) const {
  const TRect item = GetItemRect(Control);
  const TRect client = ClientRect();
  const bool vertical = IsVertical();
  const int markAllowance = DockedMarkSize();
  if (vertical && !Control->LineStart()) return TRect{item.Left, item.Top - Size, item.Right, item.Top};
  if (!vertical && Control->LineStart())
    return TRect{client.Left, item.Top - Size, client.Right - markAllowance, item.Top};
  if (vertical) return TRect{item.Left - Size, client.Top, item.Left, client.Bottom - markAllowance};
  return TRect{item.Left - Size, item.Top, item.Left, item.Bottom};
}

TRect TdxBarControl::ShownSeparatorRect(const TdxBarItemControl* Control) const {
  const TdxBarItemLink* link = Control->ItemLink();
  const TRect item = GetItemRect(Control);
  const bool atStart = (IsVertical() ? item.Top : item.Left) <= 0 && !Control->LineStart();
  if (!link->BeginGroup() || ItemLinks()->IndexOfShown(link) <= 0 || atStart || IsRectEmpty(link->ItemRect())) return TRect{};
  return SeparatorRect(Control, GetSeparatorSize());
}

// The controls draw themselves; what they and their separators leave is the background.
void TdxBarControl::Paint() {
  if (DestroyingControls()) return;
  HDC dc = Canvas()->Handle();
  const HBRUSH background = GetBackgroundBrush();
  CalcControlsPositions();
  if (!IsStandardStyle() && HandleAllocated()) Perform(WM_NCPAINT, 1);
  TRegion rest = CreateRectRgnIndirect(ClientRect());
  const bool flat = BarManager() && BarManager()->IsFlat();
  const int size = GetSeparatorSize();
  const int line = flat ? 1 : 2;
  const int inset = (size - line) / 2;
  TdxBarItemLinks* links = ItemLinks();
  for (int i = 0; links && i < links->ShownItemCount(); ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    TdxBarItemControl* control = link->Control();
    if (!control || IsRectEmpty(link->ItemRect())) continue;
    const TRect item = GetItemRect(control);
    DrawItemControl(control);
    control->Draw(item);
    DrawCustomizingSelection(dc, control, item);
    CombineRgn(rest, rest, CreateRectRgnIndirect(item), RGN_DIFF);
    const TRect separator = ShownSeparatorRect(control);
    if (IsRectEmpty(separator)) continue;
    const bool horizontal = separator.Height() == size && (IsVertical() || control->LineStart());
    FillRect(dc, separator, background);
    TRect middle = separator;
    if (horizontal) {
      middle.Top += inset;
      middle.Bottom = middle.Top + line;
    } else {
      middle.Left += inset;
      middle.Right = middle.Left + line;
    }
    DrawSeparatorLine(dc, middle, horizontal, flat);
    CombineRgn(rest, rest, CreateRectRgnIndirect(separator), RGN_DIFF);
  }
  const std::vector<TdxBarCaptionButton> buttons = CaptionButtons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    DrawCaptionButton(dc, buttons[i], static_cast<int>(i) == FPressedCaptionButton);
    CombineRgn(rest, rest, CreateRectRgnIndirect(buttons[i].Rect), RGN_DIFF);
  }
  if (const TRect mark = MarkRect(); !IsRectEmpty(mark)) {
    PaintMark(dc, mark);
    CombineRgn(rest, rest, CreateRectRgnIndirect(mark), RGN_DIFF);
  }
  FillRgn(dc, rest, background);
}

// --- the mark -------------------------------------------------------------------------------------

int TdxBarControl::DockedMarkSize() const { return FDockControl && HasMark() ? kBarMarkSize : 0; }

// The last pixels along a docked bar, across its whole thickness (9 pixels under the standard
// style); floating bars carry no mark in their client area.
TRect TdxBarControl::MarkRect() const {
  const int along = DockedMarkSize();
  if (!along) return TRect{};
  const TRect client = ClientRect();
  const int across = IsStandardStyle() ? 9 : 0;
  if (IsVertical())
    return TRect{across ? client.Right - across : client.Left, client.Bottom - along, client.Right, client.Bottom};
  return TRect{client.Right - along, client.Top, client.Right, across ? client.Top + across : client.Bottom};
}

namespace {

// One ">" two pixels wide, three across and five along, its tip towards the bar's end.
void DrawChevron(HDC DC, int X, int Y, bool Vertical, COLORREF Color) {
  const HBRUSH brush = CreateSolidBrush(TColor(Color));
  const int offsets[] = {0, 1, 2, 1, 0};
  for (int i = 0; i < 5; ++i) {
    const TRect r = Vertical ? TRect{X + i, Y + offsets[i], X + i + 1, Y + offsets[i] + 2}
                             : TRect{X + offsets[i], Y + i, X + offsets[i] + 2, Y + i + 1};
    FillRect(DC, r, brush);
  }
}

void DrawTriangle(HDC DC, const std::vector<TPoint>& Points) {
  const COLORREF color = GetSysColor(COLOR_BTNTEXT);
  const HPEN pen = SelectObject(DC, CreatePen(PS_SOLID, 1, TColor(color)));
  const HBRUSH brush = SelectObject(DC, CreateSolidBrush(TColor(color)));
  Polygon(DC, Points);
  SelectObject(DC, brush);
  SelectObject(DC, pen);
}

}  // namespace

// Hot or pressed, the mark is raised or sunken (lit and framed under the flat style). The
// quick-customising arrow at the mark's far end (not under the standard style) and, when links
// were left off, two chevrons before it.
void TdxBarControl::PaintMark(HDC DC, const TRect& Mark) {
  const bool flat = BarManager() && BarManager()->IsFlat();
  FillRect(DC, Mark, flat && FMarkState > 0 ? GetHighlightBrush() : GetBackgroundBrush());
  if (!IsStandardStyle() && FMarkState > 0) {
    TRect frame = Mark;
    if (flat) {
      FrameHighlightRect(DC, frame);
    } else {
      DrawEdge(DC, frame, FMarkState == 1 ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    }
  }
  const bool vertical = IsVertical();
  const bool shortMark = (vertical ? Mark.Width() : Mark.Height()) < 17;
  if (!IsStandardStyle()) {
    if (vertical) {
      const int x = Mark.Left + 5, y = Mark.Top + 3;
      DrawTriangle(DC, {{x, y}, {x, y + 4}, {x - 2, y + 2}});
    } else {
      const int x = Mark.Left + 3, y = Mark.Bottom - 7 + (shortMark ? 1 : 0);
      DrawTriangle(DC, {{x, y}, {x + 4, y}, {x + 2, y + 2}});
    }
  }
  if (!FTruncated) return;
  const int across = 4 - (shortMark ? 1 : 0);
  for (int along : {2, 6}) {
    if (IsStandardStyle()) {
      const int x = vertical ? Mark.Right - 8 : Mark.Left + along, y = vertical ? Mark.Bottom - 11 + along : Mark.Top + across;
      DrawChevron(DC, x + 1, y + 1, vertical, GetSysColor(COLOR_BTNSHADOW));
      DrawChevron(DC, x, y, vertical, GetSysColor(COLOR_BTNHIGHLIGHT));
    } else if (vertical) {
      DrawChevron(DC, Mark.Right - 8, Mark.Bottom - 11 + along, true, GetSysColor(COLOR_BTNTEXT));
    } else {
      DrawChevron(DC, Mark.Left + along, Mark.Top + across, false, GetSysColor(COLOR_BTNTEXT));
    }
  }
}

// --- the frame ------------------------------------------------------------------------------------

void TdxBarControl::WMNCPaint(TMessage& Message) {
  TCustomdxBarControl::Dispatch(Message);
  if (!HandleAllocated()) return;
  HDC dc = GetWindowDC(Handle());
  const HBRUSH background = GetBackgroundBrush();
  const TRect window{0, 0, Width(), Height()};
  const TRect insets = FrameInsets();
  const TRect client{insets.Left, insets.Top, Width() - insets.Right, Height() - insets.Bottom};
  const bool docked = FDockControl != nullptr;
  if (docked && FBar->BorderStyle() == bbsNone) {
    PaintBottomStrip(dc, window);
  } else {
    if (!docked) PaintFloatingFrame(dc, window);
    TRegion band = CreateRectRgn(0, 0, 0, 0);
    if (docked) {
      band = CreateRectRgn(window.Left + 1, window.Top + 1, window.Right - 1, window.Bottom - 1);
    } else if (FMayClose && !(BarManager() && BarManager()->IsFlat())) {
      band = CreateRectRgn(client.Left - 4, client.Top - 2, client.Right + 4, client.Bottom + 1);
    }
    CombineRgn(band, band, CreateRectRgnIndirect(client), RGN_DIFF);
    FillRgn(dc, band, background);
    if (docked) {
      PaintDockedFrame(dc, window);
    } else if (FMayClose) {
      PaintFloatingCaption(dc, window);
    }
  }
  ReleaseDC(Handle(), dc);
}

// The top strip in the button face and the size grip at the bottom-right corner.
void TdxBarControl::PaintBottomStrip(HDC DC, const TRect& Window) {
  if (DockingStyle() != dsBottom) return;
  FillRect(DC, TRect{Window.Left, Window.Top, Window.Right, Window.Top + 2}, GetSysColorBrush(COLOR_BTNFACE));
  if (!FBar->IsSizeGripVisible()) return;
  const int w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
  TRect grip{Window.Right - w, Window.Bottom - h, Window.Right, Window.Bottom};
  FillRect(DC, TRect{grip.Left, Window.Top + 2, grip.Right, grip.Top}, GetBackgroundBrush());
  DrawFrameControl(DC, grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

// Flat: rounded corners of the button face around the bar colour; else a raised inner edge. The
// drag handle follows 2 pixels inside.
void TdxBarControl::PaintDockedFrame(HDC DC, const TRect& Window) {
  const bool flat = BarManager() && BarManager()->IsFlat();
  if (flat) {
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    FrameRect(DC, Window, face);
    for (const TPoint& p : {TPoint{1, 1}, TPoint{Window.Right - 2, 1}, TPoint{1, Window.Bottom - 2},
                            TPoint{Window.Right - 2, Window.Bottom - 2}})
      FillRect(DC, TRect{p.X, p.Y, p.X + 1, p.Y + 1}, face);
  } else {
    TRect r = Window;
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT);
  }
  PaintDragHandle(DC, TRect{Window.Left + 2, Window.Top + 2, Window.Right - 2, Window.Bottom - 2});
}

// A strip 3 pixels wide across the bar after the grip offset: a raised face (two under the
// standard style) or, flat, a dotted line of the shadow colour.
void TdxBarControl::PaintDragHandle(HDC DC, const TRect& Inside) {
  const TdxBarManager* manager = BarManager();
  const bool flat = manager && manager->IsFlat();
  const int offset = manager ? manager->GripOffset() : 0;
  const int shorten = flat ? 3 : 1;
  const bool vertical = IsVertical();
  TRect strip = vertical ? TRect{Inside.Left + shorten, Inside.Top + offset, Inside.Right - shorten, Inside.Top + offset + 3}
                         : TRect{Inside.Left + offset, Inside.Top + shorten, Inside.Left + offset + 3, Inside.Bottom - shorten};
  if (flat) {
    const HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    for (int y = strip.Top; y < strip.Bottom; ++y)
      for (int x = strip.Left; x < strip.Right; ++x)
        if ((x + y) % 2 == 0) FillRect(DC, TRect{x, y, x + 1, y + 1}, shadow);
    return;
  }
  const int strips = IsStandardStyle() ? 2 : 1;
  for (int i = 0; i < strips; ++i) {
    TRect r = strip;
    FillRect(DC, r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT);
    if (vertical) {
      OffsetRect(strip, 0, 3);
    } else {
      OffsetRect(strip, 3, 0);
    }
  }
}

// Flat: the window frame, a highlight frame and a frame of the bar colour; else a raised edge and
// two frames of the button face.
void TdxBarControl::PaintFloatingFrame(HDC DC, const TRect& Window) {
  TRect r = Window;
  if (BarManager() && BarManager()->IsFlat()) {
    r.Right -= 2;
    r.Bottom -= 2;
    for (const HBRUSH& brush : {GetSysColorBrush(COLOR_WINDOWFRAME), GetSysColorBrush(COLOR_BTNHIGHLIGHT), GetBackgroundBrush()}) {
      FrameRect(DC, r, brush);
      InflateRect(r, -1, -1);
    }
    return;
  }
  DrawEdge(DC, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  for (int i = 0; i < 2; ++i) {
    FrameRect(DC, r, GetSysColorBrush(COLOR_BTNFACE));
    InflateRect(r, -1, -1);
  }
}

TRect TdxBarControl::FloatingCaptionRect() const {
  const bool flat = BarManager() && BarManager()->IsFlat();
  const int fx = flat ? 3 : GetSystemMetrics(SM_CXFRAME), fy = flat ? 3 : GetSystemMetrics(SM_CYFRAME);
  const int right = Width() - fx - (flat ? 2 : 0);
  return TRect{fx, fy, right, fy + GetSmallCaptionHeight()};
}

TRect TdxBarControl::CloseButtonRect() const {
  if (!FMayClose || FDockControl || !FBar->CanClose()) return TRect{};
  const TRect caption = FloatingCaptionRect();
  return TRect{caption.Right - caption.Height(), caption.Top, caption.Right, caption.Bottom};
}

// The caption text on the caption colour in the small caption font (at least 11 pixels high, in
// the bar font's face unless the system font is used), then the close button.
void TdxBarControl::PaintFloatingCaption(HDC DC, const TRect& Window) {
  (void)Window;
  const TdxBarManager* manager = BarManager();
  const bool flat = manager && manager->IsFlat();
  TRect caption = FloatingCaptionRect();
  const int colour = flat ? COLOR_INACTIVECAPTION : COLOR_ACTIVECAPTION;
  FillRect(DC, TRect{caption.Left, caption.Bottom, caption.Right, caption.Bottom + 1}, GetBackgroundBrush());
  const TRect close = CloseButtonRect();
  if (!IsRectEmpty(close)) {
    caption.Right = close.Left;
    PaintCloseButton(DC, close, colour);
  }
  if (IsRectEmpty(caption)) return;
  TLogFont font = GetSystemFonts().SmallCaption;
  if (!manager || !manager->UseSystemFont()) {
    if (font.Height > -11 && font.Height < 11) font.Height = -11;
    font.FaceName = FBar->Font()->Name();
  }
  const HFONT old = SelectObject(DC, CreateFontIndirect(font));
  TSize text;
  GetTextExtentPoint32(DC, "0", text);
  SetBkColor(DC, GetSysColor(colour));
  SetTextColor(DC, GetSysColor(COLOR_CAPTIONTEXT));
  ExtTextOut(DC, caption.Left + 2, (caption.Top + caption.Bottom - text.cy) / 2, ETO_OPAQUE | ETO_CLIPPED, &caption,
             FBar->Caption());
  SelectObject(DC, old);
}

// Not flat: a frame of the caption colour around the close frame control (pushed while pressed).
// Flat: the caption colour (the highlight while held) with a two-pixel X.
void TdxBarControl::PaintCloseButton(HDC DC, const TRect& Rect, int CaptionColour) {
  TRect r = Rect;
  if (!BarManager() || !BarManager()->IsFlat()) {
    FrameRect(DC, r, GetSysColorBrush(CaptionColour));
    InflateRect(r, -1, -1);
    DrawFrameControl(DC, r, DFC_CAPTION, DFCS_CAPTIONCLOSE | (FCloseButtonState == 2 ? static_cast<unsigned>(DFCS_PUSHED) : 0u));
    return;
  }
  if (FCloseButtonState != 0) {
    FrameHighlightRect(DC, r);
    TRect inside = r;
    InflateRect(inside, -1, -1);
    FillRect(DC, inside, GetHighlightBrush());
  } else {
    FillRect(DC, r, GetSysColorBrush(CaptionColour));
  }
  r = TRect{r.Left + 3, r.Top + 4, r.Right - 3, r.Bottom - 4};
  if (r.Width() % 2 != 0) --r.Right;
  r.Bottom = r.Top + r.Width() - 1;
  const int pen = FCloseButtonState == 1 ? COLOR_BTNTEXT : COLOR_CAPTIONTEXT;
  const HPEN old = SelectObject(DC, CreatePen(PS_SOLID, 1, TColor(GetSysColor(pen))));
  const auto line = [DC](int X1, int Y1, int X2, int Y2) {
    MoveToEx(DC, X1, Y1);
    LineTo(DC, X2, Y2);
  };
  line(r.Left, r.Top, r.Right - 1, r.Bottom);
  line(r.Left + 1, r.Top, r.Right, r.Bottom);
  line(r.Left, r.Bottom - 1, r.Right - 1, r.Top - 1);
  line(r.Left + 1, r.Bottom - 1, r.Right, r.Top - 1);
  SelectObject(DC, old);
}

// --- the main menu's caption buttons -------------------------------------------------------------

// At the end of the last line, before the mark: the single close button ends there, the MDI
// buttons start three buttons and 2 pixels before it, the close button 2 pixels after the others.
// Across they are centred in a single line and lie against the far edge of a window that wraps.
std::vector<TdxBarCaptionButton> TdxBarControl::CaptionButtons() const {
  if (!HasCaptionButtons()) return {};
  const TSize size = CaptionButtonSize();
  const TRect client = ClientRect();
  const int mark = DockedMarkSize();
  const bool vertical = IsVertical();
  const int end = (vertical ? client.Bottom : client.Right) - mark;
  const int step = vertical ? size.cy : size.cx;
  const int across = vertical ? (IsSingleLine() ? (client.Width() - size.cx) / 2 : client.Right - size.cx)
                              : (IsSingleLine() ? (client.Height() - size.cy) / 2 : client.Bottom - size.cy);
  const auto at = [&](int Start) {
    return vertical ? TRect{across, Start, across + size.cx, Start + size.cy} : TRect{Start, across, Start + size.cx, across + size.cy};
  };
  if (!HasMDIButtons()) return {{at(end - step), SC_CLOSE, DFCS_CAPTIONCLOSE}};
  const int start = end - (3 * step + 2);
  return {{at(start), SC_MINIMIZE, DFCS_CAPTIONMIN},
          {at(start + step), SC_RESTORE, DFCS_CAPTIONRESTORE},
          {at(start + 2 * step + 2), SC_CLOSE, DFCS_CAPTIONCLOSE}};
}

// A caption frame control of the button's kind, inactive when the child's window menu grays its
// command; with the flat look (the flat style, or FlatCloseButton for the single close button)
// drawn flat inside a ring of the bar colour (flat style) or a thin edge.
void TdxBarControl::DrawCaptionButton(HDC DC, const TdxBarCaptionButton& Button, bool Pressed) {
  const TdxBarManager* manager = BarManager();
  const bool flatStyle = manager && manager->IsFlat();
  const bool flatLook = flatStyle || (!HasMDIButtons() && manager && manager->FlatCloseButton());
  TRect r = Button.Rect;
  unsigned state = Button.Kind;
  if (!IsCaptionButtonEnabled(Button, false)) state |= DFCS_INACTIVE;
  if (Pressed && !flatStyle) state |= DFCS_PUSHED;
  if (!flatLook) {
    DrawFrameControl(DC, r, DFC_CAPTION, state);
    return;
  }
  TRect inner = r;
  InflateRect(inner, -1, -1);
  const int saved = SaveDC(DC);
  const TRegion clip = CreateRectRgnIndirect(inner);
  SelectClipRgn(DC, &clip);
  DrawFrameControl(DC, r, DFC_CAPTION, state | DFCS_FLAT);
  RestoreDC(DC, saved);
  if (flatStyle) {
    FrameRect(DC, r, GetBackgroundBrush());
  } else {
    DrawEdge(DC, r, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
}
