// TCustomGroupBox and TGroupBox: an etched frame with its caption on the top line, holding
// other controls; TRadioGroup: a group box of radio buttons made from Items, in Columns, with
// the checked one as ItemIndex.
#pragma once

#include <memory>
#include <vector>

#include "controls/CheckBox.h"
#include "rtl/StringList.h"

class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* AOwner);
  String ClassName() const override { return "TCustomGroupBox"; }

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void Dispatch(TMessage& Message) override;

 protected:
  int CaptionHeight();

 private:
  void CMTextChanged(TMessage& Message);
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;
  String ClassName() const override { return "TGroupBox"; }
};

class TRadioGroup : public TCustomGroupBox {
 public:
  explicit TRadioGroup(TComponent* AOwner);
  ~TRadioGroup() override;
  String ClassName() const override { return "TRadioGroup"; }

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value) { FItems->Assign(Value); }
  // -1 when no button is checked.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  // The radio button of item Index.
  TRadioButton* Buttons(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }

 protected:
  void Loaded() override;
  void Resize() override;
  // A button was checked by the user: the group clicks.
  virtual void ButtonClicked(int Index);

 private:
  void UpdateButtons();
  void ArrangeButtons();

  std::unique_ptr<TStringList> FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdating = false;
};
