// TdxInplaceTimeEdit: the spin editor holding a time of day shown as "hh:nn:ss", "hh:nn" or "hh"
// under an edit mask. Its step is an hour, a minute or a second after the part of the text that
// holds the caret; spinning past either end of the day changes nothing. The date part of the value
// it was given is kept and given back.
#pragma once

#include "editors/dxSpinEdit.h"
#include "rtl/DateTime.h"

enum TdxTimeEditFormat : uint8_t { tfHourMinSec, tfHourMin, tfHour };
inline constexpr const char* TimeEditFormatNames[] = {"tfHourMinSec", "tfHourMin", "tfHour"};

// The display format and the edit mask of a time format.
String TimeEditDisplayFormat(TdxTimeEditFormat Format);
String TimeEditMask(TdxTimeEditFormat Format);

const TdxInplaceEditClass& TimeEditClass(bool Inplace = true);

class TdxInplaceTimeEdit : public TdxInplaceSpinEdit {
 public:
  explicit TdxInplaceTimeEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = TimeEditClass());
  String ClassName() const override { return "TdxInplaceTimeEdit"; }

  TDateTime GetTime() const { return FTime; }
  // Taken while the host sets its editor up, otherwise only when the editor may be modified.
  void SetTime(TDateTime Value);
  TdxTimeEditFormat TimeEditFormat() const { return FTimeEditFormat; }
  void SetTimeEditFormat(TdxTimeEditFormat Value);
  // The letter of the display format ('H', 'N' or 'S') that the caret stands in.
  char32_t PartAtCaret();

  double GetIncrement() override;
  // The time of the text; 0 for a text that is no time.
  double GetValue() override;
  // Digits that cannot begin an hour, minute or second at the caret are refused.
  bool IsValidValueChar(TKeyChar Key) override;
  // Only a time of day is taken; the caret stays in the part it stood in.
  void SetValue(double Value) override;
  // Loading keeps the modified state.
  void SetEditValue(const Variant& Value) override;
  Variant GetEditValue() override;
  void SelectAllOnShow() override;

 private:
  // Where the masked caret stands; 0 without a window.
  int CaretPosition() const;

  TDateTime FDatePart = 0;
  TDateTime FTime = 0;
  TdxTimeEditFormat FTimeEditFormat = tfHourMinSec;
};
