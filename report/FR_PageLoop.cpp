// The data loop of page formation: each data band of a level walks its record source, nesting the
// levels below it; headers and group headers wait in the pending list until a record of the
// deepest level shows them, so that a master record without detail records can be dropped with
// them; a group that ends prints its footers and queues the next group's headers.
#include "report/FR_Page.h"

#include "report/FR_Band.h"
#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_Globals.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"

namespace {

constexpr TfrBandType kLevelData[] = {btMasterData, btDetailData, btSubDetailData};

// A group header's condition as it stands for the current record.
Variant GroupValue(TfrBand* Group) {
  TfrEngineState& state = frState();
  TfrBand* const active = state.ActiveBand;
  state.ActiveBand = Group;
  Variant value = frParser().CalcPostfix(Group->GroupCondition);
  state.ActiveBand = active;
  return value;
}

bool GroupEnded(TfrBand* Group, TfrDataset& Source) {
  return Source.Eof() || Group->LastGroupValue.IsEmpty() || !VarSameValue(GroupValue(Group), Group->LastGroupValue);
}

}  // namespace

void TfrPage::AddPending(TfrBand* Band) {
  if (Band) FPending.push_back(Band);
}

void TfrPage::ShowPending() {
  // Showing a band may queue no further ones, but may form new pages: take the list first.
  const std::vector<TfrBand*> pending = std::move(FPending);
  FPending.clear();
  for (TfrBand* band : pending)
    if (band->IsPresent()) ShowBand(band);
}

void TfrPage::DoLoop(int Level) {
  const bool recording = RecordMode == rmRecord;
  for (TfrBand* data = Bands[kLevelData[Level - 1]].get(); data && !frBuildTerminated(); data = data->Next.get()) {
    TfrDataset* source = data->DataSet;
    if (!source) continue;  // prints with the band before it
    source->First();
    if (recording) {
      Commands.push_back({data, TfrCommand::FirstRecord});
    } else {
      data->LineNo = data->LineThroughNo = 1;
      data->ClearLastValues();
    }
    for (TfrBand* group = data->FirstGroup; group; group = group->NextGroup) group->LineNo = group->LineThroughNo = 0;
    const bool hadRecords = !source->Eof();
    if (hadRecords) {
      for (TfrBand* group = data->FirstGroup; group; group = group->NextGroup) {
        ++group->LineNo;
        ++group->LineThroughNo;
        group->LastGroupValue = GroupValue(group);
        AddPending(group);
      }
      AddPending(data->Header);
      if (data->Footer) data->Footer->ResetAggregates();
    }
    while (!source->Eof() && !frBuildTerminated()) {
      AddPending(data);
      bool shown = true;
      if (Level < FDeepestLevel) {
        DoLoop(Level + 1);
        if (!FPending.empty()) {  // the level below had no records
          if (data->PrintIfSubsetEmpty) {
            ShowPending();
          } else {
            FPending.pop_back();
            shown = false;
          }
        }
      } else {
        ShowPending();
      }
      source->Next();
      bool groupChanged = false;
      for (TfrBand* group = data->FirstGroup; group; group = group->NextGroup)
        if (GroupEnded(group, *source)) {
          EndGroups(data, group);
          groupChanged = true;
          break;
        }
      if (recording) {
        Commands.push_back({data, TfrCommand::NextRecord});
        continue;
      }
      if (shown) {
        ++RecordCounter;
        ++data->LineThroughNo;
      }
      // The first record of a new group is line 1, whether the record before it showed or not.
      data->LineNo = groupChanged ? 1 : data->LineNo + (shown ? 1 : 0);
      if (shown && !source->Eof() && data->FormNewPage && data->Visible) NewPage();
    }
    if (!hadRecords) continue;
    if (!FPending.empty())
      FPending.pop_back();
    else
      ShowBand(data->Footer);
  }
}

// The footers of the groups inside Ended and its own print with the last record of the group;
// unless the records have ended, the headers of the next group are queued.
void TfrPage::EndGroups(TfrBand* Data, TfrBand* Ended) {
  TfrDataset& source = *Data->DataSet;
  const bool atEnd = source.Eof();
  if (!atEnd) source.Prior();
  for (TfrBand* group = Data->LastGroup; group && group != Ended; group = group->PrevGroup) {
    AddPending(group->Footer);
    group->LineNo = 0;
    group->ClearLastValues();
    if (group->Footer) {
      group->Footer->LineNo = 0;
      group->Footer->ClearLastValues();
    }
  }
  AddPending(Ended->Footer);
  ShowPending();
  Data->ClearLastValues();
  if (atEnd) return;
  source.Next();
  if (Ended->FormNewPage && Ended->Visible) NewPage();
  for (TfrBand* group = Ended; group; group = group->NextGroup) {
    ++group->LineNo;
    ++group->LineThroughNo;
    group->LastGroupValue = GroupValue(group);
    AddPending(group);
  }
}
