#include "lumenfold/generate.h"

#include <cerrno>
#include <cstring>

#include "lumenfold/name_rules.h"
#include "lumenfold/page_file.h"
#include "lumenfold/page_writer.h"

namespace lumenfold {

std::string_view ExtensionForFilter(int filter_index) {
  return filter_index == 2 ? ".html" : ".htm";
}

std::string OutputPathFor(std::string_view chosen, int filter_index) {
  return std::string(WithoutExtension(chosen, PathSyntax::kHost)) +
         std::string(ExtensionForFilter(filter_index));
}

std::string_view MessageText(GenerateOutcome outcome) {
  switch (outcome) {
    case GenerateOutcome::kNothingToProcess:
      return kNothingToProcessText;
    case GenerateOutcome::kDeclined:
      return {};
    case GenerateOutcome::kOpenError:
      return kOpenErrorText;
    case GenerateOutcome::kWriteError:
      return kWriteErrorText;
    case GenerateOutcome::kDone:
      return kDoneText;
  }
  return {};
}

std::string OverwriteQuestion(std::string_view path) {
  return std::string(path) + "\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか？";
}

namespace {

GenerateResult Finish(GenerateUi& ui, GenerateOutcome outcome, std::string reason = {}) {
  GenerateResult result{outcome, std::move(reason)};
  if (outcome != GenerateOutcome::kDeclined) ui.Report(result);
  return result;
}

}  // namespace

GenerateResult GeneratePage(const std::string& output_path, const PageRequest& request,
                            GenerateUi& ui, const DateSource& date) {
  if (request.FileCount < 1) return Finish(ui, GenerateOutcome::kNothingToProcess);
  switch (ProbePageFile(output_path)) {
    case PageFileState::kFile:
      if (!ui.ConfirmOverwrite(output_path)) return Finish(ui, GenerateOutcome::kDeclined);
      break;
    case PageFileState::kDirectory:
      return Finish(ui, GenerateOutcome::kOpenError, std::strerror(EISDIR));
    case PageFileState::kMissing:
      break;
  }
  std::string reason;
  const auto write = [&](PageStream& out) { WritePage(out, request, date); };
  switch (WritePageFile(output_path, write, &reason)) {
    case PageFileResult::kOpenFailed:
      return Finish(ui, GenerateOutcome::kOpenError, reason);
    case PageFileResult::kWriteFailed:
      return Finish(ui, GenerateOutcome::kWriteError, reason);
    case PageFileResult::kWritten:
      break;
  }
  return Finish(ui, GenerateOutcome::kDone);
}

}  // namespace lumenfold
