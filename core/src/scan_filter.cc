#include <array>

#include "lumenfold/folder_scan.h"

namespace lumenfold {
namespace {

constexpr std::array<std::string_view, 3> kJpegGif = {"*.jpg", "*.jpeg", "*.gif"};
constexpr std::array<std::string_view, 2> kJpeg = {"*.jpg", "*.jpeg"};
constexpr std::array<std::string_view, 1> kGif = {"*.gif"};
constexpr std::array<std::string_view, 1> kAll = {"*.*"};

constexpr std::array<ScanFilterRow, kScanFilterCount> kRows = {{
    {"*.jpg *.jpeg *.gif", kJpegGif},
    {"*.jpg *.jpeg", kJpeg},
    {"*.gif", kGif},
    {"*.*", kAll},
}};

char Folded(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

const ScanFilterRow& ScanFilterFor(int filter_index) {
  if (filter_index < 1 || filter_index > kScanFilterCount) return kRows[0];
  return kRows[static_cast<std::size_t>(filter_index - 1)];
}

// The classic greedy walk with one back-up point: linear for patterns with a
// single '*', never exponential for more.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  std::size_t n = 0, p = 0;
  std::size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && Folded(pattern[p]) == Folded(name[n])) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace lumenfold
