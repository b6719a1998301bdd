// Labels, edit boxes, check boxes, list boxes and group boxes.
#ifndef LUMENFOLD_VCL_STD_CTRLS_H_
#define LUMENFOLD_VCL_STD_CTRLS_H_

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "vcl/control.h"

namespace vcl {

// Static text, opaque: it paints its background colour behind the text.
// With AutoSize on it measures its caption (one blank when the caption is
// empty) whenever the caption or the font changes.
class TLabel : public QLabel, public TControl {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  void SetFont(const TFontDesc& font) override;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Fit();
  bool auto_size_ = true;
};

// A one-line edit box.
class TEdit : public QLineEdit, public TControl {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent);
  QString Text() const { return text(); }
  void SetText(const QString& text) { setText(text); }
};

class TCheckBox : public QCheckBox, public TControl {
  Q_OBJECT
 public:
  explicit TCheckBox(QWidget* parent);
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  bool Checked() const { return isChecked(); }
  void SetChecked(bool checked) { setChecked(checked); }
};

// A list of texts, one selectable at a time. With Sorted on, the list keeps
// its items in order however they are added.
class TListBox : public QListWidget, public TControl {
  Q_OBJECT
 public:
  explicit TListBox(QWidget* parent);

  bool Sorted() const { return isSortingEnabled(); }
  void SetSorted(bool sorted);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height) { item_height_ = height; }

  void AddItem(const QString& text);
  void ClearItems() { clear(); }
  int ItemCount() const { return count(); }
  QString ItemAt(int index) const;
  int ItemIndex() const { return currentRow(); }

 private:
  int item_height_ = 16;
};

class TGroupBox : public QGroupBox, public TControl {
  Q_OBJECT
 public:
  explicit TGroupBox(QWidget* parent);
  QString Caption() const { return title(); }
  void SetCaption(const QString& caption) { setTitle(caption); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vcl

#endif  // LUMENFOLD_VCL_STD_CTRLS_H_
