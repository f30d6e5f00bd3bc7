// The classes dialog: the administrator adds classes (a grade and a numeral, "高一" and "三" giving
// the class 高一三) and removes them. Removing a stored class deletes its row at once; added
// classes are stored by OK. The dialog is kept for the next use and reloads the list when shown.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/ComboBox.h"
#include "controls/Forms.h"
#include "controls/ListBox.h"
#include "data/ADODB.h"

// A line of the class list, owned by the line: the class as stored in Fd_Class, its grade, and
// whether it was added since the dialog was shown and is not stored yet.
class TTab_Class : public TObject {
 public:
  TTab_Class(bool AIsNew, String AClass, String AGrade)
      : IsNew(AIsNew), Class(std::move(AClass)), Grade(std::move(AGrade)) {}
  bool IsNew;
  String Class;
  String Grade;
};

class TfmSetClass : public TForm {
 public:
  explicit TfmSetClass(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetClass() override;
  String ClassName() const override { return "TfmSetClass"; }
  String LayoutModule() const override { return "SetClass"; }
  static void Publish(TClassBuilder<TfmSetClass>& c);

  TComboBox* cbbGrade = nullptr;
  TComboBox* cbxClass = nullptr;
  TListBox* lbClassList = nullptr;
  TAction* ActInsert = nullptr;
  TAction* ActDelete = nullptr;
  TAction* actUpdate = nullptr;
  TAction* ActCancel = nullptr;
  TADOTable* adtClass = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormDestroy(TObject* Sender);
  void cbxClassSelect(TObject* Sender);
  void ActInsertUpdate(TObject* Sender);
  void ActInsertExecute(TObject* Sender);
  void ActDeleteUpdate(TObject* Sender);
  void ActDeleteExecute(TObject* Sender);
  void actUpdateUpdate(TObject* Sender);
  void actUpdateExecute(TObject* Sender);
  void ActCancelUpdate(TObject* Sender);
  void LoadClasses();
  // Adds the class of the chosen grade and the numeral's text, unless the list has it already.
  void AddClass();
  void StoreNewClasses();
};

// Made on first use, owned by the application, kept for the next use.
extern TfmSetClass* fmSetClass;
// The command "学校班级设置": shows the dialog modally.
TModalResult ShowSetClass();
