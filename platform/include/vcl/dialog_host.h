// The one way through which every modal dialog and message box is run.
//
// The application holds one DialogHost; the file dialogs, ShowMessage,
// MessageBox and the standard exception display all ask it. The program
// uses the host that shows real Qt dialogs; a test installs one that answers
// from a script, so nothing ever waits on a modal window.
#ifndef LUMENFOLD_VCL_DIALOG_HOST_H_
#define LUMENFOLD_VCL_DIALOG_HOST_H_

#include <QString>
#include <optional>
#include <vector>

namespace vcl {

enum class TMsgIcon { None, Exclamation, Stop };
enum class TMsgButtons { Ok, YesNo };
enum class TModalResult { Ok, Yes, No };

struct MessageBoxRequest {
  QString caption;
  QString text;
  TMsgIcon icon = TMsgIcon::None;
  TMsgButtons buttons = TMsgButtons::Ok;
  TModalResult default_button = TModalResult::Ok;
};

// One entry of a file dialog's type list: what the list shows and the
// patterns ("*.htm", "*jpg") it applies.
struct FilterEntry {
  QString shown;
  std::vector<QString> patterns;
};

enum class TFileDialogKind { Open, Save };

struct FileDialogRequest {
  TFileDialogKind kind = TFileDialogKind::Open;
  QString title;  // empty: the toolkit's own title for the kind
  std::vector<FilterEntry> filters;
  int filter_index = 1;  // counted from 1, as the entries are numbered
  QString initial_dir;   // empty: the toolkit's default folder
  QString file_name;     // proposed name, possibly empty
  bool hide_read_only = true;
};

// What the user confirmed; a cancelled dialog gives no answer.
struct FileDialogAnswer {
  QString file_name;
  int filter_index = 1;
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows the box and waits for a button; returns the button pressed.
  virtual TModalResult ShowMessageBox(const MessageBoxRequest& request) = 0;
  virtual std::optional<FileDialogAnswer> RunFileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace vcl

#endif  // LUMENFOLD_VCL_DIALOG_HOST_H_
