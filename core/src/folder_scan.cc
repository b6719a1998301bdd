#include "lumenfold/folder_scan.h"

#include <algorithm>

#include "lumenfold/natural_order.h"

namespace lumenfold {

// One pass over the folder tests each name against every pattern of the
// row: the same names, as often, as one search per pattern would give, and
// the list is sorted afterwards anyway.
ScanResult ScanFolder(const std::string& folder, int filter_index, FolderReader& reader) {
  const ScanFilterRow& row = ScanFilterFor(filter_index);
  ScanResult result;
  const auto take = [&](std::string_view name) {
    for (std::string_view pattern : row.patterns) {
      if (MatchesPattern(name, pattern)) result.names.emplace_back(name);
    }
  };
  reader.ListFiles(folder, take, &result.error);
  std::sort(result.names.begin(), result.names.end(),
            [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
  result.file_count =
      static_cast<std::int32_t>(std::min<std::size_t>(result.names.size(), INT32_MAX));
  return result;
}

}  // namespace lumenfold
