// The name order must be a strict total order: irreflexive, antisymmetric,
// transitive, and equal only for equal names.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lumenfold/natural_order.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Random bytes seldom share prefixes and digit runs; half the inputs are
// mapped onto a few bytes that do, so the three names meet where it matters.
std::string Names(const std::uint8_t* data, std::size_t size, bool narrow) {
  static constexpr std::string_view kAlphabet = "0019aAZz_. \xE8";
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (narrow) {
    for (char& byte : bytes) byte = kAlphabet[static_cast<unsigned char>(byte) % kAlphabet.size()];
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string bytes = Names(data + 2, size - 2, (data[0] & 0x80) != 0);
  const std::string_view all(bytes);
  const std::size_t first = data[0] % (all.size() + 1);
  const std::size_t second = data[1] % (all.size() - first + 1);
  const std::string_view a = all.substr(0, first);
  const std::string_view b = all.substr(first, second);
  const std::string_view c = all.substr(first + second);
  using lumenfold::NaturalCompare;
  const std::string_view names[] = {a, b, c};
  for (std::string_view x : names) {
    Check(NaturalCompare(x, x) == 0);
    for (std::string_view y : names) {
      Check(Sign(NaturalCompare(x, y)) == -Sign(NaturalCompare(y, x)));
      Check((NaturalCompare(x, y) == 0) == (x == y));
      for (std::string_view z : names) {
        if (NaturalCompare(x, y) < 0 && NaturalCompare(y, z) < 0) Check(NaturalCompare(x, z) < 0);
      }
    }
  }
  return 0;
}
