// The mask editor's input: typed characters overwrite one position through the mask, the arrows,
// Home and End move the masked caret over literals, Delete and Backspace blank positions, and
// paste, cut and clear keep the literals in place.
#include "controls/Application.h"
#include "editors/dxMaskEdit.h"
#include "rtl/MaskText.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/SystemServices.h"

namespace {

// The keys by which a host leaves the cell: the value is validated before they go anywhere.
bool IsLeavingKey(WORD Key) {
  switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_UP: case VK_DOWN:
    case VK_INSERT: return true;
    default: return false;
  }
}

constexpr TKeyChar CtrlC = 3, CtrlV = 22, CtrlX = 24, Enter = 13;

}  // namespace

void TdxInplaceMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) Undo();
  const bool inplace = IsInplace() && GetContainer();
  if (inplace && IsLeavingKey(Key)) ValidateEdit();
  if (inplace) IncValidateLock();
  const auto unlock = ScopeExit([this, inplace] {
    if (inplace) DecValidateLock();
  });
  const bool ctrl = (Shift & (ssCtrl | ssAlt | ssShift)) == ssCtrl;
  if ((ctrl && Key == 'V') || (Key == VK_INSERT && (Shift & (ssCtrl | ssAlt | ssShift)) == ssShift)) {
    PostMessage(Handle(), WM_PASTE, 0, 0);
    Key = 0;
    return;
  }
  // The cut of a masked text keeps its literals, as the cut command does.
  if (FMasked && ctrl && Key == 'X') {
    Perform(WM_CUT);
    Key = 0;
    return;
  }
  TdxInplaceTextEdit::KeyDown(Key, Shift);
  if (FMasked && Key != 0 && !(Shift & ssAlt)) MaskedKeyDown(Key, Shift);
}

void TdxInplaceMaskEdit::MaskedKeyDown(WORD& Key, TShiftState Shift) {
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
      ArrowKey(Key, Shift);
      if (!(Shift & (ssShift | ssCtrl))) Key = 0;
      break;
    case VK_UP:
    case VK_DOWN: Key = 0; break;
    case VK_HOME:
    case VK_END:
      HomeEndKey(Key, Shift);
      Key = 0;
      break;
    case VK_DELETE:
    case VK_BACK:
      if (Key == VK_DELETE && (Shift & (ssShift | ssCtrl))) return RecheckCaret();
      if (CanModify()) DeleteSelection(Key == VK_BACK);
      Key = 0;
      break;
    default: RecheckCaret(); break;
  }
}

void TdxInplaceMaskEdit::ArrowKey(WORD Key, TShiftState Shift) {
  int start = 0, stop = 0;
  GetSel(start, stop);
  if (Shift & ssShift) {
    if (Key == VK_RIGHT) {
      if (stop - start == 1) {
        SelectRange(start, stop, false);
        FCaretPos = stop;
      }
      FCaretPos = std::min(FCaretPos + 1, FMaxChars);
    } else {
      if (stop - start == 2 && FCaretPos > start && FCaretPos < stop) SelectRange(start + 1, stop, true);
      FCaretPos = std::max(FCaretPos - 1, 0);
    }
    return;
  }
  if (Shift & ssCtrl) return;
  if (stop - start > 1) {
    if (stop == FCaretPos) --FCaretPos;
    PlaceMaskedCaret(FCaretPos);
  } else if (Key == VK_LEFT) {
    CursorDec(start);
  } else if (start == stop) {
    PlaceMaskedCaret(start);
  } else {
    CursorInc(start, 1);
  }
}

void TdxInplaceMaskEdit::HomeEndKey(WORD Key, TShiftState Shift) {
  const bool home = Key == VK_HOME;
  const int edge = home ? 0 : FMaxChars;
  if (!(Shift & ssShift)) {
    PlaceMaskedCaret(edge);
  } else {
    int start = 0, stop = 0;
    GetSel(start, stop);
    // A selection the caret does not start (or end) gives up all but one character.
    if (home) {
      if (FCaretPos != start && stop - start > 1) stop = start + 1;
      SelectRange(0, stop, true);
    } else {
      if (FCaretPos != stop && stop - start > 1) start = stop - 1;
      SelectRange(start, FMaxChars, false);
    }
    RecheckCaret();
  }
  FCaretPos = edge;
}

// Backspace first steps back over the literals; a selection has its editable positions blanked.
void TdxInplaceMaskEdit::DeleteSelection(bool Backspace) {
  int start = 0, stop = 0;
  GetSel(start, stop);
  if (stop - start <= 1 && Backspace) {
    // Before the first editable position there is nothing to step back to.
    if (PriorEditablePos(FEditMask, start - 1) >= start) return;
    CursorDec(start);
    GetSel(start, stop);
  }
  if (stop - start < 1) return;
  ReplaceSelection(start, stop, BlankSelection(FEditMask, GetEditText(), start, stop, FBlank));
  if (stop - start == 1)
    PlaceMaskedCaret(start);
  else
    PlaceMaskedCaret(NextEditablePos(FEditMask, start));
}

// Overwrites Start..Stop as typing would, so that the window can undo it.
void TdxInplaceMaskEdit::ReplaceSelection(int Start, int Stop, const String& Text) {
  TextBox().SetSel(Start, Stop);
  TextBox().ReplaceSel(Text);
}

void TdxInplaceMaskEdit::KeyPress(TKeyChar& Key) {
  TdxInplaceTextEdit::KeyPress(Key);
  if (!FMasked || Key == 0 || Key == CtrlC || Key == CtrlV || Key == CtrlX) return;
  const TKeyChar key = Key;
  Key = 0;
  if (key == Enter && !IsInplace()) return ValidateEdit();
  if (key < 32 || !CanModify() || !CanEditText()) return;
  int start = 0, stop = 0;
  GetSel(start, stop);
  if (stop - start > 1) {
    ReplaceSelection(start, stop, BlankSelection(FEditMask, GetEditText(), start, stop, FBlank));
    PlaceMaskedCaret(NextEditablePos(FEditMask, start));
    GetSel(start, stop);
  }
  TypeCharAt(key, start);
}

// A character typed on a literal goes on to the next editable position; a separator typed where
// a digit was expected moves past that separator (or stays, when the caret has just passed it).
void TdxInplaceMaskEdit::TypeCharAt(char32_t Char, int Offset) {
  if (IsEditLiteral(FEditMask, Offset)) {
    char32_t literal = Char;
    AcceptMaskChar(FEditMask, Offset, literal);
    const int next = NextEditablePos(FEditMask, Offset);
    if (literal != Char && !IsEditLiteral(FEditMask, next)) Offset = next;
  }
  char32_t c = Char;
  if (!AcceptMaskChar(FEditMask, Offset, c)) {
    const int literal = Offset < FMaxChars ? FindTypedLiteral(FEditMask, Offset, Char) : -1;
    if (literal >= Offset) CursorInc(literal, 1);
    if (literal < 0) MessageBeep(0);
    return;
  }
  ReplaceSelection(Offset, Offset + 1, CodePointToUtf8(c));
  int start = 0, stop = 0;
  GetSel(start, stop);
  CursorInc(start, 0);
}

void TdxInplaceMaskEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxInplaceMaskEdit> Handlers[] = {
      {WM_PASTE, &TdxInplaceMaskEdit::WMPaste},
      {WM_CUT, &TdxInplaceMaskEdit::WMCut},
      {WM_CLEAR, &TdxInplaceMaskEdit::WMClear},
      {EM_REPLACESEL, &TdxInplaceMaskEdit::EMReplaceSel},
      {WM_LBUTTONDOWN, &TdxInplaceMaskEdit::WMLButtonDown},
      {WM_LBUTTONUP, &TdxInplaceMaskEdit::WMLButtonUp},
      {CM_ENTER, &TdxInplaceMaskEdit::CMEnter},
      {CM_WANTSPECIALKEY, &TdxInplaceMaskEdit::CMWantSpecialKey},
  };
  if (!FMasked || !DispatchTo(this, Message, Handlers)) TdxInplaceTextEdit::Dispatch(Message);
}

// The clipboard text is written over the blanked selection position by position; the value is
// validated at once.
void TdxInplaceMaskEdit::WMPaste(TMessage&) {
  if (!CanEditText() || !CanModify()) return;
  const String text = Clipboard().AsText();
  if (!GetModified()) SaveUndoSnapshot();
  int start = 0, stop = 0, end = 0;
  GetSel(start, stop);
  ReplaceSelection(start, stop, BlankSelection(FEditMask, GetEditText(), start, stop, FBlank));
  const String pasted = PasteIntoMask(FEditMask, GetEditText(), start, text, FBlank, end);
  ReplaceSelection(0, FMaxChars, pasted);
  PlaceMaskedCaret(end);
  SetModified(true);
  ValidateEdit();
}

void TdxInplaceMaskEdit::WMCut(TMessage&) {
  int start = 0, stop = 0;
  GetSel(start, stop);
  if (stop > start) Clipboard().SetAsText(Copy(GetEditText(), start + 1, stop - start));
  if (CanEditText() && CanModify()) DeleteSelection(false);
}

void TdxInplaceMaskEdit::WMClear(TMessage&) {
  if (!CanEditText() || !CanModify()) return;
  ReplaceSelection(0, FMaxChars, BlankSelection(FEditMask, GetEditText(), 0, FMaxChars, FBlank));
  SetModified(true);
  PlaceMaskedCaret(NextEditablePos(FEditMask, 0));
}

// Only an overwrite of the selection keeps the text the mask's length.
void TdxInplaceMaskEdit::EMReplaceSel(TMessage& Message) {
  int start = 0, stop = 0;
  GetSel(start, stop);
  const auto* text = reinterpret_cast<const String*>(Message.LParam);
  if (text && Length(*text) == stop - start) TdxInplaceTextEdit::Dispatch(Message);
}

void TdxInplaceMaskEdit::WMLButtonDown(TMessage& Message) {
  FMouseDownX = LParamToPoint(Message.LParam).X;
  TdxInplaceTextEdit::Dispatch(Message);
}

// The caret goes where the mouse left it: the selection's end when it was dragged rightwards.
void TdxInplaceMaskEdit::WMLButtonUp(TMessage& Message) {
  TdxInplaceTextEdit::Dispatch(Message);
  int start = 0, stop = 0;
  GetSel(start, stop);
  FCaretPos = stop > start && LParamToPoint(Message.LParam).X > FMouseDownX ? stop : start;
  RecheckCaret();
}

void TdxInplaceMaskEdit::CMEnter(TMessage& Message) {
  const bool autoSelect = AutoSelect();
  if (FReEnter) SetAutoSelect(false);
  TdxInplaceTextEdit::Dispatch(Message);
  SetAutoSelect(autoSelect);
  FReEnter = false;
  RecheckCaret();
}

void TdxInplaceMaskEdit::CMWantSpecialKey(TMessage& Message) {
  if (Message.WParam == VK_ESCAPE && GetModified()) {
    Message.Result = 1;
    return;
  }
  TdxInplaceTextEdit::Dispatch(Message);
}
