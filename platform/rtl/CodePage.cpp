// UTF-8 and GB18030 through Qt's string encoder and decoder.
#include "rtl/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "rtl/Exceptions.h"

namespace {

constexpr const char* kGB18030 = "GB18030";

void RequireValid(bool valid) {
  // Only a Qt built without ICU lacks the code page; the conversion must never pass text through
  // unconverted.
  if (!valid) throw EConvertError("The GB18030 code page is not available");
}

}  // namespace

std::string Utf8ToGB18030(const String& text) {
  QStringEncoder encoder(kGB18030);
  RequireValid(encoder.isValid());
  const QByteArray bytes = encoder.encode(QString::fromUtf8(text.data(), qsizetype(text.size())));
  return std::string(bytes.constData(), size_t(bytes.size()));
}

String GB18030ToUtf8(const std::string& bytes) {
  QStringDecoder decoder(kGB18030);
  RequireValid(decoder.isValid());
  const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return text.toUtf8().toStdString();
}
