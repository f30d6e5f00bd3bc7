// The text box over Qt's editors: QLineEdit for one line, QPlainTextEdit for several, both
// behind one engine interface that speaks UTF-16 positions; the box converts to characters.
#include "controls/TextBox.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

#include <climits>

#include "graphics/Colors.h"
#include "graphics/FontQt.h"
#include "rtl/Text.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/NativeEditorQt.h"
#include "windows/Window.h"

namespace {

QString ToQt(const String& s) { return QString::fromStdString(s); }
String FromQt(const QString& s) { return s.toStdString(); }

// UTF-16 index of the character at code-point position Pos (clamped to the text).
int Utf16Index(const QString& Text, int Pos) {
  int i = 0;
  for (; i < Text.size() && Pos > 0; --Pos) i += (Text[i].isHighSurrogate() && i + 1 < Text.size()) ? 2 : 1;
  return i;
}

int CharIndex(const QString& Text, int Index) {
  int pos = 0;
  for (int i = 0; i < Index && i < Text.size(); ++pos) i += (Text[i].isHighSurrogate() && i + 1 < Text.size()) ? 2 : 1;
  return pos;
}

int CharCount(const QString& Text) { return CharIndex(Text, static_cast<int>(Text.size())); }

QColor QtColor(TColor Color) {
  const COLORREF rgb = ColorToRGB(Color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// The password character of a line editor: what the style answers for it.
class TPasswordStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget, QStyleHintReturn* Return) const override {
    if (Hint == SH_LineEdit_PasswordCharacter) return static_cast<int>(Char);
    return QProxyStyle::styleHint(Hint, Option, Widget, Return);
  }
  char32_t Char = U'*';
};

}  // namespace

// One Qt editor as the box sees it: positions are UTF-16 indexes.
class TTextEngine {
 public:
  virtual ~TTextEngine() = default;
  virtual QWidget* Widget() = 0;
  virtual QString Text() const = 0;
  virtual void SetText(const QString& Value) = 0;
  virtual void Selection(int& Start, int& End) const = 0;
  virtual void Select(int Anchor, int Caret) = 0;
  virtual void Insert(const QString& Value) = 0;
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool Value) = 0;
  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
  virtual bool CanRedo() const = 0;
  virtual void Redo() = 0;
  virtual void ClearUndo() = 0;
  virtual void SetPasswordChar(char32_t) {}
  virtual void SetAlignment(Qt::Alignment Value) = 0;
  virtual void SetWordWrap(bool) {}
  virtual void SetScrollBars(TScrollStyle) {}
  virtual void SetHideScrollBars(bool) {}
  virtual const QScrollBar* Bar(bool) const { return nullptr; }
  virtual void ScrollCaret() = 0;
  static void Notify(TTextBox& Box) { Box.Changed(); }
  static void NotifySelection(TTextBox& Box) { Box.SelChanged(); }
};

namespace {

class TLineEngine : public TTextEngine {
 public:
  explicit TLineEngine(TTextBox& Box) : FEdit(new QLineEdit) {
    FEdit->setFrame(false);
    FEdit->setMaxLength(INT_MAX);
    FEdit->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(FEdit.data(), &QLineEdit::textChanged, [&Box](const QString&) { Notify(Box); });
    QObject::connect(FEdit.data(), &QLineEdit::selectionChanged, [&Box] { NotifySelection(Box); });
    QObject::connect(FEdit.data(), &QLineEdit::cursorPositionChanged, [&Box](int, int) { NotifySelection(Box); });
  }
  ~TLineEngine() override { delete FEdit.data(); }
  QWidget* Widget() override { return FEdit; }
  QString Text() const override { return FEdit->text(); }
  void SetText(const QString& Value) override { FEdit->setText(Value); }
  void Selection(int& Start, int& End) const override {
    if (FEdit->hasSelectedText()) {
      Start = FEdit->selectionStart();
      End = FEdit->selectionEnd();
    } else {
      Start = End = FEdit->cursorPosition();
    }
  }
  void Select(int Anchor, int Caret) override {
    if (Anchor == Caret) FEdit->setCursorPosition(Caret);
    else FEdit->setSelection(Anchor, Caret - Anchor);
  }
  void Insert(const QString& Value) override { FEdit->insert(Value); }
  bool ReadOnly() const override { return FEdit->isReadOnly(); }
  void SetReadOnly(bool Value) override { FEdit->setReadOnly(Value); }
  bool CanUndo() const override { return FEdit->isUndoAvailable(); }
  void Undo() override { FEdit->undo(); }
  bool CanRedo() const override { return FEdit->isRedoAvailable(); }
  void Redo() override { FEdit->redo(); }
  void ClearUndo() override {
    const int caret = FEdit->cursorPosition();
    const QSignalBlocker quiet(FEdit.data());
    FEdit->setText(FEdit->text());
    FEdit->setCursorPosition(caret);
  }
  void SetPasswordChar(char32_t Char) override {
    if (!Char) {
      FEdit->setEchoMode(QLineEdit::Normal);
      return;
    }
    if (!FStyle) {
      FStyle = new TPasswordStyle;
      FStyle->setParent(FEdit);
      FEdit->setStyle(FStyle);
    }
    FStyle->Char = Char;
    FEdit->setEchoMode(QLineEdit::Normal);  // the style's character is read when the mode is set
    FEdit->setEchoMode(QLineEdit::Password);
  }
  void SetAlignment(Qt::Alignment Value) override { FEdit->setAlignment(Value | Qt::AlignVCenter); }
  void ScrollCaret() override {}

 private:
  QPointer<QLineEdit> FEdit;
  QPointer<TPasswordStyle> FStyle;
};

class TPlainEngine : public TTextEngine {
 public:
  explicit TPlainEngine(TTextBox& Box) : FEdit(new QPlainTextEdit) {
    FEdit->setFrameShape(QFrame::NoFrame);
    FEdit->document()->setDocumentMargin(1);
    FEdit->setContextMenuPolicy(Qt::NoContextMenu);
    FEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A bar that always shows can be used only while there is something to scroll.
    for (QScrollBar* bar : {FEdit->horizontalScrollBar(), FEdit->verticalScrollBar()}) {
      bar->setEnabled(bar->maximum() > bar->minimum());
      QObject::connect(bar, &QScrollBar::rangeChanged, bar, [bar](int Min, int Max) { bar->setEnabled(Max > Min); });
    }
    QObject::connect(FEdit.data(), &QPlainTextEdit::textChanged, [&Box] { Notify(Box); });
    QObject::connect(FEdit.data(), &QPlainTextEdit::selectionChanged, [&Box] { NotifySelection(Box); });
    QObject::connect(FEdit.data(), &QPlainTextEdit::cursorPositionChanged, [&Box] { NotifySelection(Box); });
  }
  ~TPlainEngine() override { delete FEdit.data(); }
  QWidget* Widget() override { return FEdit; }
  QString Text() const override { return FEdit->toPlainText(); }
  void SetText(const QString& Value) override { FEdit->setPlainText(Value); }
  void Selection(int& Start, int& End) const override {
    const QTextCursor c = FEdit->textCursor();
    Start = c.selectionStart();
    End = c.selectionEnd();
  }
  void Select(int Anchor, int Caret) override {
    QTextCursor c(FEdit->document());
    c.setPosition(Anchor);
    c.setPosition(Caret, QTextCursor::KeepAnchor);
    FEdit->setTextCursor(c);
  }
  void Insert(const QString& Value) override { FEdit->insertPlainText(Value); }
  bool ReadOnly() const override { return FEdit->isReadOnly(); }
  void SetReadOnly(bool Value) override { FEdit->setReadOnly(Value); }
  bool CanUndo() const override { return FEdit->document()->isUndoAvailable(); }
  void Undo() override { FEdit->undo(); }
  bool CanRedo() const override { return FEdit->document()->isRedoAvailable(); }
  void Redo() override { FEdit->redo(); }
  void ClearUndo() override { FEdit->document()->clearUndoRedoStacks(); }
  void SetAlignment(Qt::Alignment Value) override {
    QTextOption option = FEdit->document()->defaultTextOption();
    option.setAlignment(Value);
    FEdit->document()->setDefaultTextOption(option);
  }
  void SetWordWrap(bool Value) override {
    FEdit->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  }
  void SetScrollBars(TScrollStyle Value) override {
    FScrollBars = Value;
    ApplyScrollBars();
  }
  void SetHideScrollBars(bool Value) override {
    FHideScrollBars = Value;
    ApplyScrollBars();
  }
  const QScrollBar* Bar(bool Vertical) const override {
    return Vertical ? FEdit->verticalScrollBar() : FEdit->horizontalScrollBar();
  }
  void ScrollCaret() override { FEdit->ensureCursorVisible(); }

 private:
  void ApplyScrollBars() {
    const Qt::ScrollBarPolicy on = FHideScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    const bool h = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool v = FScrollBars == ssVertical || FScrollBars == ssBoth;
    FEdit->setHorizontalScrollBarPolicy(h ? on : Qt::ScrollBarAlwaysOff);
    FEdit->setVerticalScrollBarPolicy(v ? on : Qt::ScrollBarAlwaysOff);
  }

  QPointer<QPlainTextEdit> FEdit;
  TScrollStyle FScrollBars = ssNone;
  bool FHideScrollBars = false;
};

}  // namespace

TTextBox::TTextBox(bool MultiLine) : FMultiLine(MultiLine) {
  if (MultiLine) FEngine = std::make_unique<TPlainEngine>(*this);
  else FEngine = std::make_unique<TLineEngine>(*this);
  FEngine->Widget()->hide();
}

TTextBox::~TTextBox() {
  Detach();
  OnChange = nullptr;
  OnSelChange = nullptr;
}

void TTextBox::Attach(HWND Host) {
  if (FHost == Host) return;
  Detach();
  if (!IsWindow(Host)) return;
  FHost = Host;
  FHostFocused = GetFocus() == Host;
  UpdateSelectionLook();
  AttachNativeEditor(Host, FEngine->Widget());
  UpdateGeometry();
  FEngine->Widget()->show();
}

// The editor leaves the host's widget before the window goes, so that it survives the window.
void TTextBox::Detach() {
  if (!FHost) return;
  DetachNativeEditor(FHost);
  QWidget* w = FEngine->Widget();
  w->hide();
  w->setParent(nullptr);
  FHost = HWND();
}

String TTextBox::Text() const { return FromQt(FEngine->Text()); }

void TTextBox::SetText(const String& Value) {
  const QString text = ToQt(Cased(Value));
  FSettingText = true;
  if (text != FEngine->Text()) FEngine->SetText(text);
  FEngine->ClearUndo();
  FSettingText = false;
  FModified = false;
}

int TTextBox::TextLength() const { return CharCount(FEngine->Text()); }

void TTextBox::GetSel(int& Start, int& End) const {
  int s = 0, e = 0;
  FEngine->Selection(s, e);
  const QString text = FEngine->Text();
  Start = CharIndex(text, s);
  End = CharIndex(text, e);
}

void TTextBox::SetSel(int Start, int End) {
  const QString text = FEngine->Text();
  if (Start < 0) {
    int s = 0, e = 0;
    FEngine->Selection(s, e);
    FEngine->Select(e, e);
    return;
  }
  const int length = CharCount(text);
  if (End < 0 || End > length) End = length;
  Start = std::min(Start, length);
  FEngine->Select(Utf16Index(text, Start), Utf16Index(text, End));
}

String TTextBox::SelText() const {
  int s = 0, e = 0;
  FEngine->Selection(s, e);
  return FromQt(FEngine->Text().mid(s, e - s));
}

// The limit cuts what does not fit, as typing would.
void TTextBox::ReplaceSel(const String& Value) {
  QString text = ToQt(Cased(Value));
  if (FLimit > 0) {
    int s = 0, e = 0;
    GetSel(s, e);
    const int room = std::max(0, FLimit - (TextLength() - (e - s)));
    text = text.left(Utf16Index(text, room));
  }
  FEngine->Insert(text);
}

TRect TTextBox::Rect() const {
  if (!IsRectEmpty(FRect) || !FHost) return FRect;
  TRect r;
  GetClientRect(FHost, r);
  return TRect{r.Left + FLeftMargin, r.Top, r.Right - FRightMargin, r.Bottom};
}

void TTextBox::SetRect(const TRect& Value) {
  FRect = Value;
  UpdateGeometry();
}

void TTextBox::SetMargins(int Left, int Right) {
  FLeftMargin = Left;
  FRightMargin = Right;
  UpdateGeometry();
}

void TTextBox::UpdateGeometry() {
  if (!FHost) return;
  // The editor is a child of the window's widget, which holds the frame too.
  TRect window;
  GetWindowRect(FHost, window);
  TPoint origin;
  ClientToScreen(FHost, origin);
  const TRect r = Rect();
  FEngine->Widget()->setGeometry(r.Left + origin.X - window.Left, r.Top + origin.Y - window.Top, std::max(0, r.Width()),
                                 std::max(0, r.Height()));
}

void TTextBox::SetLimit(int Value) { FLimit = std::max(0, Value); }
bool TTextBox::ReadOnly() const { return FEngine->ReadOnly(); }
void TTextBox::SetReadOnly(bool Value) { FEngine->SetReadOnly(Value); }
bool TTextBox::CanUndo() const { return FEngine->CanUndo(); }
void TTextBox::Undo() { FEngine->Undo(); }
bool TTextBox::CanRedo() const { return FEngine->CanRedo(); }
void TTextBox::Redo() { FEngine->Redo(); }
void TTextBox::EmptyUndoBuffer() { FEngine->ClearUndo(); }
bool TTextBox::CanPaste() const { return !ReadOnly() && ClipboardService().HasText(); }
void TTextBox::ScrollCaret() { FEngine->ScrollCaret(); }

void TTextBox::CopyToClipboard() {
  if (FPasswordChar) return;  // a password never leaves the box
  const String text = SelText();
  if (!text.empty()) ClipboardService().SetText(text);
}

void TTextBox::CutToClipboard() {
  if (FPasswordChar || ReadOnly()) return;
  CopyToClipboard();
  ClearSelection();
}

void TTextBox::PasteFromClipboard() {
  if (ReadOnly()) return;
  QString text = ToQt(ClipboardService().Text());
  if (!FMultiLine) text = text.section(QRegularExpression("[\r\n]"), 0, 0);
  ReplaceSel(FromQt(text));
}

void TTextBox::ClearSelection() {
  if (!ReadOnly()) FEngine->Insert(QString());
}

void TTextBox::SetPasswordChar(TKeyChar Value) {
  FPasswordChar = Value;
  FEngine->SetPasswordChar(Value);
}

void TTextBox::SetCharCase(TEditCharCase Value) {
  FCharCase = Value;
  if (Value != ecNormal) {
    const bool modified = FModified;
    SetText(Text());
    FModified = modified;
  }
}

String TTextBox::Cased(const String& Value) const {
  switch (FCharCase) {
    case ecUpperCase: return AnsiUpperCase(Value);
    case ecLowerCase: return AnsiLowerCase(Value);
    default: return Value;
  }
}

void TTextBox::SetAlignment(TAlignment Value) {
  static constexpr Qt::Alignment Map[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  FEngine->SetAlignment(Map[Value]);
}

void TTextBox::SetWordWrap(bool Value) { FEngine->SetWordWrap(Value); }
void TTextBox::SetScrollBars(TScrollStyle Value) { FEngine->SetScrollBars(Value); }
void TTextBox::SetHideScrollBars(bool Value) { FEngine->SetHideScrollBars(Value); }

bool TTextBox::ScrollBarShown(bool Vertical) const {
  const QScrollBar* bar = FEngine->Bar(Vertical);
  // The editor shows or hides its bars in a queued call after their range changed.
  QCoreApplication::sendPostedEvents(FEngine->Widget());
  return bar && bar->isVisibleTo(FEngine->Widget());
}

bool TTextBox::ScrollBarEnabled(bool Vertical) const {
  const QScrollBar* bar = FEngine->Bar(Vertical);
  return bar && bar->isEnabled();
}

void TTextBox::SetLook(const TFont* Font, TColor Background, bool Enabled) {
  QWidget* w = FEngine->Widget();
  QFont font(SubstitutedFamily(Font->Name()));
  font.setPixelSize(std::max(1, std::abs(Font->Height())));
  const TFontStyles style = Font->Style();
  font.setBold(style & fsBold);
  font.setItalic(style & fsItalic);
  font.setUnderline(style & fsUnderline);
  font.setStrikeOut(style & fsStrikeOut);
  w->setFont(font);
  QPalette p = w->palette();
  p.setColor(QPalette::Base, QtColor(Background));
  p.setColor(QPalette::Window, QtColor(Background));
  p.setColor(QPalette::Text, QtColor(Enabled ? Font->Color() : clGrayText));
  w->setPalette(p);
  UpdateSelectionLook();
}

void TTextBox::SetHideSelection(bool Value) {
  FHideSelection = Value;
  UpdateSelectionLook();
}

// A hidden selection keeps its place and is drawn in the text's own colours.
void TTextBox::UpdateSelectionLook() {
  QWidget* w = FEngine->Widget();
  QPalette p = w->palette();
  const bool shown = FHostFocused || !FHideSelection;
  p.setColor(QPalette::Highlight, shown ? QtColor(clHighlight) : p.color(QPalette::Base));
  p.setColor(QPalette::HighlightedText, shown ? QtColor(clHighlightText) : p.color(QPalette::Text));
  w->setPalette(p);
}

void TTextBox::SetVisible(bool Value) {
  if (FHost) FEngine->Widget()->setVisible(Value);
}

TPoint TTextBox::CaretPos() const {
  const QRect caret = FEngine->Widget()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const TRect r = Rect();
  return {r.Left + caret.center().x(), r.Top + caret.top()};
}

int TTextBox::LineCount() const { return static_cast<int>(FEngine->Text().count('\n')) + 1; }

int TTextBox::LineIndex(int Line) const {
  const QString text = FEngine->Text();
  int start = 0;
  for (int i = 0; i < Line; ++i) {
    start = static_cast<int>(text.indexOf('\n', start));
    if (start < 0) return -1;
    ++start;
  }
  return CharIndex(text, start);
}

int TTextBox::LineFromChar(int Position) const {
  const QString text = FEngine->Text();
  return static_cast<int>(text.left(Utf16Index(text, Position)).count('\n'));
}

String TTextBox::Line(int Index) const {
  return FromQt(FEngine->Text().section('\n', Index, Index));
}

void TTextBox::Changed() {
  if (!FSettingText) FModified = true;
  if (OnChange) OnChange();
  if (FHost && (GetWindowLong(FHost, GWL_STYLE) & WS_CHILD)) {
    const auto id = static_cast<int>(GetWindowLong(FHost, GWL_ID));
    SendMessage(GetParent(FHost), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), FHost.AsLParam());
  }
}

void TTextBox::SelChanged() {
  if (OnSelChange) OnSelChange();
}

bool TTextBox::FilterInput(TMessage& Message) {
  if (Message.Msg == WM_CHAR && Message.WParam >= 32) {
    if (FCharCase != ecNormal) {
      const String cased = Cased(CodePointToUtf8(static_cast<char32_t>(Message.WParam)));
      const std::u32string chars = ToCodePoints(cased);
      if (chars.size() == 1) Message.WParam = chars[0];
    }
  } else if (!(Message.Msg == WM_IME_COMPOSITION && (Message.LParam & GCS_RESULTSTR))) {
    return true;
  }
  if (FLimit <= 0 || ReadOnly()) return true;
  int s = 0, e = 0;
  GetSel(s, e);
  return TextLength() - (e - s) < FLimit;
}
