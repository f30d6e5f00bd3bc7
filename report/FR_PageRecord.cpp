// Record mode: a page that a sub-report prints is formed into a list of commands (show a band, go
// to the first or the next record), which are played into the parent's page as space allows.
#include "report/FR_Page.h"

#include "report/FR_Band.h"
#include "report/FR_DSet.h"

bool TfrPage::PlayCommands() {
  for (; PlayIndex < int(Commands.size()); ++PlayIndex) {
    const TfrCommand& command = Commands[size_t(PlayIndex)];
    TfrBand& band = *command.Band;
    switch (command.Kind) {
      case TfrCommand::ShowBand:
        if (PendingBand) {
          PendingBand->DoSubReports();
          if (!PendingBand->SubDone) return true;
          PendingBand = nullptr;
        } else if (band.DrawBand()) {
          return true;  // played again on the next page
        }
        break;
      case TfrCommand::FirstRecord:
        band.DataSet->First();
        band.LineNo = 1;
        band.ClearLastValues();
        break;
      case TfrCommand::NextRecord:
        band.DataSet->Next();
        ++RecordCounter;
        ++band.LineThroughNo;
        ++band.LineNo;
        break;
    }
  }
  return false;
}
