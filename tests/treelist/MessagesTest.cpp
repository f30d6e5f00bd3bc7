// Messages: the split cursors over the edges, an input-method composition opening the editor, and
// the panels following a parent's font.
#include "controls/Application.h"
#include "support/TreeListFixture.h"
#include "windows/Input.h"
#include "windows/Services.h"

namespace {

class MessagesTest : public TInputTreeListTest {};

TEST_F(MessagesTest, EdgesThatSizeShowTheSplitCursors) {
  List->SetOptionsEx(List->GetOptionsEx() | tlxRowSizing);
  ShowList();
  const TRect cell = List->GetNodeCellRect(Row(0), 0);
  const TRect row = List->GetNodeRect(Row(0));
  const struct {
    TPoint Point;
    TCursor Cursor;
  } cases[] = {
      {{cell.Right - 1, List->Metrics().HeaderHeight / 2}, crHSplit},
      {{row.Left + 20, row.Bottom - 1}, crVSplit},
      {{row.Left + 20, row.Top + 5}, crDefault},
  };
  for (const auto& c : cases) {
    MouseMove(List, c.Point);
    Pump();
    EXPECT_EQ(GetCursor(), Screen->Cursors(c.Cursor)) << c.Point.X << "," << c.Point.Y;
  }
}

TEST_F(MessagesTest, AnInputMethodCompositionOpensTheEditor) {
  CellMode();
  ShowList();
  Row(0)->SetFocused(true);
  SendMessage(List->Handle(), WM_IME_STARTCOMPOSITION);
  EXPECT_EQ(List->State(), tlsEditing);
}

TEST_F(MessagesTest, ThePanelsFollowTheParentsFont) {
  ShowList();
  List->SetParentFont(true);
  Form->Font()->SetSize(14);
  Pump();
  EXPECT_EQ(List->HeaderFont()->Size(), 14);
  EXPECT_EQ(List->BandFont()->Size(), 14);
  EXPECT_EQ(List->PreviewFont()->Size(), 14);
  EXPECT_EQ(List->PreviewFont()->Color(), clBlue);
  EXPECT_TRUE(List->ParentFont()) << "taking the parent's font is no font of its own";
}

}  // namespace
