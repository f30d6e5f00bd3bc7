// TdxInplaceHyperLinkEdit: a text that is a link (a web or mail address, a document), shown
// underlined in the link colour with a hand over it. A click or the start key hands it to the
// desktop, which opens it with the program it belongs to; a handler may take the opening over.
// Only addresses and documents the desktop can show are opened: a stored text naming a program or
// a script is refused with a beep.
#pragma once

#include <memory>

#include "controls/ShortCut.h"
#include "editors/dxTextEdit.h"

class TdxHyperLinkEditViewData : public TdxTextEditViewData {
 public:
  bool HandCursor = false;
};

class TdxHyperLinkEditClass : public TdxTextEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // The hand over a link that opens on a click.
  TCursor GetViewCursor(int X, int Y, const TdxEditViewData& ViewData) const override;
};

const TdxInplaceEditClass& HyperLinkEditClass(bool Inplace = true);

class TdxInplaceHyperLinkEdit : public TdxInplaceTextEdit {
 public:
  explicit TdxInplaceHyperLinkEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = HyperLinkEditClass());
  ~TdxInplaceHyperLinkEdit() override;
  String ClassName() const override { return "TdxInplaceHyperLinkEdit"; }

  TColor LinkColor() const { return FLinkColor; }
  void SetLinkColor(TColor Value);
  // The editor's font, underlined, in the link colour (the window text colour for clDefault).
  TFont* LinkFont();
  // A single click opens the link even where a double click would be needed.
  bool SingleClick() const { return FSingleClick; }
  void SetSingleClick(bool Value) { FSingleClick = Value; }
  TShortCut StartKey() const { return FStartKey; }
  void SetStartKey(TShortCut Value) { FStartKey = Value; }
  // In place, or with SingleClick, or when the text cannot be edited, a click opens the link.
  bool OpensOnClick();

  // --- operations in slot order (after the text editor's) --------------------------------------
  // OnStartClick when assigned; else the text, when not blank and openable, goes to the desktop.
  virtual void StartLink();

  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  void ContainerClick() override;
  void SelectAllOnShow() override;

  TNotifyEvent OnStartClick;

 protected:
  const TFont* LookFont() override { return LinkFont(); }
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  void UpdateLinkFont();
  void WMLButtonUp(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);

  TColor FLinkColor = clBlue;
  std::unique_ptr<TFont> FLinkFont;
  bool FSingleClick = false;
  TShortCut FStartKey = dxCtrlEnter;
  // The release that ends a double click opens nothing more.
  bool FDoubleClicked = false;
};
