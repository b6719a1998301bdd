#include <gtest/gtest.h>

#include <functional>

#include "page_test_util.h"

namespace lumenfold {
namespace {

using test::Crlf;
using test::RenderPage;
using test::RequestWith;

constexpr std::string_view kEmptyTable = "<CENTER>\n<TABLE>\n</TABLE>\n</CENTER>\n";

struct FrameCase {
  const char* what;
  std::function<void(PageRequest&)> set;
  std::string expected;  // With "\n" line ends; the page has CR LF.
};

std::string Page(std::string_view top, std::string_view bottom) {
  return std::string("<HTML>\n") + std::string(top) + std::string(kEmptyTable) +
         std::string(bottom) + "</BODY>\n</HTML>\n";
}

TEST(WritePage, FrameParts) {
  const std::string body = "<BODY BGCOLOR=\"#FFFFD0\">\n";
  const FrameCase cases[] = {
      {"nothing set", [](PageRequest&) {}, Page(body, "")},
      {"title of one blank counts", [](PageRequest& r) { r.Title = " "; },
       Page("<HEAD>\n<TITLE> </TITLE>\n</HEAD>\n" + body +
                "<CENTER><FONT SIZE=6> </FONT></CENTER>\n<HR>\n",
            "")},
      {"upper comment without title", [](PageRequest& r) { r.UpperComment = "Day one"; },
       Page(body + "<BR>\n<CENTER><FONT SIZE=3>Day one</FONT></CENTER>\n<HR>\n", "")},
      {"always rule alone: both rules, no address", [](PageRequest& r) { r.AlwaysRule = true; },
       Page(body + "<HR>\n", "<HR>\n")},
      {"date without lower comment", [](PageRequest& r) { r.StampDate = true; },
       Page(body, "<HR>\n<ADDRESS><DIV ALIGN=RIGHT>1/5/27</DIV>\n</ADDRESS>\n")},
      {"lower comment without date", [](PageRequest& r) { r.LowerComment = "by me"; },
       Page(body, "<HR>\n<ADDRESS>by me</ADDRESS>\n")},
      {"markup in typed texts goes out as typed",
       [](PageRequest& r) {
         r.Title = "A & B <I>\"x\"</I>";
         r.UpperComment = "one<BR>two";
       },
       Page("<HEAD>\n<TITLE>A & B <I>\"x\"</I></TITLE>\n</HEAD>\n" + body +
                "<CENTER><FONT SIZE=6>A & B <I>\"x\"</I></FONT></CENTER>\n<BR>\n"
                "<CENTER><FONT SIZE=3>one<BR>two</FONT></CENTER>\n<HR>\n",
            "")},
      {"wallpaper as typed", [](PageRequest& r) { r.Wallpaper = "C:\\My Pictures\\back 1.gif"; },
       Page("<BODY BGCOLOR=\"#FFFFD0\" BACKGROUND=\"C:\\My Pictures\\back 1.gif\">\n", "")},
      {"line feed inside a typed text", [](PageRequest& r) { r.LowerComment = "a\nb"; },
       Page(body, "<HR>\n<ADDRESS>a\nb</ADDRESS>\n")},
      {"percent signs are plain text", [](PageRequest& r) { r.Title = "100%s %d"; },
       Page("<HEAD>\n<TITLE>100%s %d</TITLE>\n</HEAD>\n" + body +
                "<CENTER><FONT SIZE=6>100%s %d</FONT></CENTER>\n<HR>\n",
            "")},
      {"colour outside the table is grey", [](PageRequest& r) { r.ColourIndex = -1; },
       Page("<BODY BGCOLOR=\"#D0D0D0\">\n", "")},
  };
  for (const FrameCase& c : cases) {
    PageRequest request = RequestWith({});
    request.SizeIndex = 0;
    c.set(request);
    EXPECT_EQ(RenderPage(request, "1/5/27"), Crlf(c.expected)) << c.what;
  }
}

TEST(WritePage, TableTagByLayout) {
  for (int size_index : {-1, 0, 1, 2, 3, 4}) {
    PageRequest request = RequestWith({});
    request.SizeIndex = size_index;
    const std::string page = RenderPage(request);
    const char* tag = size_index == 0 ? "<TABLE>\r\n" : "<TABLE WIDTH=600>\r\n";
    EXPECT_NE(page.find(std::string("<CENTER>\r\n") + tag + "</TABLE>\r\n"), std::string::npos)
        << size_index;
  }
}

// Asks for the date only when it is stamped.
class CountingDate final : public DateSource {
 public:
  std::string ShortDate() const override {
    ++calls;
    return "d";
  }
  mutable int calls = 0;
};

TEST(WritePage, DateIsTakenOnlyWhenStamped) {
  PageRequest request = RequestWith({});
  CountingDate date;
  std::string page;
  StringSink sink(&page);
  PageStream out(sink);
  WritePage(out, request, date);
  EXPECT_EQ(date.calls, 0);
  request.StampDate = true;
  WritePage(out, request, date);
  EXPECT_EQ(date.calls, 1);
}

TEST(WritePage, EveryLineEndsInCrLf) {
  PageRequest request = RequestWith({"a.jpg", "b\nc.zip", "d.htm"});
  request.Title = "t\n";
  request.LowerComment = "x\ny";
  request.StampDate = true;
  for (int size_index = 0; size_index < 4; ++size_index) {
    request.SizeIndex = size_index;
    const std::string page = RenderPage(request);
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page.substr(page.size() - 9), "</HTML>\r\n");
    for (std::size_t i = 0; i < page.size(); ++i) {
      if (page[i] == '\n') {
        EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << size_index << " at " << i;
      }
    }
  }
}

}  // namespace
}  // namespace lumenfold
