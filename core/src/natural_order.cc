#include "lumenfold/natural_order.h"

namespace lumenfold {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Folded(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// Compares the digit runs starting at a[i] and b[j] as numbers and moves both
// indexes past their runs.
int CompareDigitRuns(std::string_view a, std::size_t& i, std::string_view b, std::size_t& j) {
  while (i < a.size() && a[i] == '0') ++i;
  while (j < b.size() && b[j] == '0') ++j;
  const std::size_t a_start = i;
  const std::size_t b_start = j;
  while (i < a.size() && IsDigit(a[i])) ++i;
  while (j < b.size() && IsDigit(b[j])) ++j;
  const std::size_t a_len = i - a_start;
  const std::size_t b_len = j - b_start;
  if (a_len != b_len) return a_len < b_len ? -1 : 1;
  const int digits = a.substr(a_start, a_len).compare(b.substr(b_start, b_len));
  return digits < 0 ? -1 : (digits > 0 ? 1 : 0);
}

int CompareFoldedNatural(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int runs = CompareDigitRuns(a, i, b, j); runs != 0) return runs;
      continue;
    }
    const unsigned char x = Folded(a[i++]);
    const unsigned char y = Folded(b[j++]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

int NaturalCompare(std::string_view a, std::string_view b) {
  if (const int natural = CompareFoldedNatural(a, b); natural != 0) return natural;
  const int bytes = a.compare(b);  // char_traits<char> compares as unsigned char.
  return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

}  // namespace lumenfold
