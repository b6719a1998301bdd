#include "lumenfold/system_date.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace lumenfold {
namespace {

// "C", "POSIX" and the C locale with another character set, such as
// "C.UTF-8": none of them has a short date of its own.
bool IsPlainLocale(const char* name) {
  return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
         std::strncmp(name, "C.", 2) == 0;
}

}  // namespace

std::string ShortDateText(const std::tm& when) {
  if (IsPlainLocale(std::setlocale(LC_TIME, nullptr))) {
    // strftime's "%x" would pad with zeros here; the short date has none.
    return std::to_string(when.tm_mon + 1) + "/" + std::to_string(when.tm_mday) + "/" +
           std::to_string((when.tm_year + 1900) % 100 / 10) +
           std::to_string((when.tm_year + 1900) % 10);
  }
  char text[256];
  const std::size_t size = std::strftime(text, sizeof text, "%x", &when);
  return std::string(text, size);
}

std::string SystemDate::ShortDate() const {
  std::tm when{};
  if (fixed_instant_) {
    gmtime_r(&*fixed_instant_, &when);
  } else {
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &when);
  }
  return ShortDateText(when);
}

std::optional<std::time_t> SourceDateEpoch(const char* value) {
  if (value == nullptr || *value == '\0' || std::strlen(value) > 18) return std::nullopt;
  std::time_t seconds = 0;
  for (const char* p = value; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return std::nullopt;
    seconds = seconds * 10 + (*p - '0');
  }
  return seconds;
}

SystemDate DateFromEnvironment() {
  return SystemDate(SourceDateEpoch(std::getenv("SOURCE_DATE_EPOCH")));
}

}  // namespace lumenfold
