// TRegistry over the shared key tree (see Registry.h and RegistryStore_p.h).
#include "settings/Registry.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "rtl/Convert.h"
#include "rtl/StringList.h"
#include "settings/RegistryStore_p.h"

namespace {

String HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  const passwd* user = ::getpwuid(::getuid());
  return user && user->pw_dir ? user->pw_dir : "/tmp";
}

void FillNames(TStrings* strings, const std::vector<String>& names) {
  strings->BeginUpdate();
  strings->Clear();
  for (const String& name : names) strings->Add(name);
  strings->EndUpdate();
}

[[noreturn]] void WrongType(const String& name) { throw ERegistryException("注册表值“" + name + "”的数据类型不正确"); }

}  // namespace

String RegistryFileName() {
  if (const char* file = std::getenv("QUORIN_REGISTRY"); file && *file) return file;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const String folder = config && *config == '/' ? String(config) : HomeFolder() + "/.config";
  return folder + "/quorin/registry.ini";
}

// --- paths and the tree -------------------------------------------------------------------------

TRegistryBatch::TRegistryBatch() { RegistryStore::BeginBatch(); }

TRegistryBatch::~TRegistryBatch() {
  if (FOpen) RegistryStore::EndBatch(false);
}

void TRegistryBatch::Commit() {
  if (!FOpen) return;
  FOpen = false;
  RegistryStore::EndBatch(true);
}

TRegistry::KeyPath TRegistry::ResolvePath(const String& key) const {
  KeyPath path = key.starts_with('\\') ? KeyPath() : FCurrentPath;
  for (String& name : SplitKeyPath(key)) path.push_back(std::move(name));
  return path;
}

RegKey* TRegistry::FindKey(const KeyPath& path) {
  RegKey* key = &RegistryStore::Root();
  for (size_t i = 0; key && i < path.size(); ++i) key = key->SubKey(path[i]);
  return key;
}

String TRegistry::PathText(const KeyPath& path) { return "\\" + JoinKeyPath(path); }

void TRegistry::CreatePath(const KeyPath& path) {
  if (path.size() > kMaxKeyDepth)
    throw ERegistryException("注册表项“" + PathText(path) + "”的层次超过 " + IntToStr(int(kMaxKeyDepth)) + " 层");
  RegKey* key = &RegistryStore::Root();
  bool created = false;
  for (const String& name : path) {
    created = created || !key->SubKey(name);
    key = &key->AddSubKey(name);
  }
  if (created) RegistryStore::Save();
}

const RegValue* TRegistry::FindValue(const KeyPath& path, const String& name) {
  const RegKey* key = FindKey(path);
  return key ? key->Value(name) : nullptr;
}

void TRegistry::StoreValue(const KeyPath& path, const RegValue& value, bool createKey) {
  RegKey* key = FindKey(path);
  if (!key && createKey) {
    CreatePath(path);
    key = FindKey(path);
  }
  if (!key) throw ERegistryException("注册表项“" + PathText(path) + "”不存在，无法写入值“" + value.Name + "”");
  key->SetValue(value);
  RegistryStore::Save();
}

bool TRegistry::RemoveValue(const KeyPath& path, const String& name) {
  RegKey* key = FindKey(path);
  if (!key || !key->RemoveValue(name)) return false;
  RegistryStore::Save();
  return true;
}

// --- keys ---------------------------------------------------------------------------------------

bool TRegistry::OpenKey(const String& key, bool canCreate) {
  KeyPath path = ResolvePath(key);
  if (!FindKey(path)) {
    if (!canCreate) return false;
    CreatePath(path);
  }
  FCurrentPath = std::move(path);
  return true;
}

void TRegistry::CloseKey() { FCurrentPath.clear(); }

String TRegistry::CurrentPath() const { return JoinKeyPath(FCurrentPath); }

bool TRegistry::CreateKey(const String& key) {
  CreatePath(ResolvePath(key));
  return true;
}

bool TRegistry::DeleteKey(const String& key) {
  KeyPath path = ResolvePath(key);
  if (path.empty()) return false;
  const String name = path.back();
  path.pop_back();
  RegKey* parent = FindKey(path);
  if (!parent || !parent->RemoveSubKey(name)) return false;
  RegistryStore::Save();
  return true;
}

bool TRegistry::KeyExists(const String& key) { return FindKey(ResolvePath(key)) != nullptr; }

bool TRegistry::HasSubKeys() {
  const RegKey* key = FindKey(FCurrentPath);
  return key && !key->SubKeys().empty();
}

void TRegistry::GetKeyNames(TStrings* strings) {
  std::vector<String> names;
  if (const RegKey* key = FindKey(FCurrentPath))
    for (const auto& subKey : key->SubKeys()) names.push_back(subKey->Name());
  FillNames(strings, names);
}

void TRegistry::GetValueNames(TStrings* strings) {
  std::vector<String> names;
  if (const RegKey* key = FindKey(FCurrentPath))
    for (const RegValue& value : key->Values()) names.push_back(value.Name);
  FillNames(strings, names);
}

// --- values -------------------------------------------------------------------------------------

bool TRegistry::ValueExists(const String& name) { return FindValue(FCurrentPath, name) != nullptr; }

bool TRegistry::DeleteValue(const String& name) { return RemoveValue(FCurrentPath, name); }

TRegDataType TRegistry::GetDataType(const String& name) {
  const RegValue* value = FindValue(FCurrentPath, name);
  return value ? value->Type : rdUnknown;
}

int TRegistry::GetDataSize(const String& name) {
  const RegValue* value = FindValue(FCurrentPath, name);
  if (!value) return -1;
  if (value->Type == rdInteger) return 4;
  return int(value->Data.size()) + (value->Type == rdString ? 1 : 0);
}

String TRegistry::ReadString(const String& name) {
  const RegValue* value = FindValue(FCurrentPath, name);
  if (!value) return String();
  if (value->Type != rdString) WrongType(name);
  return value->Data;
}

void TRegistry::WriteString(const String& name, const String& value) {
  StoreValue(FCurrentPath, RegValue{name, rdString, value}, false);
}

int TRegistry::ReadInteger(const String& name) {
  const RegValue* value = FindValue(FCurrentPath, name);
  if (!value) throw ERegistryException("注册表项“" + PathText(FCurrentPath) + "”中没有值“" + name + "”");
  if (value->Type != rdInteger) WrongType(name);
  return value->Integer;
}

void TRegistry::WriteInteger(const String& name, int value) {
  StoreValue(FCurrentPath, RegValue{name, rdInteger, String(), value}, false);
}

bool TRegistry::ReadBool(const String& name) { return ReadInteger(name) != 0; }

void TRegistry::WriteBool(const String& name, bool value) { WriteInteger(name, value ? 1 : 0); }

int TRegistry::ReadBinaryData(const String& name, void* buffer, int bufSize) {
  const RegValue* value = FindValue(FCurrentPath, name);
  if (!value) return 0;
  if (value->Type != rdBinary) WrongType(name);
  const int size = int(value->Data.size());
  if (size > bufSize)
    throw ERegistryException("注册表值“" + name + "”有 " + IntToStr(size) + " 字节，超出了缓冲区的 " +
                             IntToStr(std::max(bufSize, 0)) + " 字节");
  if (size > 0) std::memcpy(buffer, value->Data.data(), size_t(size));
  return size;
}

void TRegistry::WriteBinaryData(const String& name, const void* buffer, int bufSize) {
  const String bytes(static_cast<const char*>(buffer), size_t(std::max(bufSize, 0)));
  StoreValue(FCurrentPath, RegValue{name, rdBinary, bytes}, false);
}
