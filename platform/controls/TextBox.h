// The text box: Qt's own line or text editor placed inside a window of the layer, so that input
// methods and the clipboard work, with the edit-control API (selection, margins, formatting
// rectangle, limit, read-only, modified flag, undo) as methods and as EM_* messages. It serves
// the edit, the memo, the combo box's edit part and the editors' rich-edit replacement.
#pragma once

#include <functional>
#include <memory>

#include "controls/ControlTypes.h"
#include "graphics/Font.h"

// Edit-control messages.
enum : UINT {
  EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3, EM_SETRECTNP = 0x00B4,
  EM_LINESCROLL = 0x00B6, EM_SCROLLCARET = 0x00B7, EM_GETMODIFY = 0x00B8, EM_SETMODIFY = 0x00B9,
  EM_GETLINECOUNT = 0x00BA, EM_LINEINDEX = 0x00BB, EM_LINELENGTH = 0x00C1, EM_REPLACESEL = 0x00C2,
  EM_GETLINE = 0x00C4, EM_LIMITTEXT = 0x00C5, EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7,
  EM_LINEFROMCHAR = 0x00C9, EM_SETPASSWORDCHAR = 0x00CC, EM_EMPTYUNDOBUFFER = 0x00CD,
  EM_SETREADONLY = 0x00CF, EM_GETPASSWORDCHAR = 0x00D2, EM_SETMARGINS = 0x00D3, EM_GETMARGINS = 0x00D4,
  EM_GETLIMITTEXT = 0x00D5,
  EM_SETLIMITTEXT = EM_LIMITTEXT,
  // The rich-edit additions the box answers too.
  EM_CANPASTE = 0x0432, EM_REDO = 0x0454, EM_CANREDO = 0x0455,
};
// Notifications an edit control sends its parent in WM_COMMAND (high word of wParam).
enum : UINT { EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_MAXTEXT = 0x0501 };
// EM_SETMARGINS: which margins wParam sets; lParam holds left (low word) and right (high word).
enum : WPARAM { EC_LEFTMARGIN = 0x1, EC_RIGHTMARGIN = 0x2 };
// Edit-control styles.
enum : DWORD {
  ES_LEFT = 0x0, ES_CENTER = 0x1, ES_RIGHT = 0x2, ES_MULTILINE = 0x4, ES_UPPERCASE = 0x8,
  ES_LOWERCASE = 0x10, ES_PASSWORD = 0x20, ES_AUTOVSCROLL = 0x40, ES_AUTOHSCROLL = 0x80,
  ES_NOHIDESEL = 0x100, ES_READONLY = 0x800, ES_WANTRETURN = 0x1000,
};

inline constexpr const char* AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
inline constexpr const char* EditCharCaseNames[] = {"ecNormal", "ecUpperCase", "ecLowerCase"};
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
inline constexpr const char* ScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

class TTextEngine;

// Positions and lengths count characters (code points). The box keeps its text, selection,
// flags and undo history while it is detached, so that a window made again finds them.
class TTextBox {
 public:
  explicit TTextBox(bool MultiLine);
  ~TTextBox();
  TTextBox(const TTextBox&) = delete;
  TTextBox& operator=(const TTextBox&) = delete;
  bool MultiLine() const { return FMultiLine; }

  // Places the editor in Host's client area (inside the formatting rectangle) and routes its
  // input through Host's messages. Detaching keeps the editor and its state.
  void Attach(HWND Host);
  void Detach();
  HWND Host() const { return FHost; }

  String Text() const;
  void SetText(const String& Value);  // clears the modified flag and the undo history
  int TextLength() const;
  void GetSel(int& Start, int& End) const;
  // End -1 selects to the end; Start -1 removes the selection. The caret goes to End.
  void SetSel(int Start, int End);
  String SelText() const;
  // Replaces the selection as if typed (the limit applies; undo can take it back).
  void ReplaceSel(const String& Value);
  void SelectAll() { SetSel(0, -1); }

  // The formatting rectangle in the host's client coordinates; empty until set, which means
  // the host's client area less the margins.
  TRect Rect() const;
  void SetRect(const TRect& Value);
  void SetMargins(int Left, int Right);
  int LeftMargin() const { return FLeftMargin; }
  int RightMargin() const { return FRightMargin; }
  // The host's client area changed: the editor follows.
  void UpdateGeometry();

  // 0 is no limit.
  int Limit() const { return FLimit; }
  void SetLimit(int Value);
  bool ReadOnly() const;
  void SetReadOnly(bool Value);
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  bool CanUndo() const;
  void Undo();
  bool CanRedo() const;
  void Redo();
  void EmptyUndoBuffer();
  // Text on the clipboard and a box that takes it.
  bool CanPaste() const;
  void ScrollCaret();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();

  // 0 shows the characters.
  TKeyChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(TKeyChar Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  void SetAlignment(TAlignment Value);
  void SetWordWrap(bool Value);
  void SetScrollBars(TScrollStyle Value);
  // Hidden bars show only while the text does not fit; otherwise the bars SetScrollBars asks for
  // always show, disabled while there is nothing to scroll (the classic default).
  void SetHideScrollBars(bool Value);
  // Whether the vertical (or the horizontal) bar shows, and whether it can be used.
  bool ScrollBarShown(bool Vertical) const;
  bool ScrollBarEnabled(bool Vertical) const;
  void SetLook(const TFont* Font, TColor Background, bool Enabled);
  // Whether the selection is hidden while the host does not have the focus (the classic default).
  // The box follows the host's focus through WM_SETFOCUS and WM_KILLFOCUS in HandleMessage.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  void SetVisible(bool Value);
  // Where the caret stands (its middle, and its top) in the host's client coordinates.
  TPoint CaretPos() const;

  // Lines of a multi-line box (a single-line box has one).
  int LineCount() const;
  int LineIndex(int Line) const;  // the position where a line starts; -1 past the last
  int LineFromChar(int Position) const;
  String Line(int Index) const;

  // Handles the EM_* messages and the text and clipboard messages; answers false for others
  // (also for the focus messages, which it only watches).
  bool HandleMessage(TMessage& Message);
  // A character or input-method text about to reach the editor: answers false when it must be
  // dropped (the limit is reached), or changes it for the character case.
  bool FilterInput(TMessage& Message);

  // After every change of the text, whoever made it.
  std::function<void()> OnChange;
  // After every move of the caret or change of the selection.
  std::function<void()> OnSelChange;

 private:
  friend class TTextEngine;
  void Changed();
  void SelChanged();
  String Cased(const String& Value) const;
  void UpdateSelectionLook();

  bool FMultiLine;
  HWND FHost;
  std::unique_ptr<TTextEngine> FEngine;
  TRect FRect;
  int FLeftMargin = 0;
  int FRightMargin = 0;
  int FLimit = 0;
  bool FModified = false;
  bool FSettingText = false;
  bool FHideSelection = true;
  bool FHostFocused = false;
  TKeyChar FPasswordChar = 0;
  TEditCharCase FCharCase = ecNormal;
};
