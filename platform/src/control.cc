#include "vcl/control.h"

#include <QPalette>
#include <QWidget>

namespace vcl {

TControl::TControl(QWidget* self) : self_(self) {}

TControl::~TControl() = default;

void TControl::SetBounds(int left, int top, int width, int height) {
  self_->setGeometry(left, top, width, height);
}

int TControl::Left() const { return self_->x(); }
int TControl::Top() const { return self_->y(); }
int TControl::Width() const { return self_->width(); }
int TControl::Height() const { return self_->height(); }

bool TControl::Enabled() const { return self_->isEnabled(); }
void TControl::SetEnabled(bool enabled) { self_->setEnabled(enabled); }

void TControl::SetHint(const QString& hint) {
  hint_ = hint;
  self_->setToolTip(show_hint_ ? hint_ : QString());
}

void TControl::SetShowHint(bool show) {
  show_hint_ = show;
  self_->setToolTip(show_hint_ ? hint_ : QString());
}

void TControl::SetTabStop(bool tab_stop) {
  tab_stop_ = tab_stop;
  ApplyTabStop();
}

void TControl::ApplyTabStop() {
  self_->setFocusPolicy(tab_stop_ ? Qt::StrongFocus : Qt::ClickFocus);
}

void TControl::SetColor(TColor color) {
  color_ = color;
  QPalette palette = self_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  self_->setPalette(palette);
  self_->setAutoFillBackground(true);
}

void TControl::SetFont(const TFontDesc& font) {
  font_ = font;
  self_->setFont(ToQFont(font));
  // Only the active and inactive text take the colour, so that a disabled
  // control is still drawn greyed.
  QPalette palette = self_->palette();
  const QColor colour = ToQColor(font.color);
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(group, role, colour);
    }
  }
  self_->setPalette(palette);
}

void TControl::Click() { RaiseEvent(OnClick, self_); }

TControl* AsControl(QWidget* widget) { return dynamic_cast<TControl*>(widget); }

}  // namespace vcl
