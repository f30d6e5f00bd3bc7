// The preview window of the application's reports: a toolbar of eleven flat buttons over the
// embedded preview of the report engine, which zooms, turns pages, opens and saves prepared
// reports and prints. It starts maximised at 100 %, hands the keys it receives to the preview,
// and frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/Forms.h"
#include "controls/Panel.h"
#include "report/FR_Preview.h"

class TfmRptPreview : public TForm {
 public:
  explicit TfmRptPreview(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmRptPreview() override;
  String ClassName() const override { return "TfmRptPreview"; }
  String LayoutModule() const override { return "RptPreview"; }
  static void Publish(TClassBuilder<TfmRptPreview>& c);

  // The toolbar's buttons by tag: 1 100 %, 2 whole page, 3 page width, 4 to 7 first, prior, next
  // and last page, 8 open, 9 save, 10 print, 11 close.
  void ToolbarCommand(int Tag);

  TPanel* pnToolbar = nullptr;
  TfrPreview* frpPreview = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void SpeedButton1Click(TObject* Sender);
};

// The preview window from the first report of a command until it closes.
extern TfmRptPreview* fmRptPreview;

// The preview window, made (owned by the application) when there is none.
TfmRptPreview* RptPreview();
