// The text box's message interface: the EM_* messages, the text messages and the clipboard
// messages, each mapped onto the box's methods.
#include "controls/TextBox.h"

#include <algorithm>

#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/Window.h"

namespace {

String* StringParam(LPARAM LParam) { return reinterpret_cast<String*>(LParam); }

// Positions in EM_GETSEL's answer are 16-bit; the out parameters carry them in full.
LRESULT Selection(const TTextBox& Box, const TMessage& Message) {
  int s = 0, e = 0;
  Box.GetSel(s, e);
  if (Message.WParam) *reinterpret_cast<int*>(Message.WParam) = s;
  if (Message.LParam) *reinterpret_cast<int*>(Message.LParam) = e;
  return MAKELPARAM(std::min(s, 0xFFFF), std::min(e, 0xFFFF));
}

}  // namespace

bool TTextBox::HandleMessage(TMessage& Message) {
  if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) {
    FHostFocused = Message.Msg == WM_SETFOCUS;
    UpdateSelectionLook();
    return false;
  }
  // A press in the box takes the focus to its window, as a press in an edit control does: the
  // native editor has placed its caret there already, and the keys must follow it.
  if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FHost && GetFocus() != FHost &&
      IsWindowVisible(FHost) && IsWindowEnabled(FHost)) {
    SetFocus(FHost);
    return false;
  }
  const auto w = static_cast<int>(static_cast<intptr_t>(Message.WParam));
  const auto l = static_cast<int>(Message.LParam);
  LRESULT& r = Message.Result;
  switch (Message.Msg) {
    case EM_GETSEL: r = Selection(*this, Message); break;
    case EM_SETSEL: SetSel(w, l); break;
    case EM_REPLACESEL: if (Message.LParam) ReplaceSel(*StringParam(Message.LParam)); break;
    case EM_GETRECT: if (Message.LParam) *reinterpret_cast<TRect*>(Message.LParam) = Rect(); break;
    case EM_SETRECT:
    case EM_SETRECTNP: SetRect(Message.LParam ? *reinterpret_cast<const TRect*>(Message.LParam) : TRect{}); break;
    case EM_SETMARGINS:
      SetMargins(Message.WParam & EC_LEFTMARGIN ? LOWORD(Message.LParam) : FLeftMargin,
                 Message.WParam & EC_RIGHTMARGIN ? HIWORD(Message.LParam) : FRightMargin);
      break;
    case EM_GETMARGINS: r = MAKELPARAM(FLeftMargin, FRightMargin); break;
    case EM_LIMITTEXT: SetLimit(w); break;
    case EM_GETLIMITTEXT: r = FLimit; break;
    case EM_SETREADONLY: SetReadOnly(Message.WParam != 0); r = 1; break;
    case EM_GETMODIFY: r = FModified; break;
    case EM_SETMODIFY: FModified = Message.WParam != 0; break;
    case EM_CANUNDO: r = CanUndo(); break;
    case EM_UNDO:
    case WM_UNDO: r = CanUndo(); Undo(); break;
    case EM_REDO: r = CanRedo(); Redo(); break;
    case EM_CANREDO: r = CanRedo(); break;
    case EM_CANPASTE: r = CanPaste(); break;
    case EM_EMPTYUNDOBUFFER: EmptyUndoBuffer(); break;
    case EM_SETPASSWORDCHAR: SetPasswordChar(static_cast<TKeyChar>(Message.WParam)); break;
    case EM_GETPASSWORDCHAR: r = FPasswordChar; break;
    case EM_GETLINECOUNT: r = LineCount(); break;
    case EM_LINEINDEX: {
      int s = 0, e = 0;
      GetSel(s, e);
      r = LineIndex(w < 0 ? LineFromChar(e) : w);
      break;
    }
    case EM_LINEFROMCHAR: {
      int s = 0, e = 0;
      GetSel(s, e);
      r = LineFromChar(w < 0 ? s : w);
      break;
    }
    case EM_LINELENGTH: r = Length(Line(LineFromChar(std::max(w, 0)))); break;
    case EM_GETLINE: if (Message.LParam) *StringParam(Message.LParam) = Line(w); r = Length(Line(w)); break;
    case EM_SCROLLCARET: ScrollCaret(); break;
    case WM_GETTEXT: if (Message.LParam) *StringParam(Message.LParam) = Text(); r = TextLength(); break;
    case WM_SETTEXT: SetText(Message.LParam ? *StringParam(Message.LParam) : String()); r = 1; break;
    case WM_GETTEXTLENGTH: r = TextLength(); break;
    case WM_CUT: CutToClipboard(); break;
    case WM_COPY: CopyToClipboard(); break;
    case WM_PASTE: PasteFromClipboard(); break;
    case WM_CLEAR: ClearSelection(); break;
    default: return false;
  }
  return true;
}
