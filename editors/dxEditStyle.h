// Edit styles: the seven appearance values of an editor (border colour, border style, button
// style, button transparence, edges, hot tracking, shadow). A value the editor did not assign
// comes from its style controller, else from the program's default controller, else from the
// built-in default; controllers tell their listening editors of every change.
#pragma once

#include <vector>

#include "classes/Component.h"
#include "editors/dxEditTypes.h"
#include "graphics/Colors.h"

class TdxInplaceEdit;

// Link is the listener the notification is for (an editor for edit style controllers).
using TdxStyleChangedEvent = std::function<void(TObject* Sender, TObject* Link)>;

class TdxStyleController : public TComponent {
 public:
  explicit TdxStyleController(TComponent* AOwner);
  ~TdxStyleController() override;
  String ClassName() const override { return "TdxStyleController"; }

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Notifies every listener in registration order, unless held back by an update or loading.
  void Changed();

  virtual void AddListener(TObject* Link);
  virtual void RemoveListener(TObject* Link);
  virtual void NotifyListener(TObject* Link);
  int ListenerCount() const { return static_cast<int>(FListeners.size()); }

  TdxStyleChangedEvent OnStyleChanged;

 protected:
  void Loaded() override;

 private:
  std::vector<TObject*> FListeners;
  int FUpdateCount = 0;
};

class TdxEditStyleController : public TdxStyleController {
 public:
  explicit TdxEditStyleController(TComponent* AOwner);
  String ClassName() const override { return "TdxEditStyleController"; }
  void Assign(const TPersistent* Source) override;
  // The seven defaults, in one notification.
  virtual void RestoreDefaults();
  // Only editors without a controller of their own, or with this one, are restyled.
  void NotifyListener(TObject* Link) override;

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
  TdxEditBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TdxEditBorderStyle Value) { Store(FBorderStyle, Value); }
  TdxEditButtonViewStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TdxEditButtonViewStyle Value) { Store(FButtonStyle, Value); }
  TdxEditButtonTransparence ButtonTransparence() const { return FButtonTransparence; }
  void SetButtonTransparence(TdxEditButtonTransparence Value) { Store(FButtonTransparence, Value); }
  TdxEditEdges Edges() const { return FEdges; }
  void SetEdges(TdxEditEdges Value) { Store(FEdges, Value); }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { Store(FHotTrack, Value); }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value) { Store(FShadow, Value); }

 private:
  template <class V>
  void Store(V& Field, V Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  TColor FBorderColor = clWindowFrame;
  TdxEditBorderStyle FBorderStyle = xbs3D;
  TdxEditButtonViewStyle FButtonStyle = btsDefault;
  TdxEditButtonTransparence FButtonTransparence = ebtNone;
  TdxEditEdges FEdges = AllEdges;
  bool FHotTrack = false;
  bool FShadow = false;
};

// The controller of check editors: no border and 3-D buttons unless told otherwise.
class TdxCheckEditStyleController : public TdxEditStyleController {
 public:
  explicit TdxCheckEditStyleController(TComponent* AOwner);
  String ClassName() const override { return "TdxCheckEditStyleController"; }
  void RestoreDefaults() override;
};

enum TdxEditStyleValue { svBorderColor, svBorderStyle, svButtonStyle, svButtonTransparence, svEdges, svHotTrack, svShadow };
using TdxEditStyleValues = unsigned;
inline constexpr const char* EditStyleValueNames[] = {"svBorderColor", "svBorderStyle", "svButtonStyle",
                                                      "svButtonTransparence", "svEdges", "svHotTrack", "svShadow"};
constexpr TdxEditStyleValues StyleValueBit(TdxEditStyleValue Value) { return 1u << Value; }

// The program's default controller: it exists for the whole program.
TdxEditStyleController* DefaultEditStyleController();
// The default controller of check editors.
TdxEditStyleController* DefaultCheckEditStyleController();

class TdxEditStyle : public TPersistent {
 public:
  // Registers Edit with the default controller, which the style class names.
  explicit TdxEditStyle(TdxInplaceEdit* Edit, TdxEditStyleController* DefaultController = DefaultEditStyleController());
  ~TdxEditStyle() override;
  TdxEditStyle(const TdxEditStyle&) = delete;
  TdxEditStyle& operator=(const TdxEditStyle&) = delete;
  String ClassName() const override { return "TdxEditStyle"; }
  // From another style, every value becomes assigned with the source's effective value.
  void Assign(const TPersistent* Source) override;

  TdxInplaceEdit* Edit() const { return FEdit; }
  TdxEditStyleValues AssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TdxEditStyleValues Value);
  bool IsAssigned(TdxEditStyleValue Value) const { return (FAssignedValues & StyleValueBit(Value)) != 0; }
  virtual void RestoreDefaults();
  // The editor's LayoutChanged.
  virtual void Changed();
  virtual TdxEditStyleController* GetDefaultController() const { return FDefaultController; }

  TColor BorderColor() const { return IsAssigned(svBorderColor) ? FBorderColor : GetDefaultBorderColor(); }
  void SetBorderColor(TColor Value) { Store(svBorderColor, FBorderColor, Value); }
  TdxEditBorderStyle BorderStyle() const { return IsAssigned(svBorderStyle) ? FBorderStyle : GetDefaultBorderStyle(); }
  void SetBorderStyle(TdxEditBorderStyle Value) { Store(svBorderStyle, FBorderStyle, Value); }
  TdxEditButtonViewStyle ButtonStyle() const { return IsAssigned(svButtonStyle) ? FButtonStyle : GetDefaultButtonStyle(); }
  void SetButtonStyle(TdxEditButtonViewStyle Value) { Store(svButtonStyle, FButtonStyle, Value); }
  TdxEditButtonTransparence ButtonTransparence() const {
    return IsAssigned(svButtonTransparence) ? FButtonTransparence : GetDefaultButtonTransparence();
  }
  void SetButtonTransparence(TdxEditButtonTransparence Value) { Store(svButtonTransparence, FButtonTransparence, Value); }
  TdxEditEdges Edges() const { return IsAssigned(svEdges) ? FEdges : GetDefaultEdges(); }
  void SetEdges(TdxEditEdges Value) { Store(svEdges, FEdges, Value); }
  bool HotTrack() const { return IsAssigned(svHotTrack) ? FHotTrack : GetDefaultHotTrack(); }
  void SetHotTrack(bool Value) { Store(svHotTrack, FHotTrack, Value); }
  bool Shadow() const { return IsAssigned(svShadow) ? FShadow : GetDefaultShadow(); }
  void SetShadow(bool Value) { Store(svShadow, FShadow, Value); }

  // Stored-when rules of the layouts: a value is stored when it is the editor's own.
  bool IsBorderColorStored() const { return IsAssigned(svBorderColor); }
  bool IsBorderStyleStored() const { return IsAssigned(svBorderStyle); }
  bool IsButtonStyleStored() const { return IsAssigned(svButtonStyle); }
  bool IsButtonTransparenceStored() const { return IsAssigned(svButtonTransparence); }
  bool IsEdgesStored() const { return IsAssigned(svEdges); }
  bool IsHotTrackStored() const { return IsAssigned(svHotTrack); }
  bool IsShadowStored() const { return IsAssigned(svShadow); }
  // AssignedValues follows from the values stored.
  bool IsAssignedValuesStored() const { return false; }

 protected:
  // The controller the defaults come from: the editor's own, else the default one, else one
  // holding the built-in defaults.
  const TdxEditStyleController& DefaultSource() const;
  virtual TColor GetDefaultBorderColor() const;
  virtual TdxEditBorderStyle GetDefaultBorderStyle() const;
  virtual TdxEditButtonViewStyle GetDefaultButtonStyle() const;
  virtual TdxEditButtonTransparence GetDefaultButtonTransparence() const;
  virtual TdxEditEdges GetDefaultEdges() const;
  virtual bool GetDefaultHotTrack() const;
  virtual bool GetDefaultShadow() const;

 private:
  template <class V>
  void Store(TdxEditStyleValue Bit, V& Field, V Value) {
    if (IsAssigned(Bit) && Field == Value) return;
    Field = Value;
    FAssignedValues |= StyleValueBit(Bit);
    Changed();
  }
  TdxEditStyleValues FAssignedValues = 0;
  TColor FBorderColor = clWindowFrame;
  TdxEditBorderStyle FBorderStyle = xbs3D;
  TdxEditButtonViewStyle FButtonStyle = btsDefault;
  TdxEditButtonTransparence FButtonTransparence = ebtNone;
  TdxEditEdges FEdges = AllEdges;
  TdxInplaceEdit* FEdit;
  bool FHotTrack = false;
  bool FShadow = false;
  TdxEditStyleController* FDefaultController;
};

// The style of check editors, whose defaults come from the check editors' controller.
class TdxCheckEditStyle : public TdxEditStyle {
 public:
  explicit TdxCheckEditStyle(TdxInplaceEdit* Edit) : TdxEditStyle(Edit, DefaultCheckEditStyleController()) {}
  String ClassName() const override { return "TdxCheckEditStyle"; }
};
