#include <QMouseEvent>
#include <QPainter>

#include "vcl/ext_ctrls.h"

namespace vcl {

TImage::TImage(QWidget* parent) : QWidget(parent), TControl(this) {
  setFocusPolicy(Qt::NoFocus);
}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Click();
  }
}

}  // namespace vcl
