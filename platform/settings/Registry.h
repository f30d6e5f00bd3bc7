// TRegistry: the keys and typed values of the current user's registry, kept in one settings file
// that every TRegistry of the process shares. Keys are paths such as "Software\Tolvik\Database";
// names of keys and values match without regard to case.
#pragma once

#include <vector>

#include "rtl/Exceptions.h"

class TStrings;
class RegKey;
struct RegValue;

// A value that is missing or of another type where one was required, a key that no longer
// exists, or a registry file that cannot be read, written or understood.
QUORIN_EXCEPTION(ERegistryException, Exception);

enum TRegDataType { rdUnknown, rdString, rdInteger, rdBinary };

// The file that holds the registry: $QUORIN_REGISTRY when set, else
// $XDG_CONFIG_HOME/quorin/registry.ini, else ~/.config/quorin/registry.ini. It is looked up at
// every use, and read again whenever it changed on disk.
String RegistryFileName();

// Every change is written to the file at once, by replacing the file, so a crash never leaves it
// half-written. A key path starting with "\" starts at the root; any other path is relative to
// the open key (the root when none is open). Keys nest at most 512 deep: making a deeper key
// raises ERegistryException, and a file holding one is refused as corrupt.
// Changes made while a batch is open stay in memory and reach the file together, in one write, when
// the outermost batch commits; a batch that ends without committing drops them all (the file is
// read again). Many values are thus written fast and the file holds all of them or none.
class TRegistryBatch {
 public:
  TRegistryBatch();
  // Without Commit the batch's changes are dropped.
  ~TRegistryBatch();
  TRegistryBatch(const TRegistryBatch&) = delete;
  TRegistryBatch& operator=(const TRegistryBatch&) = delete;
  // Ends the batch keeping its changes: the outermost one writes them, raising ERegistryException
  // when the write fails.
  void Commit();

 private:
  bool FOpen = true;
};

class TRegistry {
 public:
  TRegistry() = default;
  virtual ~TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // Makes the key the open key; false when it does not exist and may not be created.
  bool OpenKey(const String& key, bool canCreate);
  // Back to the root.
  void CloseKey();
  // The open key's path from the root, without a leading "\"; empty for the root.
  String CurrentPath() const;

  bool CreateKey(const String& key);
  // Deletes the key with all its sub-keys; false when it does not exist (the root is never
  // deleted).
  bool DeleteKey(const String& key);
  bool KeyExists(const String& key);
  bool HasSubKeys();
  // The names of the open key's sub-keys or values; the list is emptied first.
  void GetKeyNames(TStrings* strings);
  void GetValueNames(TStrings* strings);

  bool ValueExists(const String& name);
  bool DeleteValue(const String& name);
  // rdUnknown for a missing value.
  TRegDataType GetDataType(const String& name);
  // Bytes of the data (a string counts its closing zero, an integer 4); -1 for a missing value.
  int GetDataSize(const String& name);

  // A missing string reads as empty; a missing integer or Boolean raises ERegistryException, as
  // does reading a value of another type.
  String ReadString(const String& name);
  void WriteString(const String& name, const String& value);
  int ReadInteger(const String& name);
  void WriteInteger(const String& name, int value);
  bool ReadBool(const String& name);
  void WriteBool(const String& name, bool value);
  // Copies the binary value into buffer and answers its size; 0 for a missing value. A value of
  // another type, or larger than bufSize, raises ERegistryException.
  int ReadBinaryData(const String& name, void* buffer, int bufSize);
  void WriteBinaryData(const String& name, const void* buffer, int bufSize);

 protected:
  using KeyPath = std::vector<String>;
  // The absolute path a key argument names.
  KeyPath ResolvePath(const String& key) const;
  // The key at an absolute path, or nullptr when it does not exist.
  static RegKey* FindKey(const KeyPath& path);
  static String PathText(const KeyPath& path);
  // The value of the key at path (nullptr when the key or the value is missing), and writing one
  // there: into an existing key only, unless createKey.
  static const RegValue* FindValue(const KeyPath& path, const String& name);
  static void StoreValue(const KeyPath& path, const RegValue& value, bool createKey);
  static bool RemoveValue(const KeyPath& path, const String& name);
  static void CreatePath(const KeyPath& path);

 private:
  KeyPath FCurrentPath;
};
