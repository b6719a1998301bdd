#include "vcl/dialogs.h"

#include "vcl/forms.h"

namespace vcl {

std::vector<FilterEntry> ParseFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  std::vector<FilterEntry> entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    FilterEntry entry{parts[i], {}};
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      entry.patterns.push_back(pattern);
    }
    entries.push_back(entry);
  }
  return entries;
}

bool TCommonFileDialog::Execute() {
  FileDialogRequest request;
  request.kind = kind_;
  request.title = Title;
  request.filters = ParseFilter(Filter);
  request.filter_index = FilterIndex;
  request.initial_dir = InitialDir;
  request.file_name = FileName;
  request.hide_read_only = HasOption(TOpenOption::ofHideReadOnly);
  const std::optional<FileDialogAnswer> answer = Application->Dialogs().RunFileDialog(request);
  if (!answer) return false;
  FileName = answer->file_name;
  FilterIndex = answer->filter_index;
  return true;
}

void ShowMessage(const QString& text) {
  MessageBoxRequest request;
  request.caption = Application->Title();
  request.text = text;
  Application->Dialogs().ShowMessageBox(request);
}

TModalResult MessageBox(const MessageBoxRequest& request) {
  return Application->Dialogs().ShowMessageBox(request);
}

}  // namespace vcl
