#include "group_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace vcl {

void PaintGroupFrame(QWidget& box, const QString& title) {
  QPainter painter(&box);
  const QPalette& palette = box.palette();
  const QFontMetrics metrics(box.font());
  const QRect frame = box.rect().adjusted(0, metrics.height() / 2, -1, -1);
  painter.setPen(palette.color(QPalette::Mid));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(palette.color(QPalette::Light));
  painter.drawRect(frame.adjusted(1, 1, 0, 0));
  if (title.isEmpty()) return;
  const QRect text(8, 0, metrics.horizontalAdvance(title), metrics.height());
  painter.fillRect(text, palette.color(QPalette::Window));
  painter.setPen(palette.color(box.isEnabled() ? QPalette::Active : QPalette::Disabled,
                               QPalette::WindowText));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
}

}  // namespace vcl
