// The item-link window "项目关系": the links in Tb_CountPoint that pair an examination item with a
// fitness-standard item of the same unit. Links are stored as they are added or deleted; the
// buttons only close the window, which frees itself.
#pragma once

#include <array>

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Forms.h"
#include "data/ADODB.h"

class TfmProgRelation : public TForm {
 public:
  explicit TfmProgRelation(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmProgRelation() override;
  String ClassName() const override { return "TfmProgRelation"; }
  String LayoutModule() const override { return "ProgRelation"; }
  static void Publish(TClassBuilder<TfmProgRelation>& c);

  TADOTable* adtExam = nullptr;
  TADOTable* adtUpto = nullptr;
  TADOTable* adtRelation = nullptr;
  TAction* actAdd = nullptr;
  TAction* actDelete = nullptr;
  TAction* actClear = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void actAddUpdate(TObject* Sender);
  void actDeleteUpdate(TObject* Sender);
  void actClearUpdate(TObject* Sender);
  void actAddExecute(TObject* Sender);
  void actDeleteExecute(TObject* Sender);
  void actClearExecute(TObject* Sender);
  // In the order they open.
  std::array<TADOTable*, 3> Tables() const { return {adtUpto, adtExam, adtRelation}; }
};

// The window while it is open.
extern TfmProgRelation* fmProgRelation;
// The command "项目关系设置": the window, made anew, shown modally.
TModalResult ShowProgRelation();
