// MDI forms: the main form's MDI client takes the room its aligned controls leave, child forms
// live in it, the shown one is active, a maximised one fills it, and the next one is active when
// the active one goes.
#include "ControlsTestKit.h"
#include "controls/Panel.h"
#include "windows/Mdi.h"
#include "windows/MessageQueue.h"

namespace {

class MdiForms : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Application->CreateForm(Frame);
    Frame->SetBounds(50, 50, 500, 400);
    Frame->SetFormStyle(fsMDIForm);
    auto* top = new TPanel(Frame);
    top->SetAlign(alTop);
    top->SetHeight(30);
    top->SetParent(Frame);
    Frame->Show();
    Pump();
  }
  TForm* Child(const String& Name) {
    auto* child = TCustomForm::Create<TForm>(Application);
    child->SetName(Name);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 200, 150);
    child->Show();
    Pump();
    return child;
  }
  HWND Active(bool* Maximised = nullptr) const {
    return HWND::FromParam(SendMessage(Frame->ClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(Maximised)));
  }
  TForm* Frame = nullptr;
};

TEST_F(MdiForms, ChildFormsLiveInTheClientBelowTheAlignedControls) {
  ASSERT_TRUE(Frame->ClientHandle());
  TRect client;
  GetWindowRect(Frame->ClientHandle(), client);
  EXPECT_EQ(client.Top, Frame->ClientToScreen(TPoint{0, 30}).Y);
  EXPECT_EQ(client.Width(), Frame->ClientWidth());
  TForm* first = Child("First");
  TForm* second = Child("Second");
  EXPECT_EQ(GetParent(first->Handle()), Frame->ClientHandle());
  EXPECT_TRUE(IsMDIChild(second->Handle()));
  EXPECT_EQ(Active(), second->Handle());
  second->SetWindowState(wsMaximized);
  bool maximised = false;
  EXPECT_EQ(Active(&maximised), second->Handle());
  EXPECT_TRUE(maximised);
  EXPECT_EQ(second->ClientWidth(), client.Width());
  EXPECT_EQ(second->ClientToScreen(TPoint{0, 0}), client.TopLeft());
  second->Free();
  EXPECT_EQ(Active(), first->Handle());
  first->Free();
  EXPECT_EQ(Active(), HWND());
}

TEST_F(MdiForms, AChildNeedsAnMdiMainForm) {
  Frame->SetFormStyle(fsNormal);
  EXPECT_EQ(Frame->ClientHandle(), HWND());
  auto* child = TCustomForm::Create<TForm>(Application);
  child->SetFormStyle(fsMDIChild);
  EXPECT_THROW(child->HandleNeeded(), EInvalidOperation);
  child->Free();
}

}  // namespace
