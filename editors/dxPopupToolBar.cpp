// The picture toolbar: its buttons and their layout, their enabled states, its place beside the
// editor, showing without activation, the clipboard it listens to, and its settings object.
#include "editors/dxPopupToolBar.h"

#include "editors/dxDrawing.h"
#include "editors/dxEditStrings.h"
#include "editors/dxExEdtr.h"
#include "editors/dxGraphicEdit.h"
#include "graphics/Gdi.h"
#include "rtl/Text.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

namespace {

constexpr int ButtonSize = 22;
const char* const GlyphNames[] = {"DXTOOL_CUT", "DXTOOL_COPY", "DXTOOL_PASTE", "DXTOOL_DELETE", "DXTOOL_LOAD",
                                  "DXTOOL_SAVE"};

}  // namespace

TdxPopupToolBar::TdxPopupToolBar(TComponent* AOwner) : TForm(AOwner), FClipboardFormat(CF_BITMAP) {
  const TdxEditorResources& r = dxEditorResources();
  for (int i = 0; i < 7; ++i) {
    auto* button = new TSpeedButton(this);
    button->SetFlat(true);
    button->SetMargin(4);
    button->SetTag(i);
    TBitmap glyph;
    if (i < 6) {
      FCaptions[static_cast<size_t>(i)] = r.ToolbarCaptions[static_cast<size_t>(i)];
      button->SetHint(r.ToolbarHints[static_cast<size_t>(i)]);
      dxLoadEditorBitmap(GlyphNames[i], glyph);
    } else {
      glyph.SetSize(16, 16);
      glyph.Canvas()->Brush()->SetColor(clBtnFace);
      glyph.Canvas()->FillRect({0, 0, 16, 16});
    }
    button->SetGlyph(&glyph);
    button->OnClick = [this](TObject* Sender) { ButtonClicked(Sender); };
    button->SetParent(this);
    FSpeedButtons[static_cast<size_t>(i)] = button;
  }
  SetBorderIcons(1u << biSystemMenu);
  SetBorderStyle(bsToolWindow);
  SetFormStyle(fsStayOnTop);
  SetShowHint(true);
  SetCaption(dxEditorText(dxSEditToolbox));
}

TdxPopupToolBar::~TdxPopupToolBar() = default;

void TdxPopupToolBar::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.ClassStyle |= CS_SAVEBITS;
}

void TdxPopupToolBar::CreateWnd() {
  TForm::CreateWnd();
  FClipboardListener = AddClipboardFormatListener(Handle());
}

void TdxPopupToolBar::DestroyWnd() {
  if (FClipboardListener) RemoveClipboardFormatListener(Handle());
  FClipboardListener = false;
  TForm::DestroyWnd();
}

void TdxPopupToolBar::ButtonClicked(TObject* Sender) {
  if (OnButtonClick) OnButtonClick(this, static_cast<TComponent*>(Sender)->Tag());
}

// Side by side the buttons are square; stacked with captions they are as wide as the widest one.
void TdxPopupToolBar::LayoutButtons() {
  const bool vertical = FAlignment == ptaLeft || FAlignment == ptaRight;
  const bool captions = vertical && FShowCaptions;
  int size = ButtonSize, widest = 0, count = 0;
  if (captions) {
    TCanvas* canvas = dxEditorResources().MeasureCanvas.get();
    canvas->Font()->Assign(Font());
    size = std::max(ButtonSize, canvas->TextHeight("Wg") + 9);
    for (int i = 0; i < 7; ++i)
      if (IsButtonShown(i))
        widest = std::max(widest, canvas->TextWidth(StringReplace(FCaptions[static_cast<size_t>(i)], "&", "", rfReplaceAll)));
  }
  for (int i = 0; i < 7; ++i) {
    TSpeedButton* button = Button(i);
    button->SetVisible(IsButtonShown(i));
    if (!IsButtonShown(i)) continue;
    button->SetCaption(captions ? FCaptions[static_cast<size_t>(i)] : String());
    if (vertical)
      button->SetBounds(0, count * size, size + 1 + widest, size);
    else
      button->SetBounds(count * (size + 1), 0, size + 1, size);
    ++count;
  }
  HandleNeeded();
  const int frameW = Width() - ClientWidth(), frameH = Height() - ClientHeight();
  if (vertical)
    SetBounds(Left(), Top(), size + 1 + widest + frameW, count * size + frameH);
  else
    SetBounds(Left(), Top(), (size + 1) * count + frameW, size + frameH);
}

void TdxPopupToolBar::UpdateButtons() {
  const bool paste = !FReadOnly && Clipboard().HasFormat(FClipboardFormat);
  const bool enabled[7] = {!FPictureEmpty && !FReadOnly, !FPictureEmpty, paste, !FPictureEmpty && !FReadOnly,
                           !FReadOnly, !FPictureEmpty, true};
  for (int i = 0; i < 7; ++i) Button(i)->SetEnabled(enabled[i]);
  if (!FIsPopupMenu || !FPopupMenu) return;
  // The menu's items: 0-3, a separator, 5-6, a separator, the custom item.
  const int items[] = {0, 1, 2, 3, -1, 4, 5, -1, 6};
  for (int i = 0; i < FPopupMenu->Items()->Count() && i < 9; ++i)
    if (items[i] >= 0) FPopupMenu->Items()->Items(i)->SetEnabled(enabled[items[i]]);
}

void TdxPopupToolBar::PlaceNear(const TRect& R) {
  TRect wa;
  GetMonitorWorkArea({R.Left, R.Top}, wa);
  int x = R.Left, y = R.Top;
  const int w = Width(), h = Height();
  switch (FAlignment) {
    case ptaLeft:
      x = R.Left - w;
      if (x < wa.Left) x = R.Left + R.Width();
      break;
    case ptaRight:
      x = R.Left + R.Width();
      if (x + w > wa.Right) x = R.Left - w;
      break;
    case ptaTop:
      y = R.Top - h;
      if (y < wa.Top) y = R.Top + R.Height();
      break;
    case ptaBottom:
      y = R.Top + R.Height();
      if (R.Top > wa.Bottom) y = R.Top - h;
      break;
  }
  x = std::max(std::min(x, wa.Right - w), wa.Left);
  y = std::max(std::min(y, wa.Bottom - h), wa.Top);
  SetBounds(x, y, w, h);
}

void TdxPopupToolBar::ShowNoActivate() {
  if (!FToolBarVisible || FClosedByUser) return;
  HandleNeeded();
  SendMessage(Handle(), WM_NCACTIVATE, 1, 0);
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  SetVisible(true);
}

void TdxPopupToolBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_ACTIVATE:
      if (TCustomForm* form = FOwnerEdit ? GetParentForm(FOwnerEdit) : nullptr)
        if (form->HandleAllocated()) SendMessage(form->Handle(), WM_NCACTIVATE, 1, 0);
      UpdateButtons();
      break;
    case WM_CLIPBOARDUPDATE: UpdateButtons(); return;
    case WM_CLOSE:
      FClosedByUser = true;
      Hide();
      return;
    case WM_KILLFOCUS: {
      const HWND to = HWND::FromParam(static_cast<intptr_t>(Message.WParam));
      TForm::Dispatch(Message);
      if (!(FOwnerEdit && FOwnerEdit->HandleAllocated() && to == FOwnerEdit->Handle())) Hide();
      return;
    }
    case CM_SHOWINGCHANGED:
      if (HandleAllocated()) return;
      break;
    default: break;
  }
  TForm::Dispatch(Message);
}

// --- the settings ------------------------------------------------------------------------------

TdxPopupToolBarWindow::~TdxPopupToolBarWindow() = default;

void TdxPopupToolBarWindow::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxPopupToolBarWindow*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FAlignment = source->FAlignment;
  FButtons = source->FButtons;
  FCustomButtonCaption = source->FCustomButtonCaption;
  SetCustomButtonGlyph(source->FCustomButtonGlyph.get());
  SetIsPopupMenu(source->FIsPopupMenu);
  FShowCaptions = source->FShowCaptions;
  FVisible = source->FVisible;
}

TBitmap* TdxPopupToolBarWindow::CustomButtonGlyph() {
  if (!FCustomButtonGlyph) FCustomButtonGlyph = std::make_unique<TBitmap>();
  return FCustomButtonGlyph.get();
}

void TdxPopupToolBarWindow::SetCustomButtonGlyph(const TBitmap* Value) {
  if (!Value)
    FCustomButtonGlyph.reset();
  else
    CustomButtonGlyph()->Assign(Value);
}

void TdxPopupToolBarWindow::SetIsPopupMenu(bool Value) {
  FIsPopupMenu = Value;
  if (FOwner) FOwner->ToolBar()->SetIsPopupMenu(Value);
}
