// The Customize dialog's design-time pages: every command in three columns (name, caption, short
// cut), and the manager's item groups with their members.
#include <algorithm>

#include "bars/dxBarAddGroupItemsEd.h"
#include "bars/dxBarCategories.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "classes/Properties.h"
#include "controls/PlaceControl.h"
#include "controls/ShortCut.h"
#include "graphics/Gdi.h"

namespace {

bool HasShortCutProperty(const TdxBarItem* Item) {
  const TClassInfo* info = GetClassInfo(*Item);
  return info && info->FindProperty("ShortCut");
}

// The selected rows form one block starting at Edge (the first or the last row).
bool IsBlockAt(const std::vector<int>& Rows, int Edge, int Direction) {
  for (size_t i = 0; i < Rows.size(); ++i) {
    const int expected = Direction < 0 ? Edge + static_cast<int>(i) : Edge - static_cast<int>(Rows.size() - 1 - i);
    if (Rows[i] != expected) return false;
  }
  return true;
}

}  // namespace

// --- all commands -----------------------------------------------------------------------------------

void TdxBarCustomizingForm::BuildAllCommandsPage() {
  tsAllCommands = PlaceControl<TTabSheet>(this, PageControl, "tsAllCommands", TRect{}, dxBarLoadStr(sdxBarAllCommandsPage));
  tsAllCommands->SetTabVisible(IsDesigning());
  LAllCommands = PlaceControl<TListBox>(this, tsAllCommands, "LAllCommands", Bounds(8, 8, 330, 196));
  LAllCommands->SetStyle(lbOwnerDrawFixed);
  LAllCommands->OnDrawItem = [this](TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
    DrawAllCommandsRow(Control, Index, Rect, State);
  };
  CBShowCommandsWithShortCut = PlaceControl<TCheckBox>(this, tsAllCommands, "CBShowCommandsWithShortCut",
                                                       Bounds(8, 212, 330, 18), dxBarLoadStr(sdxBarShowCommandsWithShortCut));
  CBShowCommandsWithShortCut->SetChecked(true);
  CBShowCommandsWithShortCut->OnClick = [this](TObject*) { FillAllCommands(); };
}

void TdxBarCustomizingForm::FillAllCommands() {
  TStrings* rows = LAllCommands->Items();
  rows->Clear();
  if (!IsDesigning()) return;
  const bool shortCutsOnly = CBShowCommandsWithShortCut->Checked();
  for (int i = 0; i < FBarManager->ItemCount(); ++i) {
    TdxBarItem* item = FBarManager->Items(i);
    if (item->Category() < 0 || (shortCutsOnly && !HasShortCutProperty(item))) continue;
    rows->AddObject(item->Name(), item);
  }
  RecalcAllCommandsWidths();
}

// The columns are as wide as their widest text; the row is the three with their gaps.
void TdxBarCustomizingForm::RecalcAllCommandsWidths() {
  TCanvas* canvas = LAllCommands->Canvas();
  canvas->SetFont(LAllCommands->Font());
  FNameColumnWidth = FCaptionColumnWidth = FShortCutColumnWidth = 0;
  for (int i = 0; i < LAllCommands->Items()->Count(); ++i) {
    const auto* item = static_cast<const TdxBarItem*>(LAllCommands->Items()->Objects(i));
    FNameColumnWidth = std::max(FNameColumnWidth, canvas->TextWidth(item->Name()));
    FCaptionColumnWidth = std::max(FCaptionColumnWidth, canvas->TextWidth(item->Caption()));
    FShortCutColumnWidth = std::max(FShortCutColumnWidth, canvas->TextWidth(ShortCutToText(item->ShortCut())));
  }
  LAllCommands->Invalidate();
}

void TdxBarCustomizingForm::DrawAllCommandsRow(TWinControl*, int Index, TRect Rect, TOwnerDrawState) {
  TCanvas* canvas = LAllCommands->Canvas();
  const auto* item = static_cast<const TdxBarItem*>(LAllCommands->Items()->Objects(Index));
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  int x = Rect.Left + 2;
  canvas->TextOut(x, Rect.Top, item->Name());
  x += FNameColumnWidth + 15;
  canvas->TextOut(x, Rect.Top, item->Caption());
  x += FCaptionColumnWidth + 10;
  canvas->TextOut(x, Rect.Top, ShortCutToText(item->ShortCut()));
}

// --- groups -----------------------------------------------------------------------------------------

void TdxBarCustomizingForm::BuildGroupsPage() {
  tsGroups = PlaceControl<TTabSheet>(this, PageControl, "tsGroups", TRect{}, dxBarLoadStr(sdxBarGroupsPage));
  tsGroups->SetTabVisible(IsDesigning());
  lbGroups = PlaceControl<TListBox>(this, tsGroups, "lbGroups", Bounds(8, 8, 120, 176));
  lbGroups->OnClick = [this](TObject*) { RefreshGroupItems(); };
  lbGroups->OnEnter = [this](TObject*) {
    FGroupItemsFocused = false;
    GroupsButtonsChanged();
  };
  lbGroupItems = PlaceControl<TListBox>(this, tsGroups, "lbGroupItems", Bounds(136, 8, 120, 176));
  lbGroupItems->SetMultiSelect(true);
  lbGroupItems->OnClick = [this](TObject*) { GroupsButtonsChanged(); };
  lbGroupItems->OnEnter = [this](TObject*) {
    FGroupItemsFocused = true;
    GroupsButtonsChanged();
  };
  const auto button = [this](const char* Name, TRect Bounds, int Text, auto Action) {
    auto* b = PlaceControl<TButton>(this, tsGroups, Name, Bounds, dxBarLoadStr(Text));
    b->OnClick = [Action](TObject*) { Action(); };
    return b;
  };
  btnGroupAdd = button("btnGroupAdd", Bounds(8, 190, 56, 23), sdxBarGroupAdd, [this] { AddGroup(); });
  btnGroupDelete = button("btnGroupDelete", Bounds(72, 190, 56, 23), sdxBarGroupDelete, [this] { DeleteGroup(); });
  btnGroupItemAdd = button("btnGroupItemAdd", Bounds(136, 190, 56, 23), sdxBarGroupItemAdd, [this] { AddGroupItems(); });
  btnGroupItemDelete =
      button("btnGroupItemDelete", Bounds(200, 190, 56, 23), sdxBarGroupItemDelete, [this] { DeleteGroupItems(); });
  btnMoveUp = button("btnMoveUp", Bounds(264, 8, 76, 23), sdxBarMoveUp, [this] { MoveGroupEntries(-1); });
  btnMoveDown = button("btnMoveDown", Bounds(264, 38, 76, 23), sdxBarMoveDown, [this] { MoveGroupEntries(1); });
}

TdxBarGroup* TdxBarCustomizingForm::SelectedGroup() const {
  const int row = lbGroups->ItemIndex();
  return row >= 0 ? static_cast<TdxBarGroup*>(lbGroups->Items()->Objects(row)) : nullptr;
}

std::vector<int> TdxBarCustomizingForm::SelectedGroupEntries() const {
  std::vector<int> rows;
  for (int i = 0; i < lbGroupItems->Items()->Count(); ++i)
    if (lbGroupItems->Selected(i)) rows.push_back(i);
  return rows;
}

void TdxBarCustomizingForm::RefreshGroups() {
  const TdxBarGroup* selected = SelectedGroup();
  TStrings* rows = lbGroups->Items();
  rows->Clear();
  for (int i = 0; i < FBarManager->GroupCount(); ++i) rows->AddObject(FBarManager->Groups(i)->Name(), FBarManager->Groups(i));
  const int row = rows->IndexOfObject(selected);
  lbGroups->SetItemIndex(row >= 0 ? row : (rows->Count() > 0 ? 0 : -1));
  RefreshGroupItems();
}

void TdxBarCustomizingForm::RefreshGroupItems() {
  TStrings* rows = lbGroupItems->Items();
  rows->Clear();
  if (TdxBarGroup* group = SelectedGroup())
    for (int i = 0; i < group->Count(); ++i) rows->AddObject(group->Items(i)->Name(), group->Items(i));
  GroupsButtonsChanged();
}

void TdxBarCustomizingForm::GroupsButtonsChanged() {
  TdxBarGroup* group = SelectedGroup();
  const std::vector<int> entries = SelectedGroupEntries();
  btnGroupDelete->SetEnabled(group != nullptr);
  btnGroupItemAdd->SetEnabled(group != nullptr);
  btnGroupItemDelete->SetEnabled(!entries.empty());
  if (!FGroupItemsFocused) {
    btnMoveUp->SetEnabled(group && lbGroups->ItemIndex() > 0);
    btnMoveDown->SetEnabled(group && lbGroups->ItemIndex() < lbGroups->Items()->Count() - 1);
    return;
  }
  const int last = lbGroupItems->Items()->Count() - 1;
  btnMoveUp->SetEnabled(!entries.empty() && !IsBlockAt(entries, 0, -1));
  btnMoveDown->SetEnabled(!entries.empty() && !IsBlockAt(entries, last, 1));
}

void TdxBarCustomizingForm::AddGroup() {
  TdxBarGroup* group = FBarManager->AddGroup();
  TComponent* root = FBarManager->Owner();
  int number = 1;
  while (root && root->FindComponent("dxBarGroup" + std::to_string(number))) ++number;
  group->SetName("dxBarGroup" + std::to_string(number));
  BarManagerModified(FBarManager);
  RefreshGroups();
  lbGroups->SetItemIndex(lbGroups->Items()->IndexOfObject(group));
  RefreshGroupItems();
}

void TdxBarCustomizingForm::DeleteGroup() {
  TdxBarGroup* group = SelectedGroup();
  if (!group) return;
  const int row = lbGroups->ItemIndex();
  lbGroups->Items()->Delete(row);
  group->Free();
  BarManagerModified(FBarManager);
  RefreshGroups();
  lbGroups->SetItemIndex(std::min(row, lbGroups->Items()->Count() - 1));
  RefreshGroupItems();
}

void TdxBarCustomizingForm::AddGroupItems() {
  TdxBarGroup* group = SelectedGroup();
  std::vector<TComponent*> chosen;
  if (!group || !ChooseGroupItems(group, chosen)) return;
  for (TComponent* component : chosen) group->Add(component);
  BarManagerModified(FBarManager);
  RefreshGroupItems();
}

void TdxBarCustomizingForm::DeleteGroupItems() {
  TdxBarGroup* group = SelectedGroup();
  if (!group) return;
  std::vector<TComponent*> removed;
  for (int row : SelectedGroupEntries()) removed.push_back(static_cast<TComponent*>(lbGroupItems->Items()->Objects(row)));
  for (TComponent* component : removed) group->Remove(component);
  BarManagerModified(FBarManager);
  RefreshGroupItems();
}

// The selected entries (or, from the groups list, the group) move one place; they stay selected.
void TdxBarCustomizingForm::MoveGroupEntries(int Direction) {
  TdxBarGroup* group = SelectedGroup();
  if (!group) return;
  if (!FGroupItemsFocused) {
    group->SetIndex(group->Index() + Direction);
    BarManagerModified(FBarManager);
    RefreshGroups();
    lbGroups->SetItemIndex(lbGroups->Items()->IndexOfObject(group));
    GroupsButtonsChanged();
    return;
  }
  std::vector<int> rows = SelectedGroupEntries();
  if (Direction > 0) std::reverse(rows.begin(), rows.end());
  const int last = group->Count() - 1;
  std::vector<TComponent*> moved;
  for (int row : rows) {
    const int target = row + Direction;
    moved.push_back(group->Items(row));
    if (target < 0 || target > last) continue;
    group->Move(row, target);
  }
  BarManagerModified(FBarManager);
  RefreshGroupItems();
  for (TComponent* component : moved) lbGroupItems->SetSelected(lbGroupItems->Items()->IndexOfObject(component), true);
  GroupsButtonsChanged();
}
