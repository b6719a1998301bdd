// Whole pages compared byte for byte with files made by hand from the
// page's documented examples.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "page_test_util.h"

namespace lumenfold {
namespace {

using test::RenderPage;
using test::RequestWith;

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(LUMENFOLD_TEST_DATA) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WorkedExamples, SmallestFrame) {
  PageRequest request = RequestWith({});
  request.ColourIndex = 3;
  request.SizeIndex = 3;
  EXPECT_EQ(RenderPage(request), ReadFixture("frame_smallest.html"));
}

TEST(WorkedExamples, FullestFrame) {
  PageRequest request = RequestWith({});
  request.Title = "Trip";
  request.UpperComment = "Day one";
  request.LowerComment = "Taken by me";
  request.Wallpaper = "back.gif";
  request.ColourIndex = 0;
  request.AlwaysRule = true;
  request.StampDate = true;
  request.SizeIndex = 0;
  EXPECT_EQ(RenderPage(request, "12/11/26"), ReadFixture("frame_fullest.html"));
}

TEST(WorkedExamples, FullSizePage) {
  PageRequest request = RequestWith({"a.jpg", "b.htm", "c.zip", "d.bak", "DSC.htm"});
  request.Title = "Trip";
  request.ColourIndex = 3;
  request.SizeIndex = 0;
  request.Spacious = true;
  EXPECT_EQ(RenderPage(request), ReadFixture("full_size_page.html"));
}

TEST(WorkedExamples, ThumbnailPage) {
  PageRequest request =
      RequestWith({"a.jpg", "b.gif", "c.htm", "d.bak", "DSC.htm", "e.zip", "f.JPG"});
  request.ColourIndex = 1;
  request.SizeIndex = 2;
  EXPECT_EQ(RenderPage(request), ReadFixture("thumbnail_page.html"));
}

}  // namespace
}  // namespace lumenfold
