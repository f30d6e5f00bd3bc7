// TPageControl with TTabSheet pages: tabs, buttons or flat buttons along the top, the active
// page shown below them, OnChanging (which may refuse) and OnChange.
#pragma once

#include <vector>

#include "controls/CustomControl.h"

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
inline constexpr const char* TabStyleNames[] = {"tsTabs", "tsButtons", "tsFlatButtons"};
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl;

class TTabSheet : public TCustomControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  String ClassName() const override { return "TTabSheet"; }
  void SetParent(TWinControl* AParent) override;
  TPageControl* PageControl() const;
  int PageIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  bool FTabVisible = true;
};

class TPageControl : public TCustomControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  String ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const { return FPages.at(static_cast<size_t>(Index)); }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* Value);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  // The tab under a client point, -1 when none.
  int IndexOfTabAt(int X, int Y) const;
  TRect TabRect(int Index) const;
  void SelectNextPage(bool GoForward);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  friend class TTabSheet;
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void Loaded() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void ShowActivePage();

 private:
  int TabHeight() const;
  // Asks OnChanging, then changes the page and tells OnChange; answers false when refused.
  bool ChangeByUser(TTabSheet* Page);
  void CMDialogKey(TMessage& Message);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  TTabStyle FStyle = tsTabs;
};
