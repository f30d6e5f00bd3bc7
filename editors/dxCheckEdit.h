// TdxInplaceCheckEdit: a three-state check box with an optional caption (its Text), in place in a
// host or stand-alone, and painted without a window from a TdxCheckEditViewData. Its value is the
// state: 0 unchecked, 1 checked, 2 grayed; turning a stored value into a state is the host's work.
#pragma once

#include <memory>

#include "editors/dxInplaceEdit.h"
#include "graphics/Graphic.h"

// How the grayed state is drawn: an empty three-state box, an inactive box, a checked three-state box.
enum TdxShowNullFieldStyle { nsUnchecked, nsInactive, nsGrayedChecked };
inline constexpr const char* ShowNullFieldStyleNames[] = {"nsUnchecked", "nsInactive", "nsGrayedChecked"};

enum : uint8_t { cbsUnchecked = 0, cbsChecked = 1, cbsGrayed = 2 };

class TdxCheckEditViewData : public TdxEditViewData {
 public:
  String Caption;
  // A focused editor frames its caption.
  bool ShowFocusRect = true;
  // A strip of GlyphCount check images; none for the standard box.
  const TBitmap* Glyph = nullptr;
  int GlyphCount = 6;
  TdxShowNullFieldStyle ShowNullFieldStyle = nsGrayedChecked;
  bool Pressed = false;
};

// The class operations of check editors: their style, their view data, the box and its caption.
class TdxCheckEditClass : public TdxInplaceEditClass {
 public:
  std::unique_ptr<TdxEditStyle> CreateStyle(TdxInplaceEdit* Edit) const override;
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // The box and the caption; when only measuring, TextHeight becomes the box's height.
  bool Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const override;
  // At least the box's (or the glyph's) height, and the caption's beside a box that is not centred.
  int GetEditHeight(const TdxEditViewData& ViewData) const override;

  // The standard box's size, or one image of a glyph strip (then true).
  static bool GetGlyphSize(const TBitmap* Glyph, int GlyphCount, int& Width, int& Height);
  // The box of GlyphWidth x GlyphHeight in ContentRect by Alignment; ContentRect becomes the
  // caption's area (empty for a centred box).
  static void CalcCheckRect(int GlyphWidth, int GlyphHeight, TRect& BoxRect, TRect& ContentRect, TAlignment Alignment);
  // The image of a glyph strip that shows State (pressed or not); always one inside the strip.
  static int GlyphIndex(int State, bool Pressed, int GlyphCount);
};

const TdxInplaceEditClass& CheckEditClass(bool Inplace = true);

class TdxInplaceCheckEdit : public TdxInplaceEdit {
 public:
  explicit TdxInplaceCheckEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = CheckEditClass());
  String ClassName() const override { return "TdxInplaceCheckEdit"; }

  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  // Created empty on first use.
  TBitmap* Glyph();
  // A copy of Value; none (or an empty bitmap's copy) for the standard box.
  void SetGlyph(const TBitmap* Value);
  bool IsGlyphStored() const { return FGlyph && !FGlyph->Empty(); }
  int GlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(int Value);
  TdxShowNullFieldStyle ShowNullFieldStyle() const { return FShowNullFieldStyle; }
  void SetShowNullFieldStyle(TdxShowNullFieldStyle Value);
  bool Pressed() const { return FPressed; }
  uint8_t State() const { return FState; }
  void SetState(uint8_t Value);
  int StateValue() const { return FState; }
  void SetStateValue(int Value) { SetState(static_cast<uint8_t>(std::clamp(Value, 0, 2))); }

  // Unchecked, then grayed (when allowed) or checked, then unchecked; grayed becomes checked.
  virtual void Toggle();

  void SetEditValue(const Variant& Value) override;
  void GetDisplayValue(Variant& Value, bool FromData) override;
  Variant GetEditValue() override;
  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  void ContainerClick() override { Toggle(); }

 protected:
  void Click() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  void SetPressed(bool Value);
  void EndTracking();
  void WMLButtonDown(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMCancelMode(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMTextChanged(TMessage& Message);

  bool FAllowGrayed = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FGlyphCount = 6;
  TdxShowNullFieldStyle FShowNullFieldStyle = nsGrayedChecked;
  bool FPressed = false;
  uint8_t FState = cbsUnchecked;
  bool FMouseTracking = false;
};
