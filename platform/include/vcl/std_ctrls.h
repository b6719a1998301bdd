// Labels, edit boxes, check boxes, list boxes and group boxes.
#ifndef LUMENFOLD_VCL_STD_CTRLS_H_
#define LUMENFOLD_VCL_STD_CTRLS_H_

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/control.h"

namespace vcl {

class ListBoxModel;

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

// A list of byte strings, one selectable at a time. Items are kept as the
// bytes they were given (file names as they are on disk) and shown decoded
// as file names are. With Sorted on, the list keeps its items in its item
// order however they are added.
class TListBox : public QListView, public TControl {
  Q_OBJECT
 public:
  // True when `a` goes before `b`.
  using TItemOrder = std::function<bool(std::string_view a, std::string_view b)>;

  explicit TListBox(QWidget* parent);
  ~TListBox() override;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  // The order a sorted list keeps; plain byte order until set.
  void SetItemOrder(TItemOrder order);
  int ItemHeight() const;
  void SetItemHeight(int height);

  // Puts one item in its place (at the end when not sorted).
  void AddItem(std::string item);
  // Replaces every item at once, with one sort and one update of the view,
  // so that a long list fills without a cost per item.
  void SetItems(std::vector<std::string> items);
  void ClearItems();
  int ItemCount() const;
  const std::vector<std::string>& Items() const;
  // Item `index` as the list shows it; empty past the end.
  QString ItemAt(int index) const;
  int ItemIndex() const { return currentIndex().row(); }

 private:
  bool sorted_ = false;
  TItemOrder order_;
  ListBoxModel* model_;
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
