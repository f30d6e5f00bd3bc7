// Published properties and events of the side bar's classes, with the defaults the constructors
// set, so that stored layouts read back what they wrote.
#include "sidebar/SideBarClasses.h"

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/ControlClasses.h"
#include "controls/Menus.h"
#include "controls/StdControlClasses.h"
#include "sidebar/dxsbar.h"

namespace {

void PublishBackGround(TClassBuilder<TdxSideBarBackGround>& c) {
  c.Property("BeginColor", &TdxSideBarBackGround::BeginColor, &TdxSideBarBackGround::SetBeginColor)
      .Default(clGrayText)
      .Idents(ColorIdents());
  c.Property("EndColor", &TdxSideBarBackGround::EndColor, &TdxSideBarBackGround::SetEndColor)
      .Default(clGrayText)
      .Idents(ColorIdents());
  c.Property("FillStyle", &TdxSideBarBackGround::FillStyle, &TdxSideBarBackGround::SetFillStyle,
             TdxSideBarFillStyleNames)
      .Default(bfsNone);
  c.Property("Step", &TdxSideBarBackGround::Step, &TdxSideBarBackGround::SetStep).Default(2);
}

void PublishItem(TClassBuilder<TdxSideBarItem>& c) {
  c.Property("Caption", &TdxSideBarItem::Caption, &TdxSideBarItem::SetCaption);
  c.Property("CustomData", &TdxSideBarItem::CustomData, &TdxSideBarItem::SetCustomData);
  c.Property("Hint", &TdxSideBarItem::Hint, &TdxSideBarItem::SetHint);
  c.Property("IsDefault", &TdxSideBarItem::IsDefault, &TdxSideBarItem::SetIsDefault).Default(true);
  c.Property("LargeImage", &TdxSideBarItem::LargeImage, &TdxSideBarItem::SetLargeImage).Default(-1);
  c.Property("SmallImage", &TdxSideBarItem::SmallImage, &TdxSideBarItem::SetSmallImage).Default(-1);
  c.Property("StoredItem", &TdxSideBarItem::StoredItem, &TdxSideBarItem::SetStoredItem);
  c.Property("Tag", &TdxSideBarItem::Tag, &TdxSideBarItem::SetTag).Default(0);
}

void PublishGroup(TClassBuilder<TdxSideGroup>& c) {
  c.Property("Caption", &TdxSideGroup::Caption, &TdxSideGroup::SetCaption).Default("New Group");
  c.Property("IconType", &TdxSideGroup::IconType, &TdxSideGroup::SetIconType, TdxSideGroupIconTypeNames)
      .Default(dxsgLargeIcon);
  c.Property("Visible", &TdxSideGroup::Visible, &TdxSideGroup::SetVisible).Default(true);
  c.Property("Items", &TdxSideGroup::Items);
}

void PublishSideBar(TClassBuilder<TdxSideBar>& c) {
  c.Property("Align", &TdxSideBar::Align, &TdxSideBar::SetAlign, AlignNames).Default(alLeft);
  c.Property("ActiveGroupIndex", &TdxSideBar::ActiveGroupIndex, &TdxSideBar::SetActiveGroupIndex).Default(0);
  c.Property("BkGround", &TdxSideBar::BkGround);
  c.Property("BkPicture", &TdxSideBar::BkPicture);
  c.Property("CanSelected", &TdxSideBar::CanSelected, &TdxSideBar::SetCanSelected).Default(false);
  c.Property("GroupFont", &TdxSideBar::GroupFont);
  c.Property("Groups", &TdxSideBar::Groups);
  c.Property("GroupHeightOffSet", &TdxSideBar::GroupHeightOffSet, &TdxSideBar::SetGroupHeightOffSet).Default(0);
  c.Property("GroupPopupMenu", &TdxSideBar::GroupPopupMenu, &TdxSideBar::SetGroupPopupMenu);
  c.Property("ItemFont", &TdxSideBar::ItemFont);
  c.Property("ItemPopupMenu", &TdxSideBar::ItemPopupMenu, &TdxSideBar::SetItemPopupMenu);
  c.Property("LargeImages", &TdxSideBar::LargeImages, &TdxSideBar::SetLargeImages);
  c.Property("SmallImages", &TdxSideBar::SmallImages, &TdxSideBar::SetSmallImages);
  c.Property("PaintStyle", &TdxSideBar::PaintStyle, &TdxSideBar::SetPaintStyle, TdxsbPaintStyleNames).Default(sbpsFlat);
  c.Property("ScrollDelay", &TdxSideBar::ScrollDelay, &TdxSideBar::SetScrollDelay).Default(300);
  c.Property("SpaceHeight", &TdxSideBar::SpaceHeight, &TdxSideBar::SetSpaceHeight).Default(7);
  c.Property("ShowGroups", &TdxSideBar::ShowGroups, &TdxSideBar::SetShowGroups).Default(true);
  c.Property("Store", &TdxSideBar::Store, &TdxSideBar::SetStore);
  c.Property("TransparentImages", &TdxSideBar::TransparentImages, &TdxSideBar::SetTransparentImages).Default(false);
  c.Property("RegistryPath", &TdxSideBar::RegistryPath, &TdxSideBar::SetRegistryPath);
  c.Property("StoreInRegistry", &TdxSideBar::StoreInRegistry, &TdxSideBar::SetStoreInRegistry).Default(false);
  c.Property("DragMode", &TdxSideBar::DragMode, &TdxSideBar::SetDragMode, DragModeNames).Default(dmManual);
  c.Event("OnItemClick", &TdxSideBar::OnItemClick);
  c.Event("OnDeleteItem", &TdxSideBar::OnDeleteItem);
  c.Event("OnChangeActiveGroup", &TdxSideBar::OnChangeActiveGroup);
  c.Event("OnChangeFocusedItem", &TdxSideBar::OnChangeFocusedItem);
  c.Event("OnChangeGroupCaption", &TdxSideBar::OnChangeGroupCaption);
  c.Event("OnChangeSelectedItem", &TdxSideBar::OnChangeSelectedItem);
  c.Event("OnBeforeEdit", &TdxSideBar::OnBeforeEdit);
  c.Event("OnAfterEdit", &TdxSideBar::OnAfterEdit);
  c.Event("OnDragDropItem", &TdxSideBar::OnDragDropItem);
  c.Event("OnMouseEnter", &TdxSideBar::OnMouseEnter);
  c.Event("OnMouseLeave", &TdxSideBar::OnMouseLeave);
}

void PublishStore(TClassBuilder<TdxSideBarStore>& c) {
  c.Property("Categories", &TdxSideBarStore::Categories);
  c.Property("DefaultLargeImage", &TdxSideBarStore::DefaultLargeImage, &TdxSideBarStore::SetDefaultLargeImage).Default(-1);
  c.Property("DefaultSmallImage", &TdxSideBarStore::DefaultSmallImage, &TdxSideBarStore::SetDefaultSmallImage).Default(-1);
  c.Property("LargeImages", &TdxSideBarStore::LargeImages, &TdxSideBarStore::SetLargeImages);
  c.Property("SmallImages", &TdxSideBarStore::SmallImages, &TdxSideBarStore::SetSmallImages);
}

void PublishStoredItem(TClassBuilder<TdxStoredSideItem>& c) {
  c.Property("Action", &TdxStoredSideItem::Action, &TdxStoredSideItem::SetAction);
  c.Property("Caption", &TdxStoredSideItem::Caption, &TdxStoredSideItem::SetCaption)
      .Default("New Item")
      .Stored(&TdxStoredSideItem::StoresOwnValues);
  c.Property("Category", &TdxStoredSideItem::Category, &TdxStoredSideItem::SetCategory).Default(0);
  c.Property("Enabled", &TdxStoredSideItem::Enabled, &TdxStoredSideItem::SetEnabled)
      .Default(true)
      .Stored(&TdxStoredSideItem::StoresOwnValues);
  c.Property("Hint", &TdxStoredSideItem::Hint, &TdxStoredSideItem::SetHint).Stored(&TdxStoredSideItem::StoresOwnValues);
  c.Property("LargeImage", &TdxStoredSideItem::LargeImage, &TdxStoredSideItem::SetLargeImage)
      .Default(-1)
      .Stored(&TdxStoredSideItem::StoresOwnValues);
  c.Property("SmallImage", &TdxStoredSideItem::SmallImage, &TdxStoredSideItem::SetSmallImage).Default(-1);
  c.Property("PopupMenu", &TdxStoredSideItem::PopupMenu, &TdxStoredSideItem::SetPopupMenu);
  c.Event("OnClick", &TdxStoredSideItem::OnClick);
}

}  // namespace

void RegisterSideBarClasses() {
  RegisterControlsClasses();
  RegisterClass<TdxSideBarBackGround, TPersistent>("TdxSideBarBackGround", PublishBackGround);
  RegisterClass<TdxSideBarItem, TCollectionItem>("TdxSideBarItem", PublishItem);
  RegisterClass<TdxSideGroup, TCollectionItem>("TdxSideGroup", PublishGroup);
  RegisterClass<TdxSideBar, TCustomPanel>("TdxSideBar", PublishSideBar);
  RegisterClass<TdxSideBarStore, TComponent>("TdxSideBarStore", PublishStore);
  RegisterClass<TdxStoredSideItem, TComponent>("TdxStoredSideItem", PublishStoredItem);
}
