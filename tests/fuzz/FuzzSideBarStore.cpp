// Fuzz target of the side bar's store in the registry: the input is the registry's file, read by a
// side bar on a shown form whose store keeps one stored item. Bad input ends in the registry's own
// errors, handed to the application; the groups read save, and that registry reads into a fresh
// side bar that saves the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzGui.h"
#include "FuzzScratch.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "settings/Registry.h"
#include "sidebar/SideBarClasses.h"
#include "sidebar/dxsbar.h"
#include "sidebar/dxsbarStore.h"

namespace {

ScratchFolder& Scratch() {
  static ScratchFolder folder("sidebar");
  return folder;
}

// A shown form with a side bar kept under "Software\Tolvik\SideBar" and its store, freed with its
// windows when the scope ends.
class TSideBarForm {
 public:
  TSideBarForm() : FForm(TCustomForm::Create<TForm>(Application)) {
    FForm->SetBounds(100, 100, 300, 360);
    auto* store = new TdxSideBarStore(FForm);
    store->SetName("Store");
    auto* stored = new TdxStoredSideItem(FForm);
    stored->SetName("siStudents");
    stored->SetStore(store);
    stored->SetCaption("学生资料");
    FBar = new TdxSideBar(FForm);
    FBar->SetName("sbInfo");
    FBar->SetStore(store);
    FBar->SetRegistryPath("Software\\Tolvik\\SideBar");
    FBar->SetBounds(0, 0, 101, 300);
    FBar->SetParent(FForm);
    FForm->Show();
  }
  ~TSideBarForm() { FForm->Free(); }
  TSideBarForm(const TSideBarForm&) = delete;
  TSideBarForm& operator=(const TSideBarForm&) = delete;
  TdxSideBar& Bar() const { return *FBar; }

 private:
  TForm* FForm;
  TdxSideBar* FBar;
};

// The registry file that the side bar's groups save to.
std::string Saved(TdxSideBar& Bar, const std::string& Path) {
  setenv("QUORIN_REGISTRY", Path.c_str(), 1);
  Bar.SaveToRegistry();
  return FileText(Path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (StartFuzzGui(), RegisterSideBarClasses(), true);
  (void)started;
  // A load that fails is reported through the application: only the registry's errors may come.
  Application->OnException = [](TObject*, const Exception& E) {
    if (!dynamic_cast<const ERegistryException*>(&E)) std::abort();
  };
  setenv("QUORIN_REGISTRY", Scratch().NextFileWith("input", data, size).c_str(), 1);
  {
    TSideBarForm form;
    form.Bar().LoadFromRegistry();
    Application->ProcessMessages();  // paints what was read
    const std::string savedPath = Scratch().NextFile("saved");
    const std::string saved = Saved(form.Bar(), savedPath);
    TSideBarForm again;
    setenv("QUORIN_REGISTRY", savedPath.c_str(), 1);
    again.Bar().LoadFromRegistry();
    if (Saved(again.Bar(), Scratch().NextFile("again")) != saved) std::abort();
  }
  Application->OnException = nullptr;
  Scratch().Empty();
  return 0;
}
