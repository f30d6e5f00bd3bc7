// The preview window: its toolbar commands, its keys, and its life from one report to its close.
#include "app/windows/RptPreview.h"

#include "app/kits/FormKit.h"
#include "controls/Application.h"

TfmRptPreview* fmRptPreview = nullptr;

TfmRptPreview::~TfmRptPreview() {
  if (fmRptPreview == this) fmRptPreview = nullptr;
}

void TfmRptPreview::Publish(TClassBuilder<TfmRptPreview>& c) {
  c.Method("FormShow", &TfmRptPreview::FormShow);
  c.Method("FormClose", &TfmRptPreview::FormClose);
  c.Method("FormKeyDown", &TfmRptPreview::FormKeyDown);
  c.Method("SpeedButton1Click", &TfmRptPreview::SpeedButton1Click);
}

void TfmRptPreview::Loaded() {
  TForm::Loaded();
  BindComponent(this, pnToolbar, "pnToolbar");
  BindComponent(this, frpPreview, "frpPreview");
}

void TfmRptPreview::FormShow(TObject*) { frpPreview->ZoomTo(100); }

// The window is freed once the messages now waiting are handled; the next report makes a new one.
void TfmRptPreview::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  if (fmRptPreview == this) fmRptPreview = nullptr;
}

void TfmRptPreview::FormKeyDown(TObject*, WORD& Key, TShiftState Shift) {
  frpPreview->Window()->FormKeyDown(Key, Shift);
}

void TfmRptPreview::SpeedButton1Click(TObject* Sender) {
  if (const auto* button = dynamic_cast<const TControl*>(Sender)) ToolbarCommand(button->Tag());
}

void TfmRptPreview::ToolbarCommand(int Tag) {
  switch (Tag) {
    case 1: frpPreview->ZoomTo(100); break;
    case 2: frpPreview->FitWholePage(); break;
    case 3: frpPreview->FitPageWidth(); break;
    case 4: frpPreview->FirstPage(); break;
    case 5: frpPreview->PriorPage(); break;
    case 6: frpPreview->NextPage(); break;
    case 7: frpPreview->LastPage(); break;
    case 8: frpPreview->OpenFile(); break;
    case 9: frpPreview->SaveToFile(); break;
    case 10: frpPreview->Print(); break;
    case 11: SetModalResult(mrOk); break;
    default: break;
  }
}

TfmRptPreview* RptPreview() {
  if (!fmRptPreview) fmRptPreview = TCustomForm::Create<TfmRptPreview>(Application);
  return fmRptPreview;
}
