// TdxBarCustomizingForm: the Customize dialog of one bar manager. While it is open the manager
// customises: commands are dragged from the dialog onto bars and menus, links between and off
// bars; toolbars are toggled, made, renamed, deleted and reset, and the manager's options set.
// At design time it also edits categories, commands and item groups and lists every command.
// Every change goes to the manager's objects at once; the dialog has nothing to commit. At most
// one dialog exists in the process; the module routines below reach it.
#pragma once

#include <vector>

#include "bars/dxBarCommon.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Forms.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"

class TCheckListBox;
class TCommandsListBox;
class TCheckableButton;

class TdxBarCustomizingForm : public TForm {
 public:
  // Builds the dialog for Manager; its window is owned by the manager's form.
  explicit TdxBarCustomizingForm(TdxBarManager* Manager);
  ~TdxBarCustomizingForm() override;
  String ClassName() const override { return "TdxBarCustomizingForm"; }
  TdxBarManager* BarManager() const { return FBarManager; }

  // --- what the module routines ask of the dialog ----------------------------------------------
  void RefreshCommands();
  void UpdateStyle();
  void UpdateHelpButton();
  void UpdateOptions();
  void UpdateBarCaption(TdxBar* Bar);
  void SelectItem(TdxBarItem* Item, bool ForceCategory);
  void ItemsChanged();
  void RecalcAllCommandsWidths();
  void RefreshGroups();
  void RefreshGroupItems();
  // The category under a screen point of the categories list, -1 when none (design-time drops).
  int CategoryAtScreenPoint(TPoint Screen) const;
  // Selects the category row of a category index (nothing when it is not listed).
  void SelectCategory(int Category);
  // The manager's category of the selected row, -1 when none.
  int SelectedCategory() const;

  // --- the pages and their controls (named as a stored layout would name them) ------------------
  TPageControl* PageControl = nullptr;
  TTabSheet* tsToolbars = nullptr;
  TTabSheet* tsItems = nullptr;
  TTabSheet* tsOptions = nullptr;
  TTabSheet* tsAllCommands = nullptr;
  TTabSheet* tsGroups = nullptr;
  TPanel* BottomPanel = nullptr;
  TButton* BClose = nullptr;
  TButton* BHelp = nullptr;
  // Toolbars.
  TCheckListBox* BarsListBox = nullptr;
  TButton* BBarNew = nullptr;
  TButton* BBarRename = nullptr;
  TButton* BBarDelete = nullptr;
  TButton* BBarReset = nullptr;
  // Commands.
  TListBox* LCategories = nullptr;
  TCommandsListBox* LCommands = nullptr;
  TLabel* DescriptionLabel = nullptr;
  TCheckableButton* CategoriesPopupButton = nullptr;
  TCheckableButton* CommandsPopupButton = nullptr;
  // Options.
  TPanel* StandardOptionsPanel = nullptr;
  TLabel* LabelMenuAnimations = nullptr;
  TComboBox* ComboBoxMenuAnimations = nullptr;
  TCheckBox* CBHint1 = nullptr;
  TCheckBox* CBHint2 = nullptr;
  TCheckBox* CBLargeIcons = nullptr;
  TPanel* EnhancedOptionsPanel = nullptr;
  TCheckBox* CBMenusShowRecentItemsFirst = nullptr;
  TCheckBox* CBShowFullMenusAfterDelay = nullptr;
  TButton* BResetUsageData = nullptr;
  TCheckBox* CBLargeIconsEx = nullptr;
  TCheckBox* CBHint1Ex = nullptr;
  TCheckBox* CBHint2Ex = nullptr;
  TLabel* LabelMenuAnimationsEx = nullptr;
  TComboBox* ComboBoxMenuAnimationsEx = nullptr;
  // All commands (design time).
  TListBox* LAllCommands = nullptr;
  TCheckBox* CBShowCommandsWithShortCut = nullptr;
  // Groups (design time).
  TListBox* lbGroups = nullptr;
  TListBox* lbGroupItems = nullptr;
  TButton* btnGroupAdd = nullptr;
  TButton* btnGroupDelete = nullptr;
  TButton* btnGroupItemAdd = nullptr;
  TButton* btnGroupItemDelete = nullptr;
  TButton* btnMoveUp = nullptr;
  TButton* btnMoveDown = nullptr;
  // The dialog's own manager and its two design-time menus.
  TdxBarManager* BarManager1 = nullptr;
  TdxBarPopupMenu* CategoriesPopupMenu = nullptr;
  TdxBarPopupMenu* CommandsPopupMenu = nullptr;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void DoClose(TCloseAction& Action) override;

 private:
  bool IsDesigning() const;
  void Build();
  void BuildToolbarsPage();
  void BuildCommandsPage();
  void BuildOptionsPage();
  void BuildOptionsPanels();
  void BuildAllCommandsPage();
  void BuildGroupsPage();
  void BuildDesignMenus();
  void PageChanged();
  void WMActivate(TMessage& Message);

  // --- toolbars page ---
  void FillBars();
  void BarsSelectionChanged();
  TdxBar* SelectedBar() const;
  void NewBar();
  void RenameBar();
  void DeleteBar();
  void ResetBar();
  TPoint NewBarPlace() const;

  // --- commands page ---
  void FillCategories();
  void CategoryChanged();
  void CommandChanged();
  void StartCommandDrag(TdxBarItem* Item);
  void CategoryMouseDown(TMouseButton Button, int X, int Y);
  void CategoryMouseMove(int X, int Y);
  void CommandMouseDown(TMouseButton Button, int X, int Y);
  void CategoryKeyDown(WORD& Key, TShiftState Shift);
  void CommandKeyDown(WORD& Key, TShiftState Shift);
  void UpdateCategoriesMenu();
  void UpdateCommandsMenu();
  void AskCategoryName(int Mode);
  void DeleteCategory();
  void SetCategoryVisible();
  void SetCategoryItemsVisible();
  void AddCommand();
  void DeleteCommand();
  void ClearCommands();
  void MoveCommand(int Direction);
  void OpenSubMenuEditor();

  // --- options page ---
  void ApplyOptions(TObject* Sender);
  void PlaceAnimationsCombo(TLabel* Label, TComboBox* Combo);

  // --- design-time pages ---
  void FillAllCommands();
  void DrawAllCommandsRow(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  void GroupsButtonsChanged();
  TdxBarGroup* SelectedGroup() const;
  void AddGroup();
  void DeleteGroup();
  void AddGroupItems();
  void DeleteGroupItems();
  void MoveGroupEntries(int Direction);
  std::vector<int> SelectedGroupEntries() const;

  TdxBarManager* FBarManager;
  // Set while the dialog moves a selection itself.
  bool FSelecting = false;
  int FDraggedCategory = -1;
  bool FGroupItemsFocused = false;
  int FNameColumnWidth = 0;
  int FCaptionColumnWidth = 0;
  int FShortCutColumnWidth = 0;
};

// --- the module's routines; each does nothing while no dialog exists -----------------------------

// Show: makes the dialog for Manager (OnShowCustomizingForm first) after disabling the enabled
// windows of every manager's form, and shows it. Hide: enables those windows again (those that
// still exist), frees the dialog and the sub-menu editor, and fires OnHideCustomizingForm.
void ShowCustomizingForm(TdxBarManager* Manager, bool Show);
TdxBarCustomizingForm* CustomizingForm();
void UpdateCustomizingFormStyle();
void UpdateCustomizingFormHelpButton();
void UpdateCustomizingBarCaption(TdxBar* Bar);
void RefreshCommands();
void UpdateCustomizingOptions();
void RecalcAllCommandsWidths();
void RefreshGroups();
void RefreshGroupItems();
