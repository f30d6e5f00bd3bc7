// The Customize dialog's commands page: the categories and the commands of the selected one with
// its description, dragging a command onto the bars; at design time also the categories' and the
// commands' editing by menu, keys and dragging.
#include <algorithm>

#include "bars/dxBarCategories.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarItemEd.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarNameEd.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarPopupMenuEd.h"
#include "controls/Application.h"
#include "controls/PlaceControl.h"
#include "rtl/Convert.h"
#include "windows/Services.h"

namespace {

// The name dialog's modes for categories.
enum { kAddCategory = 0, kInsertCategory = 1, kRenameCategory = 2 };

int ItemIndexIn(const TdxBarManager* Manager, const TdxBarItem* Item) {
  for (int i = 0; i < Manager->ItemCount(); ++i)
    if (Manager->Items(i) == Item) return i;
  return -1;
}

}  // namespace

void TdxBarCustomizingForm::BuildCommandsPage() {
  tsItems = PlaceControl<TTabSheet>(this, PageControl, "tsItems", TRect{}, dxBarLoadStr(sdxBarCommandsPage));
  auto* categories = PlaceControl<TLabel>(this, tsItems, "LCategoriesLabel", Bounds(8, 6, 120, 14), dxBarLoadStr(sdxBarCategoriesLabel));
  LCategories = PlaceControl<TListBox>(this, tsItems, "LCategories", Bounds(8, 22, 120, 150));
  LCategories->OnClick = [this](TObject*) { CategoryChanged(); };
  LCategories->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int X, int Y) { CategoryMouseDown(Button, X, Y); };
  LCategories->OnMouseMove = [this](TObject*, TShiftState Shift, int X, int Y) {
    if (Shift & ssLeft) CategoryMouseMove(X, Y);
  };
  LCategories->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { FDraggedCategory = -1; };
  LCategories->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { CategoryKeyDown(Key, Shift); };
  categories->SetFocusControl(LCategories);
  auto* commands = PlaceControl<TLabel>(this, tsItems, "LCommandsLabel", Bounds(136, 6, 200, 14), dxBarLoadStr(sdxBarCommandsLabel));
  LCommands = PlaceControl<TCommandsListBox>(this, tsItems, "LCommands", Bounds(136, 22, 202, 150));
  LCommands->SetBarManager(FBarManager);
  LCommands->OnClick = [this](TObject*) { CommandChanged(); };
  LCommands->OnStartDrag = [this](TdxBarItem* Item) { StartCommandDrag(Item); };
  LCommands->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int X, int Y) { CommandMouseDown(Button, X, Y); };
  LCommands->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { CommandKeyDown(Key, Shift); };
  commands->SetFocusControl(LCommands);
  PlaceControl<TLabel>(this, tsItems, "LDescription", Bounds(8, 200, 330, 14), dxBarLoadStr(sdxBarDescriptionLabel));
  DescriptionLabel = PlaceControl<TLabel>(this, tsItems, "DescriptionLabel", Bounds(8, 216, 330, 28));
  DescriptionLabel->SetAutoSize(false);
  DescriptionLabel->SetWordWrap(true);
  DescriptionLabel->SetShowAccelChar(false);
}

// --- the lists --------------------------------------------------------------------------------------

// The categories (at run time the visible ones); the first is selected.
void TdxBarCustomizingForm::FillCategories() {
  TStrings* rows = LCategories->Items();
  rows->Clear();
  for (int row = 0;; ++row) {
    const int category = FBarManager->VisibleCategoryIndex(row);
    if (category < 0 || category >= FBarManager->Categories()->Count()) break;
    rows->Add(FBarManager->Categories()->Strings(category));
  }
  LCategories->SetItemIndex(rows->Count() > 0 ? 0 : -1);
  CategoryChanged();
}

int TdxBarCustomizingForm::SelectedCategory() const {
  const int row = LCategories->ItemIndex();
  return row >= 0 ? FBarManager->VisibleCategoryIndex(row) : -1;
}

void TdxBarCustomizingForm::SelectCategory(int Category) {
  for (int row = 0; row < LCategories->Items()->Count(); ++row) {
    if (FBarManager->VisibleCategoryIndex(row) != Category) continue;
    if (LCategories->ItemIndex() == row) return;
    LCategories->SetItemIndex(row);
    CategoryChanged();
    return;
  }
}

int TdxBarCustomizingForm::CategoryAtScreenPoint(TPoint Screen) const {
  if (!LCategories->HandleAllocated() || !LCategories->Showing()) return -1;
  const TPoint p = LCategories->ScreenToClient(Screen);
  if (!PtInRect(LCategories->ClientRect(), p)) return -1;
  const int row = LCategories->ItemAtPos(p, true);
  return row >= 0 ? FBarManager->VisibleCategoryIndex(row) : -1;
}

// The commands of the selected category in their order.
void TdxBarCustomizingForm::CategoryChanged() {
  TStrings* rows = LCommands->Items();
  rows->Clear();
  std::vector<TdxBarItem*> items;
  FBarManager->GetVisibleItemsOfCategory(SelectedCategory(), items);
  for (TdxBarItem* item : items) rows->AddObject(item->Caption(), item);
  LCommands->SetItemIndex(-1);
  DescriptionLabel->SetCaption(String());
}

void TdxBarCustomizingForm::CommandChanged() {
  const TdxBarItem* item = LCommands->SelectedItem();
  DescriptionLabel->SetCaption(item ? item->Description() : String());
}

void TdxBarCustomizingForm::RefreshCommands() {
  LCommands->Invalidate();
  FSelecting = true;
  CommandChanged();
  FSelecting = false;
  RecalcAllCommandsWidths();
}

void TdxBarCustomizingForm::SelectItem(TdxBarItem* Item, bool ForceCategory) {
  if (!Item) return;
  if (ForceCategory || SelectedCategory() != Item->Category()) SelectCategory(Item->Category());
  const int row = LCommands->Items()->IndexOfObject(Item);
  FSelecting = true;
  LCommands->SetItemIndex(row);
  CommandChanged();
  FSelecting = false;
}

// Items came or went elsewhere: the commands are listed again at the same row.
void TdxBarCustomizingForm::ItemsChanged() {
  const int row = LCommands->ItemIndex();
  CategoryChanged();
  LCommands->SetItemIndex(std::min(row, LCommands->Items()->Count() - 1));
  CommandChanged();
  FillAllCommands();
}

void TdxBarCustomizingForm::StartCommandDrag(TdxBarItem* Item) { FBarManager->DragItemLink(Item, nullptr); }

// --- the mouse and keys of the lists -------------------------------------------------------------------

// The right button selects the row under it; at design time it opens the row's menu there, and the
// left button starts dragging the category.
void TdxBarCustomizingForm::CategoryMouseDown(TMouseButton Button, int X, int Y) {
  const int row = LCategories->ItemAtPos({X, Y}, true);
  if (Button == mbLeft) {
    FDraggedCategory = IsDesigning() ? row : -1;
    return;
  }
  if (Button != mbRight || row < 0) return;
  LCategories->SetItemIndex(row);
  CategoryChanged();
  if (!IsDesigning()) return;
  const TPoint p = LCategories->ClientToScreen(TPoint{X, Y});
  CategoriesPopupMenu->Popup(p.X, p.Y);
}

// A dragged category moves to the row under the pointer and stays selected.
void TdxBarCustomizingForm::CategoryMouseMove(int X, int Y) {
  if (FDraggedCategory < 0) return;
  const int row = LCategories->ItemAtPos({X, Y}, true);
  if (row < 0 || row == FDraggedCategory) return;
  FBarManager->Categories()->Move(FDraggedCategory, row);
  LCategories->Items()->Move(FDraggedCategory, row);
  FDraggedCategory = row;
  LCategories->SetItemIndex(row);
  BarManagerModified(FBarManager);
}

void TdxBarCustomizingForm::CommandMouseDown(TMouseButton Button, int X, int Y) {
  const int row = LCommands->ItemAtPos({X, Y}, true);
  if (Button != mbRight || row < 0) return;
  LCommands->SetItemIndex(row);
  CommandChanged();
  if (!IsDesigning()) return;
  const TPoint p = LCommands->ClientToScreen(TPoint{X, Y});
  CommandsPopupMenu->Popup(p.X, p.Y);
}

void TdxBarCustomizingForm::CategoryKeyDown(WORD& Key, TShiftState Shift) {
  if (!IsDesigning() || Shift) return;
  if (Key == VK_INSERT) AskCategoryName(kInsertCategory);
  if (Key == VK_DELETE) DeleteCategory();
}

void TdxBarCustomizingForm::CommandKeyDown(WORD& Key, TShiftState Shift) {
  if (!IsDesigning()) return;
  if (Shift == ssCtrl && (Key == VK_UP || Key == VK_DOWN)) {
    MoveCommand(Key == VK_UP ? -1 : 1);
    Key = 0;
    return;
  }
  if (Shift) return;
  if (Key == VK_INSERT) AddCommand();
  if (Key == VK_DELETE) DeleteCommand();
}

// --- the categories menu ----------------------------------------------------------------------------

void TdxBarCustomizingForm::AskCategoryName(int Mode) {
  const int category = SelectedCategory();
  if (Mode != kAddCategory && category < 0) return;
  String name = Mode == kRenameCategory ? FBarManager->Categories()->Strings(category) : String();
  if (!ShowBarNameDialog(name, true, Mode, nullptr, FBarManager)) return;
  TStrings* categories = FBarManager->Categories();
  int affected = category;
  if (Mode == kAddCategory) {
    affected = categories->Add(name);
  } else if (Mode == kInsertCategory) {
    categories->Insert(category, name);
  } else {
    categories->SetStrings(category, name);
  }
  BarManagerModified(FBarManager);
  FillCategories();
  SelectCategory(affected);
}

void TdxBarCustomizingForm::DeleteCategory() {
  const int category = SelectedCategory();
  TStrings* categories = FBarManager->Categories();
  if (category < 0 || categories->Count() <= 1) return;
  const String question = Format(dxBarLoadStr(sdxBarDeleteCategoryQuery), {categories->Strings(category)});
  if (MessageBox(Handle(), question, Application->Title(), MB_OKCANCEL | MB_ICONWARNING) != IDOK) return;
  categories->Delete(category);
  BarManagerModified(FBarManager);
  FillCategories();
  SelectCategory(std::min(category, categories->Count() - 1));
}

void TdxBarCustomizingForm::SetCategoryVisible() {
  const int category = SelectedCategory();
  if (category < 0) return;
  FBarManager->SetCategoryVisible(category, !FBarManager->CategoryVisible(category));
  BarManagerModified(FBarManager);
  LCategories->Invalidate();
}

void TdxBarCustomizingForm::SetCategoryItemsVisible() {
  const int category = SelectedCategory();
  auto* combo = dynamic_cast<TdxBarCombo*>(CategoriesPopupMenu->ItemLinks()->Items(4)->Item());
  if (category < 0 || !combo || combo->ItemIndex() < 0) return;
  FBarManager->SetCategoryItemsVisible(category, static_cast<TdxBarItemVisible>(combo->ItemIndex()));
  BarManagerModified(FBarManager);
  CategoryChanged();
}

// Delete needs more than one category; the visibility entries show the selected category's.
void TdxBarCustomizingForm::UpdateCategoriesMenu() {
  const int category = SelectedCategory();
  TdxBarItemLinks* links = CategoriesPopupMenu->ItemLinks();
  for (int i = 1; i < links->Count(); ++i) links->Items(i)->Item()->SetEnabled(category >= 0);
  links->Items(5)->Item()->SetEnabled(category >= 0 && FBarManager->Categories()->Count() > 1);
  if (auto* visible = dynamic_cast<TdxBarButton*>(links->Items(3)->Item()))
    visible->SetDown(category >= 0 && FBarManager->CategoryVisible(category));
  if (auto* combo = dynamic_cast<TdxBarCombo*>(links->Items(4)->Item()))
    combo->SetItemIndex(category >= 0 ? FBarManager->CategoryItemsVisible(category) : -1);
}

// --- the commands menu ------------------------------------------------------------------------------

void TdxBarCustomizingForm::UpdateCommandsMenu() {
  const int row = LCommands->ItemIndex();
  const int count = LCommands->Items()->Count();
  TdxBarItem* item = LCommands->SelectedItem();
  TdxBarItemLinks* links = CommandsPopupMenu->ItemLinks();
  links->Items(0)->Item()->SetEnabled(SelectedCategory() >= 0);
  links->Items(1)->Item()->SetEnabled(row >= 0);
  links->Items(2)->Item()->SetEnabled(count > 0);
  links->Items(3)->Item()->SetEnabled(row > 0);
  links->Items(4)->Item()->SetEnabled(row >= 0 && row < count - 1);
  links->Items(5)->Item()->SetEnabled(dynamic_cast<TdxBarSubItem*>(item) || dynamic_cast<TdxBarContainerItem*>(item));
}

void TdxBarCustomizingForm::AddCommand() {
  const int category = SelectedCategory();
  if (category < 0) return;
  TdxBarItem* item = AddBarItem(FBarManager, category);
  if (!item) return;
  CategoryChanged();
  SelectItem(item, false);
}

void TdxBarCustomizingForm::DeleteCommand() {
  TdxBarItem* item = LCommands->SelectedItem();
  if (!item) return;
  const int row = LCommands->ItemIndex();
  item->Free();
  BarManagerModified(FBarManager);
  CategoryChanged();
  LCommands->SetItemIndex(std::min(row, LCommands->Items()->Count() - 1));
  CommandChanged();
}

void TdxBarCustomizingForm::ClearCommands() {
  const int category = SelectedCategory();
  if (category < 0 || LCommands->Items()->Count() == 0) return;
  const String question = Format(dxBarLoadStr(sdxBarClearCategoryQuery), {FBarManager->Categories()->Strings(category)});
  if (MessageBox(Handle(), question, Application->Title(), MB_OKCANCEL | MB_ICONWARNING) != IDOK) return;
  std::vector<TdxBarItem*> items;
  for (int i = 0; i < LCommands->Items()->Count(); ++i) items.push_back(LCommands->ItemOf(i));
  for (TdxBarItem* item : items) item->Free();
  BarManagerModified(FBarManager);
  CategoryChanged();
}

// The command swaps places with its neighbour in the category's order.
void TdxBarCustomizingForm::MoveCommand(int Direction) {
  const int row = LCommands->ItemIndex();
  const int other = row + Direction;
  if (row < 0 || other < 0 || other >= LCommands->Items()->Count()) return;
  FBarManager->ExchangeItems(ItemIndexIn(FBarManager, LCommands->ItemOf(row)), ItemIndexIn(FBarManager, LCommands->ItemOf(other)));
  LCommands->Items()->Exchange(row, other);
  LCommands->SetItemIndex(other);
  BarManagerModified(FBarManager);
}

void TdxBarCustomizingForm::OpenSubMenuEditor() {
  TdxBarItem* item = LCommands->SelectedItem();
  if (auto* subItem = dynamic_cast<TdxBarSubItem*>(item)) ShowSubMenuEditor(subItem->ItemLinks());
  if (auto* container = dynamic_cast<TdxBarContainerItem*>(item)) ShowSubMenuEditor(container->ItemLinks());
}

// --- the dialog's own menus --------------------------------------------------------------------------

// The menus of the design-time pages, made of the dialog's own manager's items; the two popup
// buttons open them too.
void TdxBarCustomizingForm::BuildDesignMenus() {
  BarManager1 = new TdxBarManager(this);
  BarManager1->SetName("BarManager1");
  BarManager1->Font()->SetName(FBarManager->Font()->Name());
  BarManager1->Font()->SetCharset(FBarManager->Font()->Charset());
  const auto entry = [this](TdxBarPopupMenu* Menu, int Text, TShortCut Key, bool Group, auto Action) {
    auto* item = new TdxBarButton(this);
    item->SetCaption(dxBarLoadStr(Text));
    item->SetShortCut(Key);
    item->OnClick = [Action](TObject*) { Action(); };
    TdxBarItemLink* link = Menu->ItemLinks()->Add();
    link->SetItem(item);
    link->SetBeginGroup(Group);
    return item;
  };
  CategoriesPopupMenu = new TdxBarPopupMenu(this);
  CategoriesPopupMenu->SetName("CategoriesPopupMenu");
  CategoriesPopupMenu->OnPopup = [this](TObject*) { UpdateCategoriesMenu(); };
  entry(CategoriesPopupMenu, sdxBarMenuAdd, 0, false, [this] { AskCategoryName(kAddCategory); });
  entry(CategoriesPopupMenu, sdxBarMenuInsert, ShortCut(VK_INSERT, 0), false, [this] { AskCategoryName(kInsertCategory); });
  entry(CategoriesPopupMenu, sdxBarMenuRename, 0, false, [this] { AskCategoryName(kRenameCategory); });
  entry(CategoriesPopupMenu, sdxBarMenuVisible, 0, true, [this] { SetCategoryVisible(); })->SetButtonStyle(bsChecked);
  auto* itemsVisible = new TdxBarCombo(this);
  itemsVisible->SetCaption(dxBarLoadStr(sdxBarMenuItemsVisible));
  itemsVisible->SetShowCaption(true);
  for (int text : {sdxBarItemsVisibleNever, sdxBarItemsVisibleInCustomizing, sdxBarItemsVisibleAlways})
    itemsVisible->Items()->Add(dxBarLoadStr(text));
  itemsVisible->OnChange = [this](TObject*) { SetCategoryItemsVisible(); };
  CategoriesPopupMenu->ItemLinks()->Add()->SetItem(itemsVisible);
  entry(CategoriesPopupMenu, sdxBarMenuDelete, ShortCut(VK_DELETE, 0), true, [this] { DeleteCategory(); });

  CommandsPopupMenu = new TdxBarPopupMenu(this);
  CommandsPopupMenu->SetName("CommandsPopupMenu");
  CommandsPopupMenu->OnPopup = [this](TObject*) { UpdateCommandsMenu(); };
  entry(CommandsPopupMenu, sdxBarMenuAdd, ShortCut(VK_INSERT, 0), false, [this] { AddCommand(); });
  entry(CommandsPopupMenu, sdxBarMenuDelete, ShortCut(VK_DELETE, 0), false, [this] { DeleteCommand(); });
  entry(CommandsPopupMenu, sdxBarMenuClear, 0, false, [this] { ClearCommands(); });
  entry(CommandsPopupMenu, sdxBarMoveUp, ShortCut(VK_UP, ssCtrl), true, [this] { MoveCommand(-1); });
  entry(CommandsPopupMenu, sdxBarMoveDown, ShortCut(VK_DOWN, ssCtrl), false, [this] { MoveCommand(1); });
  entry(CommandsPopupMenu, sdxBarMenuSubMenuEditor, 0, true, [this] { OpenSubMenuEditor(); });

  CategoriesPopupButton = PlaceControl<TCheckableButton>(this, tsItems, "CategoriesPopupButton", Bounds(8, 176, 120, 20),
                                                         dxBarLoadStr(sdxBarCategoriesModify));
  CategoriesPopupButton->SetPopupMenu(CategoriesPopupMenu);
  CommandsPopupButton = PlaceControl<TCheckableButton>(this, tsItems, "CommandsPopupButton", Bounds(136, 176, 202, 20),
                                                       dxBarLoadStr(sdxBarCommandsModify));
  CommandsPopupButton->SetPopupMenu(CommandsPopupMenu);
}
