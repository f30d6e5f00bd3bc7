// TfrBand, the runtime band that page formation makes from a band object: what the report objects
// ask of the band at work (its kind, its place on the page, its record source) and the links
// between the bands of a page. Bands of one kind on a page form a chain through Next, owned by the
// first.
#pragma once

#include <memory>

#include "classes/Component.h"
#include "report/FR_BandTypes.h"
#include "report/FR_Object.h"

class TfrPage;
class TfrBandView;
class TfrDataset;

class TfrBand : public TfrObject {
 public:
  TfrBand(TfrBandType ATyp, TfrPage* AParent);
  // Frees the rest of the chain first, then tells the record sources that their loop has ended
  // and frees the ones it made.
  ~TfrBand() override;
  String ClassName() const override { return "TfrBand"; }

  // A group header takes Text as its condition, compiled to postfix. Other bands bind the record
  // source Text names (FindDataset) unless it holds a ";"; a master data band left without one takes
  // the report's Dataset when the report is a simple one. The source bound before is released.
  void SetDataSource(const String& Text);

  TfrPage* Parent;
  TfrBandView* View = nullptr;
  TfrBandType Typ;
  String Name;
  std::unique_ptr<TfrBand> Next;
  TfrBand* Child = nullptr;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  String GroupCondition;  // postfix
  TfrDataset* DataSet = nullptr;

 private:
  void ReleaseDataSet();

  TComponentPtr<TfrDataset> FOwnedDataSet;  // a counting source made from a number
};
