// The items of a TListBox: byte strings, shown decoded as file names.
#ifndef LUMENFOLD_PLATFORM_SRC_LIST_BOX_MODEL_H_
#define LUMENFOLD_PLATFORM_SRC_LIST_BOX_MODEL_H_

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace vcl {

class ListBoxModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit ListBoxModel(QObject* parent) : QAbstractListModel(parent) {}

  const std::vector<std::string>& Items() const { return items_; }
  void Insert(std::size_t row, std::string item);
  void Replace(std::vector<std::string> items);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);

  // The text the list shows for `item`.
  static QString Shown(const std::string& item);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<std::string> items_;
  int item_height_ = 16;
};

}  // namespace vcl

#endif  // LUMENFOLD_PLATFORM_SRC_LIST_BOX_MODEL_H_
