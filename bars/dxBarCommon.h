// The vocabulary of the command bars: the enumerations that bars, items, links and the manager
// share, with the names stored layouts use for them, and the texts of the bars' string table.
#pragma once

#include <cstdint>
#include <functional>

#include "rtl/Object.h"
#include "rtl/Types.h"

class TdxBarManager;
class TdxBar;
class TdxBars;
class TdxBarItem;
class TdxBarItemLink;
class TdxBarItemLinks;
class TdxBarGroup;
class TdxBarPopupMenu;
class TdxBarItemControl;
class TCustomdxBarControl;
class TdxBarControl;
class TdxBarSubMenuControl;
class TdxDockControl;
class TdxBarDockControl;
class TCustomdxBarSubItem;
class TCustomdxBarContainerItem;
class TCanvas;

// When an item (or a category's items) shows: never, only while customising, always.
enum TdxBarItemVisible { ivNever, ivInCustomizing, ivAlways };
inline constexpr const char* ItemVisibleNames[] = {"ivNever", "ivInCustomizing", "ivAlways"};

// The side a bar sits on; dsNone is floating.
enum TdxBarDockingStyle { dsNone, dsLeft, dsTop, dsRight, dsBottom };
inline constexpr const char* DockingStyleNames[] = {"dsNone", "dsLeft", "dsTop", "dsRight", "dsBottom"};
// A set of sides: bit i stands for TdxBarDockingStyle i.
using TdxBarDockingStyles = unsigned;
constexpr TdxBarDockingStyles DockingStyleBit(TdxBarDockingStyle Style) { return 1u << Style; }

// The frame of a docked bar: none, or a single raised edge with the drag handle.
enum TdxBarBorderStyle { bbsNone, bbsSingle };
inline constexpr const char* BarBorderStyleNames[] = {"bbsNone", "bbsSingle"};
// Every side and floating: a bar whose NotDocking holds all of them cannot be moved.
constexpr TdxBarDockingStyles AllDockingStyles = 0x1F;
constexpr bool IsVerticalDockingStyle(TdxBarDockingStyle Style) { return Style == dsLeft || Style == dsRight; }

enum TdxBarManagerStyle { bmsStandard, bmsEnhanced, bmsFlat };
inline constexpr const char* ManagerStyleNames[] = {"bmsStandard", "bmsEnhanced", "bmsFlat"};

enum TdxBarMenuAnimations { maNone, maRandom, maUnfold, maSlide };
inline constexpr const char* MenuAnimationsNames[] = {"maNone", "maRandom", "maUnfold", "maSlide"};

// What a toolbar shows of a button: glyph only, caption only, caption only in menus, or both.
enum TdxBarPaintStyle { psStandard, psCaption, psCaptionInMenu, psCaptionGlyph };
inline constexpr const char* PaintStyleNames[] = {"psStandard", "psCaption", "psCaptionInMenu", "psCaptionGlyph"};

enum TdxBarItemAlign { iaLeft, iaCenter, iaRight, iaClient };
inline constexpr const char* ItemAlignNames[] = {"iaLeft", "iaCenter", "iaRight", "iaClient"};

enum TdxBarButtonStyle { bsDefault, bsChecked, bsDropDown };
inline constexpr const char* ButtonStyleNames[] = {"bsDefault", "bsChecked", "bsDropDown"};

// Which of a link's own values are in effect; a set, bit i for value i.
enum TdxBarUserDefine { udCaption, udGlyph, udPaintStyle, udWidth };
inline constexpr const char* UserDefineNames[] = {"udCaption", "udGlyph", "udPaintStyle", "udWidth"};
using TdxBarUserDefines = unsigned;
constexpr TdxBarUserDefines UserDefineBit(TdxBarUserDefine Value) { return 1u << Value; }

// Paints the side bar of a menu (a sub item's or a popup menu's) into R.
using TdxBarPaintSubMenuBarEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

// The texts of the bars' string table, by their ids.
enum : int {
  sdxBarResetToolbarQuery = 39001,
  sdxBarResetUsageQuery = 39002,
  sdxBarSingleManager = 39003,
  sdxBarManagerOwner = 39004,
  sdxBarNoManagers = 39005,
  sdxBarRecursiveSubItems = 39009,
  sdxBarRecursiveGroups = 39012,
  sdxBarDefaultCategory = 39101,
  sdxBarCustomizeEntry = 39300,
  sdxBarMoreButtons = 39302,
  sdxBarExpandHint = 39303,
  sdxBarDetachHint = 39304,
  // The customize dialog.
  sdxBarCustomizeCaption = 39400,
  sdxBarToolbarsPage, sdxBarCommandsPage, sdxBarOptionsPage, sdxBarAllCommandsPage, sdxBarGroupsPage,
  sdxBarClose, sdxBarHelp,
  sdxBarToolbarsLabel, sdxBarNewButton, sdxBarRenameButton, sdxBarDeleteButton, sdxBarResetButton,
  sdxBarCategoriesLabel, sdxBarCommandsLabel, sdxBarDescriptionLabel, sdxBarCategoriesModify, sdxBarCommandsModify,
  sdxBarMenuAnimationsLabel, sdxBarShowToolTips, sdxBarShowShortCutsInToolTips, sdxBarLargeIcons,
  sdxBarPersonalizedHeading, sdxBarRecentItemsFirst, sdxBarFullMenusAfterDelay, sdxBarResetUsageData, sdxBarOtherHeading,
  sdxBarAnimationNone, sdxBarAnimationRandom, sdxBarAnimationUnfold, sdxBarAnimationSlide,
  sdxBarShowCommandsWithShortCut, sdxBarGroupAdd, sdxBarGroupDelete, sdxBarGroupItemAdd, sdxBarGroupItemDelete,
  sdxBarMoveUp, sdxBarMoveDown,
  sdxBarMenuAdd, sdxBarMenuInsert, sdxBarMenuRename, sdxBarMenuVisible, sdxBarMenuItemsVisible, sdxBarMenuDelete,
  sdxBarMenuClear, sdxBarMenuSubMenuEditor,
  sdxBarItemsVisibleNever, sdxBarItemsVisibleInCustomizing, sdxBarItemsVisibleAlways,
  sdxBarDeleteToolbarQuery, sdxBarDeleteCategoryQuery, sdxBarClearCategoryQuery, sdxBarCustomToolbarName,
  // The customising popup of a link.
  sdxBarPopupReset = 39500,
  sdxBarPopupDelete, sdxBarPopupName, sdxBarPopupDefaultStyle, sdxBarPopupTextOnlyAlways, sdxBarPopupTextOnlyInMenus,
  sdxBarPopupImageAndText, sdxBarPopupBeginGroup, sdxBarPopupVisible, sdxBarPopupMostRecentlyUsed, sdxBarBlankName,
  // Quick customisation.
  sdxBarAddRemoveButtons = 39600,
  sdxBarResetToolbar,
  // The editors the customize dialog opens.
  sdxBarAddCategory = 39700,
  sdxBarInsertCategory, sdxBarRenameCategory, sdxBarCategoryName, sdxBarRenameToolbar, sdxBarToolbarName, sdxBarOk,
  sdxBarCancel, sdxBarToolbarExists, sdxBarSubMenuEditorCaption, sdxBarAddItemCaption, sdxBarItemName, sdxBarItemCaption,
  sdxBarItemType, sdxBarItemCategory, sdxBarAddGroupItemsCaption, sdxBarGroupsHeading, sdxBarBlankItemName,
};
// The text of an id; empty for an id the table does not hold.
String dxBarLoadStr(int Id);
