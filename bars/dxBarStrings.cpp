// The bars' string table.
#include "bars/dxBarCommon.h"

#include <utility>

namespace {

constexpr std::pair<int, const char*> kStrings[] = {
    {sdxBarResetToolbarQuery, "Are you sure you want to reset the changes made to the '%s' toolbar?"},
    {sdxBarResetUsageQuery,
     "This will delete the record of the commands you've used in this application and restore the default set of "
     "visible commands to the menus and toolbars. It will not undo any explicit customizations.   Are you sure you "
     "want to proceed?"},
    {sdxBarSingleManager, "A Form should contain only a single TdxBarManager"},
    {sdxBarManagerOwner, "TdxBarManager should have as its Owner - TForm (TCustomForm)"},
    {sdxBarNoManagers, "There are no TdxBarManagers available"},
    {sdxBarRecursiveSubItems, "You cannot create recursive subitems"},
    {sdxBarRecursiveGroups, "You cannot create recursive groups"},
    {sdxBarDefaultCategory, "Default"},
    {sdxBarCustomizeEntry, "&Customize..."},
    {sdxBarMoreButtons, "More Buttons"},
    {sdxBarExpandHint, "Expand (Ctrl-Down)"},
    {sdxBarDetachHint, "Drag to make this menu float"},
};

}  // namespace

String dxBarLoadStr(int Id) {
  for (const auto& [id, text] : kStrings)
    if (id == Id) return text;
  return String();
}
