// The wildcard match against a plain recursive matcher written apart.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lumenfold/folder_scan.h"

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// match[i][j]: does name[i..] match pattern[j..]?
bool ReferenceMatch(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  std::vector<std::vector<char>> match(name.size() + 1, std::vector<char>(pattern.size() + 1, 0));
  match[name.size()][pattern.size()] = 1;
  for (std::size_t j = pattern.size(); j-- > 0;) {
    for (std::size_t i = name.size() + 1; i-- > 0;) {
      if (pattern[j] == '*') {
        match[i][j] = match[i][j + 1] || (i < name.size() && match[i + 1][j]);
      } else {
        match[i][j] = i < name.size() && Fold(name[i]) == Fold(pattern[j]) && match[i + 1][j + 1];
      }
    }
  }
  return match[0][0] != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 512) return 0;
  const std::size_t split = data[0] % size;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view pattern = rest.substr(0, split);
  const std::string_view name = rest.substr(split);
  if (lumenfold::MatchesPattern(name, pattern) != ReferenceMatch(name, pattern)) std::abort();
  return 0;
}
