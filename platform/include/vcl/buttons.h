// Push buttons that carry a small picture, the glyph, beside the caption.
#ifndef LUMENFOLD_VCL_BUTTONS_H_
#define LUMENFOLD_VCL_BUTTONS_H_

#include <QImage>
#include <QPushButton>

#include "vcl/control.h"

namespace vcl {

class TBitBtn : public QPushButton, public TControl {
  Q_OBJECT
 public:
  explicit TBitBtn(QWidget* parent);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }

  // `glyph` holds `num_glyphs` square faces side by side: the first for the
  // enabled button, the second (if any) for the disabled one. The colour of
  // the bottom left pixel is the transparent ground. With one face the
  // disabled look is derived from it.
  void SetGlyph(const QImage& glyph, int num_glyphs);
  int NumGlyphs() const { return num_glyphs_; }

 private:
  int num_glyphs_ = 1;
};

// Face `index` of a glyph strip, its ground made transparent.
QImage GlyphFace(const QImage& glyph, int num_glyphs, int index);

}  // namespace vcl

#endif  // LUMENFOLD_VCL_BUTTONS_H_
