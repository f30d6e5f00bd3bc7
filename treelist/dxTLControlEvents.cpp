// The tree list control's events of the mouse gestures: band and header clicks, sized columns,
// moved headers and bands, and dragged nodes, each with its band, column or node.
#include "treelist/dxTLControl.h"

void TCustomdxTreeListControl::DoBandClick(int Band) {
  if (OnBandClick) OnBandClick(this, BandAt(Band));
}

void TCustomdxTreeListControl::DoBandButtonClick() {
  if (OnBandButtonClick) OnBandButtonClick(this);
}

void TCustomdxTreeListControl::DoHeaderButtonClick() {
  if (OnHeaderButtonClick) OnHeaderButtonClick(this);
}

void TCustomdxTreeListControl::DoChangedColumnsWidth() {
  if (OnChangedColumnsWidth) OnChangedColumnsWidth(this);
}

void TCustomdxTreeListControl::DoBeginDragNode(TdxTreeListNode* Node) {
  if (OnBeginDragNode) OnBeginDragNode(this, Node);
}

String TCustomdxTreeListControl::GetNodeDragText(TdxTreeListNode* Node, int Column) {
  String text = TCustomdxTreeList::GetNodeDragText(Node, Column);
  if (OnGetNodeDragText) OnGetNodeDragText(this, Node, text);
  return text;
}

void TCustomdxTreeListControl::DoDragOverHeader(int Column, TPoint Point, bool& Accept) {
  if (OnDragOverHeader) OnDragOverHeader(this, ColumnAt(Column), Point, Accept);
}

void TCustomdxTreeListControl::DoDragOverBand(int Band, TPoint Point, bool& Accept) {
  if (OnDragOverBand) OnDragOverBand(this, BandAt(Band), Point, Accept);
}

void TCustomdxTreeListControl::DoDragEndHeader(int Column, bool& Accept) {
  if (OnDragEndHeader) OnDragEndHeader(this, ColumnAt(Column), Accept);
}

void TCustomdxTreeListControl::DoDragEndBand(int Band, bool& Accept) {
  if (OnDragEndBand) OnDragEndBand(this, BandAt(Band), Accept);
}
