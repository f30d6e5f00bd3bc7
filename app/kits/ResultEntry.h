// The entry of performances in the items that standards tables score, shared by the fitness and
// the examination result windows: the items of the class's grade that have standards, the number
// box or the three time boxes by the item's unit, scoring on entry for the student's sex, the
// move to the next student with its questions (exempt students, items of one sex), and the
// standards view beside the window. The window is modeless; the main window tells it the class
// (PrepareForClass) each time before showing it.
#pragma once

#include "app/kits/TrainingEntry.h"
#include "controls/Edit.h"
#include "controls/ListBox.h"
#include "controls/Panel.h"

// An item of the item list: its number, name and unit.
class TProgTypeObj : public TObject {
 public:
  TProgTypeObj(String AProgID, String AProgName, String ANutric)
      : ProgID(std::move(AProgID)), ProgName(std::move(AProgName)), Nutric(std::move(ANutric)) {}
  String ProgID;
  String ProgName;
  String Nutric;
};

class TfmResultEntry : public TfmTrainingEntry {
 public:
  ~TfmResultEntry() override;
  String ClassName() const override { return "TfmResultEntry"; }
  static void Publish(TClassBuilder<TfmResultEntry>& c);

  // The grade of the class in the user's class list (empty when the class is not there): the
  // grade of later standards look-ups and of the results added afterwards. The item list is read
  // when the window shows, so a window already open keeps its items.
  void PrepareForClass(const String& ClassName);
  void AddAchieve() override;
  // Moves to the next student, asking before it passes an exempt student or one of a sex the
  // item has no standards for; OK passes that student, Cancel stops on them.
  void MoveToNextStudent();

  const String& Grade() const { return FGrade; }
  const String& Unit() const { return FUnit; }
  const String& ProgNo() const { return FProgNo; }
  const TStandardSet& Standards() const { return FStandards; }

  TListBox* lbProgType = nullptr;
  TEdit* edtNumeric = nullptr;
  TPanel* pnTime = nullptr;  // the three time boxes
  TEdit* edtMinute = nullptr;
  TEdit* edtSecond = nullptr;
  TEdit* edtMillion = nullptr;

 protected:
  TfmResultEntry(TComponent* AOwner, TStandardFamily Family, int TestPart)
      : TfmTrainingEntry(AOwner, Family, TestPart, true), FFamily(Family) {}

  void Loaded() override;
  void LoadItemList() override;
  void EntryCreated() override;
  void EntryClosing() override;

 private:
  void lbProgTypeClick(TObject* Sender);
  void edtTimeKeyPress(TObject* Sender, TKeyChar& Key);
  void edtMillionKeyPress(TObject* Sender, TKeyChar& Key);
  void edtNumericKeyPress(TObject* Sender, TKeyChar& Key);
  void ToggleStandards(TObject* Sender);
  void ShowTimeEdits(bool Time);
  TAchieveEdits TypedAchieve() const;
  // The question before passing the current student, empty when there is none to ask.
  String SkipQuestion() const;

  TStandardFamily FFamily;
  String FGrade;
  String FUnit;
  String FProgNo;
  int FLastItemIndex = -1;
  int FCurrentItemIndex = -1;
  TStandardSet FStandards;
};

// Tells an entry window the class and shows it (modeless): the main window's command.
void ShowResultEntry(TfmResultEntry* Window, const String& ClassName);
