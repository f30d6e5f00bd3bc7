// A single item link: creation and removal, its own values and the values in effect, its view,
// the separator rule and the accelerator of its caption.
#include "bars/dxBarItemLinks.h"

#include "bars/dxBarControls.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "rtl/Text.h"
#include "windows/KeyScan.h"

TdxBarItemLink::TdxBarItemLink(TCollection* Collection)
    : TCollectionItem(Collection), FUserGlyph(std::make_unique<TBitmap>()) {
  TdxBarManager* manager = BarManager();
  FUseCount = manager ? manager->UsageThreshold() : 0;
  if (TdxBarItemLinks* links = Links()) {
    links->FReady.insert(this);
    links->FRecentOrder.push_back(this);
  }
  if (manager && !manager->IsLoading()) manager->DoItemLinkAdd(this);
}

TdxBarItemLink::~TdxBarItemLink() {
  TdxBarManager* manager = BarManager();
  if (manager && !manager->IsDestroying()) manager->DoItemLinkDelete(this);
  FControl.reset();
  DetachFromItem();
  TdxBarItemLinks* links = Links();
  if (!links) return;
  links->FReady.erase(this);
  std::erase(links->FRecentOrder, this);
  if (links->FDestroying) return;
  links->RebuildLists();
  TCustomdxBarControl* window = links->BarControl();
  if (window && !window->IsDestroying()) window->RecalcLayout();
}

TdxBarItemLinks* TdxBarItemLink::Links() const { return static_cast<TdxBarItemLinks*>(Collection()); }

TdxBarManager* TdxBarItemLink::BarManager() const { return Links() ? Links()->BarManager() : nullptr; }

void TdxBarItemLink::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TdxBarItemLink*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  FData = source->FData;
  FUserCaption = source->FUserCaption;
  FUserGlyph->Assign(source->FUserGlyph.get());
  FUserPaintStyle = source->FUserPaintStyle;
  FUserWidth = source->FUserWidth;
  SetItem(AssignedItem(source->FItem));
  FUserDefine = source->FUserDefine;
  SetBeginGroup(source->BeginGroup());
  SetVisible(source->FVisible);
}

void TdxBarItemLink::DetachFromItem() {
  if (!FItem) return;
  FItem->RemoveLink(this);
  FItem = nullptr;
}

// nullptr frees the link and ends here: nothing of the link may be touched afterwards.
void TdxBarItemLink::SetItem(TdxBarItem* Value) {
  if (FItem == Value) return;
  FreeControl();
  DetachFromItem();
  if (!Value) {
    delete this;
    return;
  }
  TdxBarItemLinks* links = Links();
  if (auto* subItem = dynamic_cast<TCustomdxBarSubItem*>(links->Owner()); subItem && !subItem->CanContainItem(Value))
    throw Exception(dxBarLoadStr(sdxBarRecursiveSubItems));
  FItem = Value;
  FItem->AddLink(this);
  links->RebuildLists();
  TdxBarManager* manager = BarManager();
  if (!manager || !manager->IsLoading()) ResetUsage();
  if (TCustomdxBarControl* window = links->BarControl()) {
    if (VisibleIndex() >= 0) CreateControl();
    window->RecalcLayout();
  }
  Changed();
}

// A shown link other than the first shows a separator when it begins a group itself, or when a
// link between it and the shown link before it (hidden by usage or by Visible) begins one.
bool TdxBarItemLink::BeginGroup() const {
  const TdxBarItemLinks* links = Links();
  const int shown = links ? links->IndexOfShown(this) : -1;
  if (shown < 0) return FBeginGroup;
  if (shown == 0) return false;
  if (FBeginGroup) return true;
  const int from = links->IndexOfAvailable(links->ShownItems(shown - 1));
  const int to = links->IndexOfAvailable(this);
  for (int i = from + 1; i < to; ++i)
    if (links->AvailableItems(i)->FBeginGroup) return true;
  return false;
}

void TdxBarItemLink::SetBeginGroup(bool Value) {
  if (FBeginGroup == Value) return;
  FBeginGroup = Value;
  if (FControl) FControl->BeginGroupChanged();
  Changed();
}

void TdxBarItemLink::SetMostRecentlyUsed(bool Value) {
  if (FMostRecentlyUsed == Value) return;
  FMostRecentlyUsed = Value;
  ResetUsage();
  if (TCustomdxBarControl* window = Links()->BarControl()) window->RecalcLayout();
  Changed();
}

void TdxBarItemLink::SetUserDefineFlag(TdxBarUserDefine Flag) { FUserDefine |= UserDefineBit(Flag); }

void TdxBarItemLink::SetUserCaption(const String& Value) {
  if (FUserCaption == Value) return;
  FUserCaption = Value;
  SetUserDefineFlag(udCaption);
  if (FControl) FControl->CaptionChanged();
  Changed();
}

void TdxBarItemLink::SetUserGlyph(const TBitmap* Value) {
  FUserGlyph->Assign(Value);
  SetUserDefineFlag(udGlyph);
  if (FControl) FControl->GlyphChanged();
  Changed();
}

void TdxBarItemLink::SetUserPaintStyle(TdxBarPaintStyle Value) {
  if (PaintStyle() == Value) return;
  FUserPaintStyle = Value;
  SetUserDefineFlag(udPaintStyle);
  if (auto* button = dynamic_cast<TdxBarButtonControl*>(FControl.get())) button->PaintStyleChanged();
  Changed();
}

void TdxBarItemLink::SetUserWidth(int Value) {
  CheckEditWidth(Value);
  if (Width() == Value) return;
  FUserWidth = Value;
  SetUserDefineFlag(udWidth);
  if (auto* edit = dynamic_cast<TdxBarEditControl*>(FControl.get())) edit->WidthChanged();
  Changed();
}

// A value whose flag is taken away is cleared.
void TdxBarItemLink::SetUserDefine(TdxBarUserDefines Value) {
  if (FUserDefine == Value) return;
  const TdxBarUserDefines removed = FUserDefine & ~Value;
  FUserDefine = Value;
  if (removed & UserDefineBit(udCaption)) FUserCaption.clear();
  if (removed & UserDefineBit(udGlyph)) {
    const TBitmap empty;
    FUserGlyph->Assign(&empty);
  }
  if (removed & UserDefineBit(udPaintStyle)) FUserPaintStyle = psStandard;
  if (removed & UserDefineBit(udWidth)) FUserWidth = 0;
  if (FControl) {
    FControl->CaptionChanged();
    FControl->GlyphChanged();
  }
  Changed();
}

void TdxBarItemLink::SetExpanded(bool Value) {
  if (FExpanded == Value) return;
  FExpanded = Value;
  if (!Value) FreeControl();
  Links()->RebuildLists();
}

void TdxBarItemLink::SetVisible(bool Value) {
  TdxBarManager* manager = BarManager();
  FLoadedVisible = Value;
  if ((manager && manager->IsLoading()) || Links()->Assigning()) return;
  ApplyVisible(Value);
}

// At run time a link shown again counts as used (without a count) and gets its view; a link
// hidden goes to the end of the recent order and loses its view.
void TdxBarItemLink::ApplyVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  TdxBarItemLinks* links = Links();
  if (!links->IsDesigning()) {
    links->RebuildLists();
    if (Value) {
      MarkUsed(false);
      if (links->BarControl() && VisibleIndex() >= 0) CreateControl();
      if (FControl) FControl->VisibleChanged();
    } else {
      MoveToRecentEnd();
      if (FControl) {
        FControl->VisibleChanged();
        FreeControl();
      }
    }
  }
  Changed();
}

String TdxBarItemLink::Caption() const {
  if (FUserDefine & UserDefineBit(udCaption)) return FUserCaption;
  return FItem ? FItem->Caption() : String();
}

TBitmap* TdxBarItemLink::Glyph() const {
  if ((FUserDefine & UserDefineBit(udGlyph)) || !FItem) return FUserGlyph.get();
  return FItem->Glyph();
}

TdxBarPaintStyle TdxBarItemLink::PaintStyle() const {
  if (FUserDefine & UserDefineBit(udPaintStyle)) return FUserPaintStyle;
  if (auto* button = dynamic_cast<const TdxBarButton*>(FItem)) return button->PaintStyle();
  return psStandard;
}

int TdxBarItemLink::Width() const {
  if (FUserDefine & UserDefineBit(udWidth)) return FUserWidth;
  if (auto* edit = dynamic_cast<const TdxBarEdit*>(FItem)) return edit->Width();
  return 0;
}

// An edit or combo item on a vertical toolbar with rotated captions shows as a button.
void TdxBarItemLink::CreateControl() {
  TCustomdxBarControl* window = Links()->BarControl();
  if (!FItem || !window || FControl) return;
  if (dynamic_cast<TdxBarWindowItem*>(FItem) && IsRotatedBarControl(window)) {
    FControl = std::make_unique<TdxBarButtonControl>(this);
    return;
  }
  if (const TdxBarItemKind* kind = FindBarItemKind(*FItem)) FControl = kind->ControlClass.Create(this);
}

void TdxBarItemLink::FreeControl() { FControl.reset(); }

int TdxBarItemLink::VisibleIndex() const { return Links()->IndexOfVisible(this); }
int TdxBarItemLink::RecentIndex() const { return Links()->IndexOfRecent(this); }

void TdxBarItemLink::SetStoredUsage(int RecentIndex, int UseCount) {
  FStoredRecentIndex = RecentIndex;
  FStoredUseCount = UseCount;
}

// The accelerator is the character after the last single "&" ("&&" is a literal ampersand). A
// capital letter is typed with or without Shift, so Shift is not asked for.
bool TdxBarItemLink::IsAccelMatch(WORD Key, TShiftState Shift) const {
  const std::u32string caption = ToCodePoints(Caption());
  char32_t accel = 0;
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != U'&') continue;
    if (caption[i + 1] == U'&') {
      ++i;
      continue;
    }
    accel = caption[i + 1];
  }
  if (!accel) return false;
  TShiftState pressed = Shift & (ssShift | ssCtrl | ssAlt);
  const std::u32string lowered = ToCodePoints(AnsiLowerCase(CodePointToUtf8(accel)));
  const char32_t lower = lowered.empty() ? accel : lowered[0];
  if (lower != accel) pressed &= ~ssShift;
  const int16_t scan = VkKeyScan(lower);
  if (scan == -1) return false;
  const int modifiers = (scan >> 8) & 0xFF;
  const TShiftState needed = ((modifiers & VKS_SHIFT) ? ssShift : 0u) | ((modifiers & VKS_CTRL) ? ssCtrl : 0u);
  return (scan & 0xFF) == Key && pressed == needed;
}

bool TdxBarItemLink::HasItem(const TdxBarItem* AItem) const {
  if (!FItem) return false;
  if (FItem == AItem) return true;
  auto* subItem = dynamic_cast<const TCustomdxBarSubItem*>(FItem);
  return subItem && subItem->ItemLinks()->HasItem(AItem);
}

void TdxBarItemLink::UpdateItemAction() {
  if (FItem && FItem->ActionLink()) FItem->ActionLink()->Update();
}

void TdxBarItemLink::Changed() {
  TdxBarItemLinks* links = Links();
  TdxBarManager* manager = BarManager();
  if (links->BarControl()) BarManagerModified(manager);
  if (manager && !manager->IsLoading()) manager->DoItemLinkChange(this);
}
