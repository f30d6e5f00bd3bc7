// TdxInplaceMRUEdit: the pick editor whose items are the values most recently entered, newest
// first, with a second, ellipsis button beside the arrow that reports its clicks to the owner
// instead of opening anything.
#pragma once

#include "editors/dxPickEdit.h"

class TdxMRUEditViewData : public TdxDropDownEditViewData {
 public:
  bool ShowEllipsis = false;
};

// The arrow, then (with ShowEllipsis) the ellipsis button on the same side.
class TdxMRUEditClass : public TdxDropDownEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  void CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const override;
};

const TdxInplaceEditClass& MRUEditClass(bool Inplace = true);

class TdxInplaceMRUEdit : public TdxInplacePickEdit {
 public:
  // The index of the ellipsis button among the editor's buttons.
  static constexpr int EllipsisButton = 1;

  explicit TdxInplaceMRUEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = MRUEditClass());
  String ClassName() const override { return "TdxInplaceMRUEdit"; }

  int MaxItemCount() const { return FMaxItemCount; }
  // A negative count is 0; the list is cut to the count at once.
  void SetMaxItemCount(int Value);
  bool ShowEllipsis() const { return FShowEllipsis; }
  void SetShowEllipsis(bool Value);

  // --- operations in slot order (after the pick editor's) --------------------------------------
  // Puts S at the top of the items: moved there when it is one, else added and the list cut to
  // MaxItemCount. Nothing for an empty S; a sorted list takes a new S at its sorted place.
  virtual void AddItem(const String& S);
  virtual void DoButtonClick();

  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  void ButtonMouseDown(bool ByClick, int Index) override;
  void ButtonClick(int Index) override;
  void ValidateEdit() override;

  TNotifyEvent OnButtonClick;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void TrimItems();

  int FMaxItemCount = 7;
  bool FShowEllipsis = true;
};
