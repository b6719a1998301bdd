// The frame of group boxes and radio groups.
#ifndef LUMENFOLD_VCL_GROUP_FRAME_H_
#define LUMENFOLD_VCL_GROUP_FRAME_H_

#include <QString>
#include <QWidget>

namespace vcl {

// Draws an etched frame around `box` with its top line through the middle
// of the caption line and `title` standing on that line at the left. The
// frame takes no room from the controls inside: they keep their places.
void PaintGroupFrame(QWidget& box, const QString& title);

}  // namespace vcl

#endif  // LUMENFOLD_VCL_GROUP_FRAME_H_
