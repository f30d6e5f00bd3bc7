// TdxTreeListNode: one row of the tree list. Nodes form a tree whose top level the owner keeps; a
// node keeps its children in a list that exists only while it has children. A node holds no cell
// values: it asks its owner for them, so that a descendant of the tree list keeps them wherever it
// likes. TdxTreeListTextNode is the node of the tree list control and keeps one text per column.
#pragma once

#include <memory>

#include "rtl/Lists.h"
#include "rtl/StringList.h"
#include "rtl/Variant.h"

class TCustomdxTreeList;
class TdxTreeListNode;
using TdxTreeListNodes = TList<TdxTreeListNode*>;

// Where MoveTo puts a node relative to its destination.
enum TdxTreeListAttachMode { natAddLast, natAddFirst, natAddChildLast, natAddChildFirst, natInsert };

class TdxTreeListNode : public TObject {
 public:
  // Nodes are made only through the owner's CreateNode; a nil owner raises
  // EInvaliddxTreeListOperation ("Invalid Owner TdxTreeListNode").
  explicit TdxTreeListNode(TCustomdxTreeList* AOwner);
  TdxTreeListNode(const TdxTreeListNode&) = delete;
  TdxTreeListNode& operator=(const TdxTreeListNode&) = delete;

  // Frees the node with its subtree. The node leaves the tree and the owner moves its references
  // away from it (DeletingNode) while the whole object still exists, so deletion handlers can read
  // its values.
  void Free();

  TCustomdxTreeList* Owner() const { return FOwner; }
  TdxTreeListNode* Parent() const { return FParent; }
  // Set once freeing starts and never cleared; children being freed see their parent's flag.
  bool Deleting() const { return FDeleting; }

  // --- adding and moving -------------------------------------------------------------------------
  // A new child inserted before Before (one of this node's children), or appended when nil.
  TdxTreeListNode* AddChild(TdxTreeListNode* Before = nullptr);
  TdxTreeListNode* AppendChild() { return AddChild(nullptr); }
  bool CanMoveTo(TdxTreeListNode* Destination, TdxTreeListAttachMode Mode) const;
  // Moves the node with its subtree inside an update; an invalid move does nothing.
  void MoveTo(TdxTreeListNode* Destination, TdxTreeListAttachMode Mode);
  // The same move without the update bracket, the focus and the list rebuild.
  void InternalMove(TdxTreeListNode* Destination, TdxTreeListAttachMode Mode);
  // Takes the node out of its parent's list (an emptied list is freed and the parent collapsed) or
  // out of the top-level list; the node stays alive with no parent.
  void Detach();
  // Appends a detached node to the owner's top-level list.
  void AddToTopLevel();
  // Moves the top-level node at Index to the end of NewParent's children.
  static void MoveFromTopLevel(TCustomdxTreeList* Owner, int Index, TdxTreeListNode* NewParent);
  // Moves every child to the end of the top-level list; the node is collapsed and becomes the
  // owner's focused node (without focus events).
  void MoveChildrenToTopLevel();
  // Appends the children to List in one block, in order.
  void AddChildrenToList(TdxTreeListNodes& List) const;

  // --- expansion ---------------------------------------------------------------------------------
  bool Expanded() const { return FExpanded; }
  void SetExpanded(bool Value);
  void Expand(bool Recurse);
  bool HasChildren() const { return FHasChildren; }
  // Ignored (kept True) while children exist.
  void SetHasChildren(bool Value);
  void MakeVisible();

  // --- navigation (nil where nothing is found) ---------------------------------------------------
  TdxTreeListNode* GetFirstChild() const { return Items(0); }
  TdxTreeListNode* GetLastChild() const { return Items(Count() - 1); }
  TdxTreeListNode* GetNextSibling() const;
  TdxTreeListNode* GetPrevSibling() const;
  TdxTreeListNode* GetPrevSiblingOrParent() const;
  // Tree order, expansion ignored.
  TdxTreeListNode* GetNext() const;
  TdxTreeListNode* GetPrev() const;
  // The node itself when collapsed or childless, else the same of its last child.
  TdxTreeListNode* GetLastExpandedDescendant();
  // Display order.
  TdxTreeListNode* GetNextVisible();
  TdxTreeListNode* GetPrevVisible();

  // --- queries -----------------------------------------------------------------------------------
  int Count() const { return FChildren ? FChildren->Count() : 0; }
  TdxTreeListNode* Items(int Index) const;
  // Position among the siblings (or in the top-level list); -1 when not found.
  int Index() const;
  int Level() const;
  bool IsLast() const;
  // Node is the parent of this node or an ancestor further up; a node is not its own ancestor.
  bool HasAncestor(const TdxTreeListNode* Node) const;
  // Every ancestor is expanded.
  bool IsVisible() const;
  int AbsoluteIndex();
  bool Focused() const;
  void SetFocused(bool Value);
  bool Selected();
  void SetSelected(bool Value);

  // --- values, asked of the owner (Column is the index in the owner's column list) ---------------
  Variant Values(int Column);
  Variant GetValue(int Column) { return Values(Column); }
  String Strings(int Column);
  void SetStrings(int Column, const String& Text);
  int ImageIndex();
  void SetImageIndex(int Value);
  int SelectedIndex();
  void SetSelectedIndex(int Value);
  int StateIndex();
  void SetStateIndex(int Value);

  // The row's height in pixels and its text line count, kept by the owner's row-height rules;
  // a height of 0 means none is kept.
  int RowHeight = 0;
  int RowLineCount = 0;

 protected:
  friend class TCustomdxTreeList;
  // Nodes are freed through Free, which needs the whole object.
  ~TdxTreeListNode() override;

 private:
  TdxTreeListNodes& SiblingList() const;
  void InsertChild(int Index, TdxTreeListNode* Node);
  void RemoveChild(TdxTreeListNode* Node);
  void FreeChildren();

  bool FDeleting = false;
  bool FExpanded = false;
  bool FHasChildren = false;
  std::unique_ptr<TdxTreeListNodes> FChildren;
  TCustomdxTreeList* FOwner;
  TdxTreeListNode* FParent = nullptr;
};

// The cell texts of a text node, one per column index (a shorter list means empty texts). No list
// is kept until a text is set: a descendant that keeps its values elsewhere pays nothing for it.
class TdxNodeTexts {
 public:
  // The texts; an empty list while none was set.
  const TStringList& List() const;
  operator const TStringList&() const { return List(); }
  // The texts to change, the list made on first use.
  TStringList& Edit();
  bool IsEmpty() const { return !FList || FList->Count() == 0; }

 private:
  std::unique_ptr<TStringList> FList;
};

// The node of the tree list control: image indexes and one text per column index.
class TdxTreeListTextNode : public TdxTreeListNode {
 public:
  explicit TdxTreeListTextNode(TCustomdxTreeList* AOwner) : TdxTreeListNode(AOwner) {}
  int StoredImageIndex = 0;
  int StoredSelectedIndex = -1;
  int StoredStateIndex = -1;
  TdxNodeTexts Texts;

 protected:
  ~TdxTreeListTextNode() override = default;
};

// Frees every node of List and empties it; a node that raises does not keep the others alive, and
// the first error passes on.
void FreeEachNode(TdxTreeListNodes& List);

// Tree order of two nodes: an ancestor before its descendants; otherwise the positions of the two
// branches under their nearest common ancestor decide. Negative, 0 or positive.
int CompareNodeOrder(const TdxTreeListNode* Node1, const TdxTreeListNode* Node2);
