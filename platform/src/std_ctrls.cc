#include "vcl/std_ctrls.h"

#include "group_frame.h"

namespace vcl {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), TControl(this) { SetTabStop(true); }

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent), TControl(this) {
  SetTabStop(true);
}

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent), TControl(this) {
  setFocusPolicy(Qt::NoFocus);
}

void TGroupBox::paintEvent(QPaintEvent*) { PaintGroupFrame(*this, title()); }

}  // namespace vcl
