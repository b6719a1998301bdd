// The command line's side of the generate command: questions and reports on
// the terminal.
#ifndef LUMENFOLD_CLI_TERMINAL_UI_H_
#define LUMENFOLD_CLI_TERMINAL_UI_H_

#include <cstdio>
#include <string>

#include "lumenfold/generate.h"

namespace lumenfold::cli {

class TerminalUi final : public GenerateUi {
 public:
  // `folder` and `path` name the scanned folder and the page in messages;
  // `scan_error` says why the folder could not be read, if it could not.
  TerminalUi(bool yes, bool quiet, std::string folder, std::string path, std::string scan_error)
      : yes_(yes),
        quiet_(quiet),
        folder_(std::move(folder)),
        path_(std::move(path)),
        scan_error_(std::move(scan_error)) {}

  // Yes with --yes; otherwise asks, but only a terminal can answer.
  bool ConfirmOverwrite(const std::string& path) override;
  void Report(const GenerateResult& result) override;

  // Test seams: where the question is read from and messages go.
  void SetStreams(std::FILE* in, std::FILE* err, bool interactive) {
    in_ = in;
    err_ = err;
    interactive_ = interactive;
  }

 private:
  bool yes_;
  bool quiet_;
  std::string folder_;
  std::string path_;
  std::string scan_error_;
  std::FILE* in_ = stdin;
  std::FILE* err_ = stderr;
  bool interactive_ = true;
};

}  // namespace lumenfold::cli

#endif  // LUMENFOLD_CLI_TERMINAL_UI_H_
