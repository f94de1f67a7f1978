#include "ui/core/fonts.h"

#include <QFontDatabase>

namespace tessaro {

QFont TahomaFont(int pixels, bool bold) {
  static const bool have_tahoma = QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
  // Tahoma is narrow; in its place condensed DejaVu keeps texts inside the controls sized
  // for it.
  QFont font(have_tahoma ? QStringLiteral("Tahoma") : QStringLiteral("DejaVu Sans"));
  if (!have_tahoma) font.setStretch(QFont::Condensed);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace tessaro
