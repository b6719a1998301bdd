#include <QFontMetrics>
#include <algorithm>
#include <QMouseEvent>

#include "vcl/std_ctrls.h"

namespace vcl {

TLabel::TLabel(QWidget* parent) : QLabel(parent), TControl(this) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  setWordWrap(false);
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(true);  // labels are opaque
  setFocusPolicy(Qt::NoFocus);
}

void TLabel::SetCaption(const QString& caption) {
  setText(caption);
  Fit();
}

void TLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  Fit();
}

void TLabel::SetFont(const TFontDesc& font) {
  TControl::SetFont(font);
  Fit();
}

void TLabel::Fit() {
  if (!auto_size_) return;
  const QFontMetrics metrics(font());
  const QString measured = text().isEmpty() ? QStringLiteral(" ") : text();
  // An italic face leans past its advance; the label takes in the overhang
  // so that the last letter is not cut.
  const int width = std::max(metrics.horizontalAdvance(measured),
                             metrics.boundingRect(measured).right() + 1);
  resize(width, metrics.height());
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Click();
  }
}

}  // namespace vcl
