// The page stream: a buffered text-mode stream on the page file.
#ifndef LUMENFOLD_PAGE_STREAM_H_
#define LUMENFOLD_PAGE_STREAM_H_

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace lumenfold {

// Where the page's bytes end up: a file, or memory.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Takes all of `bytes`, or returns false when they could not be stored.
  virtual bool Put(std::string_view bytes) = 0;
};

// Appends to a string the caller owns.
class StringSink final : public ByteSink {
 public:
  explicit StringSink(std::string* out) : out_(out) {}
  bool Put(std::string_view bytes) override;

 private:
  std::string* out_;
};

// Every line feed written reaches the sink as CR LF; every other byte goes out
// unchanged. Bytes are buffered: call Flush() when done and check its result.
// After the first failed hand-over the stream drops everything else, so a
// failure is never followed by a page that merely looks complete.
class PageStream {
 public:
  explicit PageStream(ByteSink& sink);
  PageStream(const PageStream&) = delete;
  PageStream& operator=(const PageStream&) = delete;
  ~PageStream();

  // A literal or a typed text, byte for byte.
  void Write(std::string_view text);

  // A file name from the folder. '"', '<' and '>' are written as "&quot;",
  // "&lt;" and "&gt;", so that no name can end an attribute or open a tag;
  // every other byte stays as it is.
  void WriteName(std::string_view name);

  // Hands the buffered bytes to the sink. True while nothing has failed.
  bool Flush();

  bool ok() const { return !failed_; }

 private:
  void Append(const char* data, std::size_t size) {
    if (size <= kCapacity - used_) {
      std::memcpy(buffer_.get() + used_, data, size);
      used_ += size;
    } else {
      AppendSlow(data, size);
    }
  }
  void AppendSlow(const char* data, std::size_t size);

  static constexpr std::size_t kCapacity = 64 * 1024;

  ByteSink& sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

}  // namespace lumenfold

#endif  // LUMENFOLD_PAGE_STREAM_H_
