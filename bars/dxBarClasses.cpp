// The published properties of the bar classes, and the item kinds with their controls.
#include "bars/dxBarClasses.h"

#include "bars/dxBar.h"
#include "bars/dxBarCategories.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarMdi.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarPopupMenuLinks.h"
#include "bars/dxBarQuickCust.h"
#include "bars/dxBarRegistry.h"
#include "controls/ControlClasses.h"
#include "controls/StdControlClasses.h"

namespace {

void PublishManager(TClassBuilder<TdxBarManager>& c) {
  using M = TdxBarManager;
  c.Property("AllowCallFromAnotherForm", &M::AllowCallFromAnotherForm, &M::SetAllowCallFromAnotherForm).Default(false);
  c.Property("AllowReset", &M::AllowReset, &M::SetAllowReset).Default(true);
  c.Property("AlwaysMerge", &M::AlwaysMerge, &M::SetAlwaysMerge).Default(false);
  c.Property("AlwaysSaveText", &M::AlwaysSaveText, &M::SetAlwaysSaveText).Default(false);
  c.Property("AutoDockColor", &M::AutoDockColor, &M::SetAutoDockColor).Default(true);
  c.Property("AutoHideEmptyBars", &M::AutoHideEmptyBars, &M::SetAutoHideEmptyBars).Default(false);
  c.Property("Bars", &M::Bars);
  c.Property("ButtonArrowWidth", &M::ButtonArrowWidth, &M::SetButtonArrowWidth).Default(9);
  c.Property("CanCustomize", &M::CanCustomize, &M::SetCanCustomize).Default(true);
  c.Property("Categories", &M::Categories);
  c.Property("DockColor", &M::DockColor, &M::SetDockColor).Stored(&M::IsDockColorStored).Idents(ColorIdents());
  c.Property("FlatCloseButton", &M::FlatCloseButton, &M::SetFlatCloseButton).Default(false);
  c.Property("Font", &M::Font);
  c.Property("HelpButtonGlyph", &M::HelpButtonGlyph);
  c.Property("HelpContext", &M::HelpContext, &M::SetHelpContext).Default(0);
  c.Property("HotImages", &M::HotImages, &M::SetHotImages);
  c.Property("ImageListBkColor", &M::ImageListBkColor, &M::SetImageListBkColor).Default(clFuchsia).Idents(ColorIdents());
  c.Property("Images", &M::Images, &M::SetImages);
  c.Property("IniFileName", &M::IniFileName, &M::SetIniFileName);
  c.Property("LargeButtonArrowWidth", &M::LargeButtonArrowWidth, &M::SetLargeButtonArrowWidth).Default(14);
  c.Property("LargeIcons", &M::LargeIcons, &M::SetLargeIcons).Default(false);
  c.Property("LargeImages", &M::LargeImages, &M::SetLargeImages);
  c.Property("MenuAnimations", &M::MenuAnimations, &M::SetMenuAnimations, MenuAnimationsNames).Default(maNone);
  c.Property("MenusShowRecentItemsFirst", &M::MenusShowRecentItemsFirst, &M::SetMenusShowRecentItemsFirst).Default(true);
  c.Property("MostRecentItemsPercents", &M::MostRecentItemsPercents, &M::SetMostRecentItemsPercents).Default(95);
  c.SetProperty("NotDocking", &M::NotDocking, &M::SetNotDocking, DockingStyleNames).Default(0);
  c.Property("PopupMenuLinks", &M::PopupMenuLinks);
  c.Property("RegistryPath", &M::RegistryPath, &M::SetRegistryPath);
  c.Property("Scaled", &M::Scaled, &M::SetScaled).Default(true);
  c.Property("ShowCloseButton", &M::ShowCloseButton, &M::SetShowCloseButton).Default(false);
  c.Property("ShowFullMenusAfterDelay", &M::ShowFullMenusAfterDelay, &M::SetShowFullMenusAfterDelay).Default(true);
  c.Property("ShowHelpButton", &M::ShowHelpButton, &M::SetShowHelpButton).Default(false);
  c.Property("ShowHint", &M::ShowHint, &M::SetShowHint).Default(true);
  c.Property("ShowHintForDisabledItems", &M::ShowHintForDisabledItems, &M::SetShowHintForDisabledItems).Default(true);
  c.Property("ShowShortCutInHint", &M::ShowShortCutInHint, &M::SetShowShortCutInHint).Default(false);
  c.Property("StoreInIniFile", &M::StoreInIniFile, &M::SetStoreInIniFile).Default(false);
  c.Property("StoreInRegistry", &M::StoreInRegistry, &M::SetStoreInRegistry).Default(false);
  c.Property("StretchGlyphs", &M::StretchGlyphs, &M::SetStretchGlyphs).Default(true);
  c.Property("Style", &M::Style, &M::SetStyle, ManagerStyleNames).Default(bmsEnhanced);
  c.Property("SunkenBorder", &M::SunkenBorder, &M::SetSunkenBorder).Default(false);
  c.Property("UseF10ForMenu", &M::UseF10ForMenu, &M::SetUseF10ForMenu).Default(true);
  c.Property("UseFullReset", &M::UseFullReset, &M::SetUseFullReset).Default(false);
  c.Property("UseSystemFont", &M::UseSystemFont, &M::SetUseSystemFont);
  c.Property("WaitForDockingTime", &M::WaitForDockingTime, &M::SetWaitForDockingTime).Default(21);
  c.Event("OnBarAdd", &M::OnBarAdd);
  c.Event("OnBarAfterReset", &M::OnBarAfterReset);
  c.Event("OnBarBeforeReset", &M::OnBarBeforeReset);
  c.Event("OnBarClose", &M::OnBarClose);
  c.Event("OnBarDelete", &M::OnBarDelete);
  c.Event("OnBarDockingStyleChange", &M::OnBarDockingStyleChange);
  c.Event("OnBarVisibleChange", &M::OnBarVisibleChange);
  c.Event("OnItemLinkAdd", &M::OnItemLinkAdd);
  c.Event("OnItemLinkChange", &M::OnItemLinkChange);
  c.Event("OnItemLinkDelete", &M::OnItemLinkDelete);
  c.Event("OnCloseButtonClick", &M::OnCloseButtonClick);
  c.Event("OnDocking", &M::OnDocking);
  c.Event("OnHelpButtonClick", &M::OnHelpButtonClick);
  c.Event("OnHideCustomizingForm", &M::OnHideCustomizingForm);
  c.Event("OnShowCustomizingForm", &M::OnShowCustomizingForm);
  c.Event("OnMenuMerge", &M::OnMenuMerge);
  c.Event("OnShowCustomizingPopup", &M::OnShowCustomizingPopup);
  c.Event("OnShowToolbarsPopup", &M::OnShowToolbarsPopup);
  c.Event("OnClickItem", &M::OnClickItem);
}

// In the order a stored layout lists them.
void PublishBar(TClassBuilder<TdxBar>& c) {
  using B = TdxBar;
  c.Property("AllowClose", &B::AllowClose, &B::SetAllowClose).Default(true);
  c.Property("AllowCustomizing", &B::AllowCustomizing, &B::SetAllowCustomizing).Default(true);
  c.Property("AllowQuickCustomizing", &B::AllowQuickCustomizing, &B::SetAllowQuickCustomizing).Default(true);
  c.Property("AllowReset", &B::AllowReset, &B::SetAllowReset).Default(true);
  c.Property("BorderStyle", &B::BorderStyle, &B::SetBorderStyle, BarBorderStyleNames).Default(bbsSingle);
  c.Property("Caption", &B::Caption, &B::SetCaption);
  c.Property("DockControl", &B::DockControl, &B::SetDockControl);
  c.Property("DockedDockControl", &B::DockedDockControl, &B::SetDockedDockControl);
  c.Property("DockedDockingStyle", &B::DockedDockingStyle, &B::SetDockedDockingStyle, DockingStyleNames)
      .Default(dsTop)
      .Stored(&B::IsDockedDockingStyleStored);
  c.Property("DockedLeft", &B::DockedLeft, &B::SetDockedLeft).Default(0);
  c.Property("DockedTop", &B::DockedTop, &B::SetDockedTop).Default(0);
  c.Property("DockingStyle", &B::DockingStyle, &B::SetDockingStyle, DockingStyleNames)
      .Default(dsNone)
      .Stored(&B::IsDockingStyleStored);
  c.Property("FloatLeft", &B::FloatLeft, &B::SetFloatLeft).Default(0);
  c.Property("FloatTop", &B::FloatTop, &B::SetFloatTop).Default(0);
  c.Property("FloatClientWidth", &B::FloatClientWidth, &B::SetFloatClientWidth).Default(0);
  c.Property("FloatClientHeight", &B::FloatClientHeight, &B::SetFloatClientHeight).Default(0);
  c.Property("Font", &B::Font).Stored(&B::IsFontStored);
  c.Property("Hidden", &B::Hidden, &B::SetHidden).Default(false);
  c.Property("IsMainMenu", &B::IsMainMenu, &B::SetIsMainMenu).Default(false);
  c.Property("ItemLinks", &B::ItemLinks);
  c.Property("MultiLine", &B::MultiLine, &B::SetMultiLine).Default(false);
  c.Property("Name", &B::Name, &B::SetName);
  c.SetProperty("NotDocking", &B::NotDocking, &B::SetNotDocking, DockingStyleNames).Default(0);
  c.Property("OneOnRow", &B::OneOnRow, &B::SetOneOnRow).Default(false);
  c.Property("RotateWhenVertical", &B::RotateWhenVertical, &B::SetRotateWhenVertical).Default(true);
  c.Property("Row", &B::Row, &B::SetRow).Default(0);
  c.Property("ShowMark", &B::ShowMark, &B::SetShowMark).Default(true);
  c.Property("SizeGrip", &B::SizeGrip, &B::SetSizeGrip).Default(true);
  c.Property("UseOwnFont", &B::UseOwnFont, &B::SetUseOwnFont).Default(false);
  c.Property("UseRecentItems", &B::UseRecentItems, &B::SetUseRecentItems).Default(true);
  c.Property("UseRestSpace", &B::UseRestSpace, &B::SetUseRestSpace).Default(false);
  c.Property("Visible", &B::Visible, &B::SetVisible).Default(false);
  c.Property("WholeRow", &B::WholeRow, &B::SetWholeRow).Default(false);
}

// The alignments a placed dock site takes, named as its layouts store them.
constexpr const char* DockAlignNames[] = {"dalNone", "dalTop", "dalBottom", "dalLeft", "dalRight"};

void PublishDockControl(TClassBuilder<TdxBarDockControl>& c) {
  using D = TdxBarDockControl;
  c.Property("Align", &D::Align, &D::SetDockAlign, DockAlignNames).Default(alTop);
  c.Property("AllowDocking", &D::AllowDocking, &D::SetAllowDocking).Default(true);
  c.Property("AllowZeroSizeInDesignTime", &D::AllowZeroSizeInDesignTime, &D::SetAllowZeroSizeInDesignTime).Default(false);
  c.Property("BarManager", &D::BarManager, &D::SetBarManager);
  c.Property("Color", &D::Color, &D::SetDockColor).Stored(&D::IsColorStored).Idents(ColorIdents());
  c.Property("ParentColor", &D::ParentColor, &D::SetDockParentColor).Stored(&D::IsColorStored);
  c.Property("SunkenBorder", &D::SunkenBorder, &D::SetSunkenBorder).Stored(&D::UseOwnSunkenBorder);
  c.Property("UseOwnColor", &D::UseOwnColor, &D::SetUseOwnColor).Default(false);
  c.Property("UseOwnSunkenBorder", &D::UseOwnSunkenBorder, &D::SetUseOwnSunkenBorder).Default(false);
}

void PublishItemLink(TClassBuilder<TdxBarItemLink>& c) {
  using L = TdxBarItemLink;
  c.Property("BeginGroup", &L::OwnBeginGroup, &L::SetBeginGroup).Default(false);
  c.Property("Item", &L::Item, &L::SetItem);
  c.Property("MostRecentlyUsed", &L::MostRecentlyUsed, &L::SetMostRecentlyUsed).Default(true);
  c.Property("UserCaption", &L::UserCaption, &L::SetUserCaption);
  c.SetProperty("UserDefine", &L::UserDefine, &L::SetUserDefine, UserDefineNames).Default(0);
  c.Property("UserGlyph", &L::UserGlyph);
  c.Property("UserPaintStyle", &L::UserPaintStyle, &L::SetUserPaintStyle, PaintStyleNames).Default(psStandard);
  c.Property("UserWidth", &L::UserWidth, &L::SetUserWidth).Default(0);
  c.Property("Visible", &L::Visible, &L::SetVisible).Default(true);
}

void PublishItem(TClassBuilder<TdxBarItem>& c) {
  using I = TdxBarItem;
  c.Property("Action", &I::Action, &I::SetAction);
  c.Property("Align", &I::Align, &I::SetAlign, ItemAlignNames).Default(iaLeft);
  c.Property("Caption", &I::Caption, &I::SetCaption).Stored(&I::IsCaptionStored);
  c.Property("Category", &I::Category, &I::SetCategory).Default(-1);
  c.Property("Description", &I::Description, &I::SetDescription);
  c.Property("Enabled", &I::Enabled, &I::SetEnabled).Default(true).Stored(&I::IsEnabledStored);
  c.Property("HelpContext", &I::HelpContext, &I::SetHelpContext).Default(0).Stored(&I::IsHelpContextStored);
  c.Property("Hint", &I::Hint, &I::SetHint).Stored(&I::IsHintStored);
  c.Property("Visible", &I::Visible, &I::SetVisible, ItemVisibleNames).Default(ivAlways).Stored(&I::IsVisibleStored);
  c.Event("OnDestroy", &I::OnDestroy);
}

// Glyph, ImageIndex, ShortCut and OnClick, which the base holds and some kinds publish.
template <class T>
void PublishGlyphAndClick(TClassBuilder<T>& c, bool WithShortCut) {
  c.Property("Glyph", &TdxBarItem::Glyph);
  c.Property("ImageIndex", &TdxBarItem::ImageIndex, &TdxBarItem::SetImageIndex)
      .Default(-1)
      .Stored(&TdxBarItem::IsImageIndexStored);
  if (WithShortCut)
    c.Property("ShortCut", &TdxBarItem::ShortCut, &TdxBarItem::SetShortCut).Default(0).Stored(&TdxBarItem::IsShortCutStored);
  c.Event("OnClick", &TdxBarItem::OnClick);
}

void PublishButton(TClassBuilder<TdxBarButton>& c) {
  using B = TdxBarButton;
  c.Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Default(false);
  c.Property("ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle, ButtonStyleNames).Default(bsDefault);
  c.Property("CloseSubMenuOnClick", &B::CloseSubMenuOnClick, &B::SetCloseSubMenuOnClick).Default(true);
  c.Property("DropDownEnabled", &B::DropDownEnabled, &B::SetDropDownEnabled).Default(true);
  c.Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Default(0);
  c.Property("Down", &B::Down, &B::SetDown).Default(false).Stored(&B::IsDownStored);
  c.Property("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu);
  PublishGlyphAndClick(c, true);
  c.Property("Lowered", &B::Lowered, &B::SetLowered).Default(false);
  c.Property("PaintStyle", &B::PaintStyle, &B::SetPaintStyle, PaintStyleNames).Default(psStandard);
  c.Property("UnclickAfterDoing", &B::UnclickAfterDoing, &B::SetUnclickAfterDoing).Default(true);
}

void PublishWindowItem(TClassBuilder<TdxBarWindowItem>& c) {
  using W = TdxBarWindowItem;
  c.Property("Text", &W::Text, &W::SetText);
  c.Event("OnChange", &W::OnChange);
  c.Event("OnCurChange", &W::OnCurChange);
  c.Event("OnEnter", &W::OnEnter);
  c.Event("OnExit", &W::OnExit);
  c.Event("OnKeyDown", &W::OnKeyDown);
  c.Event("OnKeyPress", &W::OnKeyPress);
  c.Event("OnKeyUp", &W::OnKeyUp);
}

void PublishEdit(TClassBuilder<TdxBarEdit>& c) {
  using E = TdxBarEdit;
  PublishGlyphAndClick(c, false);
  c.Property("MaxLength", &E::MaxLength, &E::SetMaxLength).Default(0);
  c.Property("ReadOnly", &E::ReadOnly, &E::SetReadOnly).Default(false);
  c.Property("ShowCaption", &E::ShowCaption, &E::SetShowCaption).Default(false);
  c.Property("Width", &E::Width, &E::SetWidth).Default(100);
}

void PublishCustomCombo(TClassBuilder<TCustomdxBarCombo>& c) {
  using C = TCustomdxBarCombo;
  c.Property("ShowEditor", &C::ShowEditor, &C::SetShowEditor).Default(true);
  c.Event("OnCheckKeyForDropDownWindow", &C::OnCheckKeyForDropDownWindow);
  c.Event("OnCloseUp", &C::OnCloseUp);
  c.Event("OnDropDown", &C::OnDropDown);
  c.Event("OnGetDropDownWindow", &C::OnGetDropDownWindow);
}

void PublishComboBase(TClassBuilder<TdxBarCustomCombo>& c) {
  using C = TdxBarCustomCombo;
  c.Property("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
  c.Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
  c.Event("OnDrawItem", &C::OnDrawItem);
  c.Event("OnMeasureItem", &C::OnMeasureItem);
}

void PublishCombo(TClassBuilder<TdxBarCombo>& c) {
  using C = TdxBarCombo;
  c.Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(0);
  c.Property("Items", &C::Items);
  c.Property("Sorted", &C::Sorted, &C::SetSorted).Default(false);
  c.Property("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
}

void PublishSubItemBase(TClassBuilder<TCustomdxBarSubItem>& c) {
  using S = TCustomdxBarSubItem;
  c.Property("BarSize", &S::BarSize, &S::SetBarSize).Default(0);
  c.Property("Detachable", &S::Detachable, &S::SetDetachable).Default(false);
  c.Property("DetachingBar", &S::DetachingBar, &S::SetDetachingBar).Default(-1);
  PublishGlyphAndClick(c, false);
  c.Property("ShowCaption", &S::ShowCaption, &S::SetShowCaption).Default(true);
  c.Event("OnDetaching", &S::OnDetaching);
  c.Event("OnPaintBar", &S::OnPaintBar);
}

void PublishSubItem(TClassBuilder<TdxBarSubItem>& c) {
  c.Property("AllowCustomizing", &TdxBarSubItem::AllowCustomizing, &TdxBarSubItem::SetAllowCustomizing).Default(true);
  c.Property("ItemLinks", &TdxBarSubItem::ItemLinks);
  c.Event("OnCloseUp", &TdxBarSubItem::OnCloseUp);
  c.Event("OnPopup", &TdxBarSubItem::OnPopup);
}

void PublishListItem(TClassBuilder<TdxBarListItem>& c) {
  using L = TdxBarListItem;
  c.Property("Items", &L::Items);
  c.Property("ItemIndex", &L::ItemIndex, &L::SetItemIndex).Default(-1);
  c.Property("ShowCheck", &L::ShowCheck, &L::SetShowCheck).Default(false);
  c.Property("ShowNumbers", &L::ShowNumbers, &L::SetShowNumbers).Default(true);
}

void PublishPopupMenu(TClassBuilder<TdxBarPopupMenu>& c) {
  using P = TdxBarPopupMenu;
  c.Property("BarManager", &P::BarManager, &P::SetBarManager);
  c.Property("BarSize", &P::BarSize, &P::SetBarSize).Default(0);
  c.Property("Font", &P::Font).Stored(&P::IsFontStored);
  c.Property("ItemLinks", &P::ItemLinks);
  c.Property("UseOwnFont", &P::UseOwnFont, &P::SetUseOwnFont).Default(false);
  c.Property("UseRecentItems", &P::UseRecentItems, &P::SetUseRecentItems).Default(false);
  c.Event("OnCloseUp", &P::OnCloseUp);
  c.Event("OnPaintBar", &P::OnPaintBar);
  c.Event("OnPopup", &P::OnPopup);
}

void PublishPopupMenuLink(TClassBuilder<TdxBarPopupMenuLink>& c) {
  using L = TdxBarPopupMenuLink;
  c.Property("Control", &L::Control, &L::SetControl);
  c.Property("PopupMenu", &L::PopupMenu, &L::SetPopupMenu);
  c.Event("OnAction", &L::OnAction);
}

void RegisterItemClasses() {
  RegisterClass<TdxBarItem, TComponent>("TdxBarItem", PublishItem);
  RegisterClass<TdxBarWindowItem, TdxBarItem>("TdxBarWindowItem", PublishWindowItem);
  RegisterClass<TCustomdxBarSubItem, TdxBarItem>("TCustomdxBarSubItem", PublishSubItemBase);
  RegisterClass<TCustomdxBarContainerItem, TCustomdxBarSubItem>(
      "TCustomdxBarContainerItem",
      [](TClassBuilder<TCustomdxBarContainerItem>& c) { c.Event("OnGetData", &TCustomdxBarContainerItem::OnGetData); });
}

// The kinds in the order the designer lists them, each with the control that shows its links.
void RegisterItemKinds() {
  RegisterBarItemClass(RegisterClass<TdxBarButton, TdxBarItem>("TdxBarButton", PublishButton),
                       ItemControlClass<TdxBarButtonControl>(), true);
  RegisterBarItemClass(RegisterClass<TdxBarEdit, TdxBarWindowItem>("TdxBarEdit", PublishEdit),
                       ItemControlClass<TdxBarEditControl>(), true);
  RegisterBarItemClass(RegisterClass<TCustomdxBarCombo, TdxBarEdit>("TCustomdxBarCombo", PublishCustomCombo),
                       ItemControlClass<TCustomdxBarComboControl>(), true);
  RegisterClass<TdxBarCustomCombo, TCustomdxBarCombo>("TdxBarCustomCombo", PublishComboBase);
  RegisterBarItemClass(RegisterClass<TdxBarCombo, TdxBarCustomCombo>("TdxBarCombo", PublishCombo),
                       ItemControlClass<TdxBarComboControl>(), true);
  RegisterBarItemClass(RegisterClass<TdxBarSubItem, TCustomdxBarSubItem>("TdxBarSubItem", PublishSubItem),
                       ItemControlClass<TdxBarSubItemControl>(), true);
  RegisterBarItemClass(RegisterClass<TdxBarListItem, TCustomdxBarContainerItem>("TdxBarListItem", PublishListItem),
                       ItemControlClass<TdxBarContainerItemControl>(), true);
  RegisterBarItemClass(RegisterClass<TdxBarContainerItem, TCustomdxBarContainerItem>(
                           "TdxBarContainerItem",
                           [](TClassBuilder<TdxBarContainerItem>& c) { c.Property("ItemLinks", &TdxBarContainerItem::ItemLinks); }),
                       ItemControlClass<TdxBarContainerItemControl>(), true);
  RegisterBarItemClass(RegisterClass<TSystemMenuSubItem, TCustomdxBarSubItem>("TSystemMenuSubItem"),
                       ItemControlClass<TSystemMenuSubItemControl>(), false);
}

}  // namespace

void RegisterBarsClasses() {
  RegisterControlsClasses();
  RegisterClass<TdxBarManager, TComponent>("TdxBarManager", PublishManager);
  RegisterClass<TdxBarGroup, TComponent>("TdxBarGroup", [](TClassBuilder<TdxBarGroup>& c) {
    c.Property("Enabled", &TdxBarGroup::Enabled, &TdxBarGroup::SetEnabled).Default(true);
    c.Property("Visible", &TdxBarGroup::Visible, &TdxBarGroup::SetVisible, ItemVisibleNames).Default(ivAlways);
  });
  RegisterClass<TdxBar, TCollectionItem>("TdxBar", PublishBar);
  RegisterClass<TdxBarItemLink, TCollectionItem>("TdxBarItemLink", PublishItemLink);
  RegisterItemClasses();
  RegisterItemKinds();
  RegisterQuickCustomizationClasses();
  RegisterCustomizingControlClasses();
  RegisterClass<TdxBarPopupMenu, TComponent>("TdxBarPopupMenu", PublishPopupMenu);
  RegisterClass<TdxBarPopupMenuLink, TCollectionItem>("TdxBarPopupMenuLink", PublishPopupMenuLink);
  RegisterBarTempForm();
  RegisterClass<TdxDockControl, TCustomControl>("TdxDockControl");
  RegisterClass<TdxBarDockControl, TdxDockControl>("TdxBarDockControl", PublishDockControl);
}
