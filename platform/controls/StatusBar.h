// TStatusBar: a bar at the bottom of a form with panels (text, width, alignment, bevel), or one
// simple panel, and the size grip.
#pragma once

#include <memory>

#include "controls/CollectionOf.h"
#include "controls/CustomControl.h"
#include "controls/TextBox.h"

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
inline constexpr const char* StatusPanelBevelNames[] = {"pbNone", "pbLowered", "pbRaised"};

class TStatusPanel : public TCollectionItem {
 public:
  explicit TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}
  String ClassName() const override { return "TStatusPanel"; }
  void Assign(const TPersistent* Source) override;
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel Value);

 private:
  String FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
};

class TStatusBar : public TCustomControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;
  String ClassName() const override { return "TStatusBar"; }
  TCollectionOf<TStatusPanel>* Panels() const { return FPanels.get(); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  const String& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const String& Value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  // The rectangle of panel Index in client coordinates; the last panel takes what is left.
  TRect PanelRect(int Index) const;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TCollectionOf<TStatusPanel>> FPanels;
  bool FSimplePanel = false;
  String FSimpleText;
  bool FSizeGrip = true;
};
