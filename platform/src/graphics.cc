#include "vcl/graphics.h"

#include <QApplication>
#include <QPalette>

namespace vcl {

QColor ToQColor(TColor colour) {
  if (colour == clBtnFace) return QApplication::palette().color(QPalette::Button);
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QString SubstituteFace(const QString& face) {
  if (face == QStringLiteral("ＭＳ ゴシック")) return QStringLiteral("IPAGothic");
  if (face == QStringLiteral("ＭＳ Ｐゴシック")) return QStringLiteral("IPAPGothic");
  return face;
}

QFont ToQFont(const TFontDesc& desc) {
  QFont font(SubstituteFace(QString::fromUtf8(desc.face)));
  font.setPixelSize(desc.height);
  font.setBold(HasStyle(desc.style, TFontStyle::Bold));
  font.setItalic(HasStyle(desc.style, TFontStyle::Italic));
  // Keep the named face even where fontconfig would rather pick another.
  font.setStyleStrategy(QFont::PreferMatch);
  return font;
}

}  // namespace vcl
