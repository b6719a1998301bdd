// What the command line asks for.
#ifndef LUMENFOLD_CLI_CLI_OPTIONS_H_
#define LUMENFOLD_CLI_CLI_OPTIONS_H_

#include <optional>
#include <string>

#include "lumenfold/page_request.h"

namespace lumenfold::cli {

struct CliOptions {
  std::string folder;
  std::optional<std::string> output;  // As given; the default lies in the folder.
  bool html = false;                  // Force ".html" rather than ".htm".
  int filter_index = 1;               // 1 to 4, as the open dialog counts.
  PageRequest page;                   // Texts, colour, size and the four options.
  bool yes = false;
  bool list = false;
  bool quiet = false;
};

// Parses argv. Returns the options, or nothing after printing help, the
// version or a usage error; `exit_code` then says how to end (0 or 2).
std::optional<CliOptions> ParseCommandLine(int argc, char** argv, int* exit_code);

}  // namespace lumenfold::cli

#endif  // LUMENFOLD_CLI_CLI_OPTIONS_H_
