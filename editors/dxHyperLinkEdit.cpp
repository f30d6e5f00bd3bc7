// The hyperlink editor: its link look in the window and in painted cells, the rules for which
// clicks and keys open the link, and the opening itself.
#include "editors/dxHyperLinkEdit.h"

#include "controls/Forms.h"
#include "editors/dxExEdtr.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxPopup.h"
#include "rtl/Text.h"
#include "windows/Input.h"
#include "windows/LinkTarget.h"
#include "windows/Paint.h"
#include "windows/SystemServices.h"
#include "windows/Window.h"

std::unique_ptr<TdxEditViewData> TdxHyperLinkEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxHyperLinkEditViewData>();
}

TCursor TdxHyperLinkEditClass::GetViewCursor(int X, int Y, const TdxEditViewData& ViewData) const {
  const auto* vd = dynamic_cast<const TdxHyperLinkEditViewData*>(&ViewData);
  if (vd && vd->HandCursor) return dxHandPointCursor();
  return TdxTextEditClass::GetViewCursor(X, Y, ViewData);
}

const TdxInplaceEditClass& HyperLinkEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceHyperLinkEdit, TdxHyperLinkEditClass>("TdxInplaceHyperLinkEdit", Inplace);
}

TdxInplaceHyperLinkEdit::TdxInplaceHyperLinkEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceTextEdit(AOwner, Class) {
  SetAutoSelect(false);
}

TdxInplaceHyperLinkEdit::~TdxInplaceHyperLinkEdit() = default;

void TdxInplaceHyperLinkEdit::SetLinkColor(TColor Value) {
  if (FLinkColor == Value) return;
  FLinkColor = Value;
  Perform(CM_FONTCHANGED);
  InvalidateEdit();
}

TFont* TdxInplaceHyperLinkEdit::LinkFont() {
  if (!FLinkFont) {
    FLinkFont = std::make_unique<TFont>();
    UpdateLinkFont();
  }
  return FLinkFont.get();
}

void TdxInplaceHyperLinkEdit::UpdateLinkFont() {
  if (!FLinkFont) return;
  FLinkFont->Assign(Font());
  FLinkFont->SetStyle(FLinkFont->Style() | fsUnderline);
  FLinkFont->SetColor(FLinkColor == clDefault ? clWindowText : FLinkColor);
}

bool TdxInplaceHyperLinkEdit::OpensOnClick() { return FSingleClick || IsInplace() || !CanEditText(); }

void TdxInplaceHyperLinkEdit::StartLink() {
  if (OnStartClick) return OnStartClick(this);
  const String text = Text();
  if (Trim(text).empty()) return;
  if (!IsOpenableLink(text)) {
    MessageBeep(0);
    return;
  }
  TCustomForm* form = GetParentForm(this);
  ShellExecute(form && form->HandleAllocated() ? form->Handle() : HWND(), "OPEN", text, String(), String(),
               SW_SHOWMAXIMIZED);
}

std::unique_ptr<TdxEditViewData> TdxInplaceHyperLinkEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceTextEdit::CreateViewData(IsPaint);
  if (auto* link = dynamic_cast<TdxHyperLinkEditViewData*>(vd.get())) link->HandCursor = OpensOnClick();
  vd->Font = LinkFont()->Handle();
  vd->TextColor = ColorToRGB(LinkFont()->Color());
  return vd;
}

void TdxInplaceHyperLinkEdit::ContainerClick() {
  if (!FSingleClick) return;
  if (HandleAllocated()) UpdateWindow(Handle());
  StartLink();
}

// In place the caret stays where the click put it.
void TdxInplaceHyperLinkEdit::SelectAllOnShow() {
  if (!IsInplace()) TdxInplaceTextEdit::SelectAllOnShow();
}

// The start key opens the link; its character reaches no text.
void TdxInplaceHyperLinkEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key != 0 && ShortCut(Key, Shift) == FStartKey) {
    if (HandleAllocated()) RemovePendingMessage(Handle(), WM_CHAR);
    Key = 0;
    StartLink();
    return;
  }
  TdxInplaceTextEdit::KeyDown(Key, Shift);
}

void TdxInplaceHyperLinkEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONUP: return WMLButtonUp(Message);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(Message);
    case CM_FONTCHANGED: UpdateLinkFont(); break;
    default: break;
  }
  TdxInplaceTextEdit::Dispatch(Message);
}

void TdxInplaceHyperLinkEdit::WMLButtonUp(TMessage& Message) {
  TdxInplaceTextEdit::Dispatch(Message);
  const bool endsDoubleClick = FDoubleClicked;
  FDoubleClicked = false;
  if (!endsDoubleClick && PtInRect(ClientRect(), LParamToPoint(Message.LParam)) && OpensOnClick()) StartLink();
}

// A link that opens on a click has opened already; an editable stand-alone one opens now.
void TdxInplaceHyperLinkEdit::WMLButtonDblClk(TMessage& Message) {
  FDoubleClicked = true;
  if (!FSingleClick && CanEditText() && !OpensOnClick()) return StartLink();
  TdxInplaceTextEdit::Dispatch(Message);
}
