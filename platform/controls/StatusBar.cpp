// The status bar: panel geometry and drawing.
#include "controls/StatusBar.h"

#include "controls/StdPaint.h"
#include "graphics/Gdi.h"

void TStatusPanel::Assign(const TPersistent* Source) {
  if (const auto* p = dynamic_cast<const TStatusPanel*>(Source)) {
    FText = p->FText;
    FWidth = p->FWidth;
    FAlignment = p->FAlignment;
    FBevel = p->FBevel;
    Changed(false);
    return;
  }
  TCollectionItem::Assign(Source);
}

void TStatusPanel::SetText(const String& Value) { FText = Value, Changed(false); }
void TStatusPanel::SetWidth(int Value) { FWidth = Value, Changed(false); }
void TStatusPanel::SetAlignment(TAlignment Value) { FAlignment = Value, Changed(false); }
void TStatusPanel::SetBevel(TStatusPanelBevel Value) { FBevel = Value, Changed(false); }

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), FPanels(std::make_unique<TCollectionOf<TStatusPanel>>(this)) {
  FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
  FPanels->OnUpdate = [this] { Invalidate(); };
}

TStatusBar::~TStatusBar() { FPanels->OnUpdate = nullptr; }

void TStatusBar::SetSimplePanel(bool Value) { FSimplePanel = Value, Invalidate(); }
void TStatusBar::SetSimpleText(const String& Value) { FSimpleText = Value, Invalidate(); }
void TStatusBar::SetSizeGrip(bool Value) { FSizeGrip = Value, Invalidate(); }

TRect TStatusBar::PanelRect(int Index) const {
  const TRect client = ClientRect();
  int x = 0;
  for (int i = 0; i < Index; ++i) x += FPanels->Items(i)->Width() + 2;
  const bool last = Index == FPanels->Count() - 1;
  const int right = last ? client.Right : std::min(client.Right, x + FPanels->Items(Index)->Width());
  return {x, 2, right, client.Bottom};
}

void TStatusBar::Paint() {
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  canvas->SetFont(Font());
  if (FSimplePanel || FPanels->Count() == 0) {
    TRect r{0, 2, client.Right, client.Bottom};
    DrawEdge(canvas->Handle(), r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    r.Left += 2;
    DrawCaption(canvas, FSimpleText, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, Enabled());
  } else {
    for (int i = 0; i < FPanels->Count(); ++i) {
      const TStatusPanel* panel = FPanels->Items(i);
      TRect r = PanelRect(i);
      if (r.Left >= client.Right) break;
      if (panel->Bevel() != pbNone)
        DrawEdge(canvas->Handle(), r, panel->Bevel() == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      InflateRect(r, -2, 0);
      DrawCaption(canvas, panel->Text(), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | Align[panel->Alignment()],
                  Enabled());
    }
  }
  if (FSizeGrip) {
    TRect grip{client.Right - client.Height(), 0, client.Right, client.Bottom};
    DrawFrameControl(canvas->Handle(), grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  }
}
