// TdxInplaceMemoEdit: the multi-line text editor, with scroll bars, word wrap, Enter and Tab kept
// in the text when it wants them, the arrows and page keys kept inside until the caret reaches
// the text's edge, and a Lines list that reads and writes the editor's lines directly.
#pragma once

#include <memory>

#include "editors/dxTextEdit.h"
#include "rtl/StringList.h"

class TdxInplaceMemoEdit;

// The memo settings a host keeps for a memo it sets up (the blob editor for its popup's memo, a
// blob column for its editor), handed over in one assignment. Each holder sets its own defaults.
struct TdxMemoOptions {
  TEditCharCase CharCase = ecNormal;
  bool HideScrollBars = true;
  int MaxLength = 0;
  bool OEMConvert = false;
  TScrollStyle ScrollBars = ssNone;
  bool SelectionBar = true;
  bool WantReturns = true;
  bool WantTabs = true;
  bool WordWrap = true;
};

// The memo's lines, each operation on the memo's text. A text ending in a line break has no
// empty line after it.
class TdxMemoStrings : public TStrings {
 public:
  explicit TdxMemoStrings(TdxInplaceMemoEdit& Memo) : FMemo(Memo) {}
  String ClassName() const override { return "TdxMemoStrings"; }
  // Index Count appends a line; an index inside the list inserts before that line.
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;

 protected:
  String Get(int Index) const override;
  int GetCount() const override;
  void Put(int Index, const String& S) override;
  // With CR LF between the lines.
  String GetTextStr() const override;
  // Any line breaks; the same text changes nothing, another one fires no change of the editor.
  void SetTextStr(const String& Text) override;

 private:
  void CheckIndex(int Index, int Count) const;
  // S as the text's last line: an empty one followed by a line break, so that it counts.
  static String LastLine(const String& S);
  // Replaces the characters Start..Stop of the text, as typing would.
  void Replace(int Start, int Stop, const String& S);
  TdxInplaceMemoEdit& FMemo;
};

const TdxInplaceEditClass& MemoEditClass(bool Inplace = true);

class TdxInplaceMemoEdit : public TdxInplaceTextEdit {
 public:
  explicit TdxInplaceMemoEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = MemoEditClass());
  ~TdxInplaceMemoEdit() override;
  String ClassName() const override { return "TdxInplaceMemoEdit"; }

  // Bars show only while the text does not fit; otherwise they show disabled.
  bool HideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool Value);
  TdxMemoStrings* Lines() const { return FLines.get(); }
  void SetLines(const TStrings* Value) { FLines->Assign(Value); }
  // Layouts keep the text as its lines alone.
  bool IsTextStored() const { return false; }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  // Tab is typed into the text (the property WantTabs; the editor's WantTabs answers it).
  bool TabsWanted() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  // Every setting of Options at once.
  void ApplyOptions(const TdxMemoOptions& Options);

  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  bool WantTabs() override { return FWantTabs; }
  bool HasDataDefinition() override { return false; }
  void SelectAllOnShow() override;

 protected:
  friend class TdxMemoStrings;
  void Loaded() override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  bool KeepsKey(WORD Key, TShiftState Shift);
  void ApplyScrollBars();
  void WMGetDlgCode(TMessage& Message);
  void WMKeyDown(TMessage& Message);

  bool FHideScrollBars = true;
  std::unique_ptr<TdxMemoStrings> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};
