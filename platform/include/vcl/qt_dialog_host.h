// The dialog host that shows real Qt dialogs and waits for the user.
#ifndef LUMENFOLD_VCL_QT_DIALOG_HOST_H_
#define LUMENFOLD_VCL_QT_DIALOG_HOST_H_

#include "vcl/dialog_host.h"

namespace vcl {

class QtDialogHost : public DialogHost {
 public:
  TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
  std::optional<FileDialogAnswer> RunFileDialog(const FileDialogRequest& request) override;
};

// The text QFileDialog shows for `entry`: its own text, then its patterns
// in parentheses, which is where QFileDialog reads the patterns from.
QString QtNameFilter(const FilterEntry& entry);

}  // namespace vcl

#endif  // LUMENFOLD_VCL_QT_DIALOG_HOST_H_
