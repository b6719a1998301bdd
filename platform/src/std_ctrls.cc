#include "vcl/std_ctrls.h"

#include "group_frame.h"

namespace vcl {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), TControl(this) { SetTabStop(true); }

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent), TControl(this) {
  SetTabStop(true);
}

TListBox::TListBox(QWidget* parent) : QListWidget(parent), TControl(this) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  SetTabStop(true);
}

void TListBox::SetSorted(bool sorted) {
  setSortingEnabled(sorted);
  if (sorted) sortItems();
}

void TListBox::AddItem(const QString& text) {
  auto* item = new QListWidgetItem(text);
  item->setSizeHint(QSize(0, item_height_));
  addItem(item);  // a sorted list puts it in its place
}

QString TListBox::ItemAt(int index) const {
  const QListWidgetItem* it = item(index);
  return it ? it->text() : QString();
}

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent), TControl(this) {
  setFocusPolicy(Qt::NoFocus);
}

void TGroupBox::paintEvent(QPaintEvent*) { PaintGroupFrame(*this, title()); }

}  // namespace vcl
