// The counting cursor that every record source shares.
#include "report/FR_DSet.h"

TfrDataset::TfrDataset(TComponent* AOwner) : TComponent(AOwner) {}

void TfrDataset::First() {
  FRecNo = 0;
  if (OnFirst) OnFirst(this);
}

void TfrDataset::Next() {
  ++FRecNo;
  if (!CountReached() && OnNext) OnNext(this);
}

void TfrDataset::Prior() {
  --FRecNo;
  if (OnPrior) OnPrior(this);
}

bool TfrDataset::Eof() {
  bool eof = CountReached();
  if (OnCheckEOF) OnCheckEOF(this, eof);
  return eof;
}
