// The generate command from the chosen file name on: output naming, the
// guard against an empty list, the overwrite question, writing and reporting.
#ifndef LUMENFOLD_GENERATE_H_
#define LUMENFOLD_GENERATE_H_

#include <string>
#include <string_view>

#include "lumenfold/date_source.h"
#include "lumenfold/page_request.h"

namespace lumenfold {

// ".html" for the save dialog's filter 2, ".htm" for every other filter.
std::string_view ExtensionForFilter(int filter_index);

// The chosen name with its extension replaced by (or, lacking one, given)
// the filter's: "my.album" gives "my.htm"; a dot in a folder name is no
// extension.
std::string OutputPathFor(std::string_view chosen, int filter_index);

enum class GenerateOutcome {
  kNothingToProcess,  // The last scan found nothing; no file was touched.
  kDeclined,          // The page exists and the user kept it.
  kOpenError,         // The page could not be created or replaced.
  kWriteError,        // Writing failed; the old page, if any, is kept.
  kDone,              // The page is written whole.
};

struct GenerateResult {
  GenerateOutcome outcome;
  std::string reason;  // The system's word on an open or write error.
};

// The front end's side of the command: the question and the report.
class GenerateUi {
 public:
  virtual ~GenerateUi() = default;
  // Asks whether the existing file at `path` may be replaced; No by default.
  virtual bool ConfirmOverwrite(const std::string& path) = 0;
  // Told once, at the end, unless the user declined.
  virtual void Report(const GenerateResult& result) = 0;
};

// Writes the page for `request` to `output_path`. The request's OutputName
// must already be the bare name of `output_path`, so the page leaves itself
// out.
GenerateResult GeneratePage(const std::string& output_path, const PageRequest& request,
                            GenerateUi& ui, const DateSource& date);

// The window's texts.
inline constexpr std::string_view kNothingToProcessText = "処理するﾌｧｲﾙがありません";
inline constexpr std::string_view kOpenErrorText = "書込ﾌｧｲﾙ open error";
inline constexpr std::string_view kWriteErrorText = "書込ﾌｧｲﾙ write error";
inline constexpr std::string_view kDoneText = "変換終了";
inline constexpr std::string_view kOverwriteCaption = "上書き確認";

// The message shown for an outcome; empty for kDeclined, which shows nothing.
std::string_view MessageText(GenerateOutcome outcome);

// The overwrite question about `path`, whole however long the path.
std::string OverwriteQuestion(std::string_view path);

}  // namespace lumenfold

#endif  // LUMENFOLD_GENERATE_H_
