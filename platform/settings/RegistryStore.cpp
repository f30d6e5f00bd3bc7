// The registry tree, its file form and the process-wide copy kept in step with the file (see
// RegistryStore_p.h).
#include "settings/RegistryStore_p.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>

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
  // Open batches, whether a change waits for the outermost one, and whether one ended uncommitted.
  int BatchDepth = 0;
  bool Pending = false;
  bool Dropped = false;
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
    const std::vector<String> path = SplitKeyPath(section.Name);
    if (path.size() > kMaxKeyDepth)
      IniSyntaxError(fileName, section.Line, "注册表项的层次超过 " + IntToStr(int(kMaxKeyDepth)) + " 层");
    RegKey* key = root.get();
    for (const String& name : path) key = &key->AddSubKey(name);
    for (const IniEntry& entry : section.Entries) key->SetValue(ParseValue(entry, fileName));
  }
  return root;
}

// One section per key that holds values, or that nothing else would show exists; parents come
// before their sub-keys. The walk keeps one path text, cut back to a key's parent when the key is
// reached, so no key's path is copied.
void AddSections(const RegKey& root, IniDocument& document) {
  struct Visit {
    const RegKey* Key;
    size_t ParentPathLength;
  };
  std::vector<Visit> pending = {{&root, 0}};
  String path;
  while (!pending.empty()) {
    const Visit visit = pending.back();
    pending.pop_back();
    const RegKey& key = *visit.Key;
    path.resize(visit.ParentPathLength);
    if (&key != &root) path += (path.empty() ? "" : "\\") + key.Name();
    if (!key.Values().empty() || (key.SubKeys().empty() && &key != &root)) {
      IniSection& section = document.AddSection(path);
      for (const RegValue& value : key.Values()) section.Set(value.Name, ValueText(value));
    }
    for (auto it = key.SubKeys().rbegin(); it != key.SubKeys().rend(); ++it) pending.push_back({it->get(), path.size()});
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

// Freed level by level rather than recursively, so that no depth of keys exhausts the stack.
RegKey::~RegKey() {
  std::vector<std::unique_ptr<RegKey>> pending = FSubKeys.TakeAll();
  while (!pending.empty()) {
    const std::unique_ptr<RegKey> key = std::move(pending.back());
    pending.pop_back();
    for (std::unique_ptr<RegKey>& subKey : key->FSubKeys.TakeAll()) pending.push_back(std::move(subKey));
  }
}

RegKey* RegKey::SubKey(const String& name) const {
  const std::unique_ptr<RegKey>* key = FSubKeys.Find(name);
  return key ? key->get() : nullptr;
}

RegKey& RegKey::AddSubKey(const String& name) {
  if (RegKey* key = SubKey(name)) return *key;
  return *FSubKeys.Append(std::make_unique<RegKey>(name));
}

bool RegKey::RemoveSubKey(const String& name) { return FSubKeys.Remove(name); }

const RegValue* RegKey::Value(const String& name) const { return FValues.Find(name); }

void RegKey::SetValue(const RegValue& value) {
  if (RegValue* existing = FValues.Find(value.Name))
    *existing = value;
  else
    FValues.Append(value);
}

bool RegKey::RemoveValue(const String& name) { return FValues.Remove(name); }

// --- the shared tree ----------------------------------------------------------------------------

RegKey& RegistryStore::Root() {
  StoreState& state = State();
  const String fileName = RegistryFileName();
  const FileStamp stamp = StampOf(fileName);
  // Changes waiting in a batch are kept: the file is not read again under them.
  if (state.Root && ((fileName == state.FileName && stamp == state.Stamp) || state.Pending)) return *state.Root;
  state.Root.reset();
  try {
    std::string content;
    auto root = ReadSettingsFile(fileName, content) ? TreeOf(IniDocument::Parse(content, fileName), fileName)
                                                    : std::make_unique<RegKey>(String());
    state.FileName = fileName;
    state.Stamp = stamp;
    state.Root = std::move(root);
  } catch (const EIniFileException& e) {
    throw ERegistryException(e.Message());
  }
  return *state.Root;
}

void RegistryStore::Save() {
  StoreState& state = State();
  if (state.BatchDepth > 0) {
    state.Pending = true;
    return;
  }
  IniDocument document;
  AddSections(*state.Root, document);
  try {
    WriteSettingsFile(state.FileName, document.Format(kFileComment));
  } catch (const EIniFileException& e) {
    state.Root.reset();  // what is in memory must not outlive the failed write: read the file again
    throw ERegistryException(e.Message());
  }
  state.Stamp = StampOf(state.FileName);
}

void RegistryStore::BeginBatch() { ++State().BatchDepth; }

void RegistryStore::EndBatch(bool Commit) {
  StoreState& state = State();
  if (!Commit) state.Dropped = true;
  if (--state.BatchDepth > 0) return;
  const bool pending = std::exchange(state.Pending, false);
  const bool dropped = std::exchange(state.Dropped, false);
  if (!pending || !state.Root) return;
  if (dropped) {
    state.Root.reset();  // the changes go: the file is read again
    return;
  }
  Save();
}
