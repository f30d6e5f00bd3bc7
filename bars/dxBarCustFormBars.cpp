// The Customize dialog's toolbars page: the bars with their check boxes, and making, renaming,
// deleting and resetting a toolbar.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarNameEd.h"
#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "controls/PlaceControl.h"
#include "rtl/Convert.h"
#include "windows/Services.h"

void TdxBarCustomizingForm::BuildToolbarsPage() {
  tsToolbars = PlaceControl<TTabSheet>(this, PageControl, "tsToolbars", TRect{}, dxBarLoadStr(sdxBarToolbarsPage));
  auto* label = PlaceControl<TLabel>(this, tsToolbars, "LToolbars", Bounds(8, 6, 200, 14), dxBarLoadStr(sdxBarToolbarsLabel));
  BarsListBox = PlaceControl<TCheckListBox>(this, tsToolbars, "BarsListBox", Bounds(8, 22, 222, 206));
  BarsListBox->SetItemHeight(BarsListBox->Canvas()->TextHeight("0") + 2);
  BarsListBox->OnClick = [this](TObject*) { BarsSelectionChanged(); };
  label->SetFocusControl(BarsListBox);
  const auto button = [this](const char* Name, int Top, int Text) {
    return PlaceControl<TButton>(this, tsToolbars, Name, Bounds(240, Top, 98, 23), dxBarLoadStr(Text));
  };
  BBarNew = button("BBarNew", 22, sdxBarNewButton);
  BBarNew->OnClick = [this](TObject*) { NewBar(); };
  BBarRename = button("BBarRename", 52, sdxBarRenameButton);
  BBarRename->OnClick = [this](TObject*) { RenameBar(); };
  BBarDelete = button("BBarDelete", 82, sdxBarDeleteButton);
  BBarDelete->OnClick = [this](TObject*) { DeleteBar(); };
  BBarReset = button("BBarReset", 112, sdxBarResetButton);
  BBarReset->OnClick = [this](TObject*) { ResetBar(); };
  BBarReset->SetVisible(!IsDesigning() && FBarManager->CanReset());
}

// The bars in their order (hidden ones only at design time); the first visible one is selected.
void TdxBarCustomizingForm::FillBars() {
  TStrings* rows = BarsListBox->Items();
  rows->Clear();
  int selected = -1;
  for (int i = 0; i < FBarManager->Bars()->Count(); ++i) {
    TdxBar* bar = FBarManager->Bars()->Items(i);
    if (bar->Hidden() && !IsDesigning()) continue;
    if (selected < 0 && bar->Visible()) selected = rows->Count();
    rows->AddObject(bar->Caption(), bar);
  }
  BarsListBox->SetItemIndex(selected);
  BarsSelectionChanged();
}

TdxBar* TdxBarCustomizingForm::SelectedBar() const {
  const int index = BarsListBox->ItemIndex();
  return index >= 0 ? BarsListBox->BarOf(index) : nullptr;
}

// At run time only the bars the user made may be renamed or deleted (a deleted bar must be one
// that may be hidden); the bars the form was loaded with may be reset.
void TdxBarCustomizingForm::BarsSelectionChanged() {
  const TdxBar* bar = SelectedBar();
  const bool designing = IsDesigning();
  BBarRename->SetEnabled(bar && (designing || !bar->Predefined()));
  BBarDelete->SetEnabled(bar && (designing || (!bar->Predefined() && bar->AllowClose() && !bar->IsMainMenu())));
  BBarReset->SetEnabled(bar && bar->CanReset());
}

void TdxBarCustomizingForm::UpdateBarCaption(TdxBar* Bar) {
  TStrings* rows = BarsListBox->Items();
  const int index = rows->IndexOfObject(Bar);
  if (index < 0) return;
  rows->SetStrings(index, Bar->Caption());
  BarsListBox->Invalidate();
}

// Left of the dialog, or right of it when that lies off the work area; level with its top, but
// inside the work area.
TPoint TdxBarCustomizingForm::NewBarPlace() const {
  const TRect area = GetWorkAreaAtPoint(TPoint{Left(), Top()});
  TPoint place{Left() - 50, Top()};
  if (place.X < area.Left) place.X = Left() + Width() + 10;
  if (place.Y < area.Top) place.Y = area.Top + 10;
  return place;
}

void TdxBarCustomizingForm::NewBar() {
  const String prefix = dxBarLoadStr(sdxBarCustomToolbarName);
  int number = 1;
  while (FBarManager->FindBarByCaption(prefix + IntToStr(number))) ++number;
  String name = prefix + IntToStr(number);
  if (!ShowBarNameDialog(name, false, 0, nullptr, FBarManager)) return;
  TdxBar* bar = FBarManager->Bars()->Add();
  bar->SetCaption(name);
  const TPoint place = NewBarPlace();
  bar->SetFloatLeft(place.X);
  bar->SetFloatTop(place.Y);
  bar->SetDockingStyle(dsNone);
  bar->SetVisible(true);
  BarsListBox->Items()->AddObject(bar->Caption(), bar);
  BarsListBox->SetItemIndex(BarsListBox->Items()->Count() - 1);
  BarsSelectionChanged();
}

void TdxBarCustomizingForm::RenameBar() {
  TdxBar* bar = SelectedBar();
  if (!bar) return;
  String name = bar->Caption();
  if (!ShowBarNameDialog(name, false, 1, bar, FBarManager)) return;
  bar->SetCaption(name);
}

void TdxBarCustomizingForm::DeleteBar() {
  TdxBar* bar = SelectedBar();
  if (!bar) return;
  const String question = Format(dxBarLoadStr(sdxBarDeleteToolbarQuery), {bar->Caption()});
  if (MessageBox(Handle(), question, Application->Title(), MB_OKCANCEL | MB_ICONWARNING) != IDOK) return;
  const int index = BarsListBox->ItemIndex();
  BarsListBox->Items()->Delete(index);
  BarsListBox->SetItemIndex(std::min(index, BarsListBox->Items()->Count() - 1));
  delete bar;
  BarsSelectionChanged();
}

void TdxBarCustomizingForm::ResetBar() {
  if (TdxBar* bar = SelectedBar()) bar->ConfirmReset();
  BarsListBox->Invalidate();
}
