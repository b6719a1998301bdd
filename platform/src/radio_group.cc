#include <QFontMetrics>

#include <QStyle>
#include <algorithm>

#include "group_frame.h"
#include "vcl/ext_ctrls.h"

namespace vcl {

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), TControl(this) {
  setFocusPolicy(Qt::NoFocus);
  group_.setExclusive(true);
  connect(&group_, &QButtonGroup::idToggled, this,
          [this](int, bool checked) { Selected(checked); });
}

QStringList TRadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* button : buttons_) items << button->text();
  return items;
}

void TRadioGroup::SetItems(const QStringList& items) {
  for (QRadioButton* button : buttons_) delete button;
  buttons_.clear();
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group_.addButton(button, i);
    buttons_.push_back(button);
  }
  ArrangeButtons();
  ApplyTabStop();
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = columns < 1 ? 1 : columns;
  ArrangeButtons();
}

int TRadioGroup::ItemIndex() const { return group_.checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < static_cast<int>(buttons_.size())) {
    buttons_[static_cast<size_t>(index)]->setChecked(true);
    return;
  }
  // An exclusive group never lets its last button go: lift the rule for a
  // moment to leave no button selected.
  group_.setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_.setExclusive(true);
  ApplyTabStop();
}

void TRadioGroup::SetFont(const TFontDesc& font) {
  TControl::SetFont(font);
  ArrangeButtons();
}

QRadioButton* TRadioGroup::Button(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size())
             ? buttons_[static_cast<size_t>(index)]
             : nullptr;
}

QWidget* TRadioGroup::TabTarget() const {
  const int index = ItemIndex();
  return Button(index >= 0 ? index : 0);
}

void TRadioGroup::paintEvent(QPaintEvent*) { PaintGroupFrame(*this, title()); }

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  ArrangeButtons();
}

// Only one button of the group is a Tab stop, so that Tab enters the group
// at its selection and leaves it with the next press; the arrow keys move
// between the buttons.
void TRadioGroup::ApplyTabStop() {
  const QWidget* target = TabTarget();
  for (QRadioButton* button : buttons_) {
    button->setFocusPolicy(button == target && TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

// The buttons fill the columns top to bottom, column by column, in equal
// cells below the caption line; each button takes its cell's width, and what
// is left over from equal rows is shared above and below them. A cell lower
// than the round indicator gets a taller button centred on it: buttons
// paint no background, so neighbours may overlap without hiding anything.
void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int per_column = (count + columns_ - 1) / columns_;
  const int text_height = QFontMetrics(font()).height();
  const int rows_height = height() - text_height - 5;
  const int cell_width = (width() - 10) / columns_;
  const int cell_height = rows_height / per_column;
  const int top_margin = text_height + 1 + (rows_height % per_column) / 2;
  const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
  const int button_height = std::max(cell_height, indicator + 1);
  const int offset = (cell_height - button_height) / 2;
  for (int i = 0; i < count; ++i) {
    const int column = i / per_column;
    const int row = i % per_column;
    buttons_[static_cast<size_t>(i)]->setGeometry(8 + column * cell_width,
                                                  top_margin + row * cell_height + offset, cell_width,
                                                  button_height);
  }
}

void TRadioGroup::Selected(bool checked) {
  if (!checked) return;  // the button that lost the selection
  ApplyTabStop();
  Click();
}

}  // namespace vcl
