// The standards view: a small stay-on-top window beside a result-entry window that lists the 21
// score levels with the boys' and girls' thresholds of the item being entered. One exists at a
// time; the entry window's standards button opens and closes it.
#pragma once

#include "app/data/KvScore.h"
#include "controls/ListView.h"

class TfmShowStarnd : public TForm {
 public:
  explicit TfmShowStarnd(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmShowStarnd() override;
  String ClassName() const override { return "TfmShowStarnd"; }
  String LayoutModule() const override { return "ShowStarnd"; }
  static void Publish(TClassBuilder<TfmShowStarnd>& c);

  // One row per score level, 0 to 100: the level, then the boys' and the girls' threshold as
  // FormatAchieve shows them in the item's unit.
  void ShowStandard(const String& Unit, const TStandardThresholds& Male, const TStandardThresholds& Female);
  // To the right of Entry, 4 pixels apart (kept on the screen), bottoms aligned; size kept.
  void PlaceBeside(const TCustomForm* Entry);

  TListView* lvStarnd = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// The standards view while it is open.
extern TfmShowStarnd* fmShowStarnd;

// The standards button of an entry window: opens the view beside Entry with the item's unit and
// thresholds, or closes it when it is open.
void ToggleStandardView(const TCustomForm* Entry, const String& Unit, const TStandardSet& Standards);
// Shows another item's thresholds in the view when it is open.
void RefreshStandardView(const String& Unit, const TStandardSet& Standards);
// Closes the view when it is open, as the entry window does when it closes.
void CloseStandardView();
