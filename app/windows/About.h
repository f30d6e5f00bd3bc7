// The about box: the program's picture, name and version. Two of its labels turn red while the
// mouse is over them. It frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/Forms.h"
#include "controls/Label.h"

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(TComponent* AOwner) : TForm(AOwner) {}
  ~TAboutBox() override;
  String ClassName() const override { return "TAboutBox"; }
  String LayoutModule() const override { return "About"; }
  static void Publish(TClassBuilder<TAboutBox>& c);

 private:
  void FormClose(TObject* Sender, TCloseAction& Action);
  void LinkMouseEnter(TObject* Sender);
  void LinkMouseLeave(TObject* Sender);
};

// The about box while it exists; made on first use by the main window.
extern TAboutBox* AboutBox;
