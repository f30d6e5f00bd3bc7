// The result correction: the student's results and their texts in the grid, rescoring a new
// performance, the change list and the commit.
#include "app/kits/EditAchieve.h"

#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "app/windows/InputAchieve.h"
#include "rtl/Convert.h"

void TfmEditAchieve::Publish(TClassBuilder<TfmEditAchieve>& c) {
  c.Method("FormCreate", &TfmEditAchieve::FormCreate);
  c.Method("FormClose", &TfmEditAchieve::FormClose);
  c.Method("dgUptoProgressCustomDrawCell", &TfmEditAchieve::dgUptoProgressCustomDrawCell);
  c.Method("actChangeAchieveExecute", &TfmEditAchieve::actChangeAchieveExecute);
  c.Method("actDeleteExecute", &TfmEditAchieve::actDeleteExecute);
  c.Method("UpdateListActions", &TfmEditAchieve::UpdateListActions);
  c.Method("actClearExecute", &TfmEditAchieve::actClearExecute);
  c.Method("actUpdateExecute", &TfmEditAchieve::actUpdateExecute);
}

void TfmEditAchieve::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtStuNo, "edtStuNo");
  BindComponent(this, edtName, "edtName");
  BindComponent(this, dgUptoProgress, "dgUptoProgress");
  BindComponent(this, clmTestDate, "clmTestDate");
  BindComponent(this, clmNutric, "clmNutric");
  BindComponent(this, clmAchieve, "clmAchieve");
  BindComponent(this, lvChangedList, "lvChangedList");
  BindComponent(this, actChangeAchieve, "actChangeAchieve");
  BindComponent(this, actDelete, "actDelete");
  BindComponent(this, actClear, "actClear");
  BindComponent(this, actUpdate, "actUpdate");
  BindComponent(this, adqUptoAchieve, "adqUptoAchieve");
  BindComponent(this, adqCommon, "adqCommon");
  FPending.Attach(lvChangedList);
}

// The queries go through the program's one connection and the student boxes show the main
// window's current student; neither can be named in a layout.
void TfmEditAchieve::FormCreate(TObject*) {
  ConnectDataSets(this);
  edtStuNo->SetDataSource(dmGym->dsStudents);
  edtName->SetDataSource(dmGym->dsStudents);
  OpenResults();
}

// Results of items missing from the item table are not shown.
void TfmEditAchieve::OpenResults() {
  TScreenCursorScope hourglass(crHourGlass);
  dgUptoProgress->InsideUpdate([this] {
    const bool student = Students()->Active() && !Students()->IsEmpty();
    OpenSql(adqUptoAchieve, StudentResultsSql(FamilyName(FFamily)),
            {{"AStuNo", student ? Students()->FieldByName("Fd_StuNo")->AsInteger() : 0}});
  });
}

void TfmEditAchieve::FormClose(TObject*, TCloseAction& Action) {
  adqUptoAchieve->Close();
  adqCommon->Close();
  Action = caFree;
}

// Dates without their time, performances as the unit of their row shows them.
void TfmEditAchieve::dgUptoProgressCustomDrawCell(TObject*, TCanvas*, TRect, TdxTreeListNode* ANode,
                                                  TdxTreeListColumn* AColumn, bool, bool, bool, String& AText, TColor&,
                                                  TFont*, TAlignment&, bool&) {
  const Variant value = ANode->GetValue(AColumn->GetIndex());
  if (AColumn == clmTestDate && value.VarType() == varDate) {
    AText = FormatDateTime("yyyy-mm-dd", value.AsDateTime());
  } else if (AColumn == clmAchieve && !value.IsNull()) {
    AText = FormatAchieve(VarToStr(ANode->GetValue(clmNutric->GetIndex())), value.AsDouble());
  }
}

// The score follows the standards of the grade the result was taken in, for the student's sex
// as it is now; without a standards row it is 0.
void TfmEditAchieve::ChangeAchieve() {
  const String unit = adqUptoAchieve->FieldByName("Fd_Nutric")->AsString();
  double achieve = 0;
  if (InputAchieve(IsTimeUnit(unit), achieve) != mrOk) return;
  Repaint();
  const String sex = Students()->Active() ? Students()->FieldByName("Fd_Sex")->AsString() : String();
  TStandardThresholds thresholds{};
  LoadStandardRow(adqCommon, FFamily, adqUptoAchieve->FieldByName("Fd_Grade")->AsString(), sex,
                  adqUptoAchieve->FieldByName("Fd_ProgNo")->AsString(), thresholds);
  AddChangedResult(achieve, ScoreItem(achieve, thresholds, unit));
}

void TfmEditAchieve::AddChangedResult(double Achieve, int Score) {
  const int procID = adqUptoAchieve->FieldByName("Fd_ProcID")->AsInteger();
  const String unit = adqUptoAchieve->FieldByName("Fd_Nutric")->AsString();
  const TEntryTexts texts{adqUptoAchieve->FieldByName("Fd_Progname")->AsString(),
                          {FormatAchieve(unit, Achieve), IntToStr(Score),
                           FormatAchieve(unit, adqUptoAchieve->FieldByName("Fd_Achieve")->AsFloat()),
                           adqUptoAchieve->FieldByName("Fd_FenVal")->AsString()}};
  FPending.Put([procID](const TChangeAchieveObj& Pending) { return Pending.ProcID == procID; },
               [&](TChangeAchieveObj& Pending) {
                 Pending = {procID, Achieve, Score};
                 return texts;
               },
               epBottom);
}

// The corrections are written together or not at all; nothing else of a row changes.
void TfmEditAchieve::CommitChangedResults() {
  TScreenCursorScope hourglass(crHourGlass);
  TCloseAfter closer(adqCommon);
  OpenSql(adqCommon, ResultsByProcSql(FamilyName(FFamily)));
  dmGym->RunInTransaction([&] {
    for (int i = 0; i < FPending.Count(); ++i) {
      const TChangeAchieveObj& change = FPending.Record(i);
      if (!adqCommon->Locate("Fd_ProcID", Variant(change.ProcID))) continue;
      if (adqCommon->State() != dsEdit) adqCommon->Edit();
      PostRow(adqCommon, [&] {
        adqCommon->FieldByName("Fd_Achieve")->SetAsFloat(change.Achieve);
        adqCommon->FieldByName("Fd_FenVal")->SetAsInteger(change.FenVal);
      });
    }
  });
}

void TfmEditAchieve::actChangeAchieveExecute(TObject*) { ChangeAchieve(); }

void TfmEditAchieve::actDeleteExecute(TObject*) { FPending.DeleteSelected(); }

void TfmEditAchieve::UpdateListActions(TObject*) { FPending.EnableActions(actDelete, actClear, actUpdate); }

void TfmEditAchieve::actClearExecute(TObject*) { FPending.Clear(); }

void TfmEditAchieve::actUpdateExecute(TObject*) {
  CommitChangedResults();
  SetModalResult(mrOk);
}

