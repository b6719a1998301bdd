// lumenfold-cli: the album page of a folder, without the window.
#include <clocale>
#include <cstdio>

#include "cli_options.h"
#include "lumenfold/entry_kind.h"
#include "lumenfold/folder_scan.h"
#include "lumenfold/generate.h"
#include "lumenfold/link_check.h"
#include "lumenfold/name_rules.h"
#include "lumenfold/system_date.h"
#include "terminal_ui.h"

namespace lumenfold::cli {
namespace {

// The scan takes a folder text that ends in its separator.
std::string FolderText(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

int PrintList(const ScanResult& scan, const std::string& folder) {
  if (!scan.error.empty()) {
    std::fprintf(stderr, "lumenfold-cli: cannot read %s: %s\n", folder.c_str(), scan.error.c_str());
    return 1;
  }
  for (const std::string& name : scan.names) {
    std::fwrite(name.data(), 1, name.size(), stdout);
    std::fputc('\n', stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

// Names the page keeps as they are but whose links no browser follows.
void WarnAboutLinks(const PageRequest& page) {
  for (const std::string& name : page.Names) {
    if (ClassifyEntry(name, page.OutputName) == EntryKind::SkippedEntry) continue;
    if (const auto part = LinkBreakingPart(name)) {
      std::fprintf(stderr,
                   "lumenfold-cli: warning: the link to \"%s\" will miss the file: "
                   "browsers read \"%.*s\" in it as part of the address\n",
                   name.c_str(), static_cast<int>(part->size()), part->data());
    }
  }
}

int Run(CliOptions options) {
  const std::string folder = FolderText(options.folder);
  HostFolderReader reader;
  ScanResult scan = ScanFolder(folder, options.filter_index, reader);
  if (options.list) return PrintList(scan, options.folder);

  const int save_filter = options.html ? 2 : 1;
  const std::string path = OutputPathFor(options.output.value_or(folder + "DSC.htm"), save_filter);
  PageRequest& page = options.page;
  page.Names = std::move(scan.names);
  page.FileCount = scan.file_count;
  page.OutputName = std::string(BareName(path, PathSyntax::kHost));
  if (!options.quiet) WarnAboutLinks(page);

  TerminalUi ui(options.yes, options.quiet, options.folder, path, scan.error);
  const GenerateResult result = GeneratePage(path, page, ui, DateFromEnvironment());
  return result.outcome == GenerateOutcome::kDone ? 0 : 1;
}

}  // namespace
}  // namespace lumenfold::cli

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  int exit_code = 0;
  auto options = lumenfold::cli::ParseCommandLine(argc, argv, &exit_code);
  if (!options) return exit_code;
  return lumenfold::cli::Run(std::move(*options));
}
