#include "lumenfold/system_date.h"

#include <gtest/gtest.h>

#include <clocale>

namespace lumenfold {
namespace {

TEST(ShortDate, PlainLocaleIsMonthDayTwoDigitYear) {
  for (const char* locale : {"C", "POSIX", "C.UTF-8"}) {
    if (std::setlocale(LC_TIME, locale) == nullptr) continue;
    EXPECT_EQ(SystemDate(1799107200).ShortDate(), "1/5/27") << locale;
  }
  std::setlocale(LC_TIME, "C");
  const struct {
    std::time_t instant;
    const char* text;
  } cases[] = {
      {1796947200, "12/11/26"},  // 2026-12-11
      {1799107200, "1/5/27"},    // 2027-01-05
      {1110326400, "3/9/05"},    // 2005-03-09
      {946684800, "1/1/00"},     // 2000-01-01
  };
  for (const auto& c : cases) EXPECT_EQ(SystemDate(c.instant).ShortDate(), c.text) << c.instant;
}

TEST(ShortDate, SourceDateEpochMustBeANumber) {
  EXPECT_EQ(SourceDateEpoch("1797033600"), std::optional<std::time_t>(1797033600));
  EXPECT_EQ(SourceDateEpoch("0"), std::optional<std::time_t>(0));
  for (const char* bad : {"", "-5", " 5", "5x", "1e9", "99999999999999999999"}) {
    EXPECT_EQ(SourceDateEpoch(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(SourceDateEpoch(nullptr), std::nullopt);
}

}  // namespace
}  // namespace lumenfold
