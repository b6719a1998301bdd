// Pictures and radio groups.
#ifndef LUMENFOLD_VCL_EXT_CTRLS_H_
#define LUMENFOLD_VCL_EXT_CTRLS_H_

#include <QButtonGroup>
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "vcl/control.h"

namespace vcl {

// Shows a picture at its own size from the top left corner.
class TImage : public QWidget, public TControl {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent);
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

// A framed group of radio buttons, one per item, set out in columns within
// the group's width. Selecting a different button, by the user or through
// SetItemIndex, raises OnClick.
class TRadioGroup : public QGroupBox, public TControl {
  Q_OBJECT
 public:
  explicit TRadioGroup(QWidget* parent);

  QString Caption() const { return title(); }
  void SetCaption(const QString& caption) { setTitle(caption); }
  QStringList Items() const;
  void SetItems(const QStringList& items);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  // -1 when no button is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);
  void SetFont(const TFontDesc& font) override;

  QRadioButton* Button(int index) const;
  // The button that Tab lands on: the selected one, else the first.
  QWidget* TabTarget() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void ApplyTabStop() override;

 private:
  void ArrangeButtons();
  void Selected(bool checked);

  QButtonGroup group_;
  std::vector<QRadioButton*> buttons_;
  int columns_ = 1;
};

}  // namespace vcl

#endif  // LUMENFOLD_VCL_EXT_CTRLS_H_
