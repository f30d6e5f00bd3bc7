// Item links: usage data and the recent links a menu shows, the separator rule, own values,
// accelerators, selectable links and the recursion check of sub items.
#include "BarsTestKit.h"

namespace {

class BarItemLinks : public TBarsTest {
 protected:
  // A bar with one link per caption.
  TdxBar* BarOf(std::initializer_list<const char*> Captions) {
    TdxBar* bar = AddBar("Bar" + std::to_string(Manager->Bars()->Count()));
    for (const char* caption : Captions) Link(bar->ItemLinks(), AddItem("bb" + std::to_string(++FItems), caption));
    return bar;
  }
  // Gives link i the usage count Counts[i] and the recent position Positions[i].
  static void SetUsage(TdxBarItemLinks* Links, std::vector<int> Counts, std::vector<int> Positions) {
    for (size_t i = 0; i < Counts.size(); ++i)
      Links->Items(static_cast<int>(i))->SetStoredUsage(Positions[i], Counts[i]);
    Links->ApplyStoredUsage(false);
  }
  // Lays the shown links out side by side, 10 pixels each, in the bar's window 50 pixels wide.
  static void LayOut(TdxBar* Bar) {
    Bar->Control()->SetClientWidth(50);
    Bar->Control()->SetClientHeight(30);
    TdxBarItemLinks* links = Bar->ItemLinks();
    for (int i = 0; i < links->ShownItemCount(); ++i) links->ShownItems(i)->SetItemRect(Rect(10 * i, 0, 10 * i + 10, 10));
  }

 private:
  int FItems = 0;
};

TEST_F(BarItemLinks, RecentCountFromTheUsageThreshold) {
  struct TCase {
    std::vector<int> Counts;
    std::vector<int> Positions;
    int Expected;
  };
  const TCase cases[] = {
      {{20, 20, 25, 40}, {3, 2, 1, 0}, 2},
      {{20, 20, 20, 20}, {0, 1, 2, 3}, -1},
      {{0, 0, 0, 40}, {1, 2, 3, 0}, 1},
      {{40, 0, 0, 0}, {3, 0, 1, 2}, -1},
  };
  for (const TCase& c : cases) {
    TdxBar* bar = BarOf({"a", "b", "c", "d"});
    SetUsage(bar->ItemLinks(), c.Counts, c.Positions);
    EXPECT_EQ(bar->ItemLinks()->CalcRecentItemCount(), c.Expected) << c.Counts[0] << " " << c.Counts[3];
  }
}

TEST_F(BarItemLinks, RecentLinksShowInCollectionOrder) {
  TdxBar* bar = BarOf({"a", "b", "c", "d"});
  TdxBarItemLinks* links = bar->ItemLinks();
  SetUsage(links, {20, 20, 25, 40}, {3, 2, 1, 0});
  links->ShowRecentItems(links->CalcRecentItemCount());
  ASSERT_EQ(links->ShownItemCount(), 2);
  EXPECT_EQ(links->ShownItems(0), links->Items(2));
  EXPECT_EQ(links->ShownItems(1), links->Items(3));
  links->RestoreShownItems();
  EXPECT_EQ(links->ShownItemCount(), 4);

  Manager->SetStyle(bmsStandard);
  EXPECT_EQ(links->CalcRecentItemCount(), -1);
  links->ShowRecentItems(1);
  EXPECT_EQ(links->ShownItemCount(), 4);
  Manager->SetStyle(bmsFlat);
  bar->SetUseRecentItems(false);
  EXPECT_EQ(links->CalcRecentItemCount(), -1);
}

TEST_F(BarItemLinks, MenusFollowTheUseOfRecentItemsOfTheBarTheyOpenFrom) {
  TdxBar* bar = AddBar("Menus");
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
  TdxBarItemLink* fileLink = Link(bar->ItemLinks(), file);
  Link(file->ItemLinks(), AddItem("bbOpen", "&Open"));
  EXPECT_TRUE(file->ItemLinks()->UseRecentItemsInEffect());
  bar->SetUseRecentItems(false);
  EXPECT_TRUE(file->ItemLinks()->UseRecentItemsInEffect());
  bar->SetVisible(true);
  file->ItemLinks()->CreateBarControl(fileLink);
  EXPECT_FALSE(file->ItemLinks()->UseRecentItemsInEffect());
  auto* popup = new TdxBarPopupMenu(Form);
  EXPECT_FALSE(popup->ItemLinks()->UseRecentItemsInEffect());
}

TEST_F(BarItemLinks, UseTravelsUpTheMenuChain) {
  TdxBar* bar = BarOf({"x"});
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
  TdxBarItemLink* fileLink = Link(bar->ItemLinks(), file);
  TdxBarItemLink* open = Link(file->ItemLinks(), AddItem("bbOpen", "&Open"));
  file->ItemLinks()->CreateBarControl(fileLink);
  const int fileUse = fileLink->UseCount();
  open->MarkUsed(true);
  EXPECT_EQ(open->UseCount(), Manager->UsageThreshold() + 1);
  EXPECT_EQ(fileLink->UseCount(), fileUse + 1);
  EXPECT_EQ(fileLink->RecentIndex(), 0);
  open->MarkUsed(false);
  EXPECT_EQ(fileLink->UseCount(), fileUse + 1);
  open->SetVisible(false);
  open->MarkUsed(true);
  EXPECT_EQ(open->UseCount(), Manager->UsageThreshold() + 1);
}

TEST_F(BarItemLinks, VisibilityAndMostRecentlyUsedMoveLinksInTheRecentOrder) {
  TdxBar* bar = BarOf({"a", "b", "c"});
  TdxBarItemLinks* links = bar->ItemLinks();
  TdxBarItemLink* a = links->Items(0);
  TdxBarItemLink* c = links->Items(2);
  EXPECT_EQ(c->RecentIndex(), 0);
  a->SetVisible(false);
  EXPECT_EQ(a->RecentIndex(), 2);
  EXPECT_EQ(links->VisibleItemCount(), 2);
  a->SetVisible(true);
  EXPECT_EQ(a->RecentIndex(), 0);
  c->SetMostRecentlyUsed(false);
  EXPECT_EQ(c->UseCount(), 0);
  EXPECT_EQ(c->RecentIndex(), 2);
  c->SetMostRecentlyUsed(true);
  EXPECT_EQ(c->UseCount(), Manager->UsageThreshold());
  EXPECT_EQ(c->RecentIndex(), 0);

  links->Items(1)->SetVisible(false);
  links->Items(1)->MoveInRecentOrder(0);
  links->CompactRecentOrder();
  EXPECT_EQ(links->Items(1)->RecentIndex(), 2);
  links->Items(2)->MoveInRecentOrder(99);
  EXPECT_EQ(links->Items(2)->RecentIndex(), 2);
}

TEST_F(BarItemLinks, StoredUsageIsPutInPlaceByPosition) {
  TdxBar* bar = BarOf({"a", "b", "c"});
  TdxBarItemLinks* links = bar->ItemLinks();
  SetUsage(links, {5, 7, 9}, {2, 0, 1});
  EXPECT_EQ(links->RecentOrder(0), links->Items(1));
  EXPECT_EQ(links->RecentOrder(1), links->Items(2));
  EXPECT_EQ(links->RecentOrder(2), links->Items(0));
  EXPECT_EQ(links->Items(2)->UseCount(), 9);

  TdxBar* copy = BarOf({"a", "b", "c"});
  links->Items(0)->SetMostRecentlyUsed(false);
  copy->ItemLinks()->CopyUsageFrom(links);
  EXPECT_FALSE(copy->ItemLinks()->Items(0)->MostRecentlyUsed());
  EXPECT_EQ(copy->ItemLinks()->Items(0)->RecentIndex(), 2);
  EXPECT_EQ(copy->ItemLinks()->Items(1)->RecentIndex(), 0);
}

TEST_F(BarItemLinks, LinkShownOnADockedToolbarAgainLaysItOut) {
  TdxBar* bar = BarOf({"a", "b"});
  bar->SetDockingStyle(dsTop);
  bar->SetVisible(true);
  TdxBarItemLinks* links = bar->ItemLinks();
  bar->Control()->SetParent(Manager->Bars()->DockControls(dsTop));
  const HWND wnd = bar->Control()->Handle();
  links->ShowRecentItems(1);
  ASSERT_EQ(links->ShownItemCount(), 1);
  TdxBarItemLink* shown = links->ShownItems(0);
  TdxBarItemLink* other = shown == links->Items(0) ? links->Items(1) : links->Items(0);
  MSG msg;
  shown->MarkUsed(true);
  EXPECT_FALSE(PeekMessage(msg, wnd, WM_DXBAR_RECALCLAYOUT, WM_DXBAR_RECALCLAYOUT, PM_REMOVE));
  other->MarkUsed(true);
  EXPECT_EQ(links->ShownItems(0), other);
  EXPECT_TRUE(PeekMessage(msg, wnd, WM_DXBAR_RECALCLAYOUT, WM_DXBAR_RECALCLAYOUT, PM_REMOVE));
  other->SetMostRecentlyUsed(false);
  EXPECT_TRUE(PeekMessage(msg, wnd, WM_DXBAR_RECALCLAYOUT, WM_DXBAR_RECALCLAYOUT, PM_REMOVE));
}

TEST_F(BarItemLinks, HiddenLinkPassesItsSeparatorOn) {
  TdxBar* bar = BarOf({"a", "b", "c", "d"});
  TdxBarItemLinks* links = bar->ItemLinks();
  links->Items(0)->SetBeginGroup(true);
  links->Items(1)->SetBeginGroup(true);
  links->Items(1)->SetVisible(false);
  EXPECT_FALSE(links->Items(0)->BeginGroup());
  EXPECT_TRUE(links->Items(1)->BeginGroup());
  EXPECT_TRUE(links->Items(2)->BeginGroup());
  EXPECT_FALSE(links->Items(3)->BeginGroup());
  links->Items(0)->Item()->SetVisible(ivNever);
  EXPECT_FALSE(links->Items(2)->BeginGroup());
}

TEST_F(BarItemLinks, OwnValuesAndTheirFlags) {
  auto* edit = AddItem<TdxBarEdit>("edWidth", "Width");
  TdxBar* bar = AddBar("Tools");
  TdxBarItemLink* link = Link(bar->ItemLinks(), edit);
  EXPECT_EQ(link->Width(), 100);
  for (const auto& [width, held] : {std::pair{5, 20}, std::pair{1000, 600}}) {
    link->SetUserWidth(width);
    EXPECT_EQ(link->UserWidth(), held);
    EXPECT_EQ(link->Width(), held);
  }
  link->SetUserCaption("Mine");
  EXPECT_EQ(link->Caption(), "Mine");
  EXPECT_EQ(link->UserDefine(), UserDefineBit(udCaption) | UserDefineBit(udWidth));
  link->SetUserDefine(UserDefineBit(udWidth));
  EXPECT_EQ(link->UserCaption(), "");
  EXPECT_EQ(link->Caption(), "Width");
  link->SetUserDefine(0);
  EXPECT_EQ(link->Width(), 100);
  EXPECT_EQ(link->UserWidth(), 0);
  TBitmap glyph(2, 2);
  link->SetUserGlyph(&glyph);
  EXPECT_EQ(link->Glyph(), link->UserGlyph());
  EXPECT_EQ(link->PaintStyle(), psStandard);
}

TEST_F(BarItemLinks, AcceleratorOfTheCaption) {
  struct TCase {
    const char* Caption;
    WORD Key;
    TShiftState Shift;
    bool Match;
  };
  const TCase cases[] = {
      {"Save &As", 'A', 0, true},          {"Save &As", 'A', ssShift, true}, {"Save &as", 'A', ssShift, false},
      {"Save &As", 'S', 0, false},         {"&&Fish", 'F', 0, false},         {"Fish && &Chips", 'C', 0, true},
      {"Open", 'O', 0, false},             {"&Open", 'O', ssCtrl, false},     {"R&&D &5", '5', 0, true},
      {"&!", '1', ssShift, true},          {"&!", '1', 0, false},             {"打开(&O)", 'O', 0, true},
      {"&打开", 'O', 0, false},            {"Tail&", 'L', 0, false},
  };
  TdxBar* bar = AddBar("Tools");
  for (const TCase& c : cases) {
    TdxBarItemLink* link = Link(bar->ItemLinks(), AddItem("bb" + std::to_string(bar->ItemLinks()->Count()), c.Caption));
    EXPECT_EQ(link->IsAccelMatch(c.Key, c.Shift), c.Match) << c.Caption << " " << char(c.Key);
  }
}

TEST_F(BarItemLinks, DuplicateAcceleratorsAreFoundInTurn) {
  TdxBar* bar = BarOf({"&Alpha", "&Beta", "&Apple"});
  bar->SetVisible(true);
  TdxBarItemLinks* links = bar->ItemLinks();
  TdxBarItemLink* alpha = links->Items(0);
  TdxBarItemLink* apple = links->Items(2);
  for (TdxBarItemLink* link : {alpha, links->Items(1), apple})
    dynamic_cast<TdxBarButton*>(link->Item())->SetPaintStyle(psCaption);
  LayOut(bar);
  EXPECT_EQ(links->FindByAccel('A', ssAlt, nullptr), alpha);
  EXPECT_EQ(links->FindByAccel('A', 0, alpha), apple);
  EXPECT_EQ(links->FindByAccel('A', 0, apple), alpha);
  EXPECT_EQ(links->FindByAccel('Z', 0, nullptr), nullptr);
  alpha->Item()->SetEnabled(false);
  EXPECT_EQ(links->FindByAccel('A', 0, apple), apple);

  auto* menu = AddItem<TdxBarSubItem>("bsMenu");
  TdxBarItemLink* first = Link(menu->ItemLinks(), alpha->Item());
  Link(menu->ItemLinks(), links->Items(1)->Item());
  TdxBarItemLink* last = Link(menu->ItemLinks(), apple->Item());
  alpha->Item()->SetEnabled(true);
  EXPECT_EQ(menu->ItemLinks()->FindByAccel('A', 0, first), last);
  EXPECT_EQ(menu->ItemLinks()->FindByAccel('A', 0, last), first);
}

TEST_F(BarItemLinks, SelectableLinksWrapAmongThoseThatFit) {
  TdxBar* bar = BarOf({"a", "b", "c", "d", "e", "f"});
  bar->SetVisible(true);
  TdxBarItemLinks* links = bar->ItemLinks();
  LayOut(bar);
  EXPECT_EQ(links->FittingItemCount(), 5);
  EXPECT_EQ(links->FirstSelectable(), links->Items(0));
  EXPECT_EQ(links->LastSelectable(), links->Items(4));
  EXPECT_EQ(links->NextSelectable(links->Items(4)), links->Items(0));
  EXPECT_EQ(links->PrevSelectable(links->Items(0)), links->Items(4));
  EXPECT_EQ(links->NextSelectable(links->Items(5)), links->Items(0));
  links->ClearItemRects();
  EXPECT_EQ(links->FittingItemCount(), 0);
  EXPECT_EQ(links->FirstSelectable(), nullptr);
}

TEST_F(BarItemLinks, SubItemsCannotHoldThemselves) {
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
  auto* recent = AddItem<TdxBarSubItem>("bsRecent", "&Recent");
  Link(file->ItemLinks(), recent);
  for (TdxBarItemLinks* links : {recent->ItemLinks(), file->ItemLinks()}) {
    TdxBarItemLink* link = links->Add();
    try {
      link->SetItem(file);
      ADD_FAILURE();
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "You cannot create recursive subitems");
    }
    EXPECT_EQ(link->Item(), nullptr);
  }
  EXPECT_TRUE(file->ItemLinks()->HasItem(recent));
  EXPECT_FALSE(recent->ItemLinks()->HasItem(file));
}

TEST_F(BarItemLinks, TakingTheItemAwayFreesTheLink) {
  TdxBar* bar = BarOf({"a", "b"});
  bar->SetVisible(true);
  TdxBarItem* item = bar->ItemLinks()->Items(0)->Item();
  bar->ItemLinks()->Items(0)->SetItem(nullptr);
  EXPECT_EQ(bar->ItemLinks()->Count(), 1);
  EXPECT_EQ(item->LinkCount(), 0);
  EXPECT_EQ(bar->ItemLinks()->VisibleItemCount(), 1);
}

TEST_F(BarItemLinks, AssignCopiesLinksWithTheirVisibility) {
  TdxBar* source = BarOf({"a", "b"});
  source->ItemLinks()->Items(1)->SetVisible(false);
  source->ItemLinks()->Items(1)->SetBeginGroup(true);
  source->ItemLinks()->Items(0)->SetUserCaption("First");
  source->ItemLinks()->Items(0)->SetData(42);
  TdxBar* target = AddBar("Target");
  target->SetItemLinks(source->ItemLinks());
  TdxBarItemLinks* links = target->ItemLinks();
  ASSERT_EQ(links->Count(), 2);
  EXPECT_EQ(links->Items(0)->Caption(), "First");
  EXPECT_EQ(links->Items(0)->Data(), 42);
  EXPECT_FALSE(links->Items(1)->Visible());
  EXPECT_TRUE(links->Items(1)->OwnBeginGroup());
  EXPECT_EQ(links->VisibleItemCount(), 1);
}

}  // namespace
