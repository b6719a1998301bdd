// Today's date as the user's locale writes it in short.
#ifndef LUMENFOLD_SYSTEM_DATE_H_
#define LUMENFOLD_SYSTEM_DATE_H_

#include <ctime>
#include <optional>
#include <string>

#include "lumenfold/date_source.h"

namespace lumenfold {

class SystemDate final : public DateSource {
 public:
  // With `fixed_instant`, that instant's UTC date instead of today's local one.
  explicit SystemDate(std::optional<std::time_t> fixed_instant = std::nullopt)
      : fixed_instant_(fixed_instant) {}
  // The locale's short date (LC_TIME); under the C or POSIX locale "m/d/yy",
  // month and day without leading zeros.
  std::string ShortDate() const override;

 private:
  std::optional<std::time_t> fixed_instant_;
};

// SOURCE_DATE_EPOCH, when it holds a number of seconds, for reproducible pages.
std::optional<std::time_t> SourceDateEpoch(const char* value);

// A SystemDate that honours SOURCE_DATE_EPOCH from the environment.
SystemDate DateFromEnvironment();

// The date of `when` in the locale's short format.
std::string ShortDateText(const std::tm& when);

}  // namespace lumenfold

#endif  // LUMENFOLD_SYSTEM_DATE_H_
