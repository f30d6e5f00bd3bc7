// The memo and its lines. Lines are separated by a line feed inside the editor; Text gives them
// with CR LF, as string lists do.
#include "controls/Memo.h"

#include "rtl/Lists.h"
#include "rtl/Text.h"

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner, true), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
  SetAutoSelect(false);
  TextBox().SetWordWrap(true);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  TextBox().SetScrollBars(Value);
}

void TCustomMemo::SetWordWrap(bool Value) {
  FWordWrap = Value;
  TextBox().SetWordWrap(Value);
}

TPoint TCustomMemo::CaretPos() const {
  int s = 0, e = 0;
  TextBox().GetSel(s, e);
  const int line = TextBox().LineFromChar(e);
  return {e - TextBox().LineIndex(line), line};
}

// Enter is typed when the memo wants returns; otherwise it reaches the form (the default button).
LRESULT TCustomMemo::DialogCode() const {
  LRESULT code = TCustomEdit::DialogCode();
  if (FWantReturns) code |= DLGC_WANTALLKEYS;
  if (FWantTabs) code |= DLGC_WANTTAB;
  return code;
}

std::vector<String> TMemoStrings::Split() const {
  std::vector<String> lines;
  const String text = FMemo.TextBox().Text();
  if (text.empty()) return lines;
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != String::npos; start = nl + 1) lines.push_back(text.substr(start, nl - start));
  lines.push_back(text.substr(start));
  return lines;
}

void TMemoStrings::Join(const std::vector<String>& Lines) {
  String text;
  for (size_t i = 0; i < Lines.size(); ++i) text += (i ? "\n" : "") + Lines[i];
  FMemo.SetText(text);
}

String TMemoStrings::Get(int Index) const {
  const std::vector<String> lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) ListIndexError(Index);
  return lines[static_cast<size_t>(Index)];
}

int TMemoStrings::GetCount() const { return static_cast<int>(Split().size()); }

void TMemoStrings::Put(int Index, const String& S) {
  std::vector<String> lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) ListIndexError(Index);
  lines[static_cast<size_t>(Index)] = S;
  Join(lines);
}

void TMemoStrings::Insert(int Index, const String& S) {
  std::vector<String> lines = Split();
  if (Index < 0 || Index > static_cast<int>(lines.size())) ListIndexError(Index);
  lines.insert(lines.begin() + Index, S);
  Join(lines);
}

void TMemoStrings::Delete(int Index) {
  std::vector<String> lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) ListIndexError(Index);
  lines.erase(lines.begin() + Index);
  Join(lines);
}

void TMemoStrings::Clear() { FMemo.SetText(String()); }

String TMemoStrings::GetTextStr() const { return StringReplace(FMemo.TextBox().Text(), "\n", "\r\n", rfReplaceAll); }

void TMemoStrings::SetTextStr(const String& Text) {
  String text = StringReplace(Text, "\r\n", "\n", rfReplaceAll);
  text = StringReplace(text, "\r", "\n", rfReplaceAll);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  FMemo.SetText(text);
}
