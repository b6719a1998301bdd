// Names whose links a browser cannot follow as written.
#ifndef LUMENFOLD_LINK_CHECK_H_
#define LUMENFOLD_LINK_CHECK_H_

#include <optional>
#include <string_view>

namespace lumenfold {

// The first part of `name` that makes a relative link to it miss the file:
// a '#' (starts a fragment), a '?' (starts a query) or a '%' followed by two
// hex digits (read as an escape). Nothing when the name links as it is.
std::optional<std::string_view> LinkBreakingPart(std::string_view name);

}  // namespace lumenfold

#endif  // LUMENFOLD_LINK_CHECK_H_
