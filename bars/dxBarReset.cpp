// Resets: the design-time copy of the owner form's bars, read from the form's stored layout into
// a hidden form, from which a bar takes its links back (Reset) and every bar and sub item takes
// back which links count as most recently used (ResetUsageData).
#include <memory>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarClasses.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUpdateLock.h"
#include "classes/Filer.h"
#include "classes/Layouts.h"
#include "classes/Properties.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "rtl/Text.h"
#include "windows/Services.h"

namespace {

bool& ReadingCopy() {
  static bool reading = false;
  return reading;
}

// Set while links are assigned from the copy: their items are the owner form's namesakes.
TComponent*& ItemOwnerForAssign() {
  static TComponent* owner = nullptr;
  return owner;
}

// Links assigned while it lives take the items of Form with their source items' names.
class TNamesakeItems {
 public:
  explicit TNamesakeItems(TComponent* Form) : FSaved(std::exchange(ItemOwnerForAssign(), Form)) {}
  ~TNamesakeItems() { ItemOwnerForAssign() = FSaved; }
  TNamesakeItems(const TNamesakeItems&) = delete;
  TNamesakeItems& operator=(const TNamesakeItems&) = delete;

 private:
  TComponent* FSaved;
};

// The hidden form a design-time copy of the bars is read into.
class TdxBarTempForm : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TdxBarTempForm"; }
};

void DropItemlessLinks(TdxBarItemLinks* Links) {
  for (int i = Links->Count() - 1; i >= 0; --i)
    if (!Links->Items(i)->Item()) delete Links->Items(i);
}

std::vector<String> SplitLines(const String& Text) {
  std::vector<String> lines;
  std::istringstream in(Text);
  for (String line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

String TrimLeft(const String& Line) { return Line.substr(std::min(Line.find_first_not_of(' '), Line.size())); }

bool IsSizeLine(const String& Trimmed) {
  for (const char* name : {"Width =", "Height =", "ClientWidth =", "ClientHeight ="})
    if (Trimmed.starts_with(name)) return true;
  return false;
}

// An event binding: "On" and a capital, so that a property such as OneOnRow stays.
bool IsEventLine(const String& Trimmed) { return Trimmed.size() > 2 && Trimmed.starts_with("On") && isupper(Trimmed[2]); }

// "Name = Ident" naming a component of the form outside the copied block (an action, an image
// list, a placed dock site): the copy cannot hold that reference, so the line stays out.
bool IsOutsideReference(const String& Trimmed, const TComponent* Form, const std::set<String>& Declared) {
  const size_t eq = Trimmed.find(" = ");
  if (eq == String::npos) return false;
  const String value = Trimmed.substr(eq + 3);
  if (value.empty() || !(isalpha(value[0]) || value[0] == '_')) return false;
  for (char c : value)
    if (!(isalnum(c) || c == '_')) return false;
  return Form->FindComponent(value) && !Declared.count(UpperCase(value));
}

// The names of the components declared inside the manager's block.
std::set<String> DeclaredNames(const std::vector<String>& Block) {
  std::set<String> names;
  for (const String& line : Block) {
    const String trimmed = TrimLeft(line);
    if (!trimmed.starts_with("object ")) continue;
    const size_t colon = trimmed.find(':');
    if (colon != String::npos) names.insert(UpperCase(trimmed.substr(7, colon - 7)));
  }
  return names;
}

// The manager's block of the stored layout: its "object" line to the "end" at its indentation.
std::vector<String> ManagerBlock(const std::vector<String>& Lines, const TdxBarManager* Manager) {
  const String header = "object " + Manager->Name() + ": " + Manager->ClassName();
  for (size_t i = 5; i < Lines.size(); ++i) {
    if (TrimLeft(Lines[i]) != header) continue;
    const String end = Lines[i].substr(0, Lines[i].size() - TrimLeft(Lines[i]).size()) + "end";
    for (size_t j = i; j < Lines.size(); ++j)
      if (Lines[j] == end) return std::vector<String>(Lines.begin() + static_cast<ptrdiff_t>(i), Lines.begin() + static_cast<ptrdiff_t>(j) + 1);
    break;
  }
  return {};
}

// The form's size lines and the manager's block without its event bindings and outside
// references, as the layout of a form of its own.
String DesignCopyText(const String& Layout, const TdxBarManager* Manager) {
  const std::vector<String> lines = SplitLines(Layout);
  String text = "object TempForm: TdxBarTempForm\n";
  int sizes = 0;
  for (size_t i = 1; i < lines.size() && sizes < 2; ++i)
    if (IsSizeLine(TrimLeft(lines[i]))) {
      text += "  " + TrimLeft(lines[i]) + "\n";
      ++sizes;
    }
  const std::vector<String> block = ManagerBlock(lines, Manager);
  if (block.empty()) return String();
  const std::set<String> declared = DeclaredNames(block);
  for (const String& line : block) {
    const String trimmed = TrimLeft(line);
    if (!IsEventLine(trimmed) && !IsOutsideReference(trimmed, Manager->OwnerForm(), declared)) text += line + "\n";
  }
  return text + "end\n";
}

// Holds the screen's hourglass for a scope.
class THourglass {
 public:
  THourglass() : FSaved(Screen ? Screen->Cursor() : crDefault) {
    if (Screen) Screen->SetCursor(crHourGlass);
  }
  ~THourglass() {
    if (Screen) Screen->SetCursor(FSaved);
  }
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;

 private:
  TCursor FSaved;
};

// Assigns links from the copy, their items found by name in the owner form; links whose item the
// form no longer has are dropped.
void AssignLinks(TdxBarItemLinks* Target, const TdxBarItemLinks* Source, TComponent* Form) {
  {
    TNamesakeItems namesakes(Form);
    Target->Assign(Source);
  }
  DropItemlessLinks(Target);
}

// Every sub item reached through Links takes its links back from its namesake in the copy, and
// so on down (each sub item once).
void ResetSubItems(const TdxBarItemLinks* Links, const TdxBarManager* Copy, TComponent* Form, std::set<const TdxBarItem*>& Done) {
  for (int i = 0; i < Links->Count(); ++i) {
    auto* sub = dynamic_cast<TdxBarSubItem*>(Links->Items(i)->Item());
    if (!sub || !Done.insert(sub).second) continue;
    auto* design = dynamic_cast<TdxBarSubItem*>(Copy->FindItemByName(sub->Name()));
    if (!design) continue;
    AssignLinks(sub->ItemLinks(), design->ItemLinks(), Form);
    sub->ItemLinks()->CopyUsageFrom(design->ItemLinks());
    ResetSubItems(sub->ItemLinks(), Copy, Form, Done);
  }
}

TdxBarManager* CopiedManager(const TCustomForm* Copy, const TdxBarManager* Manager) {
  return Copy ? dynamic_cast<TdxBarManager*>(Copy->FindComponent(Manager->Name())) : nullptr;
}

bool Confirmed(const TdxBarManager* Manager, const String& Text, UINT Flags, int Yes) {
  const String title = Application ? Application->Title() : String();
  return MessageBox(Manager->DialogOwnerWindow(), Text, title, Flags) == Yes;
}

}  // namespace

TdxBarItem* AssignedItem(TdxBarItem* Item) {
  TComponent* form = ItemOwnerForAssign();
  if (!form || !Item) return Item;
  return dynamic_cast<TdxBarItem*>(form->FindComponent(Item->Name()));
}

bool ReadingDesignLayout() { return ReadingCopy(); }

void RegisterBarTempForm() { RegisterClass<TdxBarTempForm, TForm>("TdxBarTempForm"); }

std::unique_ptr<TCustomForm> TdxBarManager::LoadDesignLayout() const {
  const TCustomForm* owner = OwnerForm();
  const String* layout = owner ? FindLayout(owner->LayoutModule()) : nullptr;
  if (!layout) return nullptr;
  THourglass hourglass;
  const String text = DesignCopyText(*layout, this);
  if (text.empty()) return nullptr;
  auto copy = std::make_unique<TdxBarTempForm>(nullptr);
  {
    const TValueScope<bool> reading(ReadingCopy(), true);
    ReadLayout(text, copy.get());
  }
  // The copy never reads or writes a user layout, so it cannot put the design over the user's.
  if (TdxBarManager* manager = CopiedManager(copy.get(), this)) {
    manager->SetStoreInRegistry(false);
    manager->SetStoreInIniFile(false);
  }
  return copy;
}

void TdxBarManager::ConfirmResetUsageData() {
  if (Confirmed(this, dxBarLoadStr(sdxBarResetUsageQuery), MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2, IDYES))
    ResetUsageData();
}

// Which links count as most recently used comes back from the design; the links themselves and
// the user's own values stay.
void TdxBarManager::ResetUsageData() {
  WithUpdateLock(this, [this] {
    const std::unique_ptr<TCustomForm> copy = LoadDesignLayout();
    if (const TdxBarManager* design = CopiedManager(copy.get(), this)) {
      for (TdxBarItem* item : FItems)
        if (auto* sub = dynamic_cast<TCustomdxBarSubItem*>(item))
          if (auto* designSub = dynamic_cast<TCustomdxBarSubItem*>(design->FindItemByName(sub->Name())))
            sub->ItemLinks()->CopyUsageFrom(designSub->ItemLinks());
      for (int i = 0; i < FBars->Count() && i < design->Bars()->Count(); ++i)
        FBars->Items(i)->ItemLinks()->CopyUsageFrom(design->Bars()->Items(i)->ItemLinks());
    }
  });
}

void TdxBar::ConfirmReset() {
  TdxBarManager* manager = BarManager();
  if (!manager) return;
  String text = dxBarLoadStr(sdxBarResetToolbarQuery);
  text.replace(text.find("%s"), 2, FCaption);
  if (Confirmed(manager, text, MB_OKCANCEL | MB_ICONWARNING, IDOK)) Reset();
}

// The bar takes its links back from the design (with UseFullReset all its properties), and the
// sub items on it theirs; nothing happens when the design does not hold the bar.
void TdxBar::Reset() {
  TdxBarManager* manager = BarManager();
  if (!manager) return;
  const std::unique_ptr<TCustomForm> copy = manager->LoadDesignLayout();
  const TdxBarManager* design = CopiedManager(copy.get(), manager);
  if (!design || design->Bars()->Count() <= Index()) return;
  const TdxBar* source = design->Bars()->Items(Index());
  TComponent* form = manager->OwnerForm();
  manager->DoBarBeforeReset(this);
  std::set<const TdxBarItem*> done;
  if (manager->UseFullReset()) {
    WithUpdateLock(manager, [&] {
      const bool visible = FVisible;
      SetVisible(false);
      {
        TNamesakeItems namesakes(form);
        Assign(source);
      }
      DropItemlessLinks(FItemLinks.get());
      FItemLinks->CopyUsageFrom(source->ItemLinks());
      ResetSubItems(FItemLinks.get(), design, form, done);
      SetVisible(visible);
    });
  } else {
    const bool locked = FLocked;
    SetLocked(true);
    AssignLinks(FItemLinks.get(), source->ItemLinks(), form);
    FItemLinks->CopyUsageFrom(source->ItemLinks());
    ResetSubItems(FItemLinks.get(), design, form, done);
    SetLocked(locked);
  }
  manager->DoBarAfterReset(this);
}
