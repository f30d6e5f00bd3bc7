// TScrollBar: the scroll-bar control, horizontal or vertical, moved by its arrows, its track,
// its thumb and the keys, telling OnScroll of each step and OnChange of each new position.
#pragma once

#include "controls/CustomControl.h"
#include "windows/Scrolling.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
inline constexpr const char* ScrollBarKindNames[] = {"sbHorizontal", "sbVertical"};
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TCustomControl {
 public:
  explicit TScrollBar(TComponent* AOwner);
  String ClassName() const override { return "TScrollBar"; }
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  TClientScrollBar State() const;
  // The largest position: Max, or the last one whose page still fits.
  int MaxPosition() const;
  // OnScroll may change the position the step leads to.
  void Scroll(TScrollCode Code, int Pos);

  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FPageSize = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
  TScrollPart FPressed = spNone;
  int FThumbGrab = 0;
};
