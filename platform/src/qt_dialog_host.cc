#include "vcl/qt_dialog_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vcl {

QString QtNameFilter(const FilterEntry& entry) {
  QStringList patterns(entry.patterns.begin(), entry.patterns.end());
  return entry.shown + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

TModalResult QtDialogHost::ShowMessageBox(const MessageBoxRequest& request) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(request.caption);
  box.setText(request.text);
  box.setIcon(request.icon == TMsgIcon::Stop          ? QMessageBox::Critical
              : request.icon == TMsgIcon::Exclamation ? QMessageBox::Warning
                                                      : QMessageBox::NoIcon);
  if (request.buttons == TMsgButtons::Ok) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return TModalResult::Ok;
  }
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(request.default_button == TModalResult::Yes ? QMessageBox::Yes
                                                                   : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? TModalResult::Yes : TModalResult::No;
}

std::optional<FileDialogAnswer> QtDialogHost::RunFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  const bool save = request.kind == TFileDialogKind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks before overwriting and forces the extension itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  QStringList filters;
  for (const FilterEntry& entry : request.filters) filters << QtNameFilter(entry);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  }
  if (!request.initial_dir.isEmpty()) dialog.setDirectory(request.initial_dir);
  if (!request.file_name.isEmpty()) dialog.selectFile(request.file_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  return FileDialogAnswer{dialog.selectedFiles().first(),
                          chosen >= 0 ? static_cast<int>(chosen) + 1 : request.filter_index};
}

}  // namespace vcl
