// UTF-8 and GB18030 through Qt's string encoder and decoder, one of each per thread; text of
// ASCII characters alone is the same in both and passes through unconverted.
#include "rtl/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#include "rtl/Exceptions.h"

namespace {

constexpr const char* kGB18030 = "GB18030";

void RequireValid(bool valid) {
  // Only a Qt built without ICU lacks the code page; the conversion must never pass text through
  // unconverted.
  if (!valid) throw EConvertError("The GB18030 code page is not available");
}

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Making a converter costs more than most conversions; stateless ones serve every call.
QStringEncoder& Encoder() {
  thread_local QStringEncoder encoder(kGB18030, QStringConverter::Flag::Stateless);
  RequireValid(encoder.isValid());
  return encoder;
}

QStringDecoder& Decoder() {
  thread_local QStringDecoder decoder(kGB18030, QStringConverter::Flag::Stateless);
  RequireValid(decoder.isValid());
  return decoder;
}

}  // namespace

std::string Utf8ToGB18030(const String& text) {
  if (IsAscii(text)) return text;
  const QByteArray bytes = Encoder().encode(QString::fromUtf8(text.data(), qsizetype(text.size())));
  return std::string(bytes.constData(), size_t(bytes.size()));
}

String GB18030ToUtf8(const std::string& bytes) {
  if (IsAscii(bytes)) return bytes;
  const QString text = Decoder().decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return text.toUtf8().toStdString();
}
