#include "framework/ui/qt/QtConvert.h"

#include <QFontDatabase>

namespace framework {

QString DisplayText(const String& text) {
  QString shown = ToQString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

QFont SystemFont(float points) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (points > 0.0F) font.setPointSizeF(static_cast<qreal>(points));
  return font;
}

}  // namespace framework
