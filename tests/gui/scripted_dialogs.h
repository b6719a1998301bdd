// A dialog host for tests: it records what each dialog and message box was
// asked to show and answers from a script, so no test waits on a window.
#ifndef LUMENFOLD_TESTS_GUI_SCRIPTED_DIALOGS_H_
#define LUMENFOLD_TESTS_GUI_SCRIPTED_DIALOGS_H_

#include <deque>
#include <optional>
#include <vector>

#include "vcl/dialog_host.h"

namespace lumenfold::testing {

class ScriptedDialogs : public vcl::DialogHost {
 public:
  std::vector<vcl::MessageBoxRequest> boxes;
  std::vector<vcl::FileDialogRequest> file_dialogs;
  // Answers in turn; a box with none answers Ok (or No for Yes/No), a file
  // dialog with none is cancelled.
  std::deque<vcl::TModalResult> box_answers;
  std::deque<std::optional<vcl::FileDialogAnswer>> file_answers;

  vcl::TModalResult ShowMessageBox(const vcl::MessageBoxRequest& request) override {
    boxes.push_back(request);
    if (box_answers.empty()) {
      return request.buttons == vcl::TMsgButtons::Ok ? vcl::TModalResult::Ok : vcl::TModalResult::No;
    }
    const vcl::TModalResult answer = box_answers.front();
    box_answers.pop_front();
    return answer;
  }

  std::optional<vcl::FileDialogAnswer> RunFileDialog(const vcl::FileDialogRequest& request) override {
    file_dialogs.push_back(request);
    if (file_answers.empty()) return std::nullopt;
    // Copying out of an engaged optional only: GCC's optimiser otherwise
    // warns that the copy may read an unset QString.
    const bool cancelled = !file_answers.front().has_value();
    vcl::FileDialogAnswer answer = cancelled ? vcl::FileDialogAnswer{} : *file_answers.front();
    file_answers.pop_front();
    if (cancelled) return std::nullopt;
    return answer;
  }
};

}  // namespace lumenfold::testing

#endif  // LUMENFOLD_TESTS_GUI_SCRIPTED_DIALOGS_H_
