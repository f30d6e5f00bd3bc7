// The main window's grid drawing (the teachers' rights by name, the fitness categories as
// numerals and the standards' thresholds as performances in the unit of their row) and the popup
// menus of the students' and teachers' grids.
#include "app/data/KvCommon.h"
#include "app/data/KvConst.h"
#include "app/windows/KvMain.h"

namespace {

// The right button released over a grid opens its popup menu where the pointer is.
void PopupOnRightButton(TdxBarPopupMenu* Menu, const TControl* Grid, TMouseButton Button, int X, int Y) {
  if (Button != mbRight) return;
  const TPoint p = Grid->ClientToScreen({X, Y});
  Menu->Popup(p.X, p.Y);
}

bool IsIntegerValue(const Variant& Value) { return VarType(Value) == varInteger || VarType(Value) == varInt64; }

// The numeral of a category (1 "一" ... 5 "五"); a category the table has no numeral for keeps
// its number, so that a stray value never reads outside the table.
void ShowCategoryNumeral(const Variant& Value, String& Text) {
  if (!IsIntegerValue(Value)) return;
  const int64_t index = Value.AsInt64() - 1;
  if (index >= 0 && index < static_cast<int64_t>(Numerals.size())) Text = Numerals[static_cast<size_t>(index)];
}

}  // namespace

void TfmKvMain::clmRightsCustomDrawCell(TObject*, TCanvas*, TRect, TdxTreeListNode* ANode, TdxTreeListColumn* AColumn,
                                        bool, bool, bool, String& AText, TColor&, TFont*, TAlignment&, bool&) {
  const Variant value = ANode->GetValue(AColumn->GetIndex());
  if (!VarIsNull(value)) AText = RightsName(value.AsInteger());
}

// Both standards grids. Group rows come here too, with the grouping column: the fitness
// standards' category rows read "一" to "五".
void TfmKvMain::dgStarndCustomDrawCell(TObject* Sender, TCanvas*, TRect, TdxTreeListNode* ANode,
                                       TdxTreeListColumn* AColumn, bool, bool, bool, String& AText, TColor&, TFont*,
                                       TAlignment&, bool&) {
  if (!ANode || !AColumn) return;
  const Variant value = ANode->GetValue(AColumn->GetIndex());
  auto* grid = static_cast<TdxDBGrid*>(Sender);
  if (grid->GroupColumnCount() > 0 && grid->GroupColumns(0) == AColumn) return ShowCategoryNumeral(value, AText);
  if (VarType(value) != varDouble) return;
  const TdxTreeListColumn* unit = grid->FindColumnByFieldName("Fd_Nutric");
  AText = FormatAchieve(unit ? VarToStr(ANode->GetValue(unit->GetIndex())) : String(), value.AsDouble());
}

void TfmKvMain::dgStudentsMouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  PopupOnRightButton(popStudent, dgStudents, Button, X, Y);
}

void TfmKvMain::dgTeachersMouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  PopupOnRightButton(popTeacher, dgTeachers, Button, X, Y);
}
