// TdxBarSubMenuEditor: a caption-only window that opens the menu of a sub item's (or container
// item's) links just below its caption while the bars are customised, so that links can be
// dragged into it; the menu moves with the window and closes with it.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/Forms.h"

class TdxBarSubMenuEditor : public TForm {
 public:
  explicit TdxBarSubMenuEditor(TdxBarItemLinks* ItemLinks);
  ~TdxBarSubMenuEditor() override;
  String ClassName() const override { return "TdxBarSubMenuEditor"; }
  TdxBarItemLinks* ItemLinks() const { return FItemLinks; }
  // Edits other links; the editor goes when the component that owns them goes.
  void SetItemLinks(TdxBarItemLinks* Value);
  // The menu open below the caption, nullptr when none.
  TdxBarSubMenuControl* Menu() const;
  // Opens the links' menu below the caption unless it shows already.
  void OpenMenu();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void DoClose(TCloseAction& Action) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CloseMenu();
  void FollowWithMenu();

  TdxBarItemLinks* FItemLinks = nullptr;
  TComponent* FLinksOwner = nullptr;
};

// Makes the manager of ItemLinks customise, shows the Customize dialog's commands page, and shows
// the one editor (made on first use) for ItemLinks.
void ShowSubMenuEditor(TdxBarItemLinks* ItemLinks);
TdxBarSubMenuEditor* SubMenuEditor();
void FreeSubMenuEditor();
