// TdxBarItem: one command of a bar manager (caption, glyph, hint, short cut, category, click),
// shown on bars and menus through its item links and told to their item controls whenever it
// changes; TdxBarItemActionLink keeps an item in step with a platform action.
#pragma once

#include <memory>
#include <vector>

#include "bars/dxBarCommon.h"
#include "classes/Component.h"
#include "controls/ActnList.h"
#include "graphics/Graphic.h"

class TdxBarItemActionLink : public TActionLink {
 public:
  explicit TdxBarItemActionLink(TdxBarItem* Client);
  TdxBarItem* Client() const { return FClient; }

  // Each holds when the action is a TAction and the item's value equals the action's; the item
  // then does not store the value in its layout.
  bool IsCaptionLinked() const;
  bool IsCheckedLinked() const;
  bool IsEnabledLinked() const;
  bool IsHelpContextLinked() const;
  bool IsHintLinked() const;
  bool IsImageIndexLinked() const;
  bool IsShortCutLinked() const;
  bool IsVisibleLinked() const;
  bool IsOnExecuteLinked() const;

 private:
  TAction* LinkedAction() const;
  TdxBarItem* FClient;
};

// ivAlways for True, ivNever for False: an action's Visible as an item's.
TdxBarItemVisible VisibleToBarItemVisible(bool Visible);

class TdxBarItem : public TComponent {
 public:
  // Joins the manager of its owner form, or the first manager there is.
  explicit TdxBarItem(TComponent* AOwner);
  ~TdxBarItem() override;
  String ClassName() const override { return "TdxBarItem"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  // Moves the item to another manager's item list.
  void SetBarManager(TdxBarManager* Value);

  int LinkCount() const { return static_cast<int>(FLinks.size()); }
  // nullptr out of range.
  TdxBarItemLink* Links(int Index) const;

  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TdxBarItemActionLink* ActionLink() const { return FActionLink.get(); }

  TdxBarItemAlign Align() const { return FAlign; }
  void SetAlign(TdxBarItemAlign Value);
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  int Category() const { return FCategory; }
  void SetCategory(int Value);
  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value);
  // While the manager customises, every item with a category reads as enabled (so that it can be
  // dragged); otherwise the stored value.
  bool Enabled() const;
  void SetEnabled(bool Value);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value);
  // A short part, optionally "|" and a long part.
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  TdxBarItemVisible Visible() const { return FVisible; }
  void SetVisible(TdxBarItemVisible Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value) { FGlyph->Assign(Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // Whether the item's control holds its pressed look only while the command runs.
  virtual bool UnclickAfterDoing() const { return false; }

  // ivAlways, or ivInCustomizing while the manager customises.
  bool VisibleOnScreen() const;
  // Shown in bars and menus: visible on screen, or any item at design time.
  bool IsAvailable() const;

  // The link whose control runs the item's click, while it runs.
  TdxBarItemLink* ClickedItemLink() const { return FClickedItemLink; }
  void SetClickedItemLink(TdxBarItemLink* Value) { FClickedItemLink = Value; }
  // Runs DirectClick when the item may be clicked.
  virtual void Click();
  // When enabled: the manager's OnClickItem, then DoClick; an exception goes to the
  // application's handler and ends only this click.
  void DirectClick();
  virtual bool CanClick() const { return true; }
  // Whether the item answers the accelerator of its caption on Link.
  virtual bool IsAccelAvailable(const TdxBarItemLink* Link) const;

  // The item told its links' controls (or their bars) what changed.
  virtual void CaptionChanged();
  virtual void EnabledChanged();
  virtual void GlyphChanged();
  virtual void ShortCutChanged();
  virtual void VisibleChanged();
  // Repaints the control of every link, but a control its bar is tracking.
  virtual void Update();
  // Re-lays out the bar windows that show the item.
  virtual void UpdateBars();
  // The bound action changed; with CheckDefaults only values still at their defaults are copied.
  virtual void ActionChange(TBasicAction* Sender, bool CheckDefaults);

  // The Visible value a layout gave, applied by the manager when loading ends.
  void ApplyLoadedVisible();

  bool IsCaptionStored() const;
  bool IsEnabledStored() const;
  bool IsHelpContextStored() const;
  bool IsHintStored() const;
  bool IsVisibleStored() const;
  bool IsImageIndexStored() const;
  bool IsShortCutStored() const;

  bool HasParent() const override { return FCategory != -1; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void SetName(const String& NewName) override;

  // Fires OnDestroy while the whole item still exists.
  void BeforeDestruction() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDestroy;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(TReader& Reader) override;
  // The manager was set (sub items hand it on to their links).
  virtual void BarManagerChanged() {}
  // OnClick, unless it is the action's own handler; otherwise the action through its link.
  virtual void DoClick();
  bool IsLoading() const { return (ComponentState() & csLoading) != 0; }
  bool IsDesigning() const;
  // The manager is told that the item changed (the customize dialog refreshes it).
  void ItemChanged();

 private:
  friend class TdxBarItemLink;
  friend class TdxBarManagerCategories;
  void AddLink(TdxBarItemLink* Link);
  void RemoveLink(TdxBarItemLink* Link);
  // Moves the item to another category without any check or notice (category renumbering).
  void SetCategoryIndex(int Value) { FCategory = Value; }

  TdxBarManager* FBarManager = nullptr;
  std::vector<TdxBarItemLink*> FLinks;
  std::unique_ptr<TdxBarItemActionLink> FActionLink;
  std::unique_ptr<TBitmap> FGlyph;
  TdxBarItemAlign FAlign = iaLeft;
  String FCaption;
  int FCategory = -1;
  String FDescription;
  bool FEnabled = true;
  int FHelpContext = 0;
  String FHint;
  TdxBarItemVisible FVisible = ivAlways;
  TdxBarItemVisible FLoadedVisible = ivAlways;
  int FImageIndex = -1;
  TShortCut FShortCut = 0;
  TdxBarItemLink* FClickedItemLink = nullptr;
};
