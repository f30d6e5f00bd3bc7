// The drop-down calculator working in an editor's text, with its closing keys, and the calculator
// editor that opens it.
#include "editors/dxCalcEdit.h"

#include "editors/dxEditClassOf.h"
#include "editors/dxEditStrings.h"
#include "rtl/ScopeExit.h"
#include "windows/Window.h"

// --- the popup calculator -----------------------------------------------------------------------

TdxPopupCalculator::TdxPopupCalculator(TComponent* AOwner) : TCustomdxCalculator(AOwner) { SetIsPopup(true); }

void TdxPopupCalculator::CreateParams(TCreateParams& Params) {
  TCustomdxCalculator::CreateParams(Params);
  Params.ClassStyle |= CS_SAVEBITS;
}

void TdxPopupCalculator::SetDisplayEditor(TdxInplaceMaskEdit* Value) {
  if (FDisplayEditor == Value) return;
  if (FDisplayEditor) RemoveFreeNotification(FDisplayEditor);
  FDisplayEditor = Value;
  if (Value) Value->FreeNotification(this);
}

void TdxPopupCalculator::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomdxCalculator::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDisplayEditor) FDisplayEditor = nullptr;
}

void TdxPopupCalculator::GetDisplayText(String& Text) { Text = FDisplayEditor ? FDisplayEditor->Text() : String("0"); }

void TdxPopupCalculator::SetDisplayText(const String& Text) {
  if (!FDisplayEditor || !FDisplayEditor->CanModify()) return;
  // Closing the popup rewrites an error text and so may raise itself: a bracket, not a destructor.
  bool written = false;
  Bracket(
      [&] {
        FDisplayEditor->SetEditTextRaw(Text);
        FDisplayEditor->SetModified(true);
        written = true;
      },
      [&] {
        if (!written) HidePopup(false);
      });
}

void TdxPopupCalculator::HidePopup(bool Accept) {
  TCustomdxCalculator::HidePopup(Accept);
  if (FDisplayEditor && FDisplayEditor->Text() == dxEditorText(dxSEditError)) {
    FDisplayEditor->SetEditTextRaw("0");
    FDisplayEditor->SetModified(true);
  }
}

// Enter computes, then closes; Escape, F4 and Alt+Up or Alt+Down only close.
void TdxPopupCalculator::KeyDown(WORD& Key, TShiftState Shift) {
  const bool altArrow = (Key == VK_UP || Key == VK_DOWN) && (Shift & ssAlt);
  if (altArrow || Key == VK_F4 || Key == VK_ESCAPE) {
    HidePopup(false);
    Key = 0;
    return;
  }
  TCustomdxCalculator::KeyDown(Key, Shift);
  if (Key == VK_RETURN) {
    HidePopup(false);
    Key = 0;
  }
}

void TdxPopupCalculator::KeyPress(TKeyChar& Key) {
  TCustomdxCalculator::KeyPress(Key);
  if (Key == U'=' && FQuickClose) HidePopup(false);
}

// --- the calculator editor ----------------------------------------------------------------------

const TdxInplaceEditClass& CalcEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceCalcEdit, TdxDropDownEditClass>("TdxInplaceCalcEdit", Inplace);
}

TdxInplaceCalcEdit::TdxInplaceCalcEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class) {
  SetEditorDrivenPopup(false);
}

TdxInplaceCalcEdit::~TdxInplaceCalcEdit() { FPopupCalculator.reset(); }

void TdxInplaceCalcEdit::DropDown() {
  if (IsPopupVisible() || !CanEditText()) return;
  if (!FPopupCalculator) FPopupCalculator.reset(new TdxPopupCalculator(nullptr));
  TdxPopupCalculator& calc = *FPopupCalculator;
  calc.SetOwnerEdit(this);
  SetPopupControl(&calc);
  DoDropDownEvents();
  calc.SetPopupBorder(GetPopupBorderStyle());
  calc.SetShadow(Style()->Shadow());
  calc.SetNoFocusOnClick(true);
  calc.SetQuickClose(FQuickClose);
  calc.SetDisplayEditor(this);
  calc.SetFont(Font());
  calc.SetShowFocusRect(false);
  calc.SetBeepOnError(FBeepOnError);
  calc.SetButtonStyle(FButtonStyle);
  calc.SetShowButtonFrame(FShowButtonFrame);
  calc.SetPrecision(FPrecision);
  calc.InitButtons();
  calc.HandleNeeded();
  PositionPopup(&calc, false);
  SetPopupShown(true);
  calc.ShowPopup();
}

void TdxInplaceCalcEdit::CloseUp(bool Accept) {
  if (FPopupCalculator && PopupShown()) FPopupCalculator->HidePopup(Accept);
}
