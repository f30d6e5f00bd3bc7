// The customize dialog's toolbars list, commands list and popup button.
#include "bars/dxBarCustLists.h"

#include "bars/dxBar.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarUtils.h"
#include "classes/Properties.h"
#include "graphics/Gdi.h"
#include "windows/ModalLoop.h"
#include "windows/SystemServices.h"

namespace {

constexpr int kGlyphColumn = 24;
constexpr int kDropDownPart = 13;

}  // namespace

void DrawCommandTriangle(HDC DC, int X, int Y, COLORREF Color) {
  HBRUSH brush = CreateSolidBrush(Color);
  HPEN pen = CreatePen(PS_SOLID, 1, Color);
  const HBRUSH oldBrush = SelectObject(DC, brush);
  const HPEN oldPen = SelectObject(DC, pen);
  Polygon(DC, {{X, Y}, {X, Y + 6}, {X + 3, Y + 3}});
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
}

// --- the toolbars list ----------------------------------------------------------------------------

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) {
  SetStyle(lbOwnerDrawFixed);
  SetControlStyle(ControlStyle() | csDoubleClicks);
}

TdxBar* TCheckListBox::BarOf(int Index) const { return static_cast<TdxBar*>(TListBox::Items()->Objects(Index)); }

bool TCheckListBox::CanHide(const TdxBar* Bar) {
  const TdxBarManager* manager = Bar->BarManager();
  return (manager && manager->IsDesigning()) || Bar->CanClose();
}

void TCheckListBox::Toggle(int Index) {
  if (Index < 0 || Index >= TListBox::Items()->Count()) return;
  TdxBar* bar = BarOf(Index);
  if (!CanHide(bar)) {
    MessageBeep(0);
    return;
  }
  bar->SetVisible(!bar->Visible());
  if (HandleAllocated()) {
    const TRect r = ItemRect(Index);
    InvalidateRect(Handle(), &r, false);
    UpdateWindow(Handle());
  }
}

// A check box as wide as the row is high, in the system's button look; then the caption.
void TCheckListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const TdxBar* bar = BarOf(Index);
  TRect check{Rect.Left, Rect.Top, Rect.Left + Rect.Height(), Rect.Bottom};
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(check);
  InflateRect(check, -1, -1);
  unsigned look = DFCS_BUTTONCHECK | (bar->Visible() ? DFCS_CHECKED : 0u) | (CanHide(bar) ? 0u : DFCS_INACTIVE);
  DrawFrameControl(canvas->Handle(), check, DFC_BUTTON, look);
  TRect text{Rect.Left + Rect.Height(), Rect.Top, Rect.Right, Rect.Bottom};
  canvas->Brush()->SetColor(State & odSelected ? clHighlight : Color());
  canvas->Font()->SetColor(State & odSelected ? clHighlightText : clWindowText);
  canvas->FillRect(text);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->TextOut(text.Left + 2, text.Top + 1, TListBox::Items()->Strings(Index));
  if (State & odFocused) canvas->DrawFocusRect(text);
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || (Shift & ssDouble) || !InCheckColumn(X)) return;
  Toggle(ItemAtPos({X, Y}, true));
}

void TCheckListBox::DblClick() {
  TListBox::DblClick();
  Toggle(ItemIndex());
}

void TCheckListBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    Toggle(ItemIndex());
    Key = 0;
    return;
  }
  TListBox::KeyDown(Key, Shift);
}

// --- the commands list ----------------------------------------------------------------------------

TCommandsListBox::TCommandsListBox(TComponent* AOwner) : TListBox(AOwner) {
  SetStyle(lbOwnerDrawFixed);
  SetItemHeight(RowHeight);
}

void TCommandsListBox::SetBarManager(TdxBarManager* Value) {
  FBarManager = Value;
  UpdateStyle();
}

TdxBarItem* TCommandsListBox::ItemOf(int Index) const {
  return static_cast<TdxBarItem*>(TListBox::Items()->Objects(Index));
}

bool TCommandsListBox::IsFlat() const { return FBarManager && FBarManager->IsFlat(); }

void TCommandsListBox::UpdateStyle() {
  SetColor(IsFlat() ? clWindow : clBtnFace);
  Invalidate();
}

void TCommandsListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  DrawCommand(*canvas, ItemOf(Index), Rect, (State & odSelected) != 0);
  if ((State & odFocused) && !IsFlat()) canvas->DrawFocusRect(Rect);
}

void TCommandsListBox::DrawCommand(TCanvas& Canvas, TdxBarItem* Item, const TRect& Rect, bool Selected) {
  HDC dc = Canvas.Handle();
  const bool flat = IsFlat();
  const COLORREF text = GetSysColor(Selected && !flat ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  HBRUSH background = GetSysColorBrush(flat ? COLOR_WINDOW : COLOR_BTNFACE);
  if (Selected) background = flat ? FBarManager->FlatBrush(2) : GetSysColorBrush(COLOR_HIGHLIGHT);
  FillRect(dc, Rect, background);
  if (Selected && flat) FrameHighlightRect(dc, Rect);
  const TRect glyph{Rect.Left, Rect.Top, Rect.Left + kGlyphColumn, Rect.Bottom};
  TdxBarGlyphState state;
  state.Selected = Selected;
  DrawBarGlyph(dc, background, glyph, glyph, Item->Glyph(), FBarManager ? FBarManager->Images() : nullptr,
               Item->ImageIndex(), state);
  const bool container = dynamic_cast<TCustomdxBarContainerItem*>(Item) != nullptr;
  const bool subItem = !container && dynamic_cast<TCustomdxBarSubItem*>(Item) != nullptr;
  auto* button = dynamic_cast<TdxBarButton*>(Item);
  const bool dropDown = button && button->ButtonStyle() == bsDropDown;
  String caption = StripAccelerators(Item->Caption());
  if (container) caption = "(" + caption + ")";
  TRect textRect{glyph.Right + 4, Rect.Top, Rect.Right - (dropDown ? kDropDownPart : 12), Rect.Bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  const HFONT oldFont = SelectObject(dc, Font()->Handle());
  TRect measured = textRect;
  DrawText(dc, caption, -1, measured, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
  DrawText(dc, caption, -1, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  if (subItem) DrawCommandTriangle(dc, Rect.Right - 9, Rect.Top + 7, text);
  if (dropDown) DrawDropDownPart(dc, TRect{Rect.Right - kDropDownPart, Rect.Top, Rect.Right, Rect.Bottom}, Selected, text);
  if (dynamic_cast<TdxBarEdit*>(Item)) {
    TRect box{measured.Right + 8, Rect.Top + 3, Rect.Right - 4, Rect.Bottom - 3};
    if (box.Right - box.Left < 20) box.Left = box.Right - 20;
    FillRect(dc, box, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, box, GetSysColorBrush(COLOR_BTNSHADOW));
  }
}

// The drop-down part of a drop-down button, framed in the style's way, with the triangle.
void TCommandsListBox::DrawDropDownPart(HDC DC, const TRect& Rect, bool Selected, COLORREF Text) {
  TRect r = Rect;
  if (IsFlat()) {
    if (Selected) {
      FrameHighlightRect(DC, r);
    } else {
      FrameRect(DC, r, GetSysColorBrush(COLOR_BTNSHADOW));
    }
  } else if (Selected) {
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT);
  } else {
    DrawEdge(DC, r, EDGE_ETCHED, BF_LEFT);
  }
  DrawCommandTriangle(DC, Rect.Right - 9, Rect.Top + 7, Text);
}

// A press selects the row; when the pointer then moves off with the button held, the command is
// dragged onto the bars.
void TCommandsListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || (Shift & ssDouble) || !OnStartDrag) return;
  const int index = ItemAtPos({X, Y}, true);
  if (index < 0 || !HandleAllocated()) return;
  if (DragDetect(Handle(), ClientToScreen(TPoint{X, Y}))) OnStartDrag(ItemOf(index));
}

// A click that activates the dialog selects the row under the pointer; getting the focus without
// a selection selects the first row.
void TCommandsListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_SETFOCUS && ItemIndex() < 0 && TListBox::Items()->Count() > 0) {
    TListBox::Dispatch(Message);
    SetItemIndex(0);
    Click();
    return;
  }
  TListBox::Dispatch(Message);
}

// --- the popup button -----------------------------------------------------------------------------

TCheckableButton::TCheckableButton(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TCheckableButton::SetLook(bool Hot, bool Down) {
  if (FHot == Hot && FDown == Down) return;
  FHot = Hot;
  FDown = Down;
  Invalidate();
}

void TCheckableButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r);
  if (FDown) {
    DrawEdge(canvas->Handle(), r, BDR_SUNKENOUTER, BF_RECT);
  } else if (FHot) {
    DrawEdge(canvas->Handle(), r, BDR_RAISEDINNER, BF_RECT);
  }
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  TRect text = ClientRect();
  if (FDown) OffsetRect(text, 1, 1);
  DrawText(canvas->Handle(), Caption(), -1, text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

// The menu opens below the button (above it when there is no room below) and holds it down until
// it closes.
void TCheckableButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !FPopupMenu || !Enabled()) return;
  SetLook(FHot, true);
  const TPoint below = ClientToScreen(TPoint{0, Height()});
  FPopupMenu->PopupEx(below.X, below.Y, 0, Height(), true);
  SetLook(false, false);
}

void TCheckableButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER) SetLook(true, FDown);
  if (Message.Msg == CM_MOUSELEAVE) SetLook(false, FDown);
  TGraphicControl::Dispatch(Message);
}

void RegisterCustomizingControlClasses() {
  RegisterClass<TCheckListBox, TListBox>("TCheckListBox");
  RegisterClass<TCommandsListBox, TListBox>("TCommandsListBox");
  RegisterClass<TCheckableButton, TGraphicControl>("TCheckableButton");
}
