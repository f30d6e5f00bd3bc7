// The text editor's own context menu: made at its first use when neither the editor nor a
// parent has a popup menu, its items enabled by what the text allows, each item a message to
// the editor's window.
#include "controls/Menus.h"
#include "editors/dxEditStrings.h"
#include "editors/dxTextEdit.h"
#include "windows/MessageQueue.h"

namespace {

constexpr int SeparatorTag = INT_MAX;

struct TMenuEntry {
  int TextId;  // 0: a separator
  int Tag;
};

constexpr TMenuEntry MenuEntries[] = {
    {dxSEditUndo, dxTextMenuUndo},
    {dxSEditRedo, dxTextMenuRedo},
    {0, SeparatorTag},
    {dxSEditTextMenu, dxTextMenuCut},
    {dxSEditTextMenu + 1, dxTextMenuCopy},
    {dxSEditTextMenu + 2, dxTextMenuPaste},
    {dxSEditTextMenu + 3, dxTextMenuDelete},
    {0, SeparatorTag},
    {dxSEditTextMenu + 4, dxTextMenuSelectAll},
};

}  // namespace

// After the inherited handling (the editor's or a parent's popup menu), the editor's own menu,
// at the point of the message or, from the keyboard, at the caret.
void TdxInplaceTextEdit::WMContextMenu(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (!HasEditArea() || Message.Result != 0 || HasPopupMenuAssigned()) return;
  ShowContextMenu(Message);
}

bool TdxInplaceTextEdit::HasPopupMenuAssigned() {
  for (TControl* c = this; c; c = c->Parent())
    if (c->PopupMenu()) return true;
  return false;
}

void TdxInplaceTextEdit::ShowContextMenu(TMessage& Message) {
  TPoint at = LParamToPoint(Message.LParam);
  if (at.X == -1 && at.Y == -1) {
    TPoint caret = TextBox().CaretPos();
    caret.Y = std::min(caret.Y, Height());
    at = ClientToScreen(caret);
  } else if (!PtInRect(ClientRect(), ScreenToClient(at))) {
    return;
  }
  if (!FPopupMenu) CreatePopupMenu();
  UpdatePopupMenu();
  Message.Result = 1;
  FPopupMenu->Popup(at.X, at.Y);
}

void TdxInplaceTextEdit::CreatePopupMenu() {
  FPopupMenu = new TPopupMenu(this);
  for (const TMenuEntry& entry : MenuEntries) {
    auto* item = new TMenuItem(FPopupMenu);
    item->SetCaption(entry.TextId ? dxEditorText(entry.TextId) : String("-"));
    item->SetTag(entry.Tag);
    item->OnClick = [this](TObject* Sender) { PopupMenuClick(Sender); };
    FPopupMenu->Items()->Add(item);
  }
}

void TdxInplaceTextEdit::UpdatePopupMenu() {
  const bool selected = GetSelLength() > 0;
  const bool editable = CanEditText();
  const bool hidden = FPasswordChar != 0;
  for (int i = 0; i < FPopupMenu->Items()->Count(); ++i) {
    TMenuItem* item = FPopupMenu->Items()->Items(i);
    switch (item->Tag()) {
      case dxTextMenuUndo: item->SetEnabled(EditCanUndo()); break;
      case dxTextMenuRedo: item->SetEnabled(EditCanRedo()); break;
      case dxTextMenuCut: item->SetEnabled(selected && editable && !hidden); break;
      case dxTextMenuCopy: item->SetEnabled(selected && !hidden); break;
      case dxTextMenuPaste: item->SetEnabled(editable && Perform(EM_CANPASTE) != 0); break;
      case dxTextMenuDelete: item->SetEnabled(selected && editable); break;
      case dxTextMenuSelectAll: item->SetEnabled(GetSelLength() != GetTextLength()); break;
      default: break;
    }
  }
}

void TdxInplaceTextEdit::PopupMenuClick(TObject* Sender) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item || !HandleAllocated()) return;
  switch (item->Tag()) {
    case dxTextMenuUndo: EditUndo(); break;
    case dxTextMenuRedo: EditRedo(); break;
    case dxTextMenuCut: CutToClipboard(); break;
    case dxTextMenuCopy: CopyToClipboard(); break;
    case dxTextMenuPaste: PasteFromClipboard(); break;
    case dxTextMenuDelete: ClearSelection(); break;
    case dxTextMenuSelectAll: SelectAllOnShow(); break;
    default: break;
  }
}
