// The bars' test fixture: a form with a bar manager, a test item kind whose views record what
// their item tells them, and helpers that make items, bars and links.
#pragma once

#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarCategories.h"
#include "bars/dxBarClasses.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "support/FormFixture.h"

// A view that writes each notification it hears into Log as "<item name>.<notification>".
class TRecordingControl : public TdxBarButtonControl {
 public:
  using TdxBarButtonControl::TdxBarButtonControl;
  static std::vector<String>& Log() {
    static std::vector<String> log;
    return log;
  }
  void CaptionChanged() override { Note("caption"); }
  void EnabledChanged() override { Note("enabled"); }
  void GlyphChanged() override { Note("glyph"); }
  void ShortCutChanged() override { Note("shortcut"); }
  void VisibleChanged() override { Note("visible"); }
  void DownChanged() override { Note("down"); }
  void PaintStyleChanged() override { Note("paintstyle"); }
  void Repaint() override { Note("repaint"); }

 private:
  void Note(const char* What) { Log().push_back(ItemLink()->Item()->Name() + "." + What); }
};

class TTestBarItem : public TdxBarButton {
 public:
  using TdxBarButton::TdxBarButton;
  String ClassName() const override { return "TTestBarItem"; }
};

class TBarsTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterBarsClasses();
    RegisterBarItemClass(RegisterClass<TTestBarItem, TdxBarButton>("TTestBarItem"),
                         ItemControlClass<TRecordingControl>(), false);
    TRecordingControl::Log().clear();
    Manager = new TdxBarManager(Form);
    Manager->SetName("bm");
  }

  template <class T = TdxBarButton>
  T* AddItem(const String& Name, const String& Caption = String(), int Category = 0) {
    auto* item = new T(Form);
    item->SetName(Name);
    item->SetCaption(Caption);
    item->SetCategory(Category);
    return item;
  }
  TdxBar* AddBar(const String& Caption) {
    TdxBar* bar = Manager->Bars()->Add();
    bar->SetCaption(Caption);
    return bar;
  }
  static TdxBarItemLink* Link(TdxBarItemLinks* Links, TdxBarItem* Item, bool BeginGroup = false) {
    TdxBarItemLink* link = Links->Add();
    link->SetItem(Item);
    link->SetBeginGroup(BeginGroup);
    return link;
  }

  TdxBarManager* Manager = nullptr;
};
