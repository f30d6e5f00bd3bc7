// Window placements in the registry: decimal texts for the bounds and "0" or "1" for maximised,
// as every window of the engine stores them.
#include "report/FR_Placement.h"

#include "controls/Forms.h"
#include "rtl/Convert.h"
#include "settings/Registry.h"

namespace {

String PlacementKey(const TCustomForm* Window) { return "\\Software\\RuveZiviru\\Form\\" + Window->ClassName(); }

int ReadNumber(TRegistry& Registry, const String& Name, int Default) {
  return Registry.ValueExists(Name) ? StrToIntDef(Registry.ReadString(Name), Default) : Default;
}

}  // namespace

void frSavePlacement(TCustomForm* Window) {
  TRegistry registry;
  if (!registry.OpenKey(PlacementKey(Window), true)) return;
  registry.WriteString("XPosition", IntToStr(Window->Left()));
  registry.WriteString("YPosition", IntToStr(Window->Top()));
  registry.WriteString("Width", IntToStr(Window->Width()));
  registry.WriteString("Height", IntToStr(Window->Height()));
  registry.WriteString("Maximized", Window->WindowState() == wsMaximized ? "1" : "0");
}

void frRestorePlacement(TCustomForm* Window) {
  TRegistry registry;
  if (!registry.OpenKey(PlacementKey(Window), false)) return;
  if (registry.ReadString("Maximized") == "0") Window->SetWindowState(wsNormal);
  Window->SetBounds(ReadNumber(registry, "XPosition", Window->Left()), ReadNumber(registry, "YPosition", Window->Top()),
                    ReadNumber(registry, "Width", Window->Width()), ReadNumber(registry, "Height", Window->Height()));
}
