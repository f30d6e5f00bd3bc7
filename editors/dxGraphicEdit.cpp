// The graphic editor: the picture as its value, the commands on it (clipboard, delete, picture
// files, custom), the keys and clicks that run them, and the toolbar or context menu offering them.
#include "editors/dxGraphicEdit.h"

#include "controls/Dialogs.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxExEdtr.h"
#include "graphics/GraphicFormat.h"
#include "rtl/ScopeExit.h"
#include "windows/Caret.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/Window.h"

const TdxInplaceEditClass& GraphicEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceGraphicEdit, TdxGraphicEditClass>("TdxInplaceGraphicEdit", Inplace);
}

TdxInplaceGraphicEdit::TdxInplaceGraphicEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceEdit(AOwner, Class),
      FClipboardFormat(CF_BITMAP),
      FPicture(std::make_unique<TPicture>()),
      FToolBar(new TdxPopupToolBar(nullptr)),
      FPopupToolBarWindow(std::make_unique<TdxPopupToolBarWindow>(this)) {
  SetControlStyle(ControlStyle() | csClickEvents | csSetCaption | csDoubleClicks);
  SetAutoSize(false);
  SetParentColor(false);
  SetBounds(Left(), Top(), 140, 100);
  FPicture->OnChange = [this](TObject* Sender) { PictureChanged(Sender); };
  FToolBar->SetOwnerEdit(this);
  FToolBar->OnButtonClick = [this](TObject*, int Index) { ExecuteCommand(Index); };
}

TdxInplaceGraphicEdit::~TdxInplaceGraphicEdit() {
  FPicture->OnChange = nullptr;
  FToolBar.reset();
}

void TdxInplaceGraphicEdit::SetCenter(bool Value) {
  if (FCenter == Value) return;
  FCenter = Value;
  PictureChanged(this);
}

void TdxInplaceGraphicEdit::SetStretch(bool Value) {
  if (FStretch == Value) return;
  FStretch = Value;
  PictureChanged(this);
}

void TdxInplaceGraphicEdit::SetGraphicTransparency(TdxGraphicEditTransparency Value) {
  if (FGraphicTransparency == Value) return;
  FGraphicTransparency = Value;
  const TValueScope<bool> updating(FUpdating, true);
  PictureChanged(this);
}

void TdxInplaceGraphicEdit::SetPopupToolBarPosStored(bool Value) {
  FPopupToolBarPosStored = Value;
  if (!Value) FStoredToolBarPos = NoToolBarPosition;
}

// A change the editor makes itself (loading a value) is no modification.
void TdxInplaceGraphicEdit::PictureChanged(TObject* Sender) {
  (void)Sender;
  LayoutChanged();
  if (FGraphicTransparency != gtDefault && !IsPictureEmpty(FPicture.get())) {
    TNotifyEvent saved = std::move(FPicture->OnChange);
    FPicture->OnChange = nullptr;
    FPicture->Graphic()->SetTransparent(FGraphicTransparency == gtTransparent);
    FPicture->OnChange = std::move(saved);
  }
  if (FUpdating || (ComponentState() & csLoading)) return;
  Change();
  SetModified(true);
}

void TdxInplaceGraphicEdit::SetEditValue(const Variant& Value) {
  const bool modified = GetModified();
  {
    const TValueScope<bool> updating(FUpdating, true);
    if (VarIsStr(Value) && VarToStr(Value).empty())
      FPicture->SetGraphic(nullptr);
    else
      LoadPictureFromValue(*FPicture, GetGraphicClass(), Value);
  }
  SetModified(modified);
}

Variant TdxInplaceGraphicEdit::GetEditValue() {
  TPicture* picture = FPicture.get();
  DoAssignPicture(picture);
  return Variant(picture ? SavePictureToString(*picture) : String());
}

void TdxInplaceGraphicEdit::DoCustomClick() {
  if (OnCustomClick) OnCustomClick(this);
}

void TdxInplaceGraphicEdit::DoAssignPicture(TPicture*& Picture) {
  if (OnAssignPicture) OnAssignPicture(this, Picture);
}

TGraphicClass TdxInplaceGraphicEdit::GetGraphicClass() {
  TGraphicClass graphicClass;
  if (OnGetGraphicClass) OnGetGraphicClass(this, graphicClass);
  return graphicClass;
}

std::unique_ptr<TdxEditViewData> TdxInplaceGraphicEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceEdit::CreateViewData(IsPaint);
  auto& graphic = static_cast<TdxGraphicEditViewData&>(*vd);
  graphic.Center = FCenter;
  graphic.Stretch = FStretch;
  graphic.QuickDraw = FQuickDraw;
  graphic.StandAlone = !IsInplace();
  graphic.Picture = FPicture.get();
  return vd;
}

// --- commands ----------------------------------------------------------------------------------

void TdxInplaceGraphicEdit::ExecuteCommand(int Index) {
  switch (Index) {
    case gcCut:
      ExecuteCommand(gcCopy);
      if (CanEditText()) ExecuteCommand(gcDelete);
      break;
    case gcCopy:
      if (!IsPictureEmpty(FPicture.get())) {
        TBitmap bitmap(FPicture->Width(), FPicture->Height());
        bitmap.Canvas()->StretchDraw({0, 0, bitmap.Width(), bitmap.Height()}, FPicture->Graphic());
        Clipboard().Assign(bitmap);
      }
      break;
    case gcPaste:
      if (CanEditText() && Clipboard().HasFormat(FClipboardFormat) && CanModify()) {
        TBitmap bitmap;
        if (Clipboard().GetPicture(bitmap)) FPicture->SetGraphic(&bitmap);
      }
      break;
    case gcDelete:
      if (CanModify()) FPicture->SetGraphic(nullptr);
      break;
    case gcLoad: LoadFromFile(); break;
    case gcSave: SaveToFile(); break;
    case gcCustom: DoCustomClick(); break;
    default: break;
  }
  FToolBar->SetPictureEmpty(IsPictureEmpty(FPicture.get()));
  FToolBar->UpdateButtons();
}

void TdxInplaceGraphicEdit::LoadFromFile() {
  if (!CanModify()) return;
  TOpenDialog dialog(nullptr);
  dialog.Filter = FCustomFilter.empty() ? GraphicFilter(String()) : FCustomFilter;
  if (dialog.Execute()) FPicture->LoadFromFile(dialog.FileName);
}

void TdxInplaceGraphicEdit::SaveToFile() {
  if (IsPictureEmpty(FPicture.get())) return;
  const String kind = FPicture->Graphic()->ClassName();
  TSaveDialog dialog(nullptr);
  dialog.Filter = FCustomFilter.empty() ? GraphicFilter(kind) : FCustomFilter;
  dialog.DefaultExt = GraphicExtension(kind);
  if (dialog.Execute()) FPicture->SaveToFile(dialog.FileName);
}

// --- the toolbar and the menu ------------------------------------------------------------------

void TdxInplaceGraphicEdit::ApplyToolBarSettings() {
  TdxPopupToolBar& bar = *FToolBar;
  TdxPopupToolBarWindow& settings = *FPopupToolBarWindow;
  bar.SetButtonCaption(gcCustom, settings.CustomButtonCaption());
  if (settings.IsCustomButtonGlyphStored()) bar.Button(gcCustom)->SetGlyph(settings.CustomButtonGlyph());
  bar.SetAlignment(settings.Alignment());
  bar.SetButtons(settings.Buttons());
  bar.SetShowCaptions(settings.ShowCaptions());
  bar.SetToolBarVisible(settings.Visible());
  bar.SetClipboardFormat(FClipboardFormat);
  bar.SetPictureEmpty(IsPictureEmpty(FPicture.get()));
  bar.SetReadOnly(!CanEditText());
  BuildPopupMenu();
  TMenuItem* items = bar.CommandMenu()->Items();
  items->Items(8)->SetCaption(settings.CustomButtonCaption());
  const int buttonOfItem[] = {0, 1, 2, 3, -1, 4, 5, -1, 6};
  for (int i = 0; i < 9; ++i)
    if (buttonOfItem[i] >= 0) items->Items(i)->SetVisible((settings.Buttons() >> buttonOfItem[i]) & 1u);
}

void TdxInplaceGraphicEdit::BuildPopupMenu() {
  if (FToolBar->CommandMenu()) return;
  auto* menu = new TPopupMenu(FToolBar.get());
  const TdxEditorResources& r = dxEditorResources();
  const int buttonOfItem[] = {0, 1, 2, 3, -1, 4, 5, -1, 6};
  for (const int index : buttonOfItem) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(index < 0 ? String("-") : index < 6 ? r.ToolbarCaptions[static_cast<size_t>(index)] : String());
    item->SetImageIndex(index);
    item->SetTag(index);
    if (index >= 0) item->OnClick = [this](TObject* Sender) { MenuItemClick(Sender); };
    menu->Items()->Add(item);
  }
  FToolBar->SetCommandMenu(menu);
}

void TdxInplaceGraphicEdit::MenuItemClick(TObject* Sender) { ExecuteCommand(static_cast<TComponent*>(Sender)->Tag()); }

// A place the user moved the toolbar to since it was last shown is kept for the next showing.
void TdxInplaceGraphicEdit::ShowPopupToolBar() {
  if (FPopupToolBarWindow->IsPopupMenu() || !FPopupToolBarWindow->Visible() || !HandleAllocated()) return;
  ApplyToolBarSettings();
  TdxPopupToolBar& bar = *FToolBar;
  const TPoint current{bar.Left(), bar.Top()};
  if (FLastToolBarPos != NoToolBarPosition && current != FLastToolBarPos) FStoredToolBarPos = current;
  bar.LayoutButtons();
  if (FPopupToolBarPosStored && FStoredToolBarPos != NoToolBarPosition) {
    bar.SetBounds(FStoredToolBarPos.X, FStoredToolBarPos.Y, bar.Width(), bar.Height());
  } else {
    TRect r;
    GetWindowRect(Handle(), r);
    bar.PlaceNear(r);
  }
  FLastToolBarPos = {bar.Left(), bar.Top()};
  bar.SetClosedByUser(false);
  bar.UpdateButtons();
  bar.ShowNoActivate();
}

void TdxInplaceGraphicEdit::StateChanged() {
  TdxInplaceEdit::StateChanged();
  if (!FDblClickActivate && HandleAllocated() && GetFocus() == Handle()) ShowPopupToolBar();
}

void TdxInplaceGraphicEdit::FocusChanged(TMessage& Message) {
  const bool toolBarFocused = FToolBar->HandleAllocated() && GetFocus() == FToolBar->Handle();
  if (Message.Msg == WM_KILLFOCUS && !toolBarFocused && FToolBar->HandleAllocated()) FToolBar->Hide();
  TdxInplaceEdit::FocusChanged(Message);
}

bool TdxInplaceGraphicEdit::IsFocused() {
  return TdxInplaceEdit::IsFocused() || (FToolBar->HandleAllocated() && GetFocus() == FToolBar->Handle());
}

// --- keys, mouse and messages ------------------------------------------------------------------

void TdxInplaceGraphicEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (IsInplace() && GetContainer() && (Key == VK_LEFT || Key == VK_RIGHT)) {
    FocusAdjacentCell(Key == VK_LEFT);
    Key = 0;
    return;
  }
  const WORD key = Key;
  TdxInplaceEdit::KeyDown(Key, Shift);
  if (key == VK_INSERT && Shift == ssShift) ExecuteCommand(gcPaste);
  if (key == VK_INSERT && Shift == ssCtrl) ExecuteCommand(gcCopy);
  if (key == VK_DELETE && Shift == ssShift) ExecuteCommand(gcCut);
}

void TdxInplaceGraphicEdit::KeyPress(TKeyChar& Key) {
  const TKeyChar key = Key;
  TdxInplaceEdit::KeyPress(Key);
  if (key == 3) ExecuteCommand(gcCopy);
  if (key == 22) ExecuteCommand(gcPaste);
  if (key == 24) ExecuteCommand(gcCut);
}

void TdxInplaceGraphicEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TdxInplaceEdit::MouseDown(Button, Shift, X, Y);
  if ((Shift & ssDouble) && FDblClickActivate) ShowPopupToolBar();
}

void TdxInplaceGraphicEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_CONTEXTMENU) return WMContextMenu(Message);
  TdxInplaceEdit::Dispatch(Message);
  if (Message.Msg == WM_GETDLGCODE && IsInplace()) Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

// A keyboard request (-1, -1) opens the menu at the editor's top-left corner.
void TdxInplaceGraphicEdit::WMContextMenu(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (Message.Result != 0 || !FPopupToolBarWindow->IsPopupMenu() || PopupMenu()) return;
  TPoint at = LParamToPoint(Message.LParam);
  if (at.X == -1 && at.Y == -1) at = ClientToScreen(TPoint{0, 0});
  ApplyToolBarSettings();
  FToolBar->UpdateButtons();
  FToolBar->CommandMenu()->Popup(at.X, at.Y);
  Message.Result = 1;
}
