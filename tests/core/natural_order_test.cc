#include "lumenfold/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumenfold {
namespace {

TEST(NaturalCompare, PairsInOrder) {
  // Each pair: the first sorts strictly before the second.
  const std::pair<const char*, const char*> pairs[] = {
      {"IMG_2.jpg", "IMG_10.jpg"},
      {"a.JPG", "b.jpg"},
      {"A.jpg", "a.jpg"},
      {"a", "a.jpg"},
      {"", "a"},
      {"x9", "x10"},
      {"x010", "x11"},
      {"x01", "x1"},
      {"x001", "x01"},
      {"9a", "10"},
      {"a1b2", "a1b10"},
      {"a_", "aa"},
      {"a_", "Z"},
      {"pic 1", "pic1"},
      {"1.jpg", "a.jpg"},
      {"a99999999999999999999", "a100000000000000000000"},
      {"\x7F", "\x80"},
      {"\xE8\xA1\xA8", "\xFF"},
      {"file2b", "file10a"},
      {"abc", "ABD"},
  };
  for (const auto& [a, b] : pairs) {
    EXPECT_LT(NaturalCompare(a, b), 0) << a << " < " << b;
    EXPECT_GT(NaturalCompare(b, a), 0) << b << " > " << a;
    EXPECT_EQ(NaturalCompare(a, a), 0) << a;
  }
}

TEST(NaturalCompare, SortsAFolderAsAPersonWould) {
  std::vector<std::string> names = {"IMG_10.jpg", "img_9.JPG", "IMG_1.jpg", "IMG_01.jpg",
                                    "b.gif",      "A.gif",     "a.gif",     "IMG_100.jpg"};
  std::sort(names.begin(), names.end(), NaturalLess);
  EXPECT_EQ(names, (std::vector<std::string>{"A.gif", "a.gif", "b.gif", "IMG_01.jpg", "IMG_1.jpg",
                                             "img_9.JPG", "IMG_10.jpg", "IMG_100.jpg"}));
}

}  // namespace
}  // namespace lumenfold
