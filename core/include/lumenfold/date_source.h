// Where the page's date stamp comes from.
#ifndef LUMENFOLD_DATE_SOURCE_H_
#define LUMENFOLD_DATE_SOURCE_H_

#include <string>
#include <utility>

namespace lumenfold {

class DateSource {
 public:
  virtual ~DateSource() = default;
  // Today's date as the short date text of the user's settings.
  virtual std::string ShortDate() const = 0;
};

// Always the same text: for tests and reproducible pages.
class FixedDate final : public DateSource {
 public:
  explicit FixedDate(std::string text) : text_(std::move(text)) {}
  std::string ShortDate() const override { return text_; }

 private:
  std::string text_;
};

}  // namespace lumenfold

#endif  // LUMENFOLD_DATE_SOURCE_H_
