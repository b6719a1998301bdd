#include "lumenfold/page_stream.h"

#include <gtest/gtest.h>

namespace lumenfold {
namespace {

std::string Written(void (*write)(PageStream&)) {
  std::string bytes;
  StringSink sink(&bytes);
  PageStream out(sink);
  write(out);
  EXPECT_TRUE(out.Flush());
  return bytes;
}

TEST(PageStream, LineFeedsBecomeCrLfAndNothingElseChanges) {
  EXPECT_EQ(Written([](PageStream& o) { o.Write("a\nb\n\n"); }), "a\r\nb\r\n\r\n");
  EXPECT_EQ(Written([](PageStream& o) { o.Write("\r\n"); }), "\r\r\n");
  EXPECT_EQ(Written([](PageStream& o) { o.Write("\r"); }), "\r");
  EXPECT_EQ(Written([](PageStream& o) { o.Write(std::string_view("\0\x80\xFF<&\"", 6)); }),
            std::string("\0\x80\xFF<&\"", 6));
  EXPECT_EQ(Written([](PageStream& o) { o.Write(""); }), "");
}

TEST(PageStream, NamesKeepEveryByteButTheThreeThatBreakMarkup) {
  const struct {
    std::string_view name;
    std::string_view written;
  } cases[] = {
      {"\"><script>alert(1)</script>.jpg", "&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;.jpg"},
      {"a&b #1 %41.jpg", "a&b #1 %41.jpg"},
      {"\x95\x5C\xFF\xFE.gif", "\x95\x5C\xFF\xFE.gif"},
      {"two\nlines", "two\r\nlines"},
      {"'single'", "'single'"},
      {"\"", "&quot;"},
      {"", ""},
  };
  for (const auto& c : cases) {
    std::string bytes;
    StringSink sink(&bytes);
    PageStream out(sink);
    out.WriteName(c.name);
    out.Flush();
    EXPECT_EQ(bytes, c.written) << c.name;
  }
}

TEST(PageStream, WritesLongerThanTheBufferArriveWholeAndInOrder) {
  std::string expected;
  std::string bytes;
  StringSink sink(&bytes);
  PageStream out(sink);
  for (int i = 0; i < 5000; ++i) {
    const std::string line(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26));
    out.Write(line + "\n");
    expected += line + "\r\n";
  }
  const std::string big(200 * 1024, 'z');
  out.Write(big);
  expected += big;
  EXPECT_TRUE(out.Flush());
  EXPECT_EQ(bytes, expected);
}

// Takes `room` bytes, then refuses.
class FullSink final : public ByteSink {
 public:
  explicit FullSink(std::size_t room) : room_(room) {}
  bool Put(std::string_view bytes) override {
    ++calls;
    if (bytes.size() > room_) return false;
    room_ -= bytes.size();
    return true;
  }
  int calls = 0;

 private:
  std::size_t room_;
};

TEST(PageStream, AFailureIsReportedAndNothingIsAttemptedAfterIt) {
  FullSink sink(100 * 1024);
  PageStream out(sink);
  const std::string chunk(1000, 'x');
  for (int i = 0; i < 300; ++i) out.Write(chunk);
  EXPECT_FALSE(out.ok());
  const int calls = sink.calls;
  out.Write(chunk);
  EXPECT_FALSE(out.Flush());
  EXPECT_EQ(sink.calls, calls);
}

TEST(PageStream, FlushReportsAFailureOfTheLastBytes) {
  FullSink sink(3);
  PageStream out(sink);
  out.Write("four");
  EXPECT_TRUE(out.ok());  // Still buffered.
  EXPECT_FALSE(out.Flush());
  EXPECT_FALSE(out.ok());
}

}  // namespace
}  // namespace lumenfold
