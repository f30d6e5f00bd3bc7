// Group boxes and radio groups.
#include "controls/GroupBox.h"

#include "graphics/Gdi.h"
#include "windows/Paint.h"

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() {
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  const int h = dc->TextHeight("0");
  ReleaseDC(HWND(), dc);
  return h;
}

// The frame leaves room for the caption at the top and two pixels on the other sides.
void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  Rect.Top += CaptionHeight();
  InflateRect(Rect, -2, -2);
}

void TCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  const int h = canvas->TextHeight("0");
  TRect frame{0, h / 2, client.Right, client.Bottom};
  DrawEdge(canvas->Handle(), frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  TRect text{8, 0, 0, h};
  DrawText(canvas->Handle(), Caption(), -1, text, DT_SINGLELINE | DT_CALCRECT);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(text);
  DrawCaption(canvas, Caption(), text, DT_SINGLELINE, Enabled());
}

void TCustomGroupBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED) return CMTextChanged(Message);
  TCustomControl::Dispatch(Message);
}

void TCustomGroupBox::CMTextChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  Invalidate();
}

TRadioGroup::TRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>()) {
  FControlStyle &= ~csAcceptsControls;
  FItems->OnChange = [this](TObject*) {
    if (!(ComponentState() & csLoading)) UpdateButtons();
  };
}

TRadioGroup::~TRadioGroup() { FItems->OnChange = nullptr; }

void TRadioGroup::SetItemIndex(int Value) {
  if (ComponentState() & csLoading) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= static_cast<int>(FButtons.size())) Value = -1;
  FItemIndex = Value;
  FUpdating = true;
  for (size_t i = 0; i < FButtons.size(); ++i) FButtons[i]->SetChecked(static_cast<int>(i) == Value);
  FUpdating = false;
}

void TRadioGroup::SetColumns(int Value) {
  FColumns = std::clamp(Value, 1, 16);
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  UpdateButtons();
}

void TRadioGroup::Resize() {
  TCustomGroupBox::Resize();
  ArrangeButtons();
}

// One radio button per item, made again when the items change; the checked one follows ItemIndex.
void TRadioGroup::UpdateButtons() {
  while (FButtons.size() > static_cast<size_t>(FItems->Count())) {
    FButtons.back()->Free();
    FButtons.pop_back();
  }
  while (FButtons.size() < static_cast<size_t>(FItems->Count())) {
    auto* button = new TRadioButton(nullptr);
    const int index = static_cast<int>(FButtons.size());
    button->OnClick = [this, index](TObject*) {
      if (!FUpdating) ButtonClicked(index);
    };
    button->SetParent(this);
    FButtons.push_back(button);
  }
  for (int i = 0; i < FItems->Count(); ++i) FButtons[static_cast<size_t>(i)]->SetCaption((*FItems)[i]);
  SetItemIndex(FItemIndex);
  ArrangeButtons();
}

// Items run down the columns first; the rows share the height under the caption.
void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty() || (ComponentState() & csLoading)) return;
  const int count = static_cast<int>(FButtons.size());
  const int perColumn = (count + FColumns - 1) / FColumns;
  const int captionHeight = CaptionHeight();
  const int space = Height() - captionHeight - 5;
  const int buttonHeight = space / perColumn;
  const int topMargin = captionHeight + 1 + (space % perColumn) / 2;
  const int buttonWidth = (Width() - 10) / FColumns;
  for (int i = 0; i < count; ++i)
    FButtons[static_cast<size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                                                buttonWidth - 10, buttonHeight);
}

void TRadioGroup::ButtonClicked(int Index) {
  FItemIndex = Index;
  Click();
}
