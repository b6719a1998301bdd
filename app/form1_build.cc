#include "form1_build.h"

#include <QIcon>
#include <QImage>
#include <stdexcept>
#include <string>

#include "lumenfold/natural_order.h"
#include "vcl/buttons.h"
#include "vcl/ext_ctrls.h"
#include "vcl/std_ctrls.h"

namespace lumenfold::form1 {
namespace {

QWidget* NewControl(ControlClass cls, QWidget* parent) {
  switch (cls) {
    case ControlClass::TLabel: return new vcl::TLabel(parent);
    case ControlClass::TEdit: return new vcl::TEdit(parent);
    case ControlClass::TBitBtn: return new vcl::TBitBtn(parent);
    case ControlClass::TListBox: return new vcl::TListBox(parent);
    case ControlClass::TGroupBox: return new vcl::TGroupBox(parent);
    case ControlClass::TImage: return new vcl::TImage(parent);
    case ControlClass::TRadioGroup: return new vcl::TRadioGroup(parent);
    case ControlClass::TCheckBox: return new vcl::TCheckBox(parent);
  }
  return nullptr;
}

template <class T = vcl::TControl>
T& Find(QWidget& form, const char* name) {
  auto* control = dynamic_cast<T*>(form.findChild<QWidget*>(QString::fromUtf8(name)));
  if (!control) throw std::logic_error(std::string("no control ") + name);
  return *control;
}

void SetText(QWidget& form, const TextRow& row) {
  const QString text = QString::fromUtf8(row.text);
  QWidget* widget = &Find<QWidget>(form, row.name);
  if (auto* label = dynamic_cast<vcl::TLabel*>(widget)) label->SetCaption(text);
  if (auto* edit = dynamic_cast<vcl::TEdit*>(widget)) edit->SetText(text);
  if (auto* button = dynamic_cast<vcl::TBitBtn*>(widget)) button->SetCaption(text);
  if (auto* check = dynamic_cast<vcl::TCheckBox*>(widget)) check->SetCaption(text);
  if (auto* group = dynamic_cast<vcl::TGroupBox*>(widget)) group->SetCaption(text);
  if (auto* radio = dynamic_cast<vcl::TRadioGroup*>(widget)) radio->SetCaption(text);
  vcl::TControl& control = Find(form, row.name);
  control.SetHint(row.hint ? QString::fromUtf8(row.hint) : QString());
  control.SetShowHint(row.show_hint);
}

void CreateControls(QWidget& form) {
  for (const ControlRow& row : kControls) {
    QWidget* parent = row.parent ? &Find<QWidget>(form, row.parent) : &form;
    QWidget* widget = NewControl(row.cls, parent);
    widget->setObjectName(QString::fromUtf8(row.name));
    vcl::TControl& control = *vcl::AsControl(widget);
    control.SetBounds(row.left, row.top, row.width, row.height);
    control.SetTabOrder(row.tab_order);
  }
  // Before any text or font is set, so that it keeps its stored size.
  Find<vcl::TLabel>(form, kFixedSizeLabel).SetAutoSize(false);
}

void ApplyOtherSettings(QWidget& form) {
  auto& list = Find<vcl::TListBox>(form, "ListBox1");
  // The list keeps the scan's natural order: IMG_2 before IMG_10.
  list.SetItemOrder(NaturalLess);
  list.SetSorted(true);
  list.SetItemHeight(kListBoxItemHeight);
  list.SetTabStop(false);
  for (const RadioGroupRow& row : kRadioGroups) {
    auto& group = Find<vcl::TRadioGroup>(form, row.name);
    QStringList items;
    for (const char* item : row.items) {
      if (item) items << QString::fromUtf8(item);
    }
    group.SetItems(items);
    group.SetColumns(row.columns);
    group.SetItemIndex(row.item_index);
    group.SetTabStop(true);
  }
  for (const GlyphRow& row : kGlyphs) {
    Find<vcl::TBitBtn>(form, row.name).SetGlyph(QImage(QString::fromUtf8(row.resource)), row.num_glyphs);
  }
  Find<vcl::TImage>(form, "Image1").SetPicture(QImage(QString::fromUtf8(kColourStrip)));
}

QIcon LoadIcon(const std::array<const char*, 2>& files) {
  QIcon icon;
  for (const char* file : files) icon.addFile(QString::fromUtf8(file));
  return icon;
}

}  // namespace

void BuildWindow(vcl::TForm& form) {
  form.SetCaption(QString::fromUtf8(kWindow.caption));
  form.SetPosition(kWindow.left, kWindow.top);
  form.SetClientSize(kWindow.client_width, kWindow.client_height);
  form.SetFont(kWindow.font);
  form.SetIcon(LoadIcon(kWindowIcon));
  CreateControls(form);
  // Fonts before texts would do as well: a label measures itself on both.
  for (const FontRow& row : kFonts) {
    vcl::TControl& control = Find(form, row.name);
    control.SetFont(row.font);
    if (row.background) control.SetColor(*row.background);
  }
  for (const TextRow& row : kTexts) SetText(form, row);
  ApplyOtherSettings(form);
  form.UpdateTabOrder();
}

void ApplyDialogSettings(const FileDialogSettings& settings, vcl::TCommonFileDialog& dialog) {
  dialog.Title = settings.title ? QString::fromUtf8(settings.title) : QString();
  dialog.Filter = QString::fromUtf8(settings.filter);
  dialog.Options = settings.options;
  dialog.FileEditStyle = settings.file_edit_style;
  dialog.HistoryList.clear();
  for (const char* entry : settings.history) {
    if (entry) dialog.HistoryList << QString::fromUtf8(entry);
  }
}

QIcon ProgramIcon() { return LoadIcon(kProgramIcon); }

}  // namespace lumenfold::form1
