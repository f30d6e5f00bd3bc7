// The drag manager of controls, driven by injected input: the target under the mouse hears
// DragOver with its own client points and decides Accept, the cursor shows it, the release drops
// there; thresholds, Escape and refused drops end the drag without a drop; the drag image follows
// the mouse in an overlay.
#include "WindowTestKit.h"

#include "controls/DragDrop.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"

namespace {

class TDragBox : public TCustomControl {
 public:
  explicit TDragBox(TComponent* AOwner) : TCustomControl(AOwner) {}
  String ClassName() const override { return "TDragBox"; }
  TImageList* GetDragImages() override { return Images; }
  TImageList* Images = nullptr;
  int Cancels = 0;

 protected:
  void DragCanceled() override { ++Cancels; }
};

struct TOver {
  TDragState State;
  TPoint At;
  TObject* Source;
};

class DragDrop : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    form = TCustomForm::Create<TForm>(Application);
    form->SetBounds(100, 100, 300, 240);
    source = Box(Bounds(10, 10, 80, 24));
    target = Box(Bounds(150, 10, 100, 100));
    refuser = Box(Bounds(150, 150, 100, 50));
    target->OnDragOver = [this](TObject*, TObject* src, int x, int y, TDragState state, bool& accept) {
      overs.push_back({state, {x, y}, src});
      accept = true;
    };
    target->OnDragDrop = [this](TObject*, TObject* src, int x, int y) { drops.push_back({dsDragMove, {x, y}, src}); };
    refuser->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = false; };
    source->OnEndDrag = [this](TObject*, TObject* dropTarget, int x, int y) { ends.push_back({dropTarget, {x, y}}); };
    form->Show();
    Pump();
  }
  TDragBox* Box(TRect Bounds) {
    auto* box = new TDragBox(form);
    box->SetBoundsRect(Bounds);
    box->SetParent(form);
    return box;
  }
  // Screen point of a client point of the form.
  TPoint At(int X, int Y) const { return {100 + X, 100 + Y}; }
  void MoveTo(TPoint P) {
    MouseAt(TMouseInput::Move, P);
    Pump();
  }
  TForm* form = nullptr;
  TDragBox *source = nullptr, *target = nullptr, *refuser = nullptr;
  std::vector<TOver> overs, drops;
  std::vector<std::pair<TObject*, TPoint>> ends;
};

TEST_F(DragDrop, DragToAnotherControlAsksDragOverAndDropsWhereItAccepts) {
  source->SetDragMode(dmAutomatic);
  MoveTo(At(20, 20));
  MouseAt(TMouseInput::Press, At(20, 20));
  Pump();
  EXPECT_TRUE(source->Dragging());
  EXPECT_EQ(GetCursor(), HCURSOR(IDC_NO));  // over the source itself, which has no OnDragOver
  MoveTo(At(160, 30));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crDrag));
  MoveTo(At(170, 40));
  MoveTo(At(170, 160));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  MoveTo(At(200, 60));
  MouseAt(TMouseInput::Release, At(200, 60));
  Pump();
  ASSERT_EQ(overs.size(), 4u);
  EXPECT_EQ(overs[0].State, dsDragEnter);
  EXPECT_EQ(overs[0].At, (TPoint{10, 20}));
  EXPECT_EQ(overs[0].Source, source);
  EXPECT_EQ(overs[1].State, dsDragMove);
  EXPECT_EQ(overs[1].At, (TPoint{20, 30}));
  EXPECT_EQ(overs[2].State, dsDragLeave);
  EXPECT_EQ(overs[3].State, dsDragEnter);
  EXPECT_EQ(overs[3].At, (TPoint{50, 50}));
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0].At, (TPoint{50, 50}));
  EXPECT_EQ(drops[0].Source, source);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0].first, target);
  EXPECT_EQ(ends[0].second, (TPoint{50, 50}));
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(ActiveDragObject(), nullptr);
  EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(DragDrop, ReleaseOverARefusingControlDropsNothing) {
  source->BeginDrag(true);
  MoveTo(At(200, 170));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  MouseAt(TMouseInput::Release, At(200, 170));
  Pump();
  EXPECT_TRUE(drops.empty());
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0].first, nullptr);
}

TEST_F(DragDrop, FreeingTheDraggedControlEndsTheDragAndTheTargetHearsOfIt) {
  source->BeginDrag(true);
  MoveTo(At(160, 30));
  source->Free();
  source = nullptr;
  EXPECT_EQ(ActiveDragObject(), nullptr);
  EXPECT_EQ(target->Cancels, 1);
  EXPECT_EQ(GetCapture(), HWND());
  MouseAt(TMouseInput::Release, At(160, 30));
  Pump();
  EXPECT_TRUE(drops.empty());
  EXPECT_TRUE(ends.empty());
}

TEST_F(DragDrop, ManualDragStartsPastTheThresholdAndEscapeCancelsIt) {
  source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(false, 5); };
  MoveTo(At(20, 20));
  MouseAt(TMouseInput::Press, At(20, 20));
  Pump();
  EXPECT_TRUE(source->Dragging());
  MoveTo(At(25, 25));
  EXPECT_NE(GetCursor(), Screen->Cursors(crNoDrop));  // not started yet
  MoveTo(At(160, 30));
  ASSERT_EQ(overs.size(), 1u);
  KeyDown(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_TRUE(drops.empty());
  EXPECT_EQ(target->Cancels, 1);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0].first, nullptr);
  MouseAt(TMouseInput::Release, At(160, 30));
  Pump();
  EXPECT_TRUE(drops.empty());
}

// A drag object of the source's own: targets see it as the source, it chooses the cursor and hears
// the end; the source's OnEndDrag is its business then.
class TItemDrag : public TDragObject {
 public:
  TCursor GetDragCursor(bool Accepted, int, int) override { return Accepted ? crMultiDrag : crNoDrop; }
  void Finished(TObject* Target, int X, int Y, bool Accepted) override {
    FinishedOn = Target;
    At = {X, Y};
    WasAccepted = Accepted;
  }
  TObject* FinishedOn = nullptr;
  TPoint At;
  bool WasAccepted = false;
};

TEST_F(DragDrop, StartDragMayGiveADragObjectOfItsOwn) {
  TItemDrag item;
  source->OnStartDrag = [&](TObject*, TDragObject*& object) { object = &item; };
  source->BeginDrag(true);
  EXPECT_EQ(ActiveDragObject(), &item);
  MoveTo(At(160, 30));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crMultiDrag));
  MouseAt(TMouseInput::Release, At(160, 30));
  Pump();
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0].Source, &item);
  EXPECT_EQ(item.FinishedOn, target);
  EXPECT_EQ(item.At, (TPoint{10, 20}));
  EXPECT_TRUE(item.WasAccepted);
  EXPECT_TRUE(ends.empty());
}

TEST_F(DragDrop, DragImageFollowsTheMouseInAnOverlay) {
  TImageList images(16, 16);
  TBitmap picture(16, 16);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect(TRect{0, 0, 16, 16});
  images.Add(&picture, nullptr);
  images.SetDragImage(0, 8, 8);
  source->Images = &images;
  source->BeginDrag(true);
  MoveTo(At(160, 30));
  HWND overlay;
  for (HWND top : GetTopLevelWindows())
    if (GetClassName(top) == "QuorinOverlay") overlay = top;
  ASSERT_TRUE(overlay);
  TRect r;
  GetWindowRect(overlay, r);
  EXPECT_EQ(r, Bounds(252, 122, 16, 16));
  EXPECT_EQ(WindowPixel(overlay, 8, 8), TColor(clRed));
  EXPECT_EQ(FindDragTarget(At(160, 30), false), target);  // the image lets the mouse through
  source->EndDrag(false);
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_FALSE(images.Dragging());
}

}  // namespace
