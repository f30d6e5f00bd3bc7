// The cell painters the rows painter calls: the text of group rows, row-footer and new-item-row
// cells, data cells described in the cell view record for the column's editor class, and the
// preview; each with its custom-draw event, the column's own font, and the mark of an incremental
// search over the focused cell of the searched column.
#include "rtl/Text.h"
#include "treelist/dxTL.h"
#include "treelist/dxTLDraw.h"

namespace {

// The canvas font and the background colour as a cell painter found them, put back when it ends.
class TCellCanvasState {
 public:
  explicit TCellCanvasState(TCanvas* Canvas) : FCanvas(Canvas), FBkColor(GetBkColor(Canvas)) {}
  ~TCellCanvasState() {
    if (FFontSaved) FCanvas->Font()->Assign(&FFont);
    SetBkColor(FCanvas, FBkColor);
  }
  TCellCanvasState(const TCellCanvasState&) = delete;
  TCellCanvasState& operator=(const TCellCanvasState&) = delete;
  // The canvas font, in the device context's text colour, is kept to be put back.
  void SaveFont() {
    FCanvas->Font()->SetColor(TColor(GetTextColor(FCanvas)));
    FFont.Assign(FCanvas->Font());
    FFontSaved = true;
  }
  // Before a custom-draw event or a column's own font the canvas font is saved; a column's own font
  // keeps the selection's text colour on a selected cell.
  void PrepareFont(TCustomdxTreeList& List, int Column, bool OwnFont, bool Custom, bool Selected) {
    if (!OwnFont && !Custom) return;
    SaveFont();
    if (!OwnFont) return;
    FCanvas->Font()->Assign(List.GetColumnFont(Column));
    if (Selected) FCanvas->Font()->SetColor(FFont.Color());
  }

 private:
  TCanvas* FCanvas;
  COLORREF FBkColor;
  TFont FFont;
  bool FFontSaved = false;
};

// A colour with all its RGB bits inverted.
COLORREF Inverted(COLORREF Color) { return ~Color & 0xFFFFFF; }

}  // namespace

bool TCustomdxTreeList::IsSearchMarkCell(int Column, bool Focused, int Kind) {
  return Kind == 0 && FSearch.Active && Focused && Column == FSearch.Column;
}

// The search colours: AutoSearchColor, else the cell's background inverted; AutoSearchTextColor,
// else the text colour inverted.
void TCustomdxTreeList::GetSearchColors(COLORREF BkColor, COLORREF TextColor, COLORREF& SearchBk, COLORREF& SearchText) {
  SearchBk = FLook.AutoSearchColor == clNone ? Inverted(BkColor) : ColorToRGB(FLook.AutoSearchColor);
  SearchText = FLook.AutoSearchTextColor == clNone ? Inverted(TextColor) : ColorToRGB(FLook.AutoSearchTextColor);
}

// The focus frame of the searched cell: the cell less one pixel, widened again at the sides with
// row select or the inverted selection's frame, unless a side holds the edge of the cells.
void TCustomdxTreeList::DrawSearchFocusFrame(TCanvas* Canvas, TRect Rect, bool EdgeFlag1, bool EdgeFlag2) {
  InflateRect(Rect, -1, -1);
  if (IsRowSelect() || IsInvertSelect()) {
    if (!EdgeFlag1) --Rect.Left;
    if (!EdgeFlag2) ++Rect.Right;
  }
  DrawFocusRectangle(Canvas, Rect);
}

void TCustomdxTreeList::DrawCellText(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TdxTreeListNode* Node,
                                     int Column, int FooterIndex, bool Selected, bool Focused, COLORREF BkColor,
                                     const HBRUSH& Brush, bool MultiLine, int Kind, bool EdgeFlag1, bool EdgeFlag2) {
  const TdxTreeListNodeAccess access(*this, Node);
  const bool footer = Kind == 1;
  TdxCellTextParams params;
  params.Text = footer ? GetRowFooterText(Node, Column, FooterIndex) : Kind == 2 ? GetNewRowText(Column) : GetCellText(Node, Column);
  TAlignment alignment = footer ? GetFooterAlignment(Column) : GetColumnAlignment(Node, Column);
  const bool ownFont = (Kind == 0 || Kind == 2) && HasColumnFont(Column);
  const int footerLevel = FooterIndex < 0 ? -1 : GetRowFooterLevel(Node, FooterIndex);
  const bool custom = footer ? HasCustomDrawFooter(footerLevel) : HasCustomDrawCell(Column);
  TCellCanvasState state(Canvas);
  state.PrepareFont(*this, Column, ownFont, custom, Selected);
  TColor color = TColor(BkColor);
  bool done = false;
  if (custom && footer)
    DoCustomDrawFooter(Canvas, Rect, Node, Column, FooterIndex, params.Text, color, Canvas->Font(), alignment, done);
  else if (custom)
    DoCustomDrawCell(Canvas, Rect, Node, Column, Selected, Focused, Kind == 2, params.Text, color, Canvas->Font(),
                     alignment, done);
  if (done) return;
  HBRUSH brush = Brush;
  if (ColorToRGB(color) != BkColor) {
    brush = CreateSolidBrush(TColor(ColorToRGB(color)));
    SetBkColor(Canvas, ColorToRGB(color));
  }
  params.MultiLine = MultiLine;
  params.EndEllipsis = IsDrawEndEllipsis();
  params.Alignment = alignment;
  params.Buffered = IsUseBitmap();
  params.LargeMargin = !footer && IsInvertSelect();
  DrawCellTextEx(Canvas, Rect, brush, *Bitmap, params);
  if (!IsSearchMarkCell(Column, Focused, Kind)) return;
  if (!FSearch.Text.empty()) {
    COLORREF bk = 0, text = 0;
    GetSearchColors(ColorToRGB(color), GetTextColor(Canvas), bk, text);
    SetBkColor(Canvas, bk);
    const COLORREF oldText = SetTextColor(Canvas, text);
    params.Length = Length(FSearch.Text);
    params.PrefixMode = true;
    DrawCellTextEx(Canvas, Rect, brush, *Bitmap, params);
    SetTextColor(Canvas, oldText);
  }
  DrawSearchFocusFrame(Canvas, Rect, EdgeFlag1, EdgeFlag2);
}

void TCustomdxTreeList::DrawCell(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TdxTreeListNode* Node,
                                 int Column, bool Selected, bool Focused, COLORREF BkColor, COLORREF TextColor,
                                 const HBRUSH& Brush, bool MultiLine, int Kind, bool EdgeFlag1, bool EdgeFlag2,
                                 TColor ColumnColor, const HBRUSH& ColumnBrush) {
  (void)Bitmap;
  const TdxTreeListNodeAccess access(*this, Node);
  TdxTreeListCellViewData cell;
  cell.Text = Kind == 2 ? GetNewRowText(Column) : GetCellText(Node, Column);
  cell.Alignment = GetColumnAlignment(Node, Column);
  const bool ownFont = (Kind == 0 || Kind == 2) && HasColumnFont(Column);
  const bool custom = HasCustomDrawCell(Column);
  TCellCanvasState state(Canvas);
  COLORREF textColor = TextColor;
  state.PrepareFont(*this, Column, ownFont, custom, Selected);
  TColor color = TColor(BkColor);
  bool done = false;
  if (custom)
    DoCustomDrawCell(Canvas, Rect, Node, Column, Selected, Focused, Kind == 2, cell.Text, color, Canvas->Font(),
                     cell.Alignment, done);
  if (done) return;
  if (ownFont || custom) textColor = ColorToRGB(Canvas->Font()->Color());
  cell.Brush = ColorToRGB(color) == BkColor ? Brush : CreateSolidBrush(TColor(ColorToRGB(color)));
  cell.Font = Canvas->Font()->Handle();
  cell.BkColor = ColorToRGB(color);
  cell.TextColor = textColor;
  cell.Selected = Selected;
  cell.InvertSelect = IsInvertSelect();
  cell.EdgeFlag1 = EdgeFlag1;
  cell.EdgeFlag2 = EdgeFlag2;
  cell.MultiLine = MultiLine;
  cell.EndEllipsis = IsDrawEndEllipsis();
  cell.Node = Node;
  cell.NewItemRowReadOnly = Kind == 2 && !IsNewItemRowEditing();
  cell.SelectionColor = ColorToRGB(Focused ? FLook.HighlightColor : FLook.HideSelectionColor);
  cell.ColumnColor = ColumnColor;
  cell.ColumnBrush = ColumnBrush;
  cell.Editing = IsEditingCell(Node, Column);
  cell.Rect = Rect;
  InflateRect(cell.Rect, 2, 2);
  DrawCellViewData(Canvas, Column, cell);
  if (!IsSearchMarkCell(Column, Focused, Kind)) return;
  if (!FSearch.Text.empty()) {
    GetSearchColors(cell.BkColor, cell.TextColor, cell.BkColor, cell.TextColor);
    cell.HighlightedLength = Length(FSearch.Text);
    const int oldMode = SetBkMode(Canvas, OPAQUE);
    DrawCellViewData(Canvas, Column, cell);
    SetBkMode(Canvas, oldMode);
  }
  DrawSearchFocusFrame(Canvas, Rect, EdgeFlag1, EdgeFlag2);
}

void TCustomdxTreeList::DrawPreview(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TdxTreeListNode* Node,
                                    COLORREF BkColor, COLORREF TextColor, const HBRUSH& Brush, bool Selected) {
  TdxPreviewTextParams params;
  params.Text = GetPreviewText(Node);
  TColor textColor = TColor(TextColor);
  if (BkColor != ColorToRGB(FLook.HighlightColor)) textColor = FLook.PreviewFont->Color();
  TCellCanvasState state(Canvas);
  state.SaveFont();
  Canvas->Font()->Assign(FLook.PreviewFont.get());
  TColor color = TColor(BkColor);
  bool done = false;
  DoCustomDrawPreview(Canvas, Rect, Node, Selected, params.Text, color, textColor, Canvas->Font(), done);
  if (done) return;
  HBRUSH brush = Brush;
  if (ColorToRGB(color) != BkColor) {
    brush = CreateSolidBrush(TColor(ColorToRGB(color)));
    SetBkColor(Canvas, ColorToRGB(color));
  }
  params.Indent = FLook.IndentDesc;
  params.TextColor = ColorToRGB(textColor);
  params.Font = Canvas->Font()->Handle();
  params.Buffered = IsUseBitmap();
  DrawPreviewText(Canvas, Rect, brush, *Bitmap, params);
}
