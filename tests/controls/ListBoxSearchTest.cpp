// The list box's search by the beginning of an item's text: after a given item and round to the
// start, in any letter case, and a search that finds nothing.
#include "StdControlsKit.h"
#include "controls/ListBox.h"

namespace {

using ListBoxSearch = TStdControlsTest;

TEST_F(ListBoxSearch, SelectStringFindsTheNextItemBeginningWithAPrefix) {
  auto* box = Add<TListBox>("lbItems", Bounds(10, 10, 150, 120));
  for (const char* item : {"Apple", "apricot", "Banana", "Äpfel", "长跑", "长跳"}) box->Items()->Add(item);
  struct TCase {
    int StartAfter;
    const char* Prefix;
    int Found;
  };
  const TCase cases[] = {{-1, "ap", 0}, {0, "AP", 1}, {1, "ap", 0}, {-1, "b", 2}, {-1, "äp", 3}, {4, "长", 5}, {-1, "", 0}};
  for (const TCase& c : cases) {
    EXPECT_EQ(box->SelectString(c.StartAfter, c.Prefix), c.Found) << c.StartAfter << c.Prefix;
    EXPECT_EQ(box->ItemIndex(), c.Found) << c.StartAfter << c.Prefix;
  }
  EXPECT_EQ(box->SelectString(-1, "cherry"), -1);
  EXPECT_EQ(box->ItemIndex(), 0) << "nothing found: the selection stays";
  box->Items()->Clear();
  EXPECT_EQ(box->SelectString(-1, "a"), -1);
}

}  // namespace
