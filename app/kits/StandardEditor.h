// What the two standards editors share: the 21 score thresholds of the current row of a
// standards query, typed as numbers (one box a level) or, for items measured in seconds, as
// minutes, seconds and thousandths (three boxes a level). The boxes of levels 30 to 100 take
// digits only and come first in the tab order. The windows are kept for the next use and are
// filled from the row each time they are shown.
#pragma once

#include <cstdint>

#include "classes/Properties.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Notebook.h"
#include "data/ADODB.h"

// A threshold in seconds as whole minutes, seconds and thousandths (the thousandths rounded half
// to even); a negative threshold is none and shows as 0, 0, 0.
struct TTimeParts {
  int64_t Minutes;
  int64_t Seconds;
  int64_t Thousandths;
};
TTimeParts SplitThreshold(double Value);
// The seconds that the three boxes hold, each a whole decimal number (an empty box adds nothing);
// the seconds and thousandths are not limited to a minute or a second. EConvertError for a box
// that holds no number.
double GetTimeValue(const String& Minutes, const String& Seconds, const String& Thousandths);

class TfmEditStarnd : public TForm {
 public:
  String ClassName() const override { return "TfmEditStarnd"; }
  static void Publish(TClassBuilder<TfmEditStarnd>& c);

  // The pages of the notebook.
  enum { pgNumber = 0, pgTime = 1 };

  // Writes a threshold into the three time boxes of a level.
  void SetTimeEdits(int Level, double Value);
  // Empties every box, on both pages.
  void ClearAllEdits();

  TNotebook* nbStarnd = nullptr;

 protected:
  explicit TfmEditStarnd(TComponent* AOwner) : TForm(AOwner) {}
  void Loaded() override;
  // The standards query whose current row the window edits.
  virtual TADOQuery* Standards() const = 0;

 private:
  void FormShow(TObject* Sender);
  void btnSaveClick(TObject* Sender);
  void edtNo30KeyPress(TObject* Sender, TKeyChar& Key);
  void edtMin30KeyPress(TObject* Sender, TKeyChar& Key);
  // A box of the window by its name, found without regard to case; nullptr when there is none.
  TEdit* Box(const String& Name) const;
  String BoxText(const String& Name) const;
  void FillNumberPage();
  void FillTimePage();
  void WriteThresholds();
};
