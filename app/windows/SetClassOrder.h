// The class-order dialog: the classes in their display order, moved up and down one place at a
// time; OK stores each class's position as its Fd_OrderNo in one batch. Kept for the next use.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Forms.h"
#include "controls/ListBox.h"
#include "data/ADODB.h"

class TfmSetClassOrder : public TForm {
 public:
  explicit TfmSetClassOrder(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetClassOrder() override;
  String ClassName() const override { return "TfmSetClassOrder"; }
  String LayoutModule() const override { return "SetClassOrder"; }
  static void Publish(TClassBuilder<TfmSetClassOrder>& c);

  TListBox* lbClass = nullptr;
  TAction* actMoveUp = nullptr;
  TAction* actMovedown = nullptr;
  TAction* actUpdate = nullptr;
  TADOQuery* adqClass = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void actMoveUpdate(TObject* Sender);
  void actMoveUpExecute(TObject* Sender);
  void actMovedownExecute(TObject* Sender);
  void actUpdateUpdate(TObject* Sender);
  void actUpdateExecute(TObject* Sender);
  // Swaps the selected class with its neighbour Step places away, when there is one.
  void MoveSelected(int Step);

  bool FModified = false;
};

// Made on first use, owned by the application, kept for the next use.
extern TfmSetClassOrder* fmSetClassOrder;
// The command "班级排列顺序设置": shows the dialog modally.
TModalResult ShowSetClassOrder();
