// The tree list control's answers to painting and measuring: its custom-draw and level-colour
// events before the columns' own, cells painted and multi-line cells measured through the column's
// editor class without a window, the column position cache, and a new font reaching the columns.
#include "treelist/dxTLControl.h"

namespace {

bool GridBoth(TCustomdxTreeList& List) { return List.ShowGrid() && List.ShowPreviewGrid(); }

}  // namespace

void TCustomdxTreeListControl::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_FONTCHANGED) {
    // A column that follows the control's font takes the new one as it is read.
    InsideUpdate([this] {
      for (TdxTreeListColumn* column : FColumns) column->Font();
    });
  }
  TCustomdxTreeList::Dispatch(Message);
}

// --- the column position cache ------------------------------------------------------------------------

int TCustomdxTreeListControl::GetColumnPosition(int Column) {
  if (LockUpdate() != 0) return TCustomdxTreeList::GetColumnPosition(Column);
  if (FColumnPositions.size() != FColumns.size()) FColumnPositions = CalcColumnPositions();
  return Column >= 0 && Column < int(FColumnPositions.size()) ? FColumnPositions[size_t(Column)] : 0;
}

void TCustomdxTreeListControl::ClearRowHeightCache() {
  TCustomdxTreeList::ClearRowHeightCache();
  ClearColumnCache();
}

// --- answers from the columns ----------------------------------------------------------------------------

bool TCustomdxTreeListControl::IsColumnMultiLine(int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  return column && column->IsMultiLineEditor();
}

bool TCustomdxTreeListControl::IsExistFooterCell(int Column) {
  bool exist = false;
  if (OnIsExistFooterCell) OnIsExistFooterCell(this, ColumnAt(Column), exist);
  return exist;
}

// The handler may measure the cell; otherwise the column's editor class measures its text in the
// cell's width, at most MaxLineCount lines unless that is -1.
bool TCustomdxTreeListControl::CalcCellLines(TdxTreeListNode* Node, int Column, const String& Text, int Width,
                                             int MaxLineCount, int& LineCount, int& LineHeight) {
  LineCount = LineHeight = 0;
  TdxTreeListColumn* column = ColumnAt(Column);
  if (!column) return false;
  if (OnCalcRowLineHeight) {
    bool done = false;
    OnCalcRowLineHeight(this, Node, column, Text, Width, Metrics().TextHeight, MaxLineCount, IsInvertSelect(),
                        GridBoth(*this), LineCount, LineHeight, done);
    if (done) return true;
  }
  TdxTreeListCellViewData cell;
  cell.Font = (column->HasFont() ? column->Font() : Font())->Handle();
  cell.Alignment = column->Alignment();
  cell.Text = Text;
  cell.Node = Node;
  cell.MultiLine = true;
  cell.Rect = {-2, -2, Width + 2, 2};
  TdxEditViewData& viewData = *column->GetViewData();
  column->InitViewData(viewData, cell);
  viewData.CalcOnly = true;
  const TdxInplaceEditClass& editClass = column->GetEditorClass();
  TdxEditViewInfo viewInfo;
  editClass.CalcViewInfo(viewData, false, viewInfo);
  TCanvas canvas;  // measures without a surface, as the screen does
  const bool measured = editClass.Draw(&canvas, viewInfo.ClientRect, viewData, false) && viewData.LineCount > 0;
  viewData.CalcOnly = false;
  if (!measured) return false;
  LineCount = viewData.LineCount;
  LineHeight = viewData.TextHeight;
  if (MaxLineCount != -1 && MaxLineCount < LineCount) {
    LineCount = MaxLineCount;
    LineHeight = MaxLineCount * viewData.LineHeight;
  }
  return true;
}

void TCustomdxTreeListControl::DrawCellViewData(TCanvas* Canvas, int Column, TdxTreeListCellViewData& CellViewData) {
  TdxTreeListColumn* column = ColumnAt(Column);
  if (!column) return;
  TdxEditViewData& viewData = *column->GetViewData();
  column->InitViewData(viewData, CellViewData);
  column->GetEditorClass().GetEditClipRegion(Canvas, CellViewData.Rect, nullptr, viewData);
}

// --- custom draw ------------------------------------------------------------------------------------------

bool TCustomdxTreeListControl::HasCustomDrawCell(int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  return OnCustomDrawCell || (column && column->HasCustomDrawCell());
}

bool TCustomdxTreeListControl::HasCustomDrawFooter(int Level) {
  return Level == -1 ? static_cast<bool>(OnCustomDrawFooter) : static_cast<bool>(OnCustomDrawFooterNode);
}

bool TCustomdxTreeListControl::HasCustomDrawHeader(int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  return OnCustomDrawColumnHeader || (column && column->OnCustomDrawColumnHeader);
}

void TCustomdxTreeListControl::DoCustomDrawBand(int Band, TCanvas* Canvas, const TRect& Rect, const TRect& VisibleRect,
                                                String& Text, TColor& Color, TFont* Font, TAlignment& Alignment,
                                                bool& Done) {
  (void)VisibleRect;
  if (OnCustomDrawBand) OnCustomDrawBand(this, BandAt(Band), Canvas, Rect, Text, Color, Font, Alignment, Done);
}

void TCustomdxTreeListControl::DoCustomDrawCell(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, int Column,
                                                bool Selected, bool Focused, bool NewItemRow, String& Text,
                                                TColor& Color, TFont* Font, TAlignment& Alignment, bool& Done) {
  TdxTreeListColumn* column = ColumnAt(Column);
  if (OnCustomDrawCell)
    OnCustomDrawCell(this, Canvas, Rect, Node, column, Selected, Focused, NewItemRow, Text, Color, Font, Alignment, Done);
  if (Done || !column || (NewItemRow && !IsNewItemRowEditing()) || (Node && IsGroupNode(Node))) return;
  column->DoCustomDrawCell(Canvas, Rect, Node, Selected, Focused, NewItemRow, Text, Color, Font, Alignment, Done);
}

void TCustomdxTreeListControl::DoCustomDrawFooter(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node,
                                                  int Column, int FooterIndex, String& Text, TColor& Color, TFont* Font,
                                                  TAlignment& Alignment, bool& Done) {
  TdxTreeListColumn* column = ColumnAt(Column);
  if (FooterIndex < 0) {
    if (OnCustomDrawFooter) OnCustomDrawFooter(this, Canvas, Rect, Node, column, Text, Color, Font, Alignment, Done);
  } else if (OnCustomDrawFooterNode) {
    OnCustomDrawFooterNode(this, Canvas, Rect, Node, column, FooterIndex, Text, Color, Font, Alignment, Done);
  }
}

void TCustomdxTreeListControl::DoCustomDrawHeader(int Column, TCanvas* Canvas, const TRect& Rect,
                                                  const TRect& VisibleRect, String& Text, TColor& Color, TFont* Font,
                                                  TAlignment& Alignment, TdxTreeListColumnSort& Sorted, bool& Done) {
  (void)VisibleRect;
  TdxTreeListColumn* column = ColumnAt(Column);
  if (OnCustomDrawColumnHeader)
    OnCustomDrawColumnHeader(this, column, Canvas, Rect, Text, Color, Font, Alignment, Sorted, Done);
  if (!Done && column && column->OnCustomDrawColumnHeader)
    column->OnCustomDrawColumnHeader(column, column, Canvas, Rect, Text, Color, Font, Alignment, Sorted, Done);
}

void TCustomdxTreeListControl::DoCustomDrawPreview(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node,
                                                   bool Selected, String& Text, TColor& Color, TColor& TextColor,
                                                   TFont* Font, bool& Done) {
  if (OnCustomDrawPreview) OnCustomDrawPreview(this, Canvas, Rect, Node, Selected, Text, Color, TextColor, Font, Done);
  if (!Done && OnCustomDrawPreviewCell)
    OnCustomDrawPreviewCell(this, Canvas, Rect, Node, Selected, Text, Color, TextColor, Font, Done);
}

void TCustomdxTreeListControl::DoGetLevelColor(int Level, TColor& Color) {
  if (OnGetLevelColor) OnGetLevelColor(this, Level, Color);
}
