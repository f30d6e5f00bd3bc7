// The dock site a form's layout places: its alignment, its own colour and border, and its size
// while empty.
#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUpdateLock.h"
#include "graphics/Gdi.h"
#include "windows/Window.h"

TdxBarDockControl::TdxBarDockControl(TComponent* AOwner) : TdxDockControl(AOwner) { SetAlign(alTop); }

bool TdxBarDockControl::LayoutFrozen() const {
  return (ComponentState() & csLoading) || (BarManager() && BarManager()->Bars()->RestoringLayout());
}

// Every window in the site takes the side of the new alignment before the site moves, so that no
// layout runs with the old side.
void TdxBarDockControl::SetDockAlign(TAlign Value) {
  if (Align() == Value) return;
  TdxBarManager* manager = BarManager();
  WithUpdateLock(manager, [&] {
    const TdxBarDockingStyle side = DockingStyleOfAlign(Value);
    for (int r = 0; r < RowCount(); ++r)
      for (int c = 0; c < Rows(r)->ColCount(); ++c) Rows(r)->Cols(c)->BarControl()->SetDockingStyle(side);
    SetAlign(Value);
    for (int r = 0; r < RowCount(); ++r)
      for (int c = 0; c < Rows(r)->ColCount(); ++c) Rows(r)->Cols(c)->BarControl()->RecalcLayout();
  });
  if (Parent()) Parent()->Realign();
}

void TdxBarDockControl::SetAllowZeroSizeInDesignTime(bool Value) {
  if (FAllowZeroSizeInDesignTime == Value) return;
  FAllowZeroSizeInDesignTime = Value;
  Perform(WM_SIZE);
}

void TdxBarDockControl::SetDockColor(TColor Value) {
  SetColor(Value);
  if (!LayoutFrozen()) FUseOwnColor = true;
}

void TdxBarDockControl::SetDockParentColor(bool Value) {
  SetParentColor(Value);
  if (!LayoutFrozen()) FUseOwnColor = true;
}

void TdxBarDockControl::SetUseOwnColor(bool Value) {
  if (FUseOwnColor == Value) return;
  FUseOwnColor = Value;
  if (!Value) UpdateColor();
}

void TdxBarDockControl::UpdateColor() {
  if (!FUseOwnColor) TdxDockControl::UpdateColor();
}

bool TdxBarDockControl::GetSunkenBorder() const {
  return FUseOwnSunkenBorder ? FSunkenBorder : TdxDockControl::GetSunkenBorder();
}

void TdxBarDockControl::SetSunkenBorder(bool Value) {
  if (FUseOwnSunkenBorder && FSunkenBorder == Value) return;
  FSunkenBorder = Value;
  FUseOwnSunkenBorder = true;
  RecalcFrame();
}

// Taking the border as its own keeps the one in effect; giving it up may change it.
void TdxBarDockControl::SetUseOwnSunkenBorder(bool Value) {
  if (FUseOwnSunkenBorder == Value) return;
  const bool old = GetSunkenBorder();
  if (Value) FSunkenBorder = old;
  FUseOwnSunkenBorder = Value;
  if (GetSunkenBorder() != old) RecalcFrame();
}

void TdxBarDockControl::BarManagerChanged() {
  if (ComponentState() & csDestroying) return;
  UpdateColor();
  RecalcFrame();
}

// A site placed on the bar's own window cannot take the bar.
bool TdxBarDockControl::CanDocking(TdxBar* Bar) const {
  if (!TdxDockControl::CanDocking(Bar)) return false;
  const TdxBarControl* window = Bar ? Bar->Control() : nullptr;
  return !window || !window->ContainsControl(this);
}

int TdxBarDockControl::EmptySize() const { return IsDesigning() && !FAllowZeroSizeInDesignTime ? 3 : 0; }

int TdxBarDockControl::GetRowsSize() const {
  if (LayoutFrozen()) return IsHorizontal() ? ClientHeight() : ClientWidth();
  if (RowCount() == 0) return EmptySize();
  return TdxDockControl::GetRowsSize();
}

void TdxBarDockControl::CreateParams(TCreateParams& Params) {
  TdxDockControl::CreateParams(Params);
  if (IsDesigning()) Params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

// At design time the site shows where it is with a dashed frame.
void TdxBarDockControl::Paint() {
  if (!IsDesigning()) {
    TdxDockControl::Paint();
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetStyle(TPenStyle::psDash);
  canvas->Pen()->SetColor(canvas->Brush()->Color());
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->Rectangle(ClientRect());
}

// An empty site keeps its empty size.
void TdxBarDockControl::Dispatch(TMessage& Message) {
  TdxDockControl::Dispatch(Message);
  if (Message.Msg != WM_SIZE || LayoutFrozen() || RowCount() > 0) return;
  const int size = EmptySize();
  if ((IsHorizontal() ? Height() : Width()) == size) return;
  if (IsHorizontal()) {
    SetHeight(size);
  } else {
    SetWidth(size);
  }
}
