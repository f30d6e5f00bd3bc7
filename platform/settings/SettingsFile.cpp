// Settings file input and output through QFile and QSaveFile (see SettingsFile_p.h).
#include "settings/SettingsFile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "settings/IniFiles.h"

namespace {

QString ToQ(const String& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

[[noreturn]] void FileError(const char* what, const String& fileName, const QString& reason) {
  throw EIniFileException(String(what) + "设置文件“" + fileName + "”：" + reason.toStdString());
}

}  // namespace

bool ReadSettingsFile(const String& fileName, std::string& content) {
  const QFileInfo info(ToQ(fileName));
  if (!info.exists()) return false;
  if (info.isDir()) FileError("无法读取", fileName, "这是一个文件夹");
  QFile file(info.filePath());
  if (!file.open(QIODevice::ReadOnly)) FileError("无法读取", fileName, file.errorString());
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) FileError("无法读取", fileName, file.errorString());
  content.assign(bytes.constData(), size_t(bytes.size()));
  return true;
}

void WriteSettingsFile(const String& fileName, const std::string& content) {
  if (fileName.empty()) FileError("无法保存", fileName, "没有文件名");
  const QFileInfo info(ToQ(fileName));
  if (!QDir().mkpath(info.absolutePath())) FileError("无法保存", fileName, "无法创建所在的文件夹");
  QSaveFile file(info.filePath());
  if (!file.open(QIODevice::WriteOnly)) FileError("无法保存", fileName, file.errorString());
  if (file.write(content.data(), qint64(content.size())) != qint64(content.size()) || !file.commit())
    FileError("无法保存", fileName, file.errorString());
}
