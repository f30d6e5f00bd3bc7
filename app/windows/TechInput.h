// The sport-skill dialog "运动技能成绩录入": scores of 0 to 100 given directly in the sport-skill
// items of the student's grade, stored in Tb_ExamProcess as the sport-skill part (3) of the term
// picked, without a performance. Modal; it follows the examination window without standards,
// time boxes or questions, and each result takes the grade of its student's class.
#pragma once

#include "app/kits/TrainingEntry.h"
#include "controls/ComboBox.h"
#include "controls/ListBox.h"

// An item of the sport-skill item list.
class TTechnicalProg : public TObject {
 public:
  TTechnicalProg(String AProgNo, String AProgName) : ProgNo(std::move(AProgNo)), ProgName(std::move(AProgName)) {}
  String ProgNo;
  String ProgName;
};

class TfmTechInput : public TfmTrainingEntry {
 public:
  // The part of the examination these scores are.
  static constexpr int TestPart = 3;

  explicit TfmTechInput(TComponent* AOwner) : TfmTrainingEntry(AOwner, sfExam, TestPart, false) {}
  ~TfmTechInput() override;
  String ClassName() const override { return "TfmTechInput"; }
  String LayoutModule() const override { return "TechInput"; }
  static void Publish(TClassBuilder<TfmTechInput>& c);

  void AddAchieve() override;

  TListBox* lbTechnicalProg = nullptr;
  TComboBox* cbbNumeric = nullptr;

 protected:
  void Loaded() override;
  // The items of the grade of the student current when the dialog shows.
  void LoadItemList() override;
  void EntryCreated() override { cbbNumeric->SetText(String()); }

 private:
  void cbbNumericKeyPress(TObject* Sender, TKeyChar& Key);
  // The typed score: an integer of 0 to 100, else raises with the message of the check.
  int TypedScore() const;
};

// The dialog while it exists.
extern TfmTechInput* fmTechInput;

// The main window's command: the dialog, made when there is none, shown modally; it frees itself
// when it closes. Answers the modal result.
TModalResult ShowTechInput();
