#include "list_box_model.h"

#include <QFile>
#include <QSize>

namespace vcl {

void ListBoxModel::Insert(std::size_t row, std::string item) {
  const int at = static_cast<int>(row);
  beginInsertRows(QModelIndex(), at, at);
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(row), std::move(item));
  endInsertRows();
}

void ListBoxModel::Replace(std::vector<std::string> items) {
  beginResetModel();
  items_ = std::move(items);
  endResetModel();
}

void ListBoxModel::SetItemHeight(int height) {
  item_height_ = height;
  if (!items_.empty()) emit dataChanged(index(0), index(rowCount() - 1), {Qt::SizeHintRole});
}

QString ListBoxModel::Shown(const std::string& item) {
  // A name that is no valid text in the file-name encoding still shows,
  // with stand-ins for the bytes it cannot decode; the item keeps them all.
  return QFile::decodeName(QByteArray::fromRawData(item.data(), static_cast<qsizetype>(item.size())));
}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole) return Shown(items_[static_cast<std::size_t>(index.row())]);
  if (role == Qt::SizeHintRole) return QSize(0, item_height_);
  return {};
}

}  // namespace vcl
