// The picture editors' small floating toolbar: a tool window of flat buttons (cut, copy, paste,
// delete, load, save and a custom one) that never takes the activation, follows the clipboard to
// enable Paste, and is placed beside its editor; and TdxPopupToolBarWindow, the toolbar's settings
// as a host's column publishes them.
#pragma once

#include <array>

#include "controls/Forms.h"
#include "controls/Menus.h"
#include "controls/SpeedButton.h"

class TdxInplaceGraphicEdit;

enum TdxPopupToolBarAlignment : uint8_t { ptaLeft, ptaTop, ptaRight, ptaBottom };
inline constexpr const char* PopupToolBarAlignmentNames[] = {"ptaLeft", "ptaTop", "ptaRight", "ptaBottom"};

// A set of buttons: bit i stands for button i.
enum TdxPopupToolBarButton : uint8_t { ptbCut, ptbCopy, ptbPaste, ptbDelete, ptbLoad, ptbSave, ptbCustom };
inline constexpr const char* PopupToolBarButtonNames[] = {"ptbCut",  "ptbCopy", "ptbPaste", "ptbDelete",
                                                          "ptbLoad", "ptbSave", "ptbCustom"};
using TdxPopupToolBarButtons = unsigned;
inline constexpr TdxPopupToolBarButtons DefaultToolBarButtons = 0x3F;  // cut .. save

// Index is the button's index in the table: 0 cut ... 6 custom.
using TdxToolBarButtonEvent = std::function<void(TObject* Sender, int Index)>;

class TdxPopupToolBar : public TForm {
 public:
  explicit TdxPopupToolBar(TComponent* AOwner);
  ~TdxPopupToolBar() override;
  String ClassName() const override { return "TdxPopupToolBar"; }

  TdxPopupToolBarAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TdxPopupToolBarAlignment Value) { FAlignment = Value; }
  TdxPopupToolBarButtons Buttons() const { return FButtons; }
  void SetButtons(TdxPopupToolBarButtons Value) { FButtons = Value; }
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value) { FShowCaptions = Value; }
  UINT ClipboardFormat() const { return FClipboardFormat; }
  void SetClipboardFormat(UINT Value) { FClipboardFormat = Value; }
  void SetPictureEmpty(bool Value) { FPictureEmpty = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool IsPopupMenu() const { return FIsPopupMenu; }
  void SetIsPopupMenu(bool Value) { FIsPopupMenu = Value; }
  // The toolbar shows only while visible and not closed by the user.
  void SetToolBarVisible(bool Value) { FToolBarVisible = Value; }
  void SetClosedByUser(bool Value) { FClosedByUser = Value; }
  TSpeedButton* Button(int Index) const { return FSpeedButtons.at(static_cast<size_t>(Index)); }
  void SetButtonCaption(int Index, const String& Value) { FCaptions.at(static_cast<size_t>(Index)) = Value; }
  // Built once by the editor: cut, copy, paste, delete, -, load, save, -, custom.
  TPopupMenu* CommandMenu() const { return FPopupMenu; }
  void SetCommandMenu(TPopupMenu* Value) { FPopupMenu = Value; }
  // The editor whose form keeps its caption active and to which the focus may go.
  TWinControl* OwnerEdit() const { return FOwnerEdit; }

  // Sizes the toolbar to its visible buttons, stacked beside the editor or in a row above or
  // below it.
  void LayoutButtons();
  // Enables each button (and the menu's items) by the picture, the read-only state and the
  // clipboard.
  void UpdateButtons();
  // Places the toolbar at the side Alignment names of the editor's screen rectangle R, on the
  // other side when there is no room, inside the work area.
  void PlaceNear(const TRect& R);
  // Shows the toolbar without activating it.
  void ShowNoActivate();

  TdxToolBarButtonEvent OnButtonClick;

 protected:
  friend class TdxInplaceGraphicEdit;
  void SetOwnerEdit(TWinControl* Value) { FOwnerEdit = Value; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;

 private:
  bool IsButtonShown(int Index) const { return (FButtons >> Index) & 1u; }
  void ButtonClicked(TObject* Sender);

  std::array<TSpeedButton*, 7> FSpeedButtons{};
  // Shown on the buttons of a vertical toolbar with captions; the custom one is the settings'.
  std::array<String, 7> FCaptions;
  bool FToolBarVisible = true;
  bool FClipboardListener = false;
  UINT FClipboardFormat = 0;
  TPopupMenu* FPopupMenu = nullptr;
  bool FClosedByUser = false;
  bool FPictureEmpty = true;
  bool FIsPopupMenu = true;
  bool FReadOnly = false;
  bool FShowCaptions = true;
  TdxPopupToolBarAlignment FAlignment = ptaRight;
  TdxPopupToolBarButtons FButtons = DefaultToolBarButtons;
  TWinControl* FOwnerEdit = nullptr;
};

// The toolbar's settings of a graphic editor.
class TdxPopupToolBarWindow : public TPersistent {
 public:
  explicit TdxPopupToolBarWindow(TdxInplaceGraphicEdit* Owner = nullptr) : FOwner(Owner) {}
  ~TdxPopupToolBarWindow() override;
  String ClassName() const override { return "TdxPopupToolBarWindow"; }
  void Assign(const TPersistent* Source) override;

  TdxPopupToolBarAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TdxPopupToolBarAlignment Value) { FAlignment = Value; }
  TdxPopupToolBarButtons Buttons() const { return FButtons; }
  void SetButtons(TdxPopupToolBarButtons Value) { FButtons = Value; }
  const String& CustomButtonCaption() const { return FCustomButtonCaption; }
  void SetCustomButtonCaption(const String& Value) { FCustomButtonCaption = Value; }
  // Created on first read; none frees it.
  TBitmap* CustomButtonGlyph();
  void SetCustomButtonGlyph(const TBitmap* Value);
  bool IsCustomButtonGlyphStored() const { return FCustomButtonGlyph && !FCustomButtonGlyph->Empty(); }
  // The commands come as a context menu instead of the toolbar.
  bool IsPopupMenu() const { return FIsPopupMenu; }
  void SetIsPopupMenu(bool Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value) { FShowCaptions = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }

 private:
  TdxInplaceGraphicEdit* FOwner;
  TdxPopupToolBarAlignment FAlignment = ptaBottom;
  TdxPopupToolBarButtons FButtons = DefaultToolBarButtons;
  String FCustomButtonCaption;
  std::unique_ptr<TBitmap> FCustomButtonGlyph;
  bool FIsPopupMenu = true;
  bool FShowCaptions = true;
  bool FVisible = true;
};
