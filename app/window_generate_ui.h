// The generate command's question and reports, asked and shown by the window.
#ifndef LUMENFOLD_APP_WINDOW_GENERATE_UI_H_
#define LUMENFOLD_APP_WINDOW_GENERATE_UI_H_

#include <string>

#include "lumenfold/generate.h"

namespace lumenfold {

// Asks with the system message box (Yes and No, exclamation icon, No the
// default) and reports in the plain message dialog.
class WindowGenerateUi final : public GenerateUi {
 public:
  bool ConfirmOverwrite(const std::string& path) override;
  void Report(const GenerateResult& result) override;
};

}  // namespace lumenfold

#endif  // LUMENFOLD_APP_WINDOW_GENERATE_UI_H_
