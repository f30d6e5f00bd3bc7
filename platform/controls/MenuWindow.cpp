// The popup menu's windows and loop: one non-activating top-most window per open level (the menu
// and the sub-menus opened from it), painted by the menu itself, and a capture loop in which the
// arrows, Enter, Escape and accelerator letters and the mouse move through the items.
#include <cctype>
#include <memory>

#include "controls/Menus.h"
#include "graphics/Gdi.h"
#include "windows/Input.h"
#include "windows/ModalLoop.h"
#include "windows/Paint.h"
#include "windows/Services.h"
#include "windows/Window.h"

namespace {

constexpr int kFrame = 3;
constexpr int kItemHeight = 20;
constexpr int kLineHeight = 8;
constexpr int kTextLeft = 20;
constexpr int kShortCutGap = 24;
constexpr int kRightSpace = 20;

bool Selectable(const TMenuItem* Item) { return !Item->IsLine(); }
bool Opens(const TMenuItem* Item) { return Item->Enabled() && Item->Count() > 0; }

// The letter after "&" in a caption ("&&" is a plain "&"), upper-cased; 0 when none.
char32_t Accelerator(const String& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(Caption[i + 1]);
    return c < 0x80 ? static_cast<char32_t>(std::toupper(c)) : 0;
  }
  return 0;
}

struct TMenuLevel {
  TMenuItem* Parent = nullptr;
  std::vector<TMenuItem*> Items;  // the visible ones
  std::vector<TRect> Rects;       // client coordinates
  TSize Size;
  int Selected = -1;
  HWND Wnd;
  ~TMenuLevel() {
    if (IsWindow(Wnd)) DestroyWindow(Wnd);
  }
};

class TMenuTracker {
 public:
  explicit TMenuTracker(HWND Owner) : FOwner(Owner) {}
  TMenuItem* Run(TMenuItem* Items, TPoint At);

 private:
  void Open(TMenuItem* Parent, TPoint At, int FlipX);
  void OpenSubMenu(size_t Level);
  void CloseTo(size_t Levels);
  void Layout(TMenuLevel& Level);
  void Paint(TMenuLevel& Level, TCanvas* Canvas);
  void PaintItem(TMenuLevel& Level, size_t Index, TCanvas* Canvas);
  void Select(size_t Level, int Index);
  void Move(int Step);
  void Choose(size_t Level, int Index);
  void Key(WORD Key);
  void Mouse(const MSG& Msg);
  // The level and item under a screen point, deepest level first; false when outside them all.
  bool HitTest(TPoint Screen, size_t& Level, int& Index) const;
  TLoopVerdict Filter(MSG& Msg);

  HWND FOwner;
  std::vector<std::unique_ptr<TMenuLevel>> FLevels;
  TMenuItem* FChosen = nullptr;
  bool FDone = false;
  TFont FFont;
};

TMenuItem* TMenuTracker::Run(TMenuItem* Items, TPoint At) {
  Open(Items, At, At.X);
  if (FLevels.front()->Items.empty()) return nullptr;
  RunCaptureLoop(FLevels.front()->Wnd, [this](MSG& msg) { return Filter(msg); });
  CloseTo(0);
  return FChosen;
}

void TMenuTracker::Open(TMenuItem* Parent, TPoint At, int FlipX) {
  auto level = std::make_unique<TMenuLevel>();
  level->Parent = Parent;
  for (int i = 0; i < Parent->Count(); ++i)
    if (Parent->Items(i)->Visible()) level->Items.push_back(Parent->Items(i));
  Layout(*level);
  const TRect work = Desktop().WorkArea();
  int x = At.X, y = At.Y;
  if (x + level->Size.cx > work.Right) x = FlipX - level->Size.cx;
  if (y + level->Size.cy > work.Bottom) y = work.Bottom - level->Size.cy;
  TMenuLevel* self = level.get();
  TWindowCreateParams params;
  params.ClassName = "QuorinPopupMenu";
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  params.X = std::max(work.Left, x);
  params.Y = std::max(work.Top, y);
  params.Width = level->Size.cx;
  params.Height = level->Size.cy;
  params.WndParent = FOwner;
  params.WndProc = [this, self](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) -> LRESULT {
    if (Msg == WM_ERASEBKGND) return 1;
    if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, WParam, LParam);
    PAINTSTRUCT paint;
    Paint(*self, BeginPaint(Wnd, paint));
    EndPaint(Wnd, paint);
    return 0;
  };
  level->Wnd = CreateWindowEx(params);
  FLevels.push_back(std::move(level));
  ShowWindow(self->Wnd, SW_SHOWNOACTIVATE);
}

void TMenuTracker::OpenSubMenu(size_t Level) {
  TMenuLevel& level = *FLevels[Level];
  TMenuItem* item = level.Items[static_cast<size_t>(level.Selected)];
  if (FLevels.size() > Level + 1 && FLevels[Level + 1]->Parent == item) return;
  CloseTo(Level + 1);
  TRect bounds;
  GetWindowRect(level.Wnd, bounds);
  const TRect& r = level.Rects[static_cast<size_t>(level.Selected)];
  Open(item, TPoint{bounds.Right - kFrame, bounds.Top + r.Top - kFrame}, bounds.Left + kFrame);
}

void TMenuTracker::CloseTo(size_t Levels) {
  while (FLevels.size() > Levels) FLevels.pop_back();
}

void TMenuTracker::Layout(TMenuLevel& Level) {
  TCanvas measure;
  measure.SetFont(&FFont);
  int captions = 0, shortCuts = 0;
  for (TMenuItem* item : Level.Items) {
    TRect r{0, 0, 0, 0};
    DrawText(measure.Handle(), item->Caption(), -1, r, DT_SINGLELINE | DT_CALCRECT);
    captions = std::max(captions, r.Width());
    shortCuts = std::max(shortCuts, measure.TextWidth(ShortCutToText(item->ShortCut())));
  }
  const int width = kFrame * 2 + kTextLeft + captions + (shortCuts ? kShortCutGap + shortCuts : 0) + kRightSpace;
  int y = kFrame;
  for (TMenuItem* item : Level.Items) {
    const int height = item->IsLine() ? kLineHeight : kItemHeight;
    Level.Rects.push_back(TRect{kFrame, y, width - kFrame, y + height});
    y += height;
  }
  Level.Size = TSize{width, y + kFrame};
}

void TMenuTracker::Paint(TMenuLevel& Level, TCanvas* Canvas) {
  TRect client{0, 0, Level.Size.cx, Level.Size.cy};
  Canvas->Brush()->SetColor(clMenu);
  Canvas->FillRect(client);
  DrawEdge(Canvas->Handle(), client, EDGE_RAISED, BF_RECT);
  Canvas->SetFont(&FFont);
  for (size_t i = 0; i < Level.Items.size(); ++i) PaintItem(Level, i, Canvas);
}

// An item: the highlight, the check or radio mark, the caption with its accelerator underlined,
// the short cut at the right, and the arrow of a sub-menu.
void TMenuTracker::PaintItem(TMenuLevel& Level, size_t Index, TCanvas* Canvas) {
  const TMenuItem* item = Level.Items[Index];
  TRect r = Level.Rects[Index];
  if (item->IsLine()) {
    TRect line{r.Left + 1, r.Top + 3, r.Right - 1, r.Top + 5};
    DrawEdge(Canvas->Handle(), line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const bool selected = static_cast<int>(Index) == Level.Selected;
  const TColor text = !item->Enabled() ? clGrayText : selected ? clHighlightText : clMenuText;
  Canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  Canvas->FillRect(r);
  Canvas->Pen()->SetColor(text);
  Canvas->Brush()->SetColor(text);
  const int middle = (r.Top + r.Bottom) / 2;
  if (item->Checked() && item->RadioItem()) Canvas->Ellipse(r.Left + 6, middle - 3, r.Left + 12, middle + 3);
  if (item->Checked() && !item->RadioItem())
    Canvas->Polyline({{r.Left + 5, middle - 1}, {r.Left + 7, middle + 2}, {r.Left + 13, middle - 4}});
  if (item->Count() > 0)
    Canvas->Polygon({{r.Right - 12, middle - 4}, {r.Right - 8, middle}, {r.Right - 12, middle + 4}});
  Canvas->Font()->SetColor(text);
  Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  TRect caption{r.Left + kTextLeft, r.Top, r.Right - kRightSpace, r.Bottom};
  DrawText(Canvas->Handle(), item->Caption(), -1, caption, DT_SINGLELINE | DT_VCENTER);
  DrawText(Canvas->Handle(), ShortCutToText(item->ShortCut()), -1, caption, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void TMenuTracker::Select(size_t Level, int Index) {
  TMenuLevel& level = *FLevels[Level];
  if (level.Selected == Index) return;
  level.Selected = Index;
  InvalidateRect(level.Wnd, nullptr, false);
}

// Up and down through the items of the innermost level, past separators, round at the ends.
void TMenuTracker::Move(int Step) {
  TMenuLevel& level = *FLevels.back();
  const int count = static_cast<int>(level.Items.size());
  int index = level.Selected;
  for (int tries = 0; tries < count; ++tries) {
    index = index < 0 ? (Step > 0 ? 0 : count - 1) : (index + Step + count) % count;
    if (Selectable(level.Items[static_cast<size_t>(index)])) {
      Select(FLevels.size() - 1, index);
      return;
    }
  }
}

void TMenuTracker::Choose(size_t Level, int Index) {
  if (Index < 0) return;
  TMenuItem* item = FLevels[Level]->Items[static_cast<size_t>(Index)];
  if (item->IsLine() || !item->Enabled()) return;
  Select(Level, Index);
  if (item->Count() > 0) {
    OpenSubMenu(Level);
    Move(1);
    return;
  }
  FChosen = item;
  FDone = true;
}

void TMenuTracker::Key(WORD Key) {
  const size_t innermost = FLevels.size() - 1;
  TMenuLevel& level = *FLevels.back();
  switch (Key) {
    case VK_UP: Move(-1); return;
    case VK_DOWN: Move(1); return;
    case VK_RIGHT:
      if (level.Selected >= 0 && Opens(level.Items[static_cast<size_t>(level.Selected)])) Choose(innermost, level.Selected);
      return;
    case VK_LEFT:
      if (innermost > 0) CloseTo(innermost);
      return;
    case VK_ESCAPE:
      if (innermost > 0) {
        CloseTo(innermost);
      } else {
        FDone = true;
      }
      return;
    case VK_RETURN: Choose(innermost, level.Selected); return;
    default: break;
  }
  for (size_t i = 0; i < level.Items.size(); ++i)
    if (Accelerator(level.Items[i]->Caption()) == static_cast<char32_t>(Key)) return Choose(innermost, static_cast<int>(i));
}

void TMenuTracker::Mouse(const MSG& Msg) {
  size_t level = 0;
  int index = -1;
  const bool inside = HitTest(MessageScreenPoint(Msg), level, index);
  if (IsButtonPress(Msg)) {
    if (!inside) FDone = true;
    return;
  }
  if (!inside || index < 0) return;
  TMenuItem* item = FLevels[level]->Items[static_cast<size_t>(index)];
  if (Msg.message == WM_MOUSEMOVE) {
    Select(level, Selectable(item) ? index : -1);
    if (Opens(item)) {
      OpenSubMenu(level);
    } else {
      CloseTo(level + 1);
    }
  } else if ((Msg.message == WM_LBUTTONUP || Msg.message == WM_RBUTTONUP) && item->Count() == 0) {
    Choose(level, index);
  }
}

bool TMenuTracker::HitTest(TPoint Screen, size_t& Level, int& Index) const {
  for (size_t l = FLevels.size(); l-- > 0;) {
    TRect bounds;
    GetWindowRect(FLevels[l]->Wnd, bounds);
    if (!PtInRect(bounds, Screen)) continue;
    Level = l;
    const TPoint at{Screen.X - bounds.Left, Screen.Y - bounds.Top};
    const auto& rects = FLevels[l]->Rects;
    Index = -1;
    for (size_t i = 0; i < rects.size(); ++i)
      if (PtInRect(rects[i], at)) Index = static_cast<int>(i);
    return true;
  }
  return false;
}

TLoopVerdict TMenuTracker::Filter(MSG& Msg) {
  if (IsKeyboardMessage(Msg)) {
    if (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) Key(static_cast<WORD>(Msg.wParam));
  } else if (IsMouseMessage(Msg)) {
    Mouse(Msg);
  } else {
    return TLoopVerdict::Dispatch;
  }
  return FDone ? TLoopVerdict::End : TLoopVerdict::Handled;
}

}  // namespace

TMenuItem* TrackPopupMenu(TMenuItem* Items, TPoint ScreenPoint, HWND Owner) {
  TMenuTracker tracker(Owner);
  return tracker.Run(Items, ScreenPoint);
}
