// The file dialogs and the message boxes the program uses.
#ifndef LUMENFOLD_VCL_DIALOGS_H_
#define LUMENFOLD_VCL_DIALOGS_H_

#include <QString>
#include <QStringList>
#include <vector>

#include "vcl/dialog_host.h"

namespace vcl {

enum class TOpenOption : unsigned { ofReadOnly = 1, ofHideReadOnly = 2 };
enum class TFileEditStyle { fsEdit, fsComboBox };

// What a file dialog keeps between its runs. Execute shows it through the
// application's DialogHost; a confirmed run keeps the chosen FileName and
// FilterIndex for the next one, a cancelled run changes nothing.
class TCommonFileDialog {
 public:
  virtual ~TCommonFileDialog() = default;

  QString Title;
  // Pairs of shown text and patterns, all separated by "|"; the patterns of
  // one entry are separated by ";".
  QString Filter;
  unsigned Options = 0;
  TFileEditStyle FileEditStyle = TFileEditStyle::fsEdit;
  QStringList HistoryList;  // serves only the drop-down file name style
  int FilterIndex = 1;
  QString InitialDir;
  QString DefaultExt;
  QString FileName;

  bool HasOption(TOpenOption option) const {
    return (Options & static_cast<unsigned>(option)) != 0;
  }
  // True when the user confirmed a file.
  bool Execute();

 protected:
  explicit TCommonFileDialog(TFileDialogKind kind) : kind_(kind) {}

 private:
  TFileDialogKind kind_;
};

class TOpenDialog : public TCommonFileDialog {
 public:
  TOpenDialog() : TCommonFileDialog(TFileDialogKind::Open) {}
};

class TSaveDialog : public TCommonFileDialog {
 public:
  TSaveDialog() : TCommonFileDialog(TFileDialogKind::Save) {}
};

// The entries of a filter text, in order. A trailing shown text without
// patterns is dropped.
std::vector<FilterEntry> ParseFilter(const QString& filter);

// The plain message dialog: `text`, one OK button, no icon, the
// application's title as caption.
void ShowMessage(const QString& text);

// The system message box with the buttons, icon and default given.
TModalResult MessageBox(const MessageBoxRequest& request);

}  // namespace vcl

#endif  // LUMENFOLD_VCL_DIALOGS_H_
