// The blob popup: its memo or picture, its place and size on the screen, closing with or without
// posting, the keys it takes, and the picture's painting, scrolling and commands.
#include "editors/dxBlobPopup.h"

#include "controls/Dialogs.h"
#include "editors/dxCalendar.h"
#include "editors/dxDrawing.h"
#include "editors/dxExEdtr.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicFormat.h"
#include "graphics/Metrics.h"
#include "rtl/Arith.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"
#include "windows/Window.h"

namespace {

// The character after "&" in a caption, upper case; 0 without one.
WORD AcceleratorOf(const String& Caption) {
  const size_t at = Caption.find('&');
  if (at == String::npos || at + 1 >= Caption.size()) return 0;
  const char c = Caption[at + 1];
  return static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

}  // namespace

// --- the memo ----------------------------------------------------------------------------------

TdxBlobPopupMemo::TdxBlobPopupMemo(TCustomdxBlobPopup* Popup)
    : TdxInplaceMemoEdit(Popup, MemoEditClass(false)), FPopup(Popup) {
  Style()->SetBorderStyle(xbsNone);
  SetTabStop(true);
}

void TdxBlobPopupMemo::KeyDown(WORD& Key, TShiftState Shift) {
  if (FPopup->PopupKeyDown(Key, Shift)) return;
  TdxInplaceMemoEdit::KeyDown(Key, Shift);
}

// The focus leaving the memo for another window than its popup closes the popup.
void TdxBlobPopupMemo::Dispatch(TMessage& Message) {
  TdxInplaceMemoEdit::Dispatch(Message);
  if (Message.Msg != WM_KILLFOCUS) return;
  const HWND to = HWND::FromParam(static_cast<intptr_t>(Message.WParam));
  if (!(FPopup->HandleAllocated() && to == FPopup->Handle())) FPopup->HidePopup(false);
}

// --- the popup ---------------------------------------------------------------------------------

TCustomdxBlobPopup::TCustomdxBlobPopup(TComponent* AOwner)
    : TdxInplacePopupControl(AOwner), FMemo(std::make_unique<TdxBlobPopupMemo>(this)) {
  SetIsPopup(true);
  SetTabStop(true);
  SetParentColor(false);
  SetVisible(false);
  SetBounds(0, 0, 185, 89);
  FMemo->SetParent(this);
}

TCustomdxBlobPopup::~TCustomdxBlobPopup() = default;

void TCustomdxBlobPopup::SetKind(TdxBlobPopupKind Value) {
  FKind = Value;
  FMemo->SetVisible(Value == bpkMemo);
  Invalidate();
}

void TCustomdxBlobPopup::SetReadOnly(bool Value) {
  FReadOnly = Value;
  FMemo->SetReadOnly(Value);
  if (HandleAllocated()) SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER |
                                                                       SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TPicture* TCustomdxBlobPopup::Picture() {
  if (!FPicture) FPicture = std::make_unique<TPicture>();
  return FPicture.get();
}

String TCustomdxBlobPopup::Text() { return FKind == bpkMemo ? FMemo->Text() : String(); }

void TCustomdxBlobPopup::SetText(const String& Value) {
  const TValueScope<bool> quiet(FMemo->SettingValue, true);
  FMemo->SetText(Value);
}

bool TCustomdxBlobPopup::Modified() { return FKind == bpkMemo ? FMemo->GetModified() : FPictureModified; }

void TCustomdxBlobPopup::SetModified(bool Value) {
  if (FKind == bpkMemo)
    FMemo->SetModified(Value);
  else
    FPictureModified = Value;
  if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

bool TCustomdxBlobPopup::IsButtonShown(int Button) const { return FReadOnly ? Button == bbClose : Button != bbClose; }

// OK only once something changed.
bool TCustomdxBlobPopup::IsButtonEnabled(int Button) { return Button != bbOK || Modified(); }

// --- the button bar ----------------------------------------------------------------------------

constexpr int BarMargin = 4;
constexpr int ButtonGap = 4;

void TCustomdxBlobPopup::CalcButtonMetrics() {
  TCanvas* canvas = dxEditorResources().MeasureCanvas.get();
  canvas->Font()->Assign(Font());
  FButtonHeight = MulDiv(canvas->TextHeight("Wg"), 20, 13);
  const TdxEditorResources& r = dxEditorResources();
  int widest = 0;
  for (const String& caption : {r.OKText, r.CancelText, r.CloseText})
    widest = std::max(widest, canvas->TextWidth(StringReplace(caption, "&", "", rfReplaceAll)));
  FButtonWidth = widest + canvas->TextWidth("00");
}

int TCustomdxBlobPopup::BarHeight() {
  if (FButtonHeight == 0) CalcButtonMetrics();
  return 2 * BarMargin + FButtonHeight;
}

// The bar lies at the edge of the size grip: at the top when the popup opened above the editor.
TRect TCustomdxBlobPopup::BarRect() {
  const int border = PopupBorderWidth(PopupBorder()), shadow = Shadow() ? ShadowSize() : 0;
  const TRect inner{border, border, Width() - border - shadow, Height() - border - shadow};
  const bool top = FGripCorner == gcTopLeft || FGripCorner == gcTopRight;
  return top ? TRect{inner.Left, inner.Top, inner.Right, inner.Top + BarHeight()}
             : TRect{inner.Left, inner.Bottom - BarHeight(), inner.Right, inner.Bottom};
}

// Right to left: Cancel, then OK; or Close alone. The grip keeps its corner free.
TRect TCustomdxBlobPopup::ButtonRect(int Button) {
  if (!IsButtonShown(Button)) return TRect{};
  const TRect bar = BarRect();
  const bool gripRight = FOptions.Sizeable && (FGripCorner == gcTopRight || FGripCorner == gcBottomRight);
  int right = bar.Right - BarMargin - (gripRight ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  for (const int b : {bbClose, bbCancel, bbOK}) {
    if (!IsButtonShown(b)) continue;
    if (b == Button) return {right - FButtonWidth, bar.Top + BarMargin, right, bar.Top + BarMargin + FButtonHeight};
    right -= FButtonWidth + ButtonGap;
  }
  return TRect{};
}

TSize TCustomdxBlobPopup::MinimumSize() {
  const int border = PopupBorderWidth(PopupBorder());
  const int count = FReadOnly ? 1 : 2;
  const int bar = BarHeight();
  const int width = count * FButtonWidth + (count - 1) * ButtonGap + 2 * BarMargin +
                    (FOptions.Sizeable ? GetSystemMetrics(SM_CXVSCROLL) : 0) + 2 * border + 2;
  return {width, 3 * GetSystemMetrics(SM_CYHSCROLL) + bar + 2 * border};
}

int TCustomdxBlobPopup::ButtonAt(TPoint ScreenPoint) {
  TPoint at;
  if (!HandleAllocated() || !ScreenToWindowPoint(Handle(), ScreenPoint, at)) return bbNone;
  for (const int b : {bbClose, bbCancel, bbOK})
    if (IsButtonShown(b) && PtInRect(ButtonRect(b), at)) return b;
  return bbNone;
}

void TCustomdxBlobPopup::PaintBar(HDC DC) {
  const TRect bar = BarRect();
  FillRect(DC, bar, GetSysColorBrush(COLOR_BTNFACE));
  const TdxEditorResources& r = dxEditorResources();
  const String captions[] = {r.OKText, r.CancelText, r.CloseText};
  DC->Font()->Assign(Font());
  SetBkMode(DC, TRANSPARENT);
  for (const int b : {bbOK, bbCancel, bbClose}) {
    if (!IsButtonShown(b)) continue;
    TRect rect = ButtonRect(b);
    const TRect face = rect;
    if (FPressedButton == b && FPressedOver) {
      DrawFrameControl(DC, rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    } else {
      DrawEdge(DC, rect, EDGE_RAISED, BF_RECT);
      const COLORREF face3d = GetSysColor(COLOR_BTNFACE);
      for (const TPoint p : {face.TopLeft(), TPoint{face.Right - 1, face.Top}, TPoint{face.Left, face.Bottom - 1},
                             TPoint{face.Right - 1, face.Bottom - 1}})
        SetPixel(DC, p.X, p.Y, face3d);
    }
    SetTextColor(DC, GetSysColor(IsButtonEnabled(b) ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    TRect text = face;
    DrawText(DC, captions[b], -1, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
  if (!FOptions.Sizeable) return;
  const int border = PopupBorderWidth(PopupBorder()), shadow = Shadow() ? ShadowSize() : 0;
  TRect grip{border, border, Width() - border - shadow, Height() - border - shadow};
  DrawSizeGrip(DC, grip, FGripCorner);
}

// --- place and size ----------------------------------------------------------------------------

void TCustomdxBlobPopup::CalcPosition(TPoint Point, int Width, int Height) {
  FScrollPos = {};
  const TSize minimum = MinimumSize();
  TRect wa, editor;
  GetMonitorWorkArea(Point, wa);
  if (OwnerEdit() && OwnerEdit()->HandleAllocated())
    GetWindowRect(OwnerEdit()->Handle(), editor);
  else
    editor = {Point.X, Point.Y, Point.X, Point.Y};
  const int available = std::max(wa.Bottom - editor.Bottom, editor.Top - wa.Top);
  if (FKind == bpkPicture && FOptions.PictureAutoSize && !IsPictureEmpty(FPicture.get())) {
    const int frameW = this->Width() - ClientWidth(), frameH = this->Height() - ClientHeight();
    int w = FPicture->Width(), h = FPicture->Height();
    if (w > wa.Width() - frameW) {
      h = MulDiv(h, wa.Width() - frameW, w);
      w = wa.Width() - frameW;
    }
    if (h > available - frameH) {
      w = MulDiv(w, available - frameH, h);
      h = available - frameH;
    }
    Width = w + frameW;
    Height = h + frameH;
  }
  Width = std::min(std::max(minimum.cx, Width), wa.Width());
  Height = std::min(std::max(minimum.cy, Height), available);
  TPoint at = Point;
  bool left = false, above = false;
  if (Width > editor.Width() && at.X + Width > wa.Right && editor.Right - wa.Left > wa.Right - editor.Left) {
    at.X = editor.Right - Width;
    left = true;
  }
  if (at.Y + Height > wa.Bottom && editor.Top - wa.Top > wa.Bottom - editor.Bottom) {
    at.Y = editor.Top - Height;
    above = true;
  }
  FGripCorner = (above ? 0 : 2) + (left ? 0 : 1);
  SetBounds(at.X, at.Y, Width, Height);
  if (HandleAllocated())
    SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  UpdateScrollBars();
}

// Showing the control, not only its window, shows the memo in it.
void TCustomdxBlobPopup::ShowPopup() {
  SetVisible(true);
  TdxInplacePopupControl::ShowPopup();
  if (FKind == bpkMemo && FMemo->HandleAllocated()) ::SetFocus(FMemo->Handle());
}

// Hiding reports the size the user left the popup at, then posts a modified value unless the
// popup was cancelled.
void TCustomdxBlobPopup::HidePopup(bool Accept) {
  const bool visible = HandleAllocated() && IsWindowVisible(Handle());
  if (!visible) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  FPressedButton = bbNone;
  if (OnSizeReport) OnSizeReport(this, Width(), Height());
  TdxInplacePopupControl::HidePopup(Accept);
  if (FOptions.PostOnHide) DoPost();
}

void TCustomdxBlobPopup::CloseUp(int Button) {
  if (Button != bbOK) FPosted = true;
  HidePopup(Button == bbOK);
  DoPost();
}

void TCustomdxBlobPopup::DoPost() {
  if (!FPosted && Modified() && OnPost) OnPost(this);
  FPosted = true;
}

// --- keys --------------------------------------------------------------------------------------

bool TCustomdxBlobPopup::PopupKeyDown(WORD& Key, TShiftState Shift) {
  const bool alt = (Shift & ssAlt) != 0;
  auto* owner = dynamic_cast<TdxInplaceEdit*>(OwnerEdit());
  const TdxEditorResources& r = dxEditorResources();
  const WORD cancelKey = AcceleratorOf(FReadOnly ? r.CloseText : r.CancelText);
  if (Key == VK_TAB && owner && owner->IsInplace() && !FMemo->TabsWanted()) {
    HidePopup(false);
    owner->FocusAdjacentCell((Shift & ssShift) != 0);
  } else if ((alt && (Key == VK_UP || Key == VK_DOWN)) || Key == VK_F4) {
    HidePopup(false);
    SetModified(false);
  } else if (Key == VK_ESCAPE || (alt && Key == cancelKey)) {
    SetModified(false);
    CloseUp(FReadOnly ? bbClose : bbCancel);
  } else if ((Key == VK_RETURN && ((Shift & ssCtrl) || !FMemo->WantReturns() || FKind == bpkPicture)) ||
             (alt && !FReadOnly && Key == AcceleratorOf(r.OKText))) {
    CloseUp(bbOK);
  } else {
    return false;
  }
  Key = 0;
  if (HandleAllocated()) RemovePendingMessage(GetFocus(), WM_CHAR);
  return true;
}

void TCustomdxBlobPopup::KeyDown(WORD& Key, TShiftState Shift) {
  if (PopupKeyDown(Key, Shift)) return;
  TdxInplacePopupControl::KeyDown(Key, Shift);
  if (FKind != bpkPicture) return;
  if (Key == VK_INSERT && Shift == ssShift) ExecutePictureCommand(2);
  if (Key == VK_INSERT && Shift == ssCtrl) ExecutePictureCommand(1);
  if (Key == VK_DELETE && Shift == ssShift) ExecutePictureCommand(0);
}

void TCustomdxBlobPopup::KeyPress(TKeyChar& Key) {
  TdxInplacePopupControl::KeyPress(Key);
  if (FKind != bpkPicture) return;
  if (Key == 22) ExecutePictureCommand(2);
  if (Key == 3) ExecutePictureCommand(1);
  if (Key == 24) ExecutePictureCommand(0);
}

// --- the picture -------------------------------------------------------------------------------

// Read-only popups and owners that may not change refuse what changes the picture.
void TCustomdxBlobPopup::ExecutePictureCommand(int Index) {
  const bool mayChange = !FReadOnly && (!OwnerCanModify || OwnerCanModify());
  TPicture& picture = *Picture();
  bool changed = false;
  switch (Index) {
    case 0:
      ExecutePictureCommand(1);
      ExecutePictureCommand(3);
      return;
    case 1:
      if (!IsPictureEmpty(&picture)) {
        TBitmap bitmap(picture.Width(), picture.Height());
        bitmap.Canvas()->StretchDraw({0, 0, bitmap.Width(), bitmap.Height()}, picture.Graphic());
        Clipboard().Assign(bitmap);
      }
      break;
    case 2:
      if (mayChange && Clipboard().HasFormat(FOptions.ClipboardFormat)) {
        TBitmap bitmap;
        changed = Clipboard().GetPicture(bitmap);
        if (changed) picture.SetGraphic(&bitmap);
      }
      break;
    case 3:
      changed = mayChange && !IsPictureEmpty(&picture);
      if (changed) picture.SetGraphic(nullptr);
      break;
    case 4:
      if (mayChange) {
        TOpenDialog dialog(nullptr);
        dialog.Filter = FOptions.PictureFilter.empty() ? GraphicFilter(String()) : FOptions.PictureFilter;
        changed = dialog.Execute();
        if (changed) picture.LoadFromFile(dialog.FileName);
      }
      break;
    case 5:
      if (!IsPictureEmpty(&picture)) {
        const String kind = picture.Graphic()->ClassName();
        TSaveDialog dialog(nullptr);
        dialog.Filter = FOptions.PictureFilter.empty() ? GraphicFilter(kind) : FOptions.PictureFilter;
        dialog.DefaultExt = GraphicExtension(kind);
        if (dialog.Execute()) picture.SaveToFile(dialog.FileName);
      }
      break;
    default: break;
  }
  if (!changed) return;
  FScrollPos = {};
  UpdateScrollBars();
  Invalidate();
  SetModified(true);
}

// As the graphic editor's toolbar enables its buttons.
bool TCustomdxBlobPopup::IsPictureCommandEnabled(int Index) {
  const bool empty = IsPictureEmpty(FPicture.get());
  switch (Index) {
    case 0:
    case 3: return !empty && !FReadOnly;
    case 1:
    case 5: return !empty;
    case 2: return !FReadOnly && Clipboard().HasFormat(FOptions.ClipboardFormat);
    default: return !FReadOnly;
  }
}

// A keyboard request (-1, -1) opens the menu at the client area's top-left corner.
void TCustomdxBlobPopup::WMContextMenu(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  if (FKind != bpkPicture || !FOptions.PictureMenu) return;
  if (!FPictureMenu) {
    FPictureMenu = new TPopupMenu(this);
    const TdxEditorResources& r = dxEditorResources();
    for (const int index : {0, 1, 2, 3, -1, 4, 5}) {
      auto* item = new TMenuItem(FPictureMenu);
      item->SetCaption(index < 0 ? String("-") : r.ToolbarCaptions[static_cast<size_t>(index)]);
      item->SetTag(index);
      if (index >= 0) item->OnClick = [this](TObject* Sender) { ExecutePictureCommand(static_cast<TComponent*>(Sender)->Tag()); };
      FPictureMenu->Items()->Add(item);
    }
  }
  for (int i = 0; i < FPictureMenu->Items()->Count(); ++i) {
    TMenuItem* item = FPictureMenu->Items()->Items(i);
    if (item->Tag() >= 0) item->SetEnabled(IsPictureCommandEnabled(item->Tag()));
  }
  TPoint at = LParamToPoint(Message.LParam);
  if (at.X == -1 && at.Y == -1) at = ClientToScreen(TPoint{0, 0});
  FPictureMenu->Popup(at.X, at.Y);
  Message.Result = 1;
}

void TCustomdxBlobPopup::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(ClientRect());
  if (FKind != bpkPicture || IsPictureEmpty(FPicture.get())) return;
  const int w = FPicture->Width(), h = FPicture->Height();
  const TRect at = FOptions.PictureAutoSize ? PicturePaintRect(ClientRect(), w, h, true, false)
                                    : TRect{-FScrollPos.X, -FScrollPos.Y, w - FScrollPos.X, h - FScrollPos.Y};
  canvas.StretchDraw(at, FPicture->Graphic());
}

void TCustomdxBlobPopup::UpdateScrollBars() {
  if (!HandleAllocated() || FKind != bpkPicture) return;
  const bool scrolls = !FOptions.PictureAutoSize && !IsPictureEmpty(FPicture.get());
  const int sizes[2] = {scrolls ? FPicture->Width() : 0, scrolls ? FPicture->Height() : 0};
  const int pages[2] = {ClientWidth(), ClientHeight()};
  for (const int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = sizes[bar] > pages[bar] ? sizes[bar] - 1 : 0;
    info.nPage = static_cast<UINT>(pages[bar]);
    info.nPos = bar == SB_HORZ ? FScrollPos.X : FScrollPos.Y;
    SetScrollInfo(Handle(), bar, info, true);
  }
}

// Positions stay within 0 .. picture size - client size.
void TCustomdxBlobPopup::ScrollTo(int X, int Y) {
  if (IsPictureEmpty(FPicture.get())) return;
  X = std::clamp(X, 0, std::max(0, FPicture->Width() - ClientWidth()));
  Y = std::clamp(Y, 0, std::max(0, FPicture->Height() - ClientHeight()));
  if (TPoint{X, Y} == FScrollPos) return;
  FScrollPos = {X, Y};
  UpdateScrollBars();
  Invalidate();
}

void TCustomdxBlobPopup::WMScroll(TMessage& Message) {
  if (FKind != bpkPicture || IsPictureEmpty(FPicture.get())) return;
  const bool horz = Message.Msg == WM_HSCROLL;
  const int size = horz ? FPicture->Width() : FPicture->Height();
  const int client = horz ? ClientWidth() : ClientHeight();
  const int line = GetSystemMetrics(horz ? SM_CXHSCROLL : SM_CYVSCROLL);
  int pos = horz ? FScrollPos.X : FScrollPos.Y;
  switch (LOWORD(Message.WParam)) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= client; break;
    case SB_PAGEDOWN: pos += client; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = size; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Handle(), horz ? SB_HORZ : SB_VERT, info);
      const int p = info.nTrackPos;
      pos = p < 1 ? 0 : p + 1 + client >= size ? p + 1 : (p + 1) / 4 * 4;
      break;
    }
    default: break;
  }
  if (horz)
    ScrollTo(pos, FScrollPos.Y);
  else
    ScrollTo(FScrollPos.X, pos);
}

// --- messages ----------------------------------------------------------------------------------

void TCustomdxBlobPopup::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomdxBlobPopup> Handlers[] = {
      {WM_NCCALCSIZE, &TCustomdxBlobPopup::WMNCCalcSize},
      {WM_NCHITTEST, &TCustomdxBlobPopup::WMNCHitTest},
      {WM_NCPAINT, &TCustomdxBlobPopup::WMNCPaint},
      {WM_NCLBUTTONDOWN, &TCustomdxBlobPopup::WMNCLButtonDown},
      {WM_NCLBUTTONDBLCLK, &TCustomdxBlobPopup::WMNCLButtonDown},
      {WM_MOUSEMOVE, &TCustomdxBlobPopup::WMMouseMove},
      {WM_LBUTTONUP, &TCustomdxBlobPopup::WMLButtonUp},
      {WM_GETMINMAXINFO, &TCustomdxBlobPopup::WMGetMinMaxInfo},
      {WM_HSCROLL, &TCustomdxBlobPopup::WMScroll},
      {WM_VSCROLL, &TCustomdxBlobPopup::WMScroll},
      {WM_SIZE, &TCustomdxBlobPopup::WMSize},
      {WM_KILLFOCUS, &TCustomdxBlobPopup::WMKillFocus},
      {WM_CONTEXTMENU, &TCustomdxBlobPopup::WMContextMenu},
  };
  // The memo kind's keys are the memo's.
  if (Message.Msg == WM_SETFOCUS && FKind == bpkMemo && FMemo->HandleAllocated() && FMemo->Visible()) {
    TdxInplacePopupControl::Dispatch(Message);
    ::SetFocus(FMemo->Handle());
    return;
  }
  if (Message.Msg == WM_ERASEBKGND && FKind == bpkPicture) {
    Message.Result = 1;
    return;
  }
  if (!DispatchTo(this, Message, Handlers)) TdxInplacePopupControl::Dispatch(Message);
}

// The client area loses the bar on the grip's side.
void TCustomdxBlobPopup::WMNCCalcSize(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  TRect& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0];
  if (FGripCorner == gcTopLeft || FGripCorner == gcTopRight)
    client.Top += BarHeight();
  else
    client.Bottom -= BarHeight();
}

// The grip's corner and the two edges beside it size the popup; the rest of the frame is border.
void TCustomdxBlobPopup::WMNCHitTest(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  TPoint at;
  if (FOptions.Sizeable && FPressedButton == bbNone && ScreenToWindowPoint(Handle(), LParamToPoint(Message.LParam), at)) {
    const int border = PopupBorderWidth(PopupBorder()), shadow = Shadow() ? ShadowSize() : 0;
    const TRect r{0, 0, Width() - shadow, Height() - shadow};
    const bool top = FGripCorner == gcTopLeft || FGripCorner == gcTopRight;
    const bool left = FGripCorner == gcTopLeft || FGripCorner == gcBottomLeft;
    const int gw = GetSystemMetrics(SM_CXVSCROLL) + border, gh = GetSystemMetrics(SM_CYHSCROLL) + border;
    const bool inX = left ? at.X < r.Left + gw : at.X >= r.Right - gw;
    const bool inY = top ? at.Y < r.Top + gh : at.Y >= r.Bottom - gh;
    static constexpr LRESULT Corners[] = {HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT};
    if (PtInRect(r, at) && inX && inY) {
      Message.Result = Corners[FGripCorner];
      return;
    }
    const int bandY = GetSystemMetrics(SM_CYDLGFRAME), bandX = GetSystemMetrics(SM_CXDLGFRAME);
    if (PtInRect(r, at) && (top ? at.Y < r.Top + bandY : at.Y >= r.Bottom - bandY)) {
      Message.Result = top ? HTTOP : HTBOTTOM;
      return;
    }
    if (PtInRect(r, at) && (left ? at.X < r.Left + bandX : at.X >= r.Right - bandX)) {
      Message.Result = left ? HTLEFT : HTRIGHT;
      return;
    }
  }
  if (Message.Result == 0) Message.Result = HTBORDER;
}

void TCustomdxBlobPopup::WMNCPaint(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  const HDC dc = GetWindowDC(Handle());
  PaintBar(dc);
  ReleaseDC(Handle(), dc);
}

// A press on a button holds it (OK only once something changed); a press elsewhere sizes.
void TCustomdxBlobPopup::WMNCLButtonDown(TMessage& Message) {
  const int button = ButtonAt(LParamToPoint(Message.LParam));
  if (button == bbNone || !IsButtonEnabled(button)) return TdxInplacePopupControl::Dispatch(Message);
  FPressedButton = button;
  FPressedOver = true;
  SetCapture(Handle());
  SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TCustomdxBlobPopup::WMMouseMove(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  if (FPressedButton == bbNone) return;
  const bool over = ButtonAt(ClientToScreen(LParamToPoint(Message.LParam))) == FPressedButton;
  if (over == FPressedOver) return;
  FPressedOver = over;
  SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TCustomdxBlobPopup::WMLButtonUp(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  if (FPressedButton == bbNone) return;
  const int button = FPressedButton;
  const bool over = FPressedOver;
  FPressedButton = bbNone;
  if (GetCapture() == Handle()) ReleaseCapture();
  SendMessage(Handle(), WM_NCPAINT, 1, 0);
  if (over) CloseUp(button);
}

void TCustomdxBlobPopup::WMGetMinMaxInfo(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  const TSize minimum = MinimumSize();
  reinterpret_cast<MINMAXINFO*>(Message.LParam)->ptMinTrackSize = TPoint{minimum.cx, minimum.cy};
}

void TCustomdxBlobPopup::WMSize(TMessage& Message) {
  TdxInplacePopupControl::Dispatch(Message);
  FMemo->SetBounds(0, 0, ClientWidth(), ClientHeight());
  UpdateScrollBars();
  ScrollTo(FScrollPos.X, FScrollPos.Y);
}

// The focus going to the popup's own memo keeps it open.
void TCustomdxBlobPopup::WMKillFocus(TMessage& Message) {
  const HWND to = HWND::FromParam(static_cast<intptr_t>(Message.WParam));
  if (FMemo->HandleAllocated() && to == FMemo->Handle()) return TCustomControl::Dispatch(Message);
  TdxInplacePopupControl::Dispatch(Message);
}
