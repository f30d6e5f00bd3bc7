// The bars' test fixture: a form with a bar manager, a test item kind whose views record what
// their item tells them, and helpers that make items, bars and links.
#pragma once

#include <cstdlib>
#include <utility>
#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarCategories.h"
#include "bars/dxBarClasses.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "controls/ShortCut.h"
#include "support/FormFixture.h"

// A view that writes each notification it hears into Log as "<item name>.<notification>", and
// raises on the notification named by FailOn.
class TRecordingControl : public TdxBarButtonControl {
 public:
  using TdxBarButtonControl::TdxBarButtonControl;
  static std::vector<String>& Log() {
    static std::vector<String> log;
    return log;
  }
  static String& FailOn() {
    static String failOn;
    return failOn;
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
  void Note(const char* What) {
    if (FailOn() == What) throw Exception("view failed");
    Log().push_back(ItemLink()->Item()->Name() + "." + What);
  }
};

class TTestBarItem : public TdxBarButton {
 public:
  using TdxBarButton::TdxBarButton;
  String ClassName() const override { return "TTestBarItem"; }
};

// A button whose views have the size it is given, so that layouts come out in whole pixels.
class TSizedItem : public TdxBarButton {
 public:
  using TdxBarButton::TdxBarButton;
  String ClassName() const override { return "TSizedItem"; }
  TSize Size{30, 22};
  int Clicks = 0;
};

class TSizedControl : public TdxBarButtonControl {
 public:
  using TdxBarButtonControl::TdxBarButtonControl;
  int GetWidth() const override { return static_cast<const TSizedItem*>(Item())->Size.cx; }
  int GetHeight() const override { return static_cast<const TSizedItem*>(Item())->Size.cy; }
  // A white box with a black frame and the caption, so that a picture of a bar shows its layout.
  void Draw(const TRect& Rect) override {
    TCanvas* canvas = static_cast<TCustomControl*>(Parent())->Canvas();
    const TRect r = ItemLink()->ItemRect();
    canvas->Brush()->SetColor(Hot() ? clYellow : clWhite);
    canvas->Pen()->SetColor(clBlack);
    canvas->Rectangle(r);
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->TextOut(r.Left + 3, r.Top + 3, GetCaption());
    (void)Rect;
  }
};

// An edit box whose views are Width wide and 22 high.
class TSizedEdit : public TdxBarEdit {
 public:
  using TdxBarEdit::TdxBarEdit;
  String ClassName() const override { return "TSizedEdit"; }
};

class TSizedEditControl : public TdxBarEditControl {
 public:
  using TdxBarEditControl::TdxBarEditControl;
  int GetWidth() const override { return ItemLink()->Width(); }
  int GetHeight() const override { return 22; }
};

// The windows as the screen shows them, the later ones over the earlier, in one picture of the
// rectangle that holds them all (saved as RenderWindowToPng saves one window).
inline std::string RenderScreenToPng(std::initializer_list<TWinControl*> Windows, const std::string& FileName) {
  TRect all{};
  for (TWinControl* w : Windows) {
    TRect r;
    GetWindowRect(w->Handle(), r);
    if (IsRectEmpty(all)) all = r;
    UnionRect(all, all, r);
  }
  TBitmap screen;
  screen.SetSize(all.Width(), all.Height());
  for (TWinControl* w : Windows) {
    TRect r;
    GetWindowRect(w->Handle(), r);
    const TPoint client = w->ClientToScreen(TPoint{0, 0});
    const std::vector<TColor> pixels =
        ComposedPixels(w->Handle(), TRect{r.Left - client.X, r.Top - client.Y, r.Right - client.X, r.Bottom - client.Y});
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        const TColor c = pixels[static_cast<size_t>(y * r.Width() + x)];
        screen.ScanLine(r.Top - all.Top + y)[r.Left - all.Left + x] =
            0xFF000000u | (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
  }
  return SaveBitmapToPng(screen, FileName);
}

class TBarsTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterBarsClasses();
    RegisterBarItemClass(RegisterClass<TTestBarItem, TdxBarButton>("TTestBarItem"),
                         ItemControlClass<TRecordingControl>(), false);
    RegisterBarItemClass(RegisterClass<TSizedItem, TdxBarButton>("TSizedItem"), ItemControlClass<TSizedControl>(), false);
    RegisterBarItemClass(RegisterClass<TSizedEdit, TdxBarEdit>("TSizedEdit"), ItemControlClass<TSizedEditControl>(), false);
    TRecordingControl::Log().clear();
    TRecordingControl::FailOn().clear();
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
  // A bar with one sized button per entry (width by height); a negative width begins a group.
  TdxBar* SizedBar(const String& Caption, std::initializer_list<TSize> Sizes) {
    TdxBar* bar = AddBar(Caption);
    for (TSize size : Sizes) {
      auto* item = AddItem<TSizedItem>("bb" + std::to_string(++FSizedItems));
      item->Size = TSize{std::abs(size.cx), size.cy};
      item->OnClick = [item](TObject*) { ++item->Clicks; };
      Link(bar->ItemLinks(), item, size.cx < 0);
    }
    return bar;
  }
  // Shows a bar docked on Side in row Row (a new row there with OwnRow) at Offset along the row.
  static void Dock(TdxBar* Bar, TdxBarDockingStyle Side, int Row = 0, int Offset = 0, bool OwnRow = false) {
    Bar->SetDockingStyle(Side);
    Bar->SetRow(Row);
    Bar->SetOneOnRow(OwnRow);
    Bar->SetDockedLeft(IsVerticalDockingStyle(Side) ? 0 : Offset);
    Bar->SetDockedTop(IsVerticalDockingStyle(Side) ? Offset : 0);
    Bar->SetVisible(true);
  }
  TdxDockControl* Site(TdxBarDockingStyle Side) const { return Manager->Bars()->DockControls(Side); }
  // The middle of a view's rectangle in its bar window.
  static TPoint CentreOf(const TdxBarItemControl* Control) {
    const TRect r = Control->Parent()->GetItemRect(Control);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // A key pressed as a hand presses it: still held while its key-down is handled.
  void Press(int Key, TShiftState Shift = 0) {
    const std::pair<TShiftState, int> modifiers[] = {{ssShift, VK_SHIFT}, {ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}};
    for (const auto& [state, key] : modifiers)
      if (Shift & state) KeyDown(key);
    KeyDown(Key);
    Pump();
    KeyUp(Key);
    for (const auto& [state, key] : modifiers)
      if (Shift & state) KeyUp(key);
    Pump();
  }

  TdxBarManager* Manager = nullptr;

 private:
  int FSizedItems = 0;
};

// The program's two bars: the menu bar "Menus" with three menus of plain commands, and the
// toolbar "Toolbars" with buttons (one a check button that is down) and an edit box.
class TProgramBarsTest : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(420);
    Form->SetClientHeight(220);
  }

  TdxBarSubItem* Menu(TdxBar* Bar, const String& Caption, std::initializer_list<const char*> Commands) {
    auto* sub = AddItem<TdxBarSubItem>("m" + std::to_string(++FNames), Caption);
    Link(Bar->ItemLinks(), sub);
    bool group = false;
    for (const char* command : Commands) {
      if (String(command) == "-") {
        group = true;
        continue;
      }
      auto* item = AddItem("c" + std::to_string(++FNames), command);
      item->OnClick = [this, item](TObject*) { Ran.push_back(item->Caption()); };
      Link(sub->ItemLinks(), item, std::exchange(group, false));
    }
    return sub;
  }

  // The menu bar "Menus" in row 0 and the toolbar "Toolbars" in row 1, as the program has them.
  void BuildBars() {
    Menus = AddBar("Menus");
    Menus->SetIsMainMenu(true);
    File = Menu(Menus, "&File", {"&Open...", "&Save", "-", "E&xit"});
    File->ItemLinks()->Items(1)->Item()->SetShortCut(ShortCut('S', ssCtrl));
    Menu(Menus, "&Edit", {"&Copy", "&Paste"});
    Menu(Menus, "&Help", {"&About..."});
    Dock(Menus, dsTop, 0);
    Toolbar = AddBar("Toolbars");
    Link(Toolbar->ItemLinks(), AddItem("tNew", "New"));
    Checked = AddItem("tBold", "Bold");
    Checked->SetButtonStyle(bsChecked);
    Checked->SetDown(true);
    Link(Toolbar->ItemLinks(), Checked);
    Link(Toolbar->ItemLinks(), AddItem("tPrint", "Print"), true);
    Edit = AddItem<TdxBarEdit>("tFind", "Find");
    Edit->SetShowCaption(true);
    Edit->SetWidth(80);
    Edit->SetText("text");
    Link(Toolbar->ItemLinks(), Edit, true);
    Dock(Toolbar, dsTop, 1, 0, true);
  }

  TdxBar* Menus = nullptr;
  TdxBar* Toolbar = nullptr;
  TdxBarSubItem* File = nullptr;
  TdxBarButton* Checked = nullptr;
  TdxBarEdit* Edit = nullptr;
  // The captions of the commands run, in order.
  std::vector<String> Ran;

 private:
  int FNames = 0;
};
