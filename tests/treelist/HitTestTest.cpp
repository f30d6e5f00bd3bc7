// Hit testing as tables of points over one layout on the fixed-metrics font: bands (0..212 and
// 212..312 after a 12-pixel indicator, 19 high), headers below them (100 pixels each), rows of 16
// from y 38: "a" with its child "a1", then "b". Sizing edges reach 4 pixels.
#include "support/TreeListFixture.h"

namespace {

class HitTestTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    List->SetBounds(0, 0, 400, 300);
    List->SetDefaultLayout(false);
    List->SetShowBands(true);
    List->SetShowIndicator(true);
    List->Bands()->Add();
    for (int c = 0; c < 3; ++c) AddColumn("C" + std::to_string(c))->SetBandIndex(c < 2 ? 0 : 1);
    Build("a\n  a1\nb");
    N("a")->Expand(false);
  }
  struct THit {
    TPoint Point;
    TdxTreeListHitKind Kind;
    int Band = -1, Column = -1, Row = -1;
  };
  void Check(const std::vector<THit>& Cases) {
    for (const THit& c : Cases) {
      TdxTreeListHitInfo hit;
      List->GetHitInfo(c.Point, hit);
      const std::string where = "at (" + std::to_string(c.Point.X) + ", " + std::to_string(c.Point.Y) + ")";
      EXPECT_EQ(int(hit.HitKind), int(c.Kind)) << where;
      EXPECT_EQ(hit.Band, c.Band) << where;
      EXPECT_EQ(hit.Column, c.Column) << where;
      EXPECT_EQ(hit.RowIndex, c.Row) << where;
    }
  }
};

TEST_F(HitTestTest, BandsAndHeadersWithTheirEdges) {
  Check({
      {{400, 10}, hkOutside},
      {{5, 5}, hkBandCorner},
      {{50, 5}, hkBand, 0},
      {{207, 5}, hkBand, 0},
      {{208, 5}, hkBandEdge, 0},
      {{216, 5}, hkBandEdge, 0},  // 4 pixels into the next band still sizes this one
      {{217, 5}, hkBand, 1},
      {{315, 5}, hkBandEdge, 1},  // right of the last band
      {{316, 5}, hkNone},         // 5 pixels away
      {{5, 25}, hkHeaderCorner},
      {{50, 25}, hkHeader, 0, 0},
      {{108, 25}, hkHeaderEdge, 0, 0},
      {{114, 25}, hkHeaderEdge, 0, 0},  // the left part of a header sizes the one before
      {{117, 25}, hkHeader, 0, 1},
      {{210, 25}, hkBandEdge, 0, 1},    // the last header of a band row sizes its band
      {{213, 25}, hkBandEdge, 0, 2},    // the first header of band 1 starts with band 0's edge
      {{313, 25}, hkBandEdge, 1},
  });
}

TEST_F(HitTestTest, RowsCellsAndTheTreeIndent) {
  Check({
      {{5, 45}, hkIndicator, -1, -1, 0},
      {{20, 45}, hkButton, -1, -1, 0},
      {{50, 45}, hkCell, 0, 0, 0},
      {{250, 60}, hkCell, 1, 2, 1},
      {{20, 61}, hkIndent, -1, -1, 1},  // left of a leaf's text, one level in
      {{350, 45}, hkRow, -1, -1, 0},    // right of the last cell
      {{50, 200}, hkNone},              // below the last row
  });
  List->SetOptionsEx(List->GetOptionsEx() | tlxRowSizing);
  Check({
      {{5, 52}, hkRowEdge, -1, -1, 0},
      {{5, 56}, hkRowEdge, -1, -1, 0},  // the top of a row sizes the row above
      {{5, 60}, hkIndicator, -1, -1, 1},
      {{5, 88}, hkRowEdge, -1, -1, 2},  // just below the last row
  });
  List->SetShowIndicator(false);
  Check({
      {{50, 40}, hkCell, 0, 0, 0},
      {{50, 52}, hkRowEdge, -1, -1, 0},  // without the indicator the rows find their edges
  });
}

TEST_F(HitTestTest, PanelEdgesFooterPreviewAndRowFooters) {
  List->SetOptionsEx(List->GetOptionsEx() | tlxBandPanelSizing | tlxHeaderPanelSizing);
  List->SetShowFooter(true);
  Check({
      {{50, 16}, hkBandPanelEdge},
      {{5, 20}, hkBandPanelEdge},  // below the strip, the corner included
      {{50, 36}, hkHeaderPanelEdge},
      {{150, 300 - 10}, hkFooter, 0, 1},
  });
  List->SetOptions(List->GetOptions() | tloPreview);
  List->SetOptionsEx(List->GetOptionsEx() & ~tlxAutoCalcPreviewLines);
  List->SetPreviewLines(1);
  // Row "a": 16 for the cells, the preview line of 13 with its 2 pixels below them.
  Check({{{150, 45}, hkCell, 0, 1, 0}, {{150, 60}, hkPreview, -1, -1, 0}});
  List->SetOptions(List->GetOptions() & ~tloPreview);
  List->RowFooterLevels = {0};
  List->SetShowRowFooter(true);
  // "a1" ends "a": its row of 16 is followed by its row footer of 22.
  Check({{{150, 60}, hkCell, 0, 1, 1}, {{150, 75}, hkRowFooter, 0, 1, 1}});
}

TEST_F(HitTestTest, BetweenHeadersAndOverBandsSizedByTheirHeaders) {
  List->SetHeaderPanelRowCount(2);
  List->GetColumn(1)->SetRowIndex(1);
  // Band 0 (12..112) holds C0 over C1; C2 of band 1 (112..212) stays in one row over a filler.
  Check({{{150, 45}, hkNone}, {{50, 45}, hkHeader, 0, 1}});
  List->SetShowBands(false);
  // Bands sized through their headers: a band edge sizes the last header of the band's last row.
  Check({{{208, 10}, hkHeaderEdge, 1, 2}, {{113, 10}, hkHeaderEdge, 0, 1}});
}

}  // namespace
