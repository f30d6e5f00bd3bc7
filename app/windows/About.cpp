// The about box: hover colours of its two link labels, and freeing itself when closed.
#include "app/windows/About.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::~TAboutBox() {
  if (AboutBox == this) AboutBox = nullptr;
}

void TAboutBox::Publish(TClassBuilder<TAboutBox>& c) {
  c.Method("FormClose", &TAboutBox::FormClose);
  c.Method("LinkMouseEnter", &TAboutBox::LinkMouseEnter);
  c.Method("LinkMouseLeave", &TAboutBox::LinkMouseLeave);
}

void TAboutBox::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TAboutBox::LinkMouseEnter(TObject* Sender) { dynamic_cast<TLabel*>(Sender)->Font()->SetColor(clRed); }

void TAboutBox::LinkMouseLeave(TObject* Sender) { dynamic_cast<TLabel*>(Sender)->Font()->SetColor(clBlue); }
