// The folded form of names by which the settings stores index their items (see NamedList_p.h).
#include "settings/NamedList_p.h"

#include <QString>

#include <algorithm>

String FoldedSettingsName(const String& name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) return QString::fromUtf8(name.data(), qsizetype(name.size())).toCaseFolded().toStdString();
  String folded = name;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return folded;
}
