// The tree list in tests: a control that keeps a selection (the base keeps none) and answers sort
// keys and focus refusals as a test sets them, a builder that grows nodes from indented text, and
// a fixture that holds one such control on the form fixture's form.
#pragma once

#include <map>
#include <sstream>
#include <vector>

#include "rtl/Convert.h"
#include "support/FormFixture.h"
#include "support/GraphicsTestFont.h"
#include "treelist/dxTLClasses.h"
#include "treelist/dxTLControl.h"

class TTestTreeList : public TCustomdxTreeListControl {
 public:
  explicit TTestTreeList(TComponent* AOwner) : TCustomdxTreeListControl(AOwner) {}
  String ClassName() const override { return "TTestTreeList"; }

  // --- a kept selection, refused where CanNodeSelected says so --------------------------------------
  bool IsNodeSelected(TdxTreeListNode* Node) override {
    return std::find(Selected.begin(), Selected.end(), Node) != Selected.end();
  }
  void SetNodeSelected(TdxTreeListNode* Node, bool Value) override {
    if (Value == IsNodeSelected(Node) || (Value && !CanNodeSelected(Node))) return;
    if (Value)
      Selected.push_back(Node);
    else
      std::erase(Selected, Node);
    TCustomdxTreeListControl::SetNodeSelected(Node, Value);
  }
  int GetSelectedCount() override { return int(Selected.size()); }
  TdxTreeListNode* GetSelectedItem(int Index) override {
    return Index >= 0 && Index < int(Selected.size()) ? Selected[size_t(Index)] : nullptr;
  }
  void ClearSelection() override {
    Selected.clear();
    TCustomdxTreeListControl::ClearSelection();
  }
  std::vector<TdxTreeListNode*> Selected;

  // --- sort keys: the cell text, as a number when it is one ----------------------------------------
  Variant GetNodeVariant(TdxTreeListNode* Node, int Column) override {
    ++KeysFetched;
    const String text = Node->Strings(Column);
    int number = 0;
    return NumericKeys && TryStrToInt(text, number) ? Variant(number) : Variant(text);
  }
  bool NumericKeys = true;
  int KeysFetched = 0;

  // --- what a grid would answer, switched on by tests of layout and painting ---------------------------
  // Nodes with children are group rows.
  bool GroupParents = false;
  bool IsGroupNode(TdxTreeListNode* Node) override { return GroupParents && Node->HasChildren(); }
  // The focused row shows the arrow, selected rows the dot.
  bool IndicatorArrows = false;
  uint8_t GetIndicatorKind(TdxTreeListNode* Node, bool IsSelected) override {
    if (!IndicatorArrows) return ikNone;
    if (Node->Focused()) return IsSelected && Selected.size() > 1 ? ikMultiArrow : ikArrow;
    return IsSelected ? ikMultiDot : ikNone;
  }
  // The preview shows the node's text of this column.
  int PreviewColumn = -1;
  String GetPreviewText(TdxTreeListNode* Node) override { return PreviewColumn >= 0 ? Node->Strings(PreviewColumn) : String(); }
  // Levels whose groups end with a row footer; its cells show "Level n".
  std::vector<int> RowFooterLevels;
  bool IsLevelWithRowFooter(int Level) override {
    return std::find(RowFooterLevels.begin(), RowFooterLevels.end(), Level) != RowFooterLevels.end();
  }
  bool IsRowFooterCell(TdxTreeListNode*, int, int) override { return !RowFooterLevels.empty(); }
  String GetRowFooterText(TdxTreeListNode* Node, int, int FooterIndex) override {
    return "Level " + std::to_string(GetRowFooterLevel(Node, FooterIndex));
  }
  int GroupIndent = 0;
  int GetGroupIndentWidth() override { return GroupIndent; }
  // A filter status panel with a filter applied.
  bool FilterStatus = false;
  bool FilterApplied = true;
  bool IsFilterStatusVisible() override { return FilterStatus; }
  bool HasFilter() override { return FilterStatus && FilterApplied; }
  String GetFilterText() override { return FilterStatus ? "成绩 > 60" : String(); }
  // How many node accesses are open.
  int NodeAccessDepth = 0;
  void BeginNodeAccess(TdxTreeListNode*) override { ++NodeAccessDepth; }
  void EndNodeAccess(TdxTreeListNode*) override { --NodeAccessDepth; }
  void SetDragObject(TObject* Value) { FDragObject = Value; }
  void PressHeader(int Column) {
    FButtons.PressedHeader = Column;
    FButtons.PressedHeaderDown = Column >= 0;
  }

  bool FocusNode(TdxTreeListNode* Node) override { return !RefuseFocus && TCustomdxTreeListControl::FocusNode(Node); }
  bool RefuseFocus = false;

  // The control made as high as its headers and Rows rows.
  void SetRowsInView(int Rows) { SetClientHeight(Metrics().HeaderHeight + Rows * DefaultRowHeight()); }
  void ClearCalcLists() override {
    ++ListsCleared;
    TCustomdxTreeListControl::ClearCalcLists();
  }
  int ListsCleared = 0;
  // The end of loading, as the layout reader runs it.
  void RunLoaded() { Loaded(); }
};

// Grows nodes from lines of text, two blanks of indent per level: "A\n  A1\n  A2\nB". Each node's
// text in column 0 is its line; Node("A1") finds it again.
class TTreeBuilder {
 public:
  explicit TTreeBuilder(TCustomdxTreeList& List) : FList(List) {}
  void Build(const std::string& Text) {
    std::vector<TdxTreeListNode*> path;
    std::istringstream lines(Text);
    for (std::string line; std::getline(lines, line);) {
      const size_t indent = line.find_first_not_of(' ');
      if (indent == std::string::npos) continue;
      const size_t level = indent / 2;
      path.resize(level);
      TdxTreeListNode* node = level == 0 ? FList.Add() : path.back()->AddChild();
      node->SetStrings(0, line.substr(indent));
      FNodes[line.substr(indent)] = node;
      path.push_back(node);
    }
  }
  TdxTreeListNode* Node(const std::string& Name) const { return FNodes.at(Name); }
  // Names of the nodes in display order, joined by blanks.
  static std::string Shown(TCustomdxTreeList& List) {
    std::string shown;
    for (int i = 0; i < List.GetAbsoluteCount(); ++i) shown += (i ? " " : "") + List.GetAbsoluteNode(i)->Strings(0);
    return shown;
  }

 private:
  TCustomdxTreeList& FList;
  std::map<std::string, TdxTreeListNode*> FNodes;
};

class TTreeListTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterTreeListClasses();
    RegisterClass<TTestTreeList, TCustomdxTreeListControl>("TTestTreeList");
    List = new TTestTreeList(Form);
    List->SetName("dg1");
    // Every text of the control in the fixed-metrics font: "Wg" 13 pixels high, "0" 6 wide.
    for (TFont* font : {List->Font(), List->HeaderFont(), List->BandFont(), List->PreviewFont()}) UseTestFont(font, 13);
    Tree = std::make_unique<TTreeBuilder>(*List);
  }
  void Build(const std::string& Text) { Tree->Build(Text); }
  TdxTreeListNode* N(const std::string& Name) const { return Tree->Node(Name); }
  std::string Shown() const { return TTreeBuilder::Shown(*List); }
  // Columns named by their captions, each showing the node text of its own index.
  TdxTreeListColumn* AddColumn(const String& Caption) {
    TdxTreeListColumn* column = List->CreateColumnOf<TdxTreeListColumn>(Form);
    column->SetCaption(Caption);
    return column;
  }
  TTestTreeList* List = nullptr;
  std::unique_ptr<TTreeBuilder> Tree;
};

// A shown, focused tree list of three columns (A, B, C) whose rows show "n<i>", "b<i>" and "c<i>",
// five rows in view, for tests that drive it by keys and the mouse.
class TInputTreeListTest : public TTreeListTest {
 protected:
  void ShowList(int Rows = 12) {
    for (const char* caption : {"A", "B", "C"}) AddColumn(caption);
    std::string text;
    for (int i = 0; i < Rows; ++i) text += "n" + std::to_string(i) + "\n";
    Build(text);
    for (int i = 0; i < Rows; ++i)
      for (int c = 1; c < 3; ++c) N("n" + std::to_string(i))->SetStrings(c, std::string(1, char('a' + c)) + std::to_string(i));
    List->SetOptions(List->GetOptions() | tloAutoWidth);
    List->SetParent(Form);
    List->SetBounds(0, 0, 300, 100);
    ShowForm();
    List->SetRowsInView(5);
    List->SetFocus();
    Pump();
  }
  // Row select off: cells take the focus one by one.
  void CellMode() { List->SetOptions(List->GetOptions() & ~tloRowSelect); }
  TdxTreeListNode* Row(int I) const { return N("n" + std::to_string(I)); }
  TPoint CellPoint(TdxTreeListNode* Node, int Visual) {
    const TRect r = List->GetNodeCellRect(Node, Visual);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The focused row's name, "" without one; the selected rows' names in display order.
  std::string Focused() const { return List->FocusedNode() ? Name(List->FocusedNode()) : ""; }
  std::string SelectedNames() const {
    std::string names;
    for (int i = 0; i < List->GetAbsoluteCount(); ++i)
      if (List->IsNodeSelected(List->GetAbsoluteNode(i))) names += (names.empty() ? "" : " ") + Name(List->GetAbsoluteNode(i));
    return names;
  }
  static std::string Name(TdxTreeListNode* Node) { return Node->Strings(0); }
  void Key(int VirtualKey, TShiftState Shift = 0) {
    PressKey(VirtualKey, Shift);
    Pump();
  }
};
