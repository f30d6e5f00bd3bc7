// The add-to-group dialog.
#include "bars/dxBarAddGroupItemsEd.h"

#include "bars/dxBarCategories.h"
#include "bars/dxBarEditors_p.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUtils.h"
#include "controls/PlaceControl.h"
#include "graphics/Gdi.h"

namespace {

constexpr char kHeadingMark = '~';

}  // namespace

TfrmAddGroupItems::TfrmAddGroupItems(TdxBarGroup* Group) : TForm(nullptr), FGroup(Group) {
  SetupBarEditor(this, bsSizeable, dxBarLoadStr(sdxBarAddGroupItemsCaption), 364, 400);
  lbGroupItems = PlaceControl<TListBox>(this, this, "lbGroupItems", Bounds(8, 8, 348, 352));
  lbGroupItems->SetAnchors(AnchorBit(akLeft) | AnchorBit(akTop) | AnchorBit(akRight) | AnchorBit(akBottom));
  lbGroupItems->SetStyle(lbOwnerDrawFixed);
  lbGroupItems->SetMultiSelect(true);
  lbGroupItems->SetColor(clBtnFace);
  lbGroupItems->SetItemHeight(lbGroupItems->Canvas()->TextHeight("Qq") + 2);
  lbGroupItems->OnDrawItem = [this](TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
    DrawRow(Index, Rect, State);
  };
  PlaceBarEditorButtons(this, 200, 368, "btnOk", "btnCancel", btnOk, btnCancel);
  for (TButton* b : {btnOk, btnCancel}) b->SetAnchors(AnchorBit(akRight) | AnchorBit(akBottom));
  Fill();
}

// The other groups under "< Groups >" when there are other groups, then each category that has
// items with its items by caption.
void TfrmAddGroupItems::Fill() {
  TStrings* rows = lbGroupItems->Items();
  const TdxBarManager* manager = FGroup->BarManager();
  if (manager->GroupCount() > 1) {
    rows->Add(kHeadingMark + dxBarLoadStr(sdxBarGroupsHeading));
    for (int i = 0; i < manager->GroupCount(); ++i)
      if (manager->Groups(i) != FGroup) rows->AddObject(manager->Groups(i)->Name(), manager->Groups(i));
  }
  for (int category = 0; category < manager->Categories()->Count(); ++category) {
    std::vector<TdxBarItem*> items;
    manager->GetItemsOfCategory(category, items);
    if (items.empty()) continue;
    rows->Add(kHeadingMark + manager->Categories()->Strings(category));
    for (TdxBarItem* item : items) rows->AddObject(item->Caption(), item);
  }
}

bool TfrmAddGroupItems::IsHeading(int Index) const {
  const String& text = lbGroupItems->Items()->Strings(Index);
  return !text.empty() && text[0] == kHeadingMark && !lbGroupItems->Items()->Objects(Index);
}

std::vector<TComponent*> TfrmAddGroupItems::Chosen() const {
  std::vector<TComponent*> chosen;
  for (int i = 0; i < lbGroupItems->Items()->Count(); ++i)
    if (lbGroupItems->Selected(i) && !IsHeading(i)) chosen.push_back(static_cast<TComponent*>(lbGroupItems->Items()->Objects(i)));
  return chosen;
}

// Headings on the button face; other rows indented, grey on the window colour when already in the
// group; an item row shows its component name right of a line through its middle.
void TfrmAddGroupItems::DrawRow(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* canvas = lbGroupItems->Canvas();
  HDC dc = canvas->Handle();
  const String& text = lbGroupItems->Items()->Strings(Index);
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  if (IsHeading(Index)) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect);
    canvas->Font()->SetColor(clBtnText);
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->TextOut(Rect.Left + 2, Rect.Top + 1, text.substr(1));
    return;
  }
  auto* component = static_cast<TComponent*>(lbGroupItems->Items()->Objects(Index));
  const bool member = FGroup->IndexOf(component) >= 0;
  const bool selected = (State & odSelected) != 0;
  canvas->Brush()->SetColor(selected ? clHighlight : clWindow);
  canvas->FillRect(Rect);
  const TColor textColor = member ? clBtnFace : selected ? clHighlightText : clWindowText;
  canvas->Font()->SetColor(textColor);
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  canvas->TextOut(Rect.Left + 2, Rect.Top + 1, "   " + StripAccelerators(text));
  if (!dynamic_cast<TdxBarItem*>(component)) return;
  const int middle = (Rect.Left + Rect.Right) / 2;
  canvas->Pen()->SetColor(selected ? clHighlightText : clWindowText);
  MoveToEx(dc, middle, Rect.Top);
  LineTo(dc, middle, Rect.Bottom);
  canvas->TextOut(middle + 4, Rect.Top + 1, component->Name());
}

bool ChooseGroupItems(TdxBarGroup* Group, std::vector<TComponent*>& List) {
  TComponentPtr<TfrmAddGroupItems> dialog(new TfrmAddGroupItems(Group));
  if (dialog->ShowModal() != mrOk) return false;
  const std::vector<TComponent*> chosen = dialog->Chosen();
  List.insert(List.end(), chosen.begin(), chosen.end());
  return true;
}
