#include "window_generate_ui.h"

#include "vcl/dialogs.h"
#include "window_text.h"

namespace lumenfold {

bool WindowGenerateUi::ConfirmOverwrite(const std::string& path) {
  vcl::MessageBoxRequest question;
  question.caption = TextOf(kOverwriteCaption);
  question.text = TextOf(OverwriteQuestion(path));
  question.icon = vcl::TMsgIcon::Exclamation;
  question.buttons = vcl::TMsgButtons::YesNo;
  // A hasty Enter keeps the existing page.
  question.default_button = vcl::TModalResult::No;
  return vcl::MessageBox(question) == vcl::TModalResult::Yes;
}

void WindowGenerateUi::Report(const GenerateResult& result) {
  // The fixed texts are what the user knows; the system's reason would be
  // a second language in the same box.
  vcl::ShowMessage(TextOf(MessageText(result.outcome)));
}

}  // namespace lumenfold
