#include "vcl/buttons.h"

#include <QIcon>
#include <QPixmap>

namespace vcl {

QImage GlyphFace(const QImage& glyph, int num_glyphs, int index) {
  const int width = glyph.width() / num_glyphs;
  QImage face = glyph.copy(index * width, 0, width, glyph.height())
                    .convertToFormat(QImage::Format_ARGB32);
  const QRgb ground = face.pixel(0, face.height() - 1);
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      if (face.pixel(x, y) == ground) face.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
  }
  return face;
}

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent), TControl(this) {
  setAutoDefault(false);
  SetTabStop(true);
  connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TBitBtn::SetGlyph(const QImage& glyph, int num_glyphs) {
  num_glyphs_ = num_glyphs;
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(GlyphFace(glyph, num_glyphs, 0)), QIcon::Normal);
  if (num_glyphs > 1) {
    icon.addPixmap(QPixmap::fromImage(GlyphFace(glyph, num_glyphs, 1)), QIcon::Disabled);
  }
  setIcon(icon);
  setIconSize(QSize(glyph.width() / num_glyphs, glyph.height()));
}

}  // namespace vcl
