// TList index rules and operations, and TObjectList's ownership of its items.
#include <gtest/gtest.h>

#include <functional>

#include "rtl/Lists.h"

namespace {

void Fill(TList<int>& list, std::initializer_list<int> items) {
  for (int item : items) list.Add(item);
}

std::vector<int> ItemsOf(const TList<int>& list) { return {list.begin(), list.end()}; }

TEST(ListsTest, BadIndexRaisesListErrorWithTheIndex) {
  TList<int> list;
  Fill(list, {10, 20, 30});
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"List index out of bounds (3)", [&] { list.Items(3); }},
      {"List index out of bounds (-1)", [&] { list.Items(-1); }},
      {"List index out of bounds (3)", [&] { list.Delete(3); }},
      {"List index out of bounds (4)", [&] { list.Insert(4, 0); }},
      {"List index out of bounds (5)", [&] { list.Exchange(0, 5); }},
      {"List index out of bounds (3)", [&] { list.Move(0, 3); }},
      {"List index out of bounds (3)", [&] { list.SetItems(3, 1); }},
      {"List count out of bounds (-1)", [&] { list.SetCount(-1); }},
      {"List capacity out of bounds (2)", [&] { list.SetCapacity(2); }},
  };
  for (const auto& [message, operation] : cases) {
    try {
      operation();
      ADD_FAILURE() << "no error for " << message;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
  EXPECT_EQ(ItemsOf(list), (std::vector<int>{10, 20, 30}));

  TList<int> empty;
  EXPECT_THROW(empty.First(), EListError);
  EXPECT_THROW(empty.Last(), EListError);
}

TEST(ListsTest, OperationsKeepTheOrderTheyPromise) {
  struct Case {
    const char* name;
    std::function<void(TList<int>&)> operation;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {"insert at end", [](TList<int>& l) { l.Insert(4, 9); }, {1, 2, 3, 4, 9}},
      {"insert at start", [](TList<int>& l) { l.Insert(0, 9); }, {9, 1, 2, 3, 4}},
      {"move forward", [](TList<int>& l) { l.Move(0, 2); }, {2, 3, 1, 4}},
      {"move backward", [](TList<int>& l) { l.Move(3, 1); }, {1, 4, 2, 3}},
      {"exchange", [](TList<int>& l) { l.Exchange(0, 3); }, {4, 2, 3, 1}},
      {"remove", [](TList<int>& l) { EXPECT_EQ(l.Remove(3), 2); EXPECT_EQ(l.Remove(7), -1); }, {1, 2, 4}},
      {"extract", [](TList<int>& l) { EXPECT_EQ(l.Extract(2), 2); }, {1, 3, 4}},
      {"grow count", [](TList<int>& l) { l.SetCount(6); }, {1, 2, 3, 4, 0, 0}},
      {"shrink count", [](TList<int>& l) { l.SetCount(1); }, {1}},
      {"capacity", [](TList<int>& l) { l.SetCapacity(100); EXPECT_GE(l.Capacity(), 100); l.Add(5); }, {1, 2, 3, 4, 5}},
      {"pack", [](TList<int>& l) { l.SetItems(1, 0); l.Add(0); l.Pack(); }, {1, 3, 4}},
      {"sort descending", [](TList<int>& l) { l.Sort([](int a, int b) { return b - a; }); }, {4, 3, 2, 1}},
  };
  for (const Case& c : cases) {
    TList<int> list;
    Fill(list, {1, 2, 3, 4});
    c.operation(list);
    EXPECT_EQ(ItemsOf(list), c.expected) << c.name;
  }
}

TEST(ListsTest, SortKeepsEqualItemsInTheirOrder) {
  TList<int> list;
  Fill(list, {31, 12, 22, 11, 32, 21});
  list.Sort([](int a, int b) { return a / 10 - b / 10; });  // by the tens only
  EXPECT_EQ(ItemsOf(list), (std::vector<int>{12, 11, 22, 21, 31, 32}));
}

struct Tracked {
  explicit Tracked(int& alive) : Alive(alive) { ++Alive; }
  ~Tracked() { --Alive; }
  int& Alive;
};

TEST(ListsTest, ObjectListFreesWhatItOwnsAndHandsBackWhatIsExtracted) {
  int alive = 0;
  Tracked* kept = nullptr;
  {
    TObjectList<Tracked> list;
    for (int i = 0; i < 4; ++i) list.Add(new Tracked(alive));
    kept = list.Extract(list.Items(0));
    list.Delete(0);
    list.SetItems(0, new Tracked(alive));  // replaces and frees the previous item
    EXPECT_EQ(alive, 3);
    EXPECT_EQ(list.Count(), 2);
  }
  EXPECT_EQ(alive, 1);
  delete kept;

  Tracked shared(alive);
  {
    TObjectList<Tracked> borrowing(false);
    borrowing.Add(&shared);
    borrowing.Clear();
  }
  EXPECT_EQ(alive, 1);
}

}  // namespace
