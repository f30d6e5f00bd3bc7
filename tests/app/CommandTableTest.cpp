// The table of the main window's commands in app/README.md against the main window's stored
// layout: every menu and toolbar item there with its caption, action and handler, and only
// handlers that the layout binds.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "classes/LayoutText.h"
#include "classes/Layouts.h"

namespace {

struct TCommandRow {
  String Caption, Action, Handler;
  bool operator==(const TCommandRow&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TCommandRow& Row) {
  return Out << Row.Caption << " | " << Row.Action << " | " << Row.Handler;
}

const TLayoutProperty* FindProperty(const TLayoutObject& Object, const String& Name) {
  for (const auto& property : Object.Properties)
    if (property.Name == Name) return &property;
  return nullptr;
}

String PropertyText(const TLayoutObject& Object, const String& Name) {
  const TLayoutProperty* property = FindProperty(Object, Name);
  return property ? property->Value.Text : "—";
}

// The layout's objects by name, and every handler its events name.
struct TMainLayout {
  std::map<String, const TLayoutObject*> Objects;
  std::set<String> Handlers;

  explicit TMainLayout(const TLayoutObject& Root) { Add(Root); }
  void Add(const TLayoutObject& Object) {
    Objects[Object.Name] = &Object;
    for (const auto& property : Object.Properties)
      if (property.Name.starts_with("On")) Handlers.insert(property.Value.Text);
    for (const auto& child : Object.Children) Add(child);
  }
  // A bar item's row: a button shows its action's caption and runs its action's handler unless
  // it has a caption and a click handler of its own; a sub-menu runs nothing.
  TCommandRow Row(const TLayoutObject& Item) const {
    if (Item.ClassName == "TdxBarSubItem") return {PropertyText(Item, "Caption"), "—", "—"};
    const String action = PropertyText(Item, "Action");
    if (action == "—") return {PropertyText(Item, "Caption"), "—", PropertyText(Item, "OnClick")};
    const TLayoutObject& target = *Objects.at(action);
    return {PropertyText(target, "Caption"), action, PropertyText(target, "OnExecute")};
  }
};

String Trimmed(const String& Cell) {
  const size_t first = Cell.find_first_not_of(' ');
  return first == String::npos ? String() : Cell.substr(first, Cell.find_last_not_of(' ') - first + 1);
}

// The rows of the README's command table by bar item: caption | item | action | handler | window.
std::map<String, TCommandRow> ReadmeRows() {
  std::ifstream file(QUORIN_APP_README);
  std::map<String, TCommandRow> rows;
  bool inTable = false;
  for (String line; std::getline(file, line);) {
    if (line.starts_with("| caption | item |")) inTable = true;
    if (!inTable || !line.starts_with("| ") || line.starts_with("| caption") || line.starts_with("| ---")) continue;
    std::vector<String> cells;
    std::stringstream cellsText(line.substr(2));
    for (String cell; std::getline(cellsText, cell, '|');) cells.push_back(Trimmed(cell));
    if (cells.size() >= 4) rows[cells[1]] = {cells[0], cells[2], cells[3]};
  }
  return rows;
}

TEST(MainWindowCommandTable, AgreesWithTheMainWindowsLayout) {
  const String* text = FindLayout("KvMain");
  ASSERT_NE(text, nullptr);
  const TLayoutObject root = ParseLayout(*text);
  const TMainLayout layout(root);
  const std::map<String, TCommandRow> rows = ReadmeRows();
  ASSERT_FALSE(rows.empty()) << "no command table in " << QUORIN_APP_README;

  int items = 0;
  for (const auto& [name, object] : layout.Objects) {
    if (object->ClassName != "TdxBarButton" && object->ClassName != "TdxBarSubItem") continue;
    ++items;
    ASSERT_TRUE(rows.contains(name)) << name << " is not in the table";
    EXPECT_EQ(rows.at(name), layout.Row(*object)) << name;
  }
  EXPECT_EQ(rows.size(), static_cast<size_t>(items)) << "the table names items the layout does not hold";
  for (const auto& [name, row] : rows) {
    if (row.Handler != "—") {
      EXPECT_TRUE(layout.Handlers.contains(row.Handler)) << row.Handler;
    }
  }
}

}  // namespace
