// The folder scan: which files of a folder the album holds, in list order.
#ifndef LUMENFOLD_FOLDER_SCAN_H_
#define LUMENFOLD_FOLDER_SCAN_H_

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumenfold {

// One row of the filter table, chosen by the open dialog's filter index.
struct ScanFilterRow {
  std::string_view label;                      // Shown beside "filter".
  std::span<const std::string_view> patterns;  // Searched in this order.
};

inline constexpr int kScanFilterCount = 4;

// Rows for filter index 1 ("*.jpg *.jpeg *.gif") to 4 ("*.*"); any other
// index gives row 1, the dialog's first entry.
const ScanFilterRow& ScanFilterFor(int filter_index);

// Wildcard match of a file name: '*' stands for any run of bytes, every other
// byte for itself with ASCII letters compared case-insensitively; "*.*"
// matches every name, with or without a dot.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// How a folder's entries are read; a test may stand in for the file system.
class FolderReader {
 public:
  virtual ~FolderReader() = default;
  // Calls `take` with the name of every listable entry of `folder` (an empty
  // folder text means the current folder). Returns false, with the system's
  // reason in `error`, when the folder cannot be read; entries given before
  // a failure stay given.
  virtual bool ListFiles(const std::string& folder,
                         const std::function<void(std::string_view)>& take, std::string* error) = 0;
};

// Lists regular files and symbolic links to regular files. Never lists
// names beginning with '.', directories, links to directories, dangling or
// looping links, FIFOs, sockets or devices.
class HostFolderReader final : public FolderReader {
 public:
  bool ListFiles(const std::string& folder, const std::function<void(std::string_view)>& take,
                 std::string* error) override;
};

struct ScanResult {
  std::vector<std::string> names;  // Bare names, in list order.
  std::int32_t file_count = 0;     // The number of names listed.
  std::string error;               // Why the folder could not be read; else empty.
};

// Lists every file of `folder` that matches a pattern of the filter's row,
// once for every pattern it matches, sorted in natural order.
ScanResult ScanFolder(const std::string& folder, int filter_index, FolderReader& reader);

}  // namespace lumenfold

#endif  // LUMENFOLD_FOLDER_SCAN_H_
