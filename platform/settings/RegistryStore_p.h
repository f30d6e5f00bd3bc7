// The tree of registry keys shared by every TRegistry of the process, and its file: loaded on
// first use and again whenever the file changed on disk, saved whole after every change.
// Private to the settings library.
#pragma once

#include <memory>
#include <vector>

#include "settings/NamedList_p.h"
#include "settings/Registry.h"

struct RegValue {
  String Name;
  TRegDataType Type = rdString;
  String Data;  // the text of a string, the bytes of a binary value
  int Integer = 0;
};

inline const String& NameOfValue(const RegValue& value) { return value.Name; }

// Keys nest at most this deep below the root; a file with deeper keys is refused as corrupt and
// no deeper key is made.
inline constexpr size_t kMaxKeyDepth = 512;

class RegKey;
inline const String& NameOfKey(const std::unique_ptr<RegKey>& key);

class RegKey {
 public:
  explicit RegKey(String name) : FName(std::move(name)) {}
  ~RegKey();
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  const String& Name() const { return FName; }
  const std::vector<std::unique_ptr<RegKey>>& SubKeys() const { return FSubKeys.Items(); }
  const std::vector<RegValue>& Values() const { return FValues.Items(); }

  RegKey* SubKey(const String& name) const;
  RegKey& AddSubKey(const String& name);  // the existing sub-key of that name, or a new one
  bool RemoveSubKey(const String& name);
  const RegValue* Value(const String& name) const;
  void SetValue(const RegValue& value);
  bool RemoveValue(const String& name);

 private:
  String FName;
  NamedList<std::unique_ptr<RegKey>, NameOfKey> FSubKeys;
  NamedList<RegValue, NameOfValue> FValues;
};

inline const String& NameOfKey(const std::unique_ptr<RegKey>& key) { return key->Name(); }

// Key paths: names separated by "\"; empty names (doubled, leading or trailing "\") are skipped.
std::vector<String> SplitKeyPath(const String& path);
String JoinKeyPath(const std::vector<String>& path);

// The file's text is INI text: one section per key that holds values or has no sub-keys (the
// others exist as parts of their sub-keys' paths; "[]" is the root), one line per value, typed
// by a prefix: "str:" text, "int:" decimal 32-bit integer, "hex:" bytes as pairs of hex digits.
namespace RegistryStore {

// The root of the current tree; ERegistryException when the file cannot be read or understood.
RegKey& Root();
// Writes the tree to the file; ERegistryException when that fails. Inside a batch the write waits
// for the outermost batch to end.
void Save();
void BeginBatch();
// The outermost end writes what changed (Commit) or drops it by reading the file again.
void EndBatch(bool Commit);

}  // namespace RegistryStore
