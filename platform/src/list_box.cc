#include <algorithm>

#include "list_box_model.h"
#include "vcl/std_ctrls.h"

namespace vcl {

TListBox::TListBox(QWidget* parent)
    : QListView(parent),
      TControl(this),
      order_([](std::string_view a, std::string_view b) { return a < b; }),
      model_(new ListBoxModel(this)) {
  setModel(model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Every row has the list's item height, so the view never measures rows
  // one by one: a long list costs no more to show than a short one.
  setUniformItemSizes(true);
  SetTabStop(true);
}

TListBox::~TListBox() = default;

void TListBox::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted) SetItems(model_->Items());
}

void TListBox::SetItemOrder(TItemOrder order) {
  order_ = std::move(order);
  if (sorted_) SetItems(model_->Items());
}

int TListBox::ItemHeight() const { return model_->ItemHeight(); }

void TListBox::SetItemHeight(int height) { model_->SetItemHeight(height); }

void TListBox::AddItem(std::string item) {
  const std::vector<std::string>& items = model_->Items();
  const auto place = sorted_ ? std::upper_bound(items.begin(), items.end(), item,
                                                [this](const std::string& a, const std::string& b) {
                                                  return order_(a, b);
                                                })
                             : items.end();
  model_->Insert(static_cast<std::size_t>(place - items.begin()), std::move(item));
}

void TListBox::SetItems(std::vector<std::string> items) {
  const auto less = [this](const std::string& a, const std::string& b) { return order_(a, b); };
  // Names from a scan come in order already; checking costs one pass.
  if (sorted_ && !std::is_sorted(items.begin(), items.end(), less)) {
    std::stable_sort(items.begin(), items.end(), less);
  }
  model_->Replace(std::move(items));
}

void TListBox::ClearItems() { model_->Replace({}); }

int TListBox::ItemCount() const { return model_->rowCount(); }

const std::vector<std::string>& TListBox::Items() const { return model_->Items(); }

QString TListBox::ItemAt(int index) const {
  const std::vector<std::string>& items = model_->Items();
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return {};
  return ListBoxModel::Shown(items[static_cast<std::size_t>(index)]);
}

}  // namespace vcl
