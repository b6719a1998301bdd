// The order of the name list: natural and case-insensitive, then total.
#ifndef LUMENFOLD_NATURAL_ORDER_H_
#define LUMENFOLD_NATURAL_ORDER_H_

#include <string_view>

namespace lumenfold {

// Negative, zero or positive as `a` sorts before, with or after `b`.
// Both names are walked together: where both go on with ASCII digits, the two
// digit runs compare as numbers (leading zeros aside) and the walk goes on
// after them; elsewhere single bytes compare with 'A'-'Z' folded to 'a'-'z'.
// A name that ends first sorts first. Names still equal (they differ only in
// case or leading zeros) compare as plain unsigned bytes, so only identical
// names compare equal: IMG_2.jpg < IMG_10.jpg, a.JPG < b.jpg, A.jpg < a.jpg.
int NaturalCompare(std::string_view a, std::string_view b);

inline bool NaturalLess(std::string_view a, std::string_view b) { return NaturalCompare(a, b) < 0; }

}  // namespace lumenfold

#endif  // LUMENFOLD_NATURAL_ORDER_H_
