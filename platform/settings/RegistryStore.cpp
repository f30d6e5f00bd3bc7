// The registry tree, its file form and the process-wide copy kept in step with the file (see
// RegistryStore_p.h).
#include "settings/RegistryStore_p.h"

#include <sys/stat.h>

#include <algorithm>

#include "rtl/Convert.h"
#include "settings/IniFiles.h"
#include "settings/IniText_p.h"
#include "settings/SettingsFile_p.h"

namespace {

const std::vector<String> kFileComment = {
    "Quorin registry of the current user: one section per key; values are str:text, int:number or hex:bytes.",
    "In names and values %XX stands for the byte with the hexadecimal code XX.",
};

// What identifies one version of the file, so that a change by another program is noticed.
struct FileStamp {
  bool Exists = false;
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  int64_t ModifiedNs = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(const String& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0) return {};
  return {true, info.st_dev, info.st_ino, info.st_size, int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

struct StoreState {
  String FileName;
  FileStamp Stamp;
  std::unique_ptr<RegKey> Root;
};

StoreState& State() {
  static StoreState state;
  return state;
}

RegValue ParseValue(const IniEntry& entry, const String& fileName) {
  RegValue value;
  value.Name = entry.Name;
  const String data = entry.Value.substr(std::min<size_t>(4, entry.Value.size()));
  if (entry.Value.starts_with("str:")) {
    value.Data = data;
  } else if (entry.Value.starts_with("int:")) {
    value.Type = rdInteger;
    if (!TryStrToInt(data, value.Integer)) IniSyntaxError(fileName, entry.Line, "整数值不正确");
  } else if (entry.Value.starts_with("hex:")) {
    value.Type = rdBinary;
    if (!DecodeSettingsHex(data, value.Data)) IniSyntaxError(fileName, entry.Line, "二进制值不正确");
  } else {
    IniSyntaxError(fileName, entry.Line, "值的类型未知（应以 str:、int: 或 hex: 开头）");
  }
  return value;
}

String ValueText(const RegValue& value) {
  switch (value.Type) {
    case rdInteger: return "int:" + IntToStr(value.Integer);
    case rdBinary: return "hex:" + EncodeSettingsHex(value.Data);
    default: return "str:" + value.Data;
  }
}

std::unique_ptr<RegKey> TreeOf(const IniDocument& document, const String& fileName) {
  auto root = std::make_unique<RegKey>(String());
  for (const IniSection& section : document.Sections()) {
    RegKey* key = root.get();
    for (const String& name : SplitKeyPath(section.Name)) key = &key->AddSubKey(name);
    for (const IniEntry& entry : section.Entries) key->SetValue(ParseValue(entry, fileName));
  }
  return root;
}

// A key needs a section when it holds values, or when nothing else would show it exists.
void AddSections(const RegKey& key, const std::vector<String>& path, IniDocument& document) {
  if (!key.Values().empty() || (key.SubKeys().empty() && !path.empty())) {
    IniSection& section = document.AddSection(JoinKeyPath(path));
    for (const RegValue& value : key.Values()) section.Set(value.Name, ValueText(value));
  }
  for (const auto& subKey : key.SubKeys()) {
    std::vector<String> subPath = path;
    subPath.push_back(subKey->Name());
    AddSections(*subKey, subPath, document);
  }
}

}  // namespace

std::vector<String> SplitKeyPath(const String& path) {
  std::vector<String> names;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

String JoinKeyPath(const std::vector<String>& path) {
  String text;
  for (const String& name : path) text += (text.empty() ? "" : "\\") + name;
  return text;
}

// --- keys ---------------------------------------------------------------------------------------

RegKey* RegKey::SubKey(const String& name) const {
  for (const auto& key : FSubKeys)
    if (SameSettingsName(key->Name(), name)) return key.get();
  return nullptr;
}

RegKey& RegKey::AddSubKey(const String& name) {
  if (RegKey* key = SubKey(name)) return *key;
  FSubKeys.push_back(std::make_unique<RegKey>(name));
  return *FSubKeys.back();
}

bool RegKey::RemoveSubKey(const String& name) {
  return std::erase_if(FSubKeys, [&](const auto& key) { return SameSettingsName(key->Name(), name); }) > 0;
}

const RegValue* RegKey::Value(const String& name) const {
  for (const RegValue& value : FValues)
    if (SameSettingsName(value.Name, name)) return &value;
  return nullptr;
}

void RegKey::SetValue(const RegValue& value) {
  for (RegValue& existing : FValues)
    if (SameSettingsName(existing.Name, value.Name)) {
      existing = value;
      return;
    }
  FValues.push_back(value);
}

bool RegKey::RemoveValue(const String& name) {
  return std::erase_if(FValues, [&](const RegValue& value) { return SameSettingsName(value.Name, name); }) > 0;
}

// --- the shared tree ----------------------------------------------------------------------------

RegKey& RegistryStore::Root() {
  StoreState& state = State();
  const String fileName = RegistryFileName();
  const FileStamp stamp = StampOf(fileName);
  if (state.Root && fileName == state.FileName && stamp == state.Stamp) return *state.Root;
  state.Root.reset();
  try {
    std::string content;
    auto root = ReadSettingsFile(fileName, content) ? TreeOf(IniDocument::Parse(content, fileName), fileName)
                                                    : std::make_unique<RegKey>(String());
    state = {fileName, stamp, std::move(root)};
  } catch (const EIniFileException& e) {
    throw ERegistryException(e.Message());
  }
  return *state.Root;
}

void RegistryStore::Save() {
  StoreState& state = State();
  IniDocument document;
  AddSections(*state.Root, {}, document);
  try {
    WriteSettingsFile(state.FileName, document.Format(kFileComment));
  } catch (const EIniFileException& e) {
    state.Root.reset();  // what is in memory must not outlive the failed write: read the file again
    throw ERegistryException(e.Message());
  }
  state.Stamp = StampOf(state.FileName);
}
