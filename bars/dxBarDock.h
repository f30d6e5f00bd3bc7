// TdxDockControl: a dock site along an edge of a form, where toolbar windows sit in rows. It
// belongs to a manager, follows the manager's dock colour and decides whether a bar may dock.
// The rows and their layout build on it.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/CustomControl.h"

class TdxDockControl : public TCustomControl {
 public:
  explicit TdxDockControl(TComponent* AOwner);
  ~TdxDockControl() override;
  String ClassName() const override { return "TdxDockControl"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  // Leaves the old manager's dock sites and joins the new one's.
  void SetBarManager(TdxBarManager* Value);
  bool AllowDocking() const { return FAllowDocking; }
  void SetAllowDocking(bool Value) { FAllowDocking = Value; }
  // The side follows the alignment: left, right and bottom sites, top for every other.
  TdxBarDockingStyle DockingStyle() const;
  bool IsHorizontal() const;

  // Whether Bar may dock here.
  virtual bool CanDocking(TdxBar* Bar) const;
  // Parent colour with no manager or the manager's AutoDockColor, else the manager's DockColor.
  virtual void UpdateColor();
  // The manager's SunkenBorder changed.
  virtual void UpdateBorder() { Invalidate(); }

 protected:
  virtual void BarManagerChanged() {}
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TdxBarManager* FBarManager = nullptr;
  bool FAllowDocking = true;
};

// The side of a dock site with this alignment.
TdxBarDockingStyle DockingStyleOfAlign(TAlign Align);
