// Comparison of text by the program's locale.
#include <QCollator>
#include <QLocale>

#include "rtl/Text.h"

int AnsiCompareStr(const String& a, const String& b) {
  // One collator serves the GUI thread, where every comparison of the program runs.
  static const QCollator collator = [] {
    QCollator c(QLocale(QLocale::Chinese, QLocale::China));
    c.setCaseSensitivity(Qt::CaseSensitive);
    return c;
  }();
  const int result = collator.compare(QString::fromUtf8(a.data(), qsizetype(a.size())),
                                      QString::fromUtf8(b.data(), qsizetype(b.size())));
  if (result != 0) return result < 0 ? -1 : 1;
  // Texts the locale counts as equal still differ: their code points decide.
  return CompareStr(a, b);
}
