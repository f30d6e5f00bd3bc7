// Small registered classes that use every kind of stored property: the layout tests and the
// layout reader's fuzz target read and write them.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "classes/Filer.h"
#include "classes/Properties.h"
#include "rtl/Streams.h"
#include "rtl/StringList.h"

namespace layout_fixture {

enum TAlign { alNone, alTop, alBottom, alClient };
inline constexpr const char* AlignNames[] = {"alNone", "alTop", "alBottom", "alClient"};
inline constexpr const char* AnchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};
inline constexpr unsigned DefaultAnchors = 0b0011;  // [akLeft, akTop]

class TFixtureFont : public TPersistent {
 public:
  String ClassName() const override { return "TFixtureFont"; }
  String Name = "宋体";
  int Size = 9;
  bool Bold = false;
};

class TFixtureControl;

class TFixtureColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  String ClassName() const override { return "TFixtureColumn"; }
  void Assign(const TPersistent* source) override {
    auto* other = dynamic_cast<const TFixtureColumn*>(source);
    if (!other) return TCollectionItem::Assign(source);
    Caption = other->Caption;
    Width = other->Width;
    Visible = other->Visible;
    Buddy = other->Buddy;
  }
  String Caption;
  int Width = 64;
  bool Visible = true;
  TFixtureControl* Buddy = nullptr;
};

class TFixtureColumns : public TCollection {
 public:
  explicit TFixtureColumns(TPersistent* owner) : TCollection(ItemClassOf<TFixtureColumn>(), owner) {}
  String ClassName() const override { return "TFixtureColumns"; }
  TFixtureColumn* Column(int index) const { return static_cast<TFixtureColumn*>(Items(index)); }
  int Updates = 0;
  TCollectionItem* LastUpdated = nullptr;

 protected:
  void Update(TCollectionItem* item) override {
    ++Updates;
    LastUpdated = item;
  }
};

using TValidateEvent = std::function<void(TObject* Sender, bool& Accept)>;

// A control-like component: properties of every kind, a parent and children, defined
// properties, and records of what happened while it was loaded.
class TFixtureControl : public TComponent {
 public:
  explicit TFixtureControl(TComponent* owner) : TComponent(owner) {}
  ~TFixtureControl() override {
    for (TFixtureControl* child : FChildren) child->FParent = nullptr;
    SetParentComponent(nullptr);
  }
  String ClassName() const override { return "TFixtureControl"; }

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& value) {
    FCaption = value;
    CaptionSetWhileLoading = (ComponentState() & csLoading) != 0;
  }
  TFixtureFont* Font() const { return FFont.get(); }
  TFixtureColumns* Columns() { return &FColumns; }
  TFixtureControl* Parent() const { return FParent; }

  bool HasParent() const override { return FParent != nullptr; }
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* value) override {
    if (FParent) {
      auto& list = FParent->FChildren;
      list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    FParent = dynamic_cast<TFixtureControl*>(value);
    if (FParent) FParent->FChildren.push_back(this);
  }
  // A root hands out its own components in the order they were made, whether or not they have
  // it as their parent, so that a layout written again keeps its order.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    if (root != this) {
      for (TFixtureControl* child : FChildren) proc(child);
      return;
    }
    for (int i = 0; i < ComponentCount(); ++i) {
      TComponent* c = Components(i);
      if (!c->HasParent() || c->GetParentComponent() == this) proc(c);
    }
  }

  static void Publish(TClassBuilder<TFixtureControl>& c) {
    c.Property("Left", &TFixtureControl::Left, &TFixtureControl::Left);
    c.Property("Width", &TFixtureControl::Width, &TFixtureControl::Width).Default(100);
    c.Property("Caption", &TFixtureControl::Caption, &TFixtureControl::SetCaption);
    c.Property("Enabled", &TFixtureControl::Enabled, &TFixtureControl::Enabled).Default(true);
    c.Property("Align", &TFixtureControl::Align, &TFixtureControl::Align, AlignNames).Default(alNone);
    c.SetProperty("Anchors", &TFixtureControl::Anchors, &TFixtureControl::Anchors, AnchorNames).Default(DefaultAnchors);
    c.Property("Ratio", &TFixtureControl::Ratio, &TFixtureControl::Ratio).Default(0.0);
    c.Property("Big", &TFixtureControl::Big, &TFixtureControl::Big).Default(0);
    c.Property("UseOwnFont", &TFixtureControl::UseOwnFont, &TFixtureControl::UseOwnFont).Default(false);
    c.Property("Font", &TFixtureControl::FFont).Stored(&TFixtureControl::IsFontStored);
    c.Property("Lines", &TFixtureControl::Lines);
    c.Property("Columns", &TFixtureControl::Columns);
    c.Property("Buddy", &TFixtureControl::Buddy, &TFixtureControl::Buddy);
    c.Event("OnClick", &TFixtureControl::OnClick);
    c.Event("OnValidate", &TFixtureControl::OnValidate);
  }

  int Left = 0;
  int Width = 100;
  bool Enabled = true;
  TAlign Align = alNone;
  unsigned Anchors = DefaultAnchors;
  double Ratio = 0;
  int64_t Big = 0;
  bool UseOwnFont = false;
  TStringList Lines;
  TFixtureControl* Buddy = nullptr;
  TNotifyEvent OnClick;
  TValidateEvent OnValidate;
  // Extra stored values: a bit set, a list of row heights and a block of bytes.
  int StoredValues = 0;
  std::vector<int> Heights;
  std::vector<uint8_t> Data;

  int LoadedCount = 0;
  bool CaptionSetWhileLoading = false;
  String CaptionAtLoaded;
  TFixtureControl* BuddyAtLoaded = nullptr;

 protected:
  void Loaded() override {
    TComponent::Loaded();
    ++LoadedCount;
    CaptionAtLoaded = FCaption;
    BuddyAtLoaded = Buddy;
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == Buddy) Buddy = nullptr;
    for (int i = 0; i < FColumns.Count(); ++i) {
      if (FColumns.Column(i)->Buddy == component) FColumns.Column(i)->Buddy = nullptr;
    }
  }
  void DefineProperties(TFiler& filer) override {
    filer.DefineProperty(
        "StoredValues", [this](TReader& r) { StoredValues = r.ReadInteger(); },
        [this](TWriter& w) { w.WriteInteger(StoredValues); }, StoredValues != 0);
    filer.DefineProperty("Heights", [this](TReader& r) { ReadHeights(r); }, [this](TWriter& w) { WriteHeights(w); },
                         !Heights.empty());
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { Data.resize(s.Size()); s.ReadBuffer(Data.data(), int(Data.size())); },
        [this](TStream& s) { s.WriteBuffer(Data.data(), int(Data.size())); }, !Data.empty());
  }

 private:
  bool IsFontStored() const { return UseOwnFont; }
  void ReadHeights(TReader& r) {
    Heights.clear();
    r.ReadListBegin();
    while (!r.EndOfList()) Heights.push_back(r.ReadInteger());
    r.ReadListEnd();
  }
  void WriteHeights(TWriter& w) {
    w.WriteListBegin();
    for (int h : Heights) w.WriteInteger(h);
    w.WriteListEnd();
  }

  String FCaption;
  std::unique_ptr<TFixtureFont> FFont = std::make_unique<TFixtureFont>();
  TFixtureColumns FColumns{this};
  TFixtureControl* FParent = nullptr;
  std::vector<TFixtureControl*> FChildren;
};

// The root of a layout, with the handlers its layouts bind events to.
class TFixtureForm : public TFixtureControl {
 public:
  using TFixtureControl::TFixtureControl;
  String ClassName() const override { return "TFixtureForm"; }
  void ButtonClick(TObject* sender) { Clicked.push_back(sender); }
  void CheckValue(TObject*, bool& accept) { accept = false; }
  std::vector<TObject*> Clicked;

  static void Publish(TClassBuilder<TFixtureForm>& c) {
    c.Method("ButtonClick", &TFixtureForm::ButtonClick);
    c.Method("CheckValue", &TFixtureForm::CheckValue);
  }
};

// A plain component without a parent, as forms hold timers, data sets and image lists.
class TFixtureTimer : public TComponent {
 public:
  using TComponent::TComponent;
  String ClassName() const override { return "TFixtureTimer"; }
  int Interval = 1000;
  static void Publish(TClassBuilder<TFixtureTimer>& c) {
    c.Property("Interval", &TFixtureTimer::Interval, &TFixtureTimer::Interval).Default(1000);
  }
};

inline void RegisterFixtureClasses() {
  RegisterClass<TFixtureFont, TPersistent>("TFixtureFont", [](TClassBuilder<TFixtureFont>& c) {
    c.Property("Name", &TFixtureFont::Name, &TFixtureFont::Name).Default("宋体");
    c.Property("Size", &TFixtureFont::Size, &TFixtureFont::Size).Default(9);
    c.Property("Bold", &TFixtureFont::Bold, &TFixtureFont::Bold).Default(false);
  });
  RegisterClass<TFixtureColumn, TCollectionItem>("TFixtureColumn", [](TClassBuilder<TFixtureColumn>& c) {
    c.Property("Caption", &TFixtureColumn::Caption, &TFixtureColumn::Caption);
    c.Property("Width", &TFixtureColumn::Width, &TFixtureColumn::Width).Default(64);
    c.Property("Visible", &TFixtureColumn::Visible, &TFixtureColumn::Visible).Default(true);
    c.Property("Buddy", &TFixtureColumn::Buddy, &TFixtureColumn::Buddy);
  });
  RegisterClass<TFixtureControl, TComponent>("TFixtureControl");
  RegisterClass<TFixtureForm, TFixtureControl>("TFixtureForm");
  RegisterClass<TFixtureTimer, TComponent>("TFixtureTimer");
}

}  // namespace layout_fixture
