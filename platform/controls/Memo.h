// TCustomMemo and TMemo: the multi-line text box, with Lines as a string list over its text,
// scroll bars, word wrap, and whether Enter and Tab are typed into it or move the focus.
#pragma once

#include "controls/Edit.h"
#include "rtl/StringList.h"

class TCustomMemo;

// The memo's lines: every change goes straight into the memo's text.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& Memo) : FMemo(Memo) {}
  String ClassName() const override { return "TMemoStrings"; }
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;

 protected:
  String Get(int Index) const override;
  int GetCount() const override;
  void Put(int Index, const String& S) override;
  String GetTextStr() const override;
  void SetTextStr(const String& Text) override;

 private:
  std::vector<String> Split() const;
  void Join(const std::vector<String>& Lines);
  TCustomMemo& FMemo;
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;
  String ClassName() const override { return "TCustomMemo"; }

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(const TStrings* Value) { FLines->Assign(Value); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  // The caret as column (X) and line (Y).
  TPoint CaretPos() const;

 protected:
  LRESULT DialogCode() const override;

 private:
  std::unique_ptr<TMemoStrings> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
  String ClassName() const override { return "TMemo"; }
};
