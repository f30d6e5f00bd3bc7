// Items that edit text: the window item's text and key events, edit boxes, and combo boxes with
// their string list and prefix matching.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarDropDownListBox.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUtils.h"
#include "graphics/Metrics.h"
#include "rtl/Text.h"

// --- window item ---------------------------------------------------------------------------------

void TdxBarWindowItem::SetText(const String& Value) {
  if (FText == Value) return;
  StoreText(Value);
}

void TdxBarWindowItem::StoreText(const String& Value) {
  FText = Value;
  Update();
  Change();
  Update();
}

void TdxBarWindowItem::Change() {
  if (OnChange) OnChange(this);
}

void TdxBarWindowItem::CurChange() {
  if (OnCurChange) OnCurChange(this);
}

void TdxBarWindowItem::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TdxBarWindowItem::DoExit() {
  if (OnExit) OnExit(this);
}

void TdxBarWindowItem::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TdxBarWindowItem::KeyPress(TKeyChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TdxBarWindowItem::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

// --- edit ----------------------------------------------------------------------------------------

void TdxBarEdit::SetMaxLength(int Value) { FMaxLength = Value < 1 ? 0 : Value; }

void TdxBarEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  Update();
}

void TdxBarEdit::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  UpdateBars();
}

void TdxBarEdit::SetWidth(int Value) {
  CheckEditWidth(Value);
  if (FWidth == Value) return;
  FWidth = Value;
  WidthChanged();
}

void TdxBarEdit::WidthChanged() {
  for (int i = 0; i < LinkCount(); ++i) {
    TdxBarItemLink* link = Links(i);
    if (link->UserDefine() & UserDefineBit(udWidth)) continue;
    if (auto* control = dynamic_cast<TdxBarEditControl*>(link->Control())) control->WidthChanged();
  }
}

// On a toolbar an edit answers its accelerator only when it shows its caption.
bool TdxBarEdit::IsAccelAvailable(const TdxBarItemLink* Link) const {
  const bool onToolbar = Link && dynamic_cast<TdxBar*>(Link->Links()->Owner());
  return Enabled() && (FShowCaption || !onToolbar);
}

// --- combo ---------------------------------------------------------------------------------------

void TCustomdxBarCombo::SetShowEditor(bool Value) {
  if (FShowEditor == Value) return;
  FShowEditor = Value;
  Update();
}

bool TCustomdxBarCombo::CheckKeyForDropDownWindow(WORD Key, TShiftState Shift) {
  bool accept = Key != VK_ESCAPE && Key != VK_RETURN && Key != VK_TAB;
  if (OnCheckKeyForDropDownWindow) OnCheckKeyForDropDownWindow(this, Key, Shift, accept);
  return accept;
}

TWinControl* TCustomdxBarCombo::GetDropDownWindow() {
  TWinControl* window = nullptr;
  if (OnGetDropDownWindow) OnGetDropDownWindow(this, window);
  return window;
}

TPoint CalcComboDropDownPos(TPoint At, TSize Size, const TRect& Opener, bool Beside, const TRect& WorkArea) {
  int x = At.X, y = At.Y;
  if (!Beside) {
    if (x + Size.cx > WorkArea.Right) x = WorkArea.Right - Size.cx;
    if (y + Size.cy > WorkArea.Bottom && Opener.Top - WorkArea.Top > WorkArea.Bottom - Opener.Bottom)
      y = Opener.Top - Size.cy;
  } else {
    if (x + Size.cx > WorkArea.Right && Opener.Left - WorkArea.Left > WorkArea.Right - Opener.Right)
      x = Opener.Left - Size.cx;
    if (y + Size.cy > WorkArea.Bottom) y = WorkArea.Bottom - Size.cy;
  }
  return TPoint{std::max(x, 0), std::max(y, 0)};
}

void TCustomdxBarCombo::DropDown(TPoint At, const TRect& Opener, bool Beside) {
  if (OnDropDown) OnDropDown(this);
  TWinControl* window = GetDropDownWindow();
  if (!window) return;
  InitDropDownWindow();
  const TPoint p = CalcComboDropDownPos(At, TSize{window->Width(), window->Height()}, Opener, Beside,
                                        GetWorkAreaAtPoint(At));
  window->HandleNeeded();
  SetWindowPos(window->Handle(), HWND(), p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
  SetWindowPos(window->Handle(), HWND(), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
  window->SetVisible(true);
  DropDownShown();
}

void TCustomdxBarCombo::CloseUp() {
  if (TWinControl* window = GetDropDownWindow()) window->SetVisible(false);
  if (OnCloseUp) OnCloseUp(this);
}

TdxBarCustomCombo::TdxBarCustomCombo(TComponent* AOwner)
    : TCustomdxBarCombo(AOwner), FItems(std::make_unique<TStringList>()) {}

TdxBarCustomCombo::~TdxBarCustomCombo() = default;

TWinControl* TdxBarCustomCombo::GetDropDownWindow() {
  if (TWinControl* window = TCustomdxBarCombo::GetDropDownWindow()) return window;
  if (!FListBox) FListBox = std::make_unique<TdxBarDropDownListBox>(this);
  return FListBox.get();
}

void TdxBarCustomCombo::InitDropDownWindow() {
  if (!FListBox || GetDropDownWindow() != FListBox.get()) return;
  FListBox->Items()->Assign(FItems.get());
  if (BarManager()) FListBox->SetFont(BarManager()->Font());
  int height = 4, line = 0;
  MeasureItem(0, line);
  FListBox->SetItemHeight(std::max(line, 1));
  for (int i = 0; i < std::min(FItems->Count(), FDropDownCount); ++i) {
    MeasureItem(i, line);
    height += line;
  }
  FListBox->SetBounds(FListBox->Left(), FListBox->Top(), GetDropDownWidth(), std::max(height, 4 + line));
}

int TdxBarCustomCombo::GetDropDownWidth() {
  if (FDropDownWidth >= 1) return FDropDownWidth;
  const bool scrolls = FItems->Count() > FDropDownCount;
  const int scrollBar = scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const TdxBarItemLink* link = ClickedItemLink();
  const TdxBarItemControl* control = link ? link->Control() : nullptr;
  const int arrow = BarManager() ? BarManager()->ArrowWidth() : 0;
  int width = control ? control->GetWidth() - arrow - 4 - scrollBar : 0;
  for (int i = 0; i < FItems->Count(); ++i) {
    int line = 0;
    MeasureItemWidth(i, line);
    width = std::max(width, line);
  }
  return width + 4 + scrollBar;
}

// After the base drop-down the list selects the line the view shows: its own line while the
// edit still shows it, else the best match of the edit's text.
void TdxBarCustomCombo::DropDown(TPoint At, const TRect& Opener, bool Beside) {
  TdxBarItemLink* link = ClickedItemLink();
  auto* control = link ? dynamic_cast<TdxBarComboControl*>(link->Control()) : nullptr;
  TCustomdxBarCombo::DropDown(At, Opener, Beside);
  if (!FListBox || GetDropDownWindow() != FListBox.get()) return;
  FListBox->SetComboControl(control);
  const String text = control ? control->GetText() : Text();
  const int local = control ? control->LocalItemIndex() : FItemIndex;
  const bool valid = local >= 0 && local < FItems->Count() && FItems->Strings(local) == text;
  FListBox->SetItemIndex(valid ? local : BestPrefixMatch(text));
}

void TdxBarCustomCombo::SetText(const String& Value) {
  if (Text() == Value) return;
  FItemIndex = FItems->IndexOf(Value);
  StoreText(Value);
}

bool TdxBarCustomCombo::CheckKeyForDropDownWindow(WORD Key, TShiftState Shift) {
  const bool scrollKey = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT;
  return scrollKey && (Shift & (ssShift | ssCtrl | ssAlt)) == 0;
}

// A later line replaces the best only by sharing a strictly longer start; a line that begins
// with the whole text ends the search.
int TdxBarCustomCombo::BestPrefixMatch(const String& Text) const {
  const std::u32string text = ToCodePoints(AnsiUpperCase(Text));
  int best = -1;
  size_t bestLength = 0;
  for (int i = 0; i < FItems->Count(); ++i) {
    const std::u32string line = ToCodePoints(AnsiUpperCase(FItems->Strings(i)));
    const auto [textEnd, lineEnd] = std::mismatch(text.begin(), text.end(), line.begin(), line.end());
    const size_t shared = static_cast<size_t>(textEnd - text.begin());
    if (shared > bestLength) {
      best = i;
      bestLength = shared;
    }
    if (shared == text.size()) break;
  }
  return best;
}

TCanvas* TdxBarCustomCombo::GetCanvas() const {
  TCanvas& canvas = ScreenCanvas();
  if (BarManager()) canvas.SetFont(BarManager()->Font());
  return &canvas;
}

void TdxBarCustomCombo::MeasureItem(int Index, int& Height) {
  Height = FItemHeight >= 1 ? FItemHeight : GetCanvas()->TextHeight("Qq");
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TdxBarCustomCombo::MeasureItemWidth(int Index, int& Width) {
  Width = GetCanvas()->TextWidth(FItems->Strings(Index)) + 2;
}

TdxBarCombo::TdxBarCombo(TComponent* AOwner) : TdxBarCustomCombo(AOwner) {
  Items()->OnChange = [this](TObject*) { ItemsChanged(); };
}

// The text follows the index; OnChange fires even when the text stays the same.
void TdxBarCombo::SetItemIndex(int Value) {
  if (Value < -1 || Value >= Items()->Count()) Value = -1;
  if (Value == ItemIndex()) return;
  SetItemIndexValue(Value);
  const String text = Value == -1 ? String() : Items()->Strings(Value);
  StoreText(text);
}

void TdxBarCombo::ItemsChanged() {
  if (ItemIndex() >= Items()->Count()) {
    SetItemIndex(-1);
  } else {
    Update();
  }
}

void TdxBarCombo::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  Items()->SetSorted(Value);
  SetItemIndexValue(Items()->IndexOf(Text()));
}
