// The editor and its host: showing and hiding over a cell, undo, validation, the keys and
// characters the editor hands its host, the wheel, and the host's scroll-bar mode.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "controls/DragDrop.h"
#include "windows/Focus.h"
#include "graphics/Metrics.h"
#include "windows/NonClient.h"
#include "windows/Scrolling.h"
#include "windows/Timers.h"
#include "windows/Window.h"

namespace {

using HostContractTest = TEditorsTest;

TEST_F(HostContractTest, ShowEditPlacesTheEditorOverTheCellAndFocusesItWhileTheHostStaysTheFormsControl) {
  TTestTextEdit* edit = StartTextEdit({20, 20, 100, 40});
  EXPECT_EQ(edit->BoundsRect(), (TRect{18, 18, 102, 42}));
  EXPECT_TRUE(IsWindowVisible(edit->Handle()));
  EXPECT_TRUE(edit->Shown());
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_EQ(Form->ActiveControl(), Host);
  EXPECT_GE(Host->FocusNotifies, 1);
  EXPECT_EQ(edit->AfterShowCount, 1);

  // Losing the focus tells the host, unless the focus goes to the host itself.
  TTestBox* other = AddBox("other");
  const int notified = Host->FocusNotifies;
  ::SetFocus(Host->Handle());
  EXPECT_EQ(Host->FocusNotifies, notified);
  ::SetFocus(edit->Handle());
  ::SetFocus(other->Handle());
  EXPECT_EQ(Host->FocusNotifies, notified + 2);
}

TEST_F(HostContractTest, AfterShowEditRunsOnlyWhenNewlyShownAndNotUnderTheShowLock) {
  TTestTextEdit* edit = StartTextEdit();
  edit->ShowEdit({20, 50, 100, 70});
  EXPECT_EQ(edit->AfterShowCount, 1) << "shown again while shown";
  Host->PostEdit();
  Host->StartEdit({20, 20, 100, 40}, "x", /*UserAsked=*/false);
  EXPECT_TRUE(edit->Shown());
  EXPECT_EQ(edit->AfterShowCount, 1) << "placed under the show lock";
}

TEST_F(HostContractTest, AnEmptyRectangleShowsNothing) {
  Host->EditorClass = &TestTextEditClass();
  Host->StartEdit({30, 30, 30, 50}, "x");
  EXPECT_FALSE(Host->Editor->Shown());
  EXPECT_FALSE(Host->Editor->HandleAllocated() && IsWindowVisible(Host->Editor->Handle()));
}

TEST_F(HostContractTest, HideCollapsesTheWindowAndInvalidatesTheHostAreaItCovered) {
  TTestTextEdit* edit = StartTextEdit({20, 20, 100, 40});
  ValidateRect(Host->Handle(), nullptr);
  edit->Hide();
  EXPECT_FALSE(edit->Shown());
  EXPECT_FALSE(IsWindowVisible(edit->Handle()));
  EXPECT_EQ(edit->BoundsRect(), (TRect{0, 0, 0, 0}));
  TRect update;
  ASSERT_TRUE(GetUpdateRect(Host->Handle(), &update, false));
  EXPECT_EQ(update, (TRect{18, 18, 102, 42}));
}

TEST_F(HostContractTest, EscapeRestoresTheTextAndModifiedStateOfWhenEditingBegan) {
  Host->CanModifyAnswer = true;
  TTestTextEdit* edit = StartTextEdit({20, 20, 100, 40}, "abc");
  edit->SetEditText("abcd");
  ASSERT_TRUE(edit->GetModified());
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_FALSE(edit->GetModified());
  EXPECT_EQ(Host->HostKeys, std::vector<WORD>{VK_ESCAPE});

  edit->SetEditing(true);  // unmodified now: Escape changes nothing
  edit->SetText("zz");
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(edit->Text(), "zz");
}

TEST_F(HostContractTest, ARefusedValueBeepsRaisesTheStandardTextAndKeepsTheEditorOpen) {
  Host->CanModifyAnswer = true;
  TTestTextEdit* edit = StartTextEdit();
  edit->OnValidate = [](TObject*, String&, bool& Accept) { Accept = false; };
  edit->SetEditText("bad");
  try {
    Host->PostEdit();
    FAIL() << "the value was posted";
  } catch (const EdxEditInvalidInput& e) {
    EXPECT_EQ(e.Message(), "Invalid input value. Use escape key to abandon changes");
  }
  EXPECT_EQ(Beeps(), 1);
  EXPECT_TRUE(edit->Shown());
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_TRUE(Host->Posted.empty());
}

TEST_F(HostContractTest, AnUnmodifiedOrLockedValueIsNotValidated) {
  TTestTextEdit* edit = StartTextEdit();
  int asked = 0;
  edit->OnValidate = [&](TObject*, String&, bool& Accept) { ++asked, Accept = false; };
  EXPECT_NO_THROW(edit->ValidateEdit());
  edit->SetModified(true);
  edit->IncValidateLock();
  EXPECT_NO_THROW(edit->ValidateEdit());
  edit->DecValidateLock();
  EXPECT_THROW(edit->ValidateEdit(), EdxEditInvalidInput);
  EXPECT_EQ(asked, 1);
}

TEST_F(HostContractTest, DownWithAnInvalidValueRaisesBeforeTheHostMoves) {
  Host->CanModifyAnswer = true;
  TTestTextEdit* edit = StartTextEdit();
  edit->OnValidate = [](TObject*, String& ErrorText, bool& Accept) {
    ErrorText = "成绩必须是数字。";
    Accept = false;
  };
  edit->SetEditText("x");
  PressKey(VK_DOWN);
  Pump();
  EXPECT_TRUE(Host->HostKeys.empty());
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "成绩必须是数字。");
}

TEST_F(HostContractTest, KeysThatMoveBetweenCellsGoToTheHostAndOthersToItsKeyEventFirst) {
  struct TCase {
    int Key;
    TShiftState Shift;
    bool ToHost;
  };
  const TCase cases[] = {
      {VK_UP, 0, true},     {VK_DOWN, 0, true},   {VK_RETURN, 0, true},        {VK_PRIOR, 0, true},
      {VK_NEXT, 0, true},   {VK_TAB, 0, true},    {VK_INSERT, 0, true},        {VK_LEFT, 0, false},
      {'A', 0, false},      {VK_F5, 0, false},    {VK_INSERT, ssCtrl, false},
  };
  Host->TabsNavigationAnswer = true;
  TTestTextEdit* edit = StartTextEdit();
  std::vector<WORD> ownKeys;
  edit->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
    if (!TTestEditorHost::IsModifier(Key)) ownKeys.push_back(Key);
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Key);
    Host->HostKeys.clear(), Host->EventKeys.clear(), ownKeys.clear();
    PressKey(c.Key, c.Shift);
    Pump();
    EXPECT_EQ(Host->HostKeys, c.ToHost ? std::vector<WORD>{WORD(c.Key)} : std::vector<WORD>{});
    EXPECT_EQ(Host->EventKeys, c.ToHost ? std::vector<WORD>{} : std::vector<WORD>{WORD(c.Key)});
    EXPECT_EQ(ownKeys, c.ToHost ? std::vector<WORD>{} : std::vector<WORD>{WORD(c.Key)});
  }
}

TEST_F(HostContractTest, F2GoesToTheHostsKeyEventOnlyAndRefusedDeletionsAreSwallowed) {
  TTestTextEdit* edit = StartTextEdit();
  std::vector<WORD> ownKeys;
  edit->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
    if (!TTestEditorHost::IsModifier(Key)) ownKeys.push_back(Key);
  };
  PressKey(VK_F2);
  Pump();
  PressKey(VK_DELETE);
  Pump();
  PressKey(VK_INSERT, ssShift);
  Pump();
  EXPECT_EQ(Host->EventKeys, std::vector<WORD>{VK_F2});
  EXPECT_TRUE(ownKeys.empty());
  Host->CanModifyAnswer = true;
  PressKey(VK_DELETE);
  Pump();
  EXPECT_EQ(ownKeys, std::vector<WORD>{VK_DELETE});
}

TEST_F(HostContractTest, ABaseHostRefusesEveryTypedCharacterWithABeepAndEveryModification) {
  Host->EditorClass = &InplaceEditClass();
  Host->StartEdit({20, 20, 100, 40}, "abc");
  Pump();
  TdxInplaceEdit* edit = Host->Editor;
  std::vector<TKeyChar> typed;
  edit->OnKeyPress = [&](TObject*, TKeyChar& Key) { typed.push_back(Key); };
  TypeText("a");
  Pump();
  PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(Beeps(), 1) << "control characters pass without asking";
  EXPECT_EQ(typed, std::vector<TKeyChar>{8});
  EXPECT_EQ(Host->Chars, (std::vector<TKeyChar>{'a', 8})) << "the host hears every character first";
  EXPECT_FALSE(edit->CanModify());
  edit->SetEditText("changed");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_FALSE(edit->GetModified()) << "a refused text is no modification";
}

TEST_F(HostContractTest, AReadOnlyTextEditorDropsEveryPrintableCharacterAndHandsTabToNoOne) {
  Host->ValidCharAnswer = true;
  TTestTextEdit* edit = StartTextEdit();
  std::vector<TKeyChar> typed;
  edit->OnKeyPress = [&](TObject*, TKeyChar& Key) { typed.push_back(Key); };
  TypeText("a中");
  Pump();
  EXPECT_TRUE(typed.empty());
  Host->CanModifyAnswer = true;
  TypeText("a中");
  Pump();
  EXPECT_EQ(typed, (std::vector<TKeyChar>{'a', U'中'}));
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(HostContractTest, TheHostsReadOnlyAnswerMakesTheEditorReadOnlyAsAssigned) {
  Host->ReadOnlyAnswer = true;
  TTestTextEdit* edit = StartTextEdit();
  EXPECT_TRUE(edit->ReadOnly());
  EXPECT_TRUE(edit->StoredValues() & svReadOnly);
  Host->CanModifyAnswer = true;
  EXPECT_FALSE(edit->CanModify());
}

TEST_F(HostContractTest, PostingHandsTheModifiedValueToTheHostAndGivesItTheFocusBack) {
  Host->CanModifyAnswer = true;
  TTestTextEdit* edit = StartTextEdit({20, 20, 100, 40}, "12");
  edit->SetEditText("15");
  Host->PostEdit();
  ASSERT_EQ(Host->Posted.size(), 1u);
  EXPECT_EQ(VarToStr(Host->Posted[0]), "15");
  EXPECT_TRUE(edit->HidingForPost());
  EXPECT_EQ(GetFocus(), Host->Handle());
}

struct TWheelLines : TFixedDesktop {
  explicit TWheelLines(int Lines) : TFixedDesktop({0, 0, 1024, 768}, {0, 0, 1024, 740}), FLines(Lines) {}
  int WheelScrollLines() const override { return FLines; }
  int FLines;
};

TEST_F(HostContractTest, TheWheelScrollsTheHostByTheSystemsLinesWhereverItTurns) {
  struct TCase {
    int Lines;
    int Delta;
    std::vector<int> Scrolls;
  };
  const TCase cases[] = {
      {3, -120, {SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}},
      {3, 120, {SB_LINEUP, SB_LINEUP, SB_LINEUP}},
      {0, -120, {}},
  };
  for (const TCase& c : cases) {
    auto saved = SetDesktop(std::make_unique<TWheelLines>(c.Lines));
    Host->VScrolls.clear();
    Wheel(Host, {150, 90}, c.Delta);
    Pump();
    EXPECT_EQ(Host->VScrolls, c.Scrolls) << c.Lines << " lines, delta " << c.Delta;
    SetDesktop(std::move(saved));
  }
  // Over the editor the host scrolls once per notch and its mode is cancelled first.
  TTestTextEdit* edit = StartTextEdit();
  Host->VScrolls.clear();
  Wheel(edit, {10, 5}, -120);
  Pump();
  EXPECT_EQ(Host->VScrolls, (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}));
  EXPECT_EQ(Host->CancelModes, 1);
}

TEST_F(HostContractTest, ChangingTheScrollBarModeMakesTheWindowAgainAndTheSameModeDoesNothing) {
  const HWND before = Host->Handle();
  Host->SetScrollBarMode(0);
  EXPECT_EQ(Host->Handle(), before);
  Host->SetScrollBarMode(2);
  EXPECT_NE(Host->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(Host->ScrollBarMode(), 2);
}

TEST_F(HostContractTest, ASecondPressOnAnImmediateEditorWithinTheDoubleClickTimeIsADoubleClick) {
  Host->ImmediateAnswer = true;
  Host->EditorClass = &TestTextEditClass();
  Host->PressCell = {20, 20, 100, 40};
  Click(Host, {30, 30});
  Pump();
  auto* edit = static_cast<TTestTextEdit*>(Host->Editor);
  ASSERT_TRUE(edit && edit->Shown());
  EXPECT_NE(edit->ClickTime(), 0u);
  Advance(GetDoubleClickTime() / 2);
  Click(edit, {10, 5});
  Pump();
  EXPECT_EQ(Host->DblClicks, 1);
  EXPECT_EQ(edit->ClickTime(), 0u);

  edit->SetClickTime(GetTickCount());
  Advance(GetDoubleClickTime() + 10);
  Click(edit, {10, 5});
  Pump();
  EXPECT_EQ(Host->DblClicks, 1);

  Host->ImmediateAnswer = false;
  Advance(GetDoubleClickTime() + 10);
  edit->SetClickTime(GetTickCount());
  Click(edit, {10, 5});
  Pump();
  EXPECT_EQ(Host->DblClicks, 1);
  EXPECT_NE(edit->ClickTime(), 0u) << "kept when the host has no immediate editors";
}

TEST_F(HostContractTest, HostQuestionsReachTheEditor) {
  TTestTextEdit* edit = StartTextEdit();
  EXPECT_FALSE(edit->IsShowButtonAlways());
  Host->ShowButtonAlwaysAnswer = true;
  EXPECT_TRUE(edit->IsShowButtonAlways());
  edit->FocusAdjacentCell(true);
  EXPECT_EQ(Host->AdjacentMoves, std::vector<bool>{true});
  EXPECT_EQ(edit->Perform(WM_GETDLGCODE) & (DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTTAB),
            DLGC_WANTALLKEYS | DLGC_WANTCHARS);
  Host->TabsNavigationAnswer = true;
  EXPECT_TRUE(edit->Perform(WM_GETDLGCODE) & DLGC_WANTTAB);
  Host->IgnoreKeysAnswer = true;
  PressKey(VK_DOWN);
  Pump();
  EXPECT_TRUE(Host->HostKeys.empty());
}

TEST_F(HostContractTest, AStandAloneEditorValidatesWhenTheFocusLeavesAndKeepsItWhenRefused) {
  TdxInplaceEdit* edit = StandAloneTestEditClass().CreateEditor(Form);
  edit->SetBounds(120, 150, 121, 24);
  edit->SetParent(Form);
  edit->SetTabOrder(0);
  edit->SetText("2003-5-1");
  Pump();
  edit->SetFocus();
  Pump();
  ASSERT_EQ(GetFocus(), edit->Handle());
  edit->OnValidate = [](TObject*, String& ErrorText, bool& Accept) {
    ErrorText = "输入的日期错误。";
    Accept = false;
  };
  edit->SetEditText("2003-13-1");
  PressKey(VK_TAB);
  Pump();
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "输入的日期错误。");
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_EQ(Form->ActiveControl(), edit);

  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(edit->Text(), "2003-5-1") << "Escape gives back the text of when the editor was entered";
  PressKey(VK_TAB);
  Pump();
  EXPECT_EQ(GetFocus(), Host->Handle()) << "the next control in tab order";
  EXPECT_EQ(MessageBoxes().Shown.size(), 1u);
}

TEST_F(HostContractTest, EditorsAreMadeInPlaceOrStandAlone) {
  TdxInplaceEdit* standAlone = StandAloneTestEditClass().CreateEditor(Form);
  EXPECT_EQ(standAlone->Width(), 121);
  EXPECT_EQ(standAlone->Height(), 24);
  EXPECT_TRUE(standAlone->TabStop());
  EXPECT_EQ(standAlone->GetContainer(), nullptr);
  TdxInplaceEdit* inPlace = TestTextEditClass().CreateEditor(Host);
  EXPECT_FALSE(inPlace->TabStop());
  EXPECT_EQ(inPlace->GetContainer(), Host);
  EXPECT_FALSE(inPlace->AutoSize());
  EXPECT_TRUE(standAlone->AutoSize());

  // On a form the stand-alone editor fits its height to its font; its region leaves out what lies
  // outside a single border.
  standAlone->SetParent(Form);
  standAlone->Style()->SetBorderStyle(xbsSingle);
  Pump();
  const int content = StandAloneTestEditClass().GetEditHeight(*standAlone->CreateViewData(false));
  EXPECT_EQ(standAlone->Height(), content + 4);
  EXPECT_EQ(standAlone->Width(), 121);
  TRegion region;
  ASSERT_NE(GetWindowRgn(standAlone->Handle(), region), RGN_ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, 1, 1));

  // A scroll bar lies inside the border, taking its width from the client area.
  const int clientWidth = standAlone->ClientWidth();
  ShowScrollBar(standAlone->Handle(), SB_VERT, true);
  EXPECT_EQ(standAlone->ClientWidth(), clientWidth - GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace
