// String lists: sorting and duplicates, text and comma-text forms, name=value lines, objects and
// their ownership, change events, assignment and streaming.
#include <gtest/gtest.h>

#include "rtl/StringList.h"
#include "rtl/Streams.h"
#include "support/TempDir.h"

namespace {

std::vector<String> LinesOf(const TStrings& list) {
  std::vector<String> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

void SetLines(TStrings& list, const std::vector<String>& lines) {
  list.Clear();
  for (const String& line : lines) list.Add(line);
}

struct Tracked : TObject {
  explicit Tracked(int& alive) : Alive(alive) { ++Alive; }
  ~Tracked() override { --Alive; }
  int& Alive;
};

TEST(StringListTest, SortedListAppliesItsDuplicatesRule) {
  struct Case {
    TDuplicates duplicates;
    std::vector<String> expected;
    std::vector<int> answers;  // what each Add answered; -1 where it raised
  };
  const std::vector<Case> cases = {
      {dupIgnore, {"a", "b", "c"}, {0, 0, 1, 2, 0}},
      {dupAccept, {"a", "a", "b", "B", "c"}, {0, 0, 2, 3, 1}},
      {dupError, {"a", "b", "c"}, {0, 0, -1, 2, -1}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.duplicates);
    std::vector<int> answers;
    for (const String s : {"b", "a", "B", "c", "a"}) {
      try {
        answers.push_back(list.Add(s));
      } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
        answers.push_back(-1);
      }
    }
    EXPECT_EQ(LinesOf(list), c.expected) << c.duplicates;
    EXPECT_EQ(answers, c.answers) << c.duplicates;
  }
}

TEST(StringListTest, AcceptedDuplicateIsFoundAfterTheFirstOne) {
  int alive = 0;
  TStringList list(true);
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  auto* first = new Tracked(alive);
  list.AddObject("001", first);
  list.AddObject("002", new Tracked(alive));
  list.AddObject("001", new Tracked(alive));
  EXPECT_EQ(list.Objects(list.IndexOf("001")), first);
  int index = -1;
  EXPECT_TRUE(list.Find("002", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("0015", index));
  EXPECT_EQ(index, 2);
}

TEST(StringListTest, CaseSensitivityDecidesSearchAndOrder) {
  TStringList list;
  SetLines(list, {"b", "B", "a", "A"});
  EXPECT_EQ(list.IndexOf("A"), 2);  // case-insensitive by default: "a" comes first
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("A"), 3);
  list.SetSorted(true);
  EXPECT_EQ(LinesOf(list), (std::vector<String>{"A", "B", "a", "b"}));
  list.SetCaseSensitive(false);  // re-sorts, so binary search still works
  EXPECT_EQ(list.IndexOf("b"), list.IndexOf("B"));
  EXPECT_GE(list.IndexOf("b"), 2);
}

TEST(StringListTest, SortedListRefusesPositionalChanges) {
  TStringList list;
  SetLines(list, {"c", "a", "b"});
  list.SetSorted(true);
  EXPECT_EQ(LinesOf(list), (std::vector<String>{"a", "b", "c"}));
  EXPECT_THROW(list.Insert(0, "z"), EListError);
  EXPECT_THROW(list.Move(0, 2), EListError);
  EXPECT_THROW(list.SetStrings(0, "z"), EListError);
  list.SetSorted(false);
  list.Insert(0, "z");
  EXPECT_EQ(LinesOf(list), (std::vector<String>{"z", "a", "b", "c"}));
}

TEST(StringListTest, CustomSortIsStableAndLeavesSortedListsAlone) {
  TStringList list;
  SetLines(list, {"b2", "a1", "b1", "a2"});
  list.CustomSort([](TStringList* l, int x, int y) { return int(l->Strings(x)[0]) - int(l->Strings(y)[0]); });
  EXPECT_EQ(LinesOf(list), (std::vector<String>{"a1", "a2", "b2", "b1"}));
}

TEST(StringListTest, TextSplitsAtEveryLineBreakAndEndsEachLineWithCrLf) {
  struct Case {
    String text;
    std::vector<String> lines;
    String written;
  };
  const std::vector<Case> cases = {
      {"", {}, ""},
      {"a", {"a"}, "a\r\n"},
      {"a\r\nb\r\n", {"a", "b"}, "a\r\nb\r\n"},
      {"a\rb\nc\r\n\r\nd", {"a", "b", "c", "", "d"}, "a\r\nb\r\nc\r\n\r\nd\r\n"},
      {"\r\n", {""}, "\r\n"},
      {"\n\r", {"", ""}, "\r\n\r\n"},
      {"体育\n成绩", {"体育", "成绩"}, "体育\r\n成绩\r\n"},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(LinesOf(list), c.lines) << c.text;
    EXPECT_EQ(list.Text(), c.written) << c.text;
  }
}

TEST(StringListTest, CommaTextQuotesWhatItMustAndRoundTrips) {
  struct Case {
    std::vector<String> lines;
    String text;
  };
  const std::vector<Case> cases = {
      {{}, ""},
      {{""}, "\"\""},
      {{"a", "b"}, "a,b"},
      {{"a", "", "b"}, "a,,b"},
      {{"a", ""}, "a,"},
      {{"", "a"}, ",a"},
      {{"b c", "d\"e", "x,y"}, "\"b c\",\"d\"\"e\",\"x,y\""},
      {{"line\r\nbreak", "高一(1)班"}, "\"line\r\nbreak\",高一(1)班"},
  };
  for (const Case& c : cases) {
    TStringList list;
    SetLines(list, c.lines);
    EXPECT_EQ(list.CommaText(), c.text);
    TStringList back;
    back.SetCommaText(c.text);
    EXPECT_EQ(LinesOf(back), c.lines) << c.text;
  }
}

TEST(StringListTest, CommaTextReadsBlanksAsSeparatorsOutsideQuotes) {
  const std::vector<std::pair<String, std::vector<String>>> cases = {
      {"a b,c", {"a", "b", "c"}},
      {"  a , b  ", {"a", "b"}},
      {"\"x, y\" z", {"x, y", "z"}},
      {"\"open", {"open"}},
      {"a, ", {"a"}},
  };
  for (const auto& [text, lines] : cases) {
    TStringList list;
    list.SetCommaText(text);
    EXPECT_EQ(LinesOf(list), lines) << text;
  }
}

TEST(StringListTest, DelimitedTextUsesTheListsDelimiterAndQuote) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  SetLines(list, {"1", "A;B", "it's", "x,y"});
  EXPECT_EQ(list.DelimitedText(), "1;'A;B';'it''s';x,y");
  TStringList back;
  back.SetDelimiter(';');
  back.SetQuoteChar('\'');
  back.SetDelimitedText(list.DelimitedText());
  EXPECT_EQ(LinesOf(back), LinesOf(list));
}

TEST(StringListTest, NamesAndValues) {
  TStringList list;
  SetLines(list, {"a=1", "B=2=3", "plain"});
  EXPECT_EQ(list.Names(0), "a");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.Values("b"), "2=3");
  EXPECT_EQ(list.Values("plain"), "");
  EXPECT_EQ(list.IndexOfName("B"), 1);
  EXPECT_EQ(list.IndexOfName("plain"), -1);
  list.SetValues("a", "");
  list.SetValues("c", "4");
  list.SetValues("b", "5");
  EXPECT_EQ(LinesOf(list), (std::vector<String>{"b=5", "plain", "c=4"}));
}

TEST(StringListTest, OwningListFreesObjectsItDeletesOrRefuses) {
  int alive = 0;
  Tracked* handedBack = nullptr;
  {
    TStringList list(true);
    list.AddObject("a", new Tracked(alive));
    list.AddObject("b", new Tracked(alive));
    list.AddObject("c", new Tracked(alive));
    list.AddObject("d", new Tracked(alive));
    list.Move(0, 3);  // moving must not free the object that travels
    list.Exchange(0, 1);
    EXPECT_EQ(alive, 4);
    list.Delete(0);
    EXPECT_EQ(alive, 3);
    handedBack = static_cast<Tracked*>(list.Objects(0));
    list.SetObjects(0, nullptr);
    list.Delete(0);
    EXPECT_EQ(alive, 3);

    list.SetSorted(true);
    list.AddObject("a", new Tracked(alive));  // "a" is there: ignored, and its object freed
    EXPECT_THROW(list.InsertObject(0, "z", new Tracked(alive)), EListError);
    EXPECT_EQ(alive, 3);
  }
  EXPECT_EQ(alive, 1);
  delete handedBack;

  Tracked outside(alive);
  TStringList borrowed;
  borrowed.AddObject("x", &outside);
  TStringList owning(true);
  EXPECT_THROW(owning.Assign(&borrowed), EListError);
  borrowed.Clear();
  EXPECT_EQ(alive, 1);
}

TEST(StringListTest, ChangeEventsFireOncePerChangeOrUpdate) {
  TStringList list;
  std::vector<String> events;
  list.OnChanging = [&](TObject* sender) { events.push_back(sender == &list ? "changing" : "?"); };
  list.OnChange = [&](TObject*) { events.push_back("change:" + std::to_string(list.Count())); };
  list.Add("a");
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  list.Add("d");
  list.EndUpdate();
  list.SetText("x\ny");
  EXPECT_EQ(events, (std::vector<String>{"changing", "change:1", "changing", "change:4", "changing", "change:2"}));
}

TEST(StringListTest, AssignCopiesLinesAndObjects) {
  TStringList source;
  TObject marker;
  source.AddObject("一", &marker);
  source.Add("二");
  TStringList copy;
  copy.Add("old");
  copy.Assign(&source);
  EXPECT_EQ(LinesOf(copy), (std::vector<String>{"一", "二"}));
  EXPECT_EQ(copy.Objects(0), &marker);
  EXPECT_EQ(copy.IndexOfObject(&marker), 0);
  copy.Assign(&copy);
  EXPECT_EQ(copy.Count(), 2);

  TPersistent other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(StringListTest, StreamsAndFilesCarryUtf8Text) {
  TempDir dir;
  TStringList list;
  SetLines(list, {"体育老师", "", "x=1"});
  list.SaveToFile(dir.File("lines.txt"));
  TStringList back;
  back.LoadFromFile(dir.File("lines.txt"));
  EXPECT_EQ(LinesOf(back), LinesOf(list));

  TMemoryStream stream;
  const String content = "skip|\xEF\xBB\xBFone\r\ntwo";
  stream.WriteBuffer(content.data(), int(content.size()));
  stream.SetPosition(5);
  back.LoadFromStream(stream);
  EXPECT_EQ(LinesOf(back), (std::vector<String>{"one", "two"}));

  EXPECT_THROW(back.LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

// A list over lines stored elsewhere, as list boxes and memos provide: only the primitives.
class VectorStrings : public TStrings {
 public:
  void Insert(int index, const String& s) override { Lines.insert(Lines.begin() + index, s); }
  void Delete(int index) override { Lines.erase(Lines.begin() + index); }
  void Clear() override { Lines.clear(); }
  std::vector<String> Lines;

 protected:
  String Get(int index) const override { return Lines.at(size_t(index)); }
  int GetCount() const override { return int(Lines.size()); }
};

TEST(StringListTest, BaseOperationsWorkThroughAListsPrimitives) {
  VectorStrings lines;
  lines.SetCommaText("c,a,b");
  lines.Move(0, 2);
  lines.Exchange(0, 1);
  lines.SetStrings(2, "C");
  EXPECT_EQ(lines.Lines, (std::vector<String>{"b", "a", "C"}));
  EXPECT_EQ(lines.IndexOf("c"), 2);
  EXPECT_EQ(lines.Text(), "b\r\na\r\nC\r\n");
  TStringList copy;
  copy.Assign(&lines);
  EXPECT_EQ(LinesOf(copy), lines.Lines);
}

}  // namespace
