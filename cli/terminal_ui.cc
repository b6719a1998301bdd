#include "terminal_ui.h"

#include <unistd.h>

namespace lumenfold::cli {
namespace {

bool IsYes(const std::string& answer) {
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

std::string ReadLine(std::FILE* in) {
  std::string line;
  for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in)) {
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

bool TerminalUi::ConfirmOverwrite(const std::string& path) {
  if (yes_) return true;
  if (!interactive_ || !isatty(fileno(in_))) {
    std::fprintf(err_, "lumenfold-cli: %s exists; kept it (use --yes to replace it)\n",
                 path.c_str());
    return false;
  }
  std::fprintf(err_, "%s exists. Overwrite it? [y/N] ", path.c_str());
  std::fflush(err_);
  if (IsYes(ReadLine(in_))) return true;
  std::fprintf(err_, "lumenfold-cli: kept %s\n", path.c_str());
  return false;
}

void TerminalUi::Report(const GenerateResult& result) {
  switch (result.outcome) {
    case GenerateOutcome::kNothingToProcess:
      if (scan_error_.empty()) {
        std::fprintf(err_, "lumenfold-cli: no file to process in %s\n", folder_.c_str());
      } else {
        std::fprintf(err_, "lumenfold-cli: no file to process: cannot read %s: %s\n",
                     folder_.c_str(), scan_error_.c_str());
      }
      break;
    case GenerateOutcome::kDeclined:
      break;
    case GenerateOutcome::kOpenError:
      std::fprintf(err_, "lumenfold-cli: cannot write %s: %s\n", path_.c_str(),
                   result.reason.c_str());
      break;
    case GenerateOutcome::kWriteError:
      std::fprintf(err_, "lumenfold-cli: writing %s failed: %s; no page was replaced\n",
                   path_.c_str(), result.reason.c_str());
      break;
    case GenerateOutcome::kDone:
      if (!quiet_) std::fprintf(err_, "lumenfold-cli: wrote %s\n", path_.c_str());
      break;
  }
}

}  // namespace lumenfold::cli
