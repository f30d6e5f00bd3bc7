// TCustomComboBox and TComboBox: an editable text (csDropDown, the text box in the edit part)
// or a pick-only field (csDropDownList) over a list of items with objects, with the drop-down
// list, the selection events (OnChange, OnSelect, OnDropDown, OnCloseUp) and the limit.
#pragma once

#include <memory>

#include "controls/DropDownList.h"
#include "controls/ItemStrings.h"
#include "controls/StdPaint.h"
#include "controls/TextBox.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
inline constexpr const char* ComboBoxStyleNames[] = {"csDropDown", "csSimple", "csDropDownList"};

class TCustomComboBox : public TCustomControl {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;
  String ClassName() const override { return "TCustomComboBox"; }

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  void SetText(const String& Value) override;
  int MaxLength() const { return FTextBox->Limit(); }
  void SetMaxLength(int Value) { FTextBox->SetLimit(Value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = std::max(1, Value); }
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  int ItemHeight() const;
  bool DroppedDown() const { return FList.Visible(); }
  void SetDroppedDown(bool Value);
  void SelectAll() { FTextBox->SelectAll(); }
  void Clear();

  TTextBox& TextBox() const { return *FTextBox; }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  virtual void Change();
  // An item was chosen by the user: OnSelect, or OnChange when there is none.
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  void CreateWnd() override;
  void DestroyWnd() override;
  void Loaded() override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TRect ButtonRect() const;
  TRect EditRect() const;
  void UpdateTextBox();
  // The user chose Index (list or keys): text, click and select.
  void ChooseByUser(int Index);
  void CloseList(int Picked);
  void TextBoxChanged();
  void ItemsChanged();
  void WMGetDlgCode(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMDestroy(TMessage& Message);
  void CMLookChanged(TMessage& Message);

  std::unique_ptr<TItemStrings> FItems;
  std::unique_ptr<TTextBox> FTextBox;
  TDropDownList FList;
  TComboBoxStyle FStyle = csDropDown;
  int FItemIndex = -1;
  int FDropDownCount = 8;
  bool FSettingText = false;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
  String ClassName() const override { return "TComboBox"; }
};
