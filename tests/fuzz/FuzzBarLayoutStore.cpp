// Fuzz target of the bar layout store: the input is the stored file, read as the registry's file
// and as the INI file by the manager of a form with two bars, a dock control, named sub-menus and
// buttons. Bad input ends in the stores' own errors; whatever layout was read saves, and what the
// store writes settles into a file that reads into a fresh form which saves that same file.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "FuzzGui.h"
#include "FuzzScratch.h"
#include "bars/dxBarClasses.h"
#include "bars/dxBarManager.h"
#include "classes/Filer.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "settings/IniFiles.h"
#include "settings/Registry.h"

namespace {

const char* const kRegistryPath = "Software\\Tolvik\\Bars";

const char* const kForm = R"(object Form1: TForm
  Width = 420
  Height = 300
  object dcSide: TdxBarDockControl
    Align = dalLeft
    BarManager = bm
  end
  object bm: TdxBarManager
    Bars = <
      item
        Caption = 'Menus'
        DockingStyle = dsTop
        IsMainMenu = True
        ItemLinks = <
          item
            Item = bsFile
            Visible = True
          end
          item
            Item = bsHelp
            Visible = True
          end>
        Name = 'Menus'
        Visible = True
      end
      item
        Caption = 'Toolbars'
        DockingStyle = dsTop
        ItemLinks = <
          item
            Item = bbOpen
            Visible = True
          end
          item
            BeginGroup = True
            Item = bbPrint
            Visible = True
          end>
        Name = 'Toolbars'
        Row = 1
        Visible = True
      end>
    Categories = (
      'Default')
    Style = bmsFlat
  end
  object bbOpen: TdxBarButton
    Caption = 'Open'
    Category = 0
  end
  object bbPrint: TdxBarButton
    Caption = 'Print'
    Category = 0
  end
  object bbAbout: TdxBarButton
    Caption = 'About'
    Category = 0
  end
  object bsFile: TdxBarSubItem
    Caption = 'File'
    Category = 0
    ItemLinks = <
      item
        Item = bbOpen
        Visible = True
      end
      item
        Item = bbPrint
        Visible = True
      end>
  end
  object bsHelp: TdxBarSubItem
    Caption = 'Help'
    Category = 0
    ItemLinks = <
      item
        Item = bbAbout
        Visible = True
      end>
  end
end
)";

ScratchFolder& Scratch() {
  static ScratchFolder folder("bars");
  return folder;
}

// A form made from kForm, freed with its windows when the scope ends.
class TLayoutForm {
 public:
  TLayoutForm() : FForm(TCustomForm::Create<TForm>(Application)) { ReadLayout(kForm, FForm); }
  ~TLayoutForm() { FForm->Free(); }
  TLayoutForm(const TLayoutForm&) = delete;
  TLayoutForm& operator=(const TLayoutForm&) = delete;
  TdxBarManager& Manager() const { return *ManagerOfForm(FForm); }

 private:
  TForm* FForm;
};

// Makes the form, has its manager read its layout, and answers the layout as the manager then
// saves it to a new INI file (named in Path). The form goes before the next is made, so that each
// keeps the name the layout's sections are kept under.
std::string LoadAndSave(const std::function<void(TdxBarManager&)>& Load, std::string& Path) {
  TLayoutForm form;
  Load(form.Manager());
  Path = Scratch().NextFile("saved");
  form.Manager().SaveToIniFile(Path);
  return FileText(Path);
}

void LoadInput(TdxBarManager& Manager, const std::string& Input) {
  try {
    Manager.LoadFromRegistry(kRegistryPath);
  } catch (const ERegistryException&) {
    // the expected answer to a file that is not a registry file
  }
  try {
    Manager.LoadFromIniFile(Input);
  } catch (const EIniFileException&) {
    // the expected answer to a file that is not in INI form
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (StartFuzzGui(), RegisterBarsClasses(), true);
  (void)started;
  const std::string input = Scratch().NextFileWith("input", data, size);
  setenv("QUORIN_REGISTRY", input.c_str(), 1);
  // What a damaged store gives may settle in one more save (a link whose own width failed to read
  // keeps its flag, and the width it then saves reads as another); from there on the layout reads
  // back to the same file.
  std::string first, second, third;
  LoadAndSave([&](TdxBarManager& M) { LoadInput(M, input); }, first);
  const std::string layout = LoadAndSave([&](TdxBarManager& M) { M.LoadFromIniFile(first); }, second);
  if (LoadAndSave([&](TdxBarManager& M) { M.LoadFromIniFile(second); }, third) != layout) std::abort();
  Scratch().Empty();
  return 0;
}
