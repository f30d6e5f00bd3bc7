// Actions: TBasicAction (what runs, what updates it), TAction (caption, enabled and checked
// state, visibility, hint, short cut and image shared by every control bound to it), TActionList
// (the actions of a form, updated when the application goes idle) and TActionLink, through which
// a control, a menu item or a side-bar item follows an action.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "controls/ShortCut.h"

class TBasicAction;
class TActionList;

// One client's connection to an action. The client gives what to do when the action changed
// (CheckDefaults: the client is being read from a layout, so values it was given there stay);
// the link registers with the action and is dropped by it when the action goes first.
class TActionLink {
 public:
  using TChangeProc = std::function<void(TBasicAction* Action, bool CheckDefaults)>;
  explicit TActionLink(TChangeProc OnChange) : FOnChange(std::move(OnChange)) {}
  ~TActionLink();
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;

  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value, bool CheckDefaults = false);
  // Runs the action on behalf of Client; answers whether it ran.
  bool Execute(TComponent* Client = nullptr);
  bool Update();

 private:
  friend class TBasicAction;
  TBasicAction* FAction = nullptr;
  TChangeProc FOnChange;
};

// Binds Client to Value through Link, making the link with OnChange on first use; a null Value
// drops the link. A client being read from a layout keeps the values it was given there.
void BindClientAction(std::unique_ptr<TActionLink>& Link, const TComponent* Client, TBasicAction* Value,
                      TActionLink::TChangeProc OnChange);

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;
  String ClassName() const override { return "TBasicAction"; }

  // Runs OnExecute; answers whether a handler ran.
  virtual bool Execute();
  // Runs OnUpdate; answers whether a handler ran.
  virtual bool Update();
  // The client whose click runs the action now (nullptr when run directly).
  TComponent* ActionComponent() const { return FActionComponent; }
  void SetActionComponent(TComponent* Value) { FActionComponent = Value; }

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 protected:
  // Tells every client that the action's properties changed.
  void Change();

 private:
  friend class TActionLink;
  std::vector<TActionLink*> FClients;
  TComponent* FActionComponent = nullptr;
};

class TAction : public TBasicAction {
 public:
  explicit TAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TAction() override;
  String ClassName() const override { return "TAction"; }

  // Updates first; runs only while enabled.
  bool Execute() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { Set(FCaption, Value); }
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value) { Set(FChecked, Value); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { Set(FEnabled, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Set(FVisible, Value); }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { Set(FHint, Value); }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { Set(FShortCut, Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { Set(FImageIndex, Value); }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { Set(FHelpContext, Value); }

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* Value);
  // The position in the action list, -1 without one.
  int Index() const;

  // The hint step before a control shows the action's hint: OnHint may change the text, or
  // refuse the hint by clearing CanShow; answers whether the hint may show.
  virtual bool DoHint(String& HintStr);
  std::function<void(String& HintStr, bool& CanShow)> OnHint;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

 private:
  template <class V>
  void Set(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    Change();
  }

  String FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  String FHint;
  TShortCut FShortCut = scNone;
  int FImageIndex = -1;
  int FHelpContext = 0;
  TActionList* FActionList = nullptr;
};

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* AOwner);
  ~TActionList() override;
  String ClassName() const override { return "TActionList"; }

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TAction* Actions(int Index) const { return FActions.at(static_cast<size_t>(Index)); }
  // Runs the enabled, visible action whose short cut this is; answers whether one ran.
  bool IsShortCut(WORD Key, TShiftState Shift);
  // Runs OnUpdate of every action.
  void UpdateActions();

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

 private:
  friend class TAction;
  std::vector<TAction*> FActions;
};

// The idle work of the action lists: updates the actions of every list whose form is showing
// (lists owned by something other than a form always). The application runs it when idle.
void UpdateActionLists();
