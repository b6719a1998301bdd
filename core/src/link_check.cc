#include "lumenfold/link_check.h"

namespace lumenfold {
namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::optional<std::string_view> LinkBreakingPart(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '#' || name[i] == '?') return name.substr(i, 1);
    if (name[i] == '%' && i + 2 < name.size() && IsHexDigit(name[i + 1]) &&
        IsHexDigit(name[i + 2])) {
      return name.substr(i, 3);
    }
  }
  return std::nullopt;
}

}  // namespace lumenfold
