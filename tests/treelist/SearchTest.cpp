// Incremental search: the walk's modes, wrapping and stopping, with and without the collapsed
// nodes; the search step's text rules; the search ending when the focus moves otherwise.
#include "support/TreeListFixture.h"

namespace {

class SearchTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    AddColumn("Name");
    Build("Anna\nBob\n  Bert\nBella\nCarl");
  }
};

TEST_F(SearchTest, TheWalkWrapsOnceAndStops) {
  struct TCase {
    const char* Focused;
    const char* Text;
    int Mode;
    bool AllNodes;
    const char* Found;
  };
  const TCase cases[] = {
      {"Anna", "b", 0, true, "Bob"},     {"Bob", "b", 0, true, "Bob"},     {"Bob", "b", 2, true, "Bert"},
      {"Bob", "b", 2, false, "Bella"},   {"Bella", "b", 1, true, "Bert"},  {"Anna", "b", 1, false, "Bella"},
      {"Carl", "z", 2, true, "-"},       {"Carl", "z", 1, false, "-"},     {"Bella", "", 0, true, "Bella"},
      {"Anna", "annabelle", 0, true, "-"}, {"Carl", "BE", 2, false, "Bella"}, {"Carl", "c", 2, true, "-"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Focused) + " '" + c.Text + "' " + std::to_string(c.Mode));
    List->SetAutoExpandOnSearch(c.AllNodes);
    N(c.Focused)->SetFocused(true);
    TdxTreeListNode* found = nullptr;
    const bool ok = List->SearchText(0, c.Text, found, c.Mode);
    EXPECT_EQ(ok ? found->Strings(0) : "-", c.Found);
  }
}

TEST_F(SearchTest, AStepKeepsOnlyMatchingText) {
  N("Anna")->SetFocused(true);
  EXPECT_FALSE(List->StartSearch(-1, "q")) << "a start that matches nothing clears the text";
  EXPECT_EQ(List->SearchString(), "");
  EXPECT_TRUE(List->StartSearch(-1, "Be"));
  EXPECT_EQ(List->FocusedNode(), N("Bert")) << "found inside a collapsed node, which opens";
  EXPECT_TRUE(N("Bob")->Expanded());
  String text = "Bex";
  List->DoSearch(text, 0, false);
  EXPECT_EQ(text, "Be") << "an unmatched character is dropped";
  EXPECT_EQ(List->FocusedNode(), N("Bert"));
  String longer = "Bertrand";
  List->DoSearch(longer, 2, false);
  EXPECT_EQ(longer, "Bertrand") << "modes 1 and 2 keep the text";
  EXPECT_TRUE(List->Searching());
}

TEST_F(SearchTest, MovingTheFocusOtherwiseEndsTheSearch) {
  N("Anna")->SetFocused(true);
  EXPECT_TRUE(List->StartSearch(0, "c"));
  EXPECT_EQ(List->FocusedNode(), N("Carl"));
  EXPECT_TRUE(List->Searching()) << "the search's own move keeps it";
  N("Anna")->SetFocused(true);
  EXPECT_FALSE(List->Searching());
}

TEST_F(SearchTest, ASearchSelectsTheFoundNodeAlone) {
  List->SetOptions(List->GetOptions() | tloMultiSelect | tloExtMultiSelect);
  N("Anna")->SetFocused(true);
  N("Anna")->SetSelected(true);
  N("Bob")->SetSelected(true);
  List->StartSearch(0, "car");
  ASSERT_EQ(List->Selected.size(), 1u);
  EXPECT_EQ(List->Selected[0], N("Carl"));
}

}  // namespace
