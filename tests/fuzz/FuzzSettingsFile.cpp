// Fuzz target of the settings-file readers: the same bytes read as an INI file and as the
// registry's file. Bad input must end in the readers' own errors; input that reads must come
// back unchanged after being written out in the store's own form and read again.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "rtl/StringList.h"
#include "settings/IniFiles.h"
#include "settings/Registry.h"

namespace {

ScratchFolder& Scratch() {
  static ScratchFolder folder("settings");
  return folder;
}

std::vector<String> ListOf(const std::function<void(TStrings*)>& fill) {
  TStringList list;
  fill(&list);
  std::vector<String> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

// --- INI files ----------------------------------------------------------------------------------

// Every value as section, name and text. Sections without values are left out: an INI store can
// only make a section by writing a value into it.
std::vector<String> DumpIni(TCustomIniFile& ini) {
  std::vector<String> dump;
  for (const String& section : ListOf([&](TStrings* s) { ini.ReadSections(s); }))
    for (const String& name : ListOf([&](TStrings* s) { ini.ReadSection(section, s); }))
      dump.push_back(section + "\x1F" + name + "\x1F" + ini.ReadString(section, name, String()));
  return dump;
}

void CheckIniFile(const std::string& path) {
  TMemIniFile original(path);
  const std::vector<String> dump = DumpIni(original);
  const std::string copyPath = Scratch().NextFile("copy");
  {
    TMemIniFile copy(copyPath);
    for (const String& section : ListOf([&](TStrings* s) { original.ReadSections(s); }))
      for (const String& name : ListOf([&](TStrings* s) { original.ReadSection(section, s); }))
        copy.WriteString(section, name, original.ReadString(section, name, String()));
    copy.UpdateFile();
  }
  TMemIniFile reread(copyPath);
  if (DumpIni(reread) != dump) std::abort();
}

// --- the registry's file ------------------------------------------------------------------------

void DumpKey(TRegistry& registry, const String& path, std::vector<String>& dump) {
  if (!registry.OpenKey("\\" + path, false)) std::abort();  // a key just listed must open
  dump.push_back("[" + path + "]");
  for (const String& name : ListOf([&](TStrings* s) { registry.GetValueNames(s); })) {
    String data;
    switch (registry.GetDataType(name)) {
      case rdString: data = "s" + registry.ReadString(name); break;
      case rdInteger: data = "i" + std::to_string(registry.ReadInteger(name)); break;
      case rdBinary:
        data.resize(size_t(registry.GetDataSize(name)));
        registry.ReadBinaryData(name, data.data(), int(data.size()));
        data = "b" + data;
        break;
      case rdUnknown: std::abort();
    }
    dump.push_back(name + "\x1F" + data);
  }
  for (const String& key : ListOf([&](TStrings* s) { registry.GetKeyNames(s); }))
    DumpKey(registry, path.empty() ? key : path + "\\" + key, dump);
}

std::vector<String> DumpRegistry(const std::string& path) {
  setenv("QUORIN_REGISTRY", path.c_str(), 1);
  TRegistry registry;
  std::vector<String> dump;
  DumpKey(registry, String(), dump);
  return dump;
}

void CheckRegistryFile(const std::string& path) {
  setenv("QUORIN_REGISTRY", path.c_str(), 1);
  TRegistry registry;
  registry.WriteString("fuzz", "written");  // makes the store write the file in its own form
  const std::vector<String> dump = DumpRegistry(path);
  const std::string copyPath = Scratch().NextFile("registry-copy");
  std::filesystem::copy_file(path, copyPath);
  if (DumpRegistry(copyPath) != dump) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = Scratch().NextFileWith("input", data, size);
  try {
    CheckIniFile(path);
  } catch (const EIniFileException&) {
    // the expected answer to a file that is not in INI form
  }
  try {
    CheckRegistryFile(path);
  } catch (const ERegistryException&) {
    // the expected answer to a file that is not a registry file
  }
  Scratch().Empty();
  return 0;
}
