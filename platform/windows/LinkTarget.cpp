// The test of a link's target before it goes to the desktop: its scheme, and for local files the
// file itself.
#include "windows/LinkTarget.h"

#include <QFileInfo>
#include <QSet>
#include <QUrl>

namespace {

// Types the desktop would run rather than show, on any of the systems the program meets.
bool IsProgramType(const QFileInfo& File) {
  static const QSet<QString> programs{"exe", "com", "bat", "cmd", "pif", "scr", "msi", "msp", "cpl", "lnk", "url",
                                      "vbs", "vbe", "js",  "jse", "wsf", "wsh", "ps1", "hta", "reg", "jar", "sh",
                                      "bash", "csh", "ksh", "zsh", "py", "pl", "rb", "desktop", "app", "run", "bin",
                                      "appimage", "command"};
  return programs.contains(File.suffix().toLower());
}

bool IsOpenableDocument(const QString& Path) {
  const QFileInfo file(Path);
  return file.exists() && file.isFile() && !file.isExecutable() && !IsProgramType(file);
}

}  // namespace

bool IsOpenableLink(const String& Target) {
  const QString text = QString::fromStdString(Target).trimmed();
  if (text.isEmpty()) return false;
  const QUrl url(text, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (url.isValid() && (scheme == "http" || scheme == "https" || scheme == "ftp"))
    return !url.host().isEmpty();
  if (url.isValid() && scheme == "mailto") return !url.path().isEmpty();
  if (url.isValid() && scheme == "file") return IsOpenableDocument(url.toLocalFile());
  return scheme.isEmpty() && IsOpenableDocument(text);
}
