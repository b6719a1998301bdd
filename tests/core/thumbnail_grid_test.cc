#include <gtest/gtest.h>

#include "page_test_util.h"

namespace lumenfold {
namespace {

using test::Crlf;
using test::RenderRows;
using test::RequestWith;

// Cells in a compact notation, expanded for the layout of `columns`.
std::string Thumb(std::string_view name, int columns) {
  const std::string n(name);
  return "<TD><A HREF=\"" + n + "\"><IMG SRC=\"" + n + "\" ALT=\"" + n + "\"" +
         std::string(ThumbnailLayoutFor(columns).closing);
}
std::string NameCell(std::string_view name, int columns, std::string_view extra = "") {
  return "<TD><FONT SIZE=" + std::string(ThumbnailLayoutFor(columns).font_size) + ">" +
         std::string(name) + std::string(extra) + "</FONT></TD>\n";
}
std::string Link(std::string_view heading, std::string_view name, int columns) {
  const std::string n(name);
  return "<TD> <BR><B>" + std::string(heading) + "</B><BR><A HREF=\"" + n +
         "\"><FONT SIZE=" + std::string(ThumbnailLayoutFor(columns).font_size) + ">" + n +
         "</FONT></A></TD>\n";
}
std::string Pair(const std::string& pictures, const std::string& names) {
  return "<TR>\n" + pictures + "</TR>\n<TR>\n" + names + "</TR>\n";
}
const std::string kBlank = "<TD> </TD>\n";

PageRequest Grid(std::initializer_list<std::string_view> names, int columns) {
  PageRequest request = RequestWith(names);
  request.SizeIndex = columns - 1;
  return request;
}

TEST(WriteThumbnailGrid, RowsAndGaps) {
  const struct {
    const char* what;
    PageRequest request;
    std::string rows;
  } cases[] = {
      {"count equals columns", Grid({"a.jpg", "b.jpg"}, 2),
       Pair(Thumb("a.jpg", 2) + Thumb("b.jpg", 2), NameCell("a.jpg", 2) + NameCell("b.jpg", 2))},
      {"one more than columns", Grid({"a.jpg", "b.jpg", "c.jpg"}, 2),
       Pair(Thumb("a.jpg", 2) + Thumb("b.jpg", 2), NameCell("a.jpg", 2) + NameCell("b.jpg", 2)) +
           Pair(Thumb("c.jpg", 2), NameCell("c.jpg", 2))},
      {"skipped tail makes an empty last pair", Grid({"a.jpg", "b.jpg", "c.bak"}, 2),
       Pair(Thumb("a.jpg", 2) + Thumb("b.jpg", 2), NameCell("a.jpg", 2) + NameCell("b.jpg", 2)) +
           Pair("", "")},
      {"only the page itself", Grid({"DSC.htm"}, 3), Pair("", "")},
      {"skip in the middle leaves no hole", Grid({"a.jpg", "x.bak", "b.jpg"}, 2),
       Pair(Thumb("a.jpg", 2) + Thumb("b.jpg", 2), NameCell("a.jpg", 2) + NameCell("b.jpg", 2))},
      {"four across uses size 2", Grid({"a.JPEG", "p.HTML", "z.tar.gz", "g.GIF", "h.gif"}, 4),
       Pair(Thumb("a.JPEG", 4) + Link("HTML Linked", "p.HTML", 4) +
                Link("Down Load", "z.tar.gz", 4) + Thumb("g.GIF", 4),
            NameCell("a.JPEG", 4) + kBlank + kBlank + NameCell("g.GIF", 4)) +
           Pair(Thumb("h.gif", 4), NameCell("h.gif", 4))},
      {"skips before a full row are met by the next group",
       Grid({"a.jpg", "b.bak", "c.bak", "d.jpg"}, 3),
       Pair(Thumb("a.jpg", 3) + Thumb("d.jpg", 3), NameCell("a.jpg", 3) + NameCell("d.jpg", 3))},
  };
  for (const auto& c : cases) EXPECT_EQ(RenderRows(c.request), Crlf(c.rows)) << c.what;
}

TEST(WriteThumbnailGrid, OptionsActOnlyOnPictureNameCells) {
  const struct {
    bool hide, spacious;
    const char* shown;
    const char* extra;
  } cases[] = {
      {false, false, "a.jpg", ""},
      {true, false, "", ""},
      {false, true, "a.jpg", "<BR><BR>"},
      {true, true, "", "<BR><BR>"},
  };
  for (int columns : {2, 3}) {
    for (const auto& c : cases) {
      PageRequest request = Grid({"a.jpg", "b.txt"}, columns);
      request.HideNames = c.hide;
      request.Spacious = c.spacious;
      EXPECT_EQ(RenderRows(request),
                Crlf(Pair(Thumb("a.jpg", columns) + Link("Down Load", "b.txt", columns),
                          NameCell(c.shown, columns, c.extra) + kBlank)))
          << columns << c.hide << c.spacious;
    }
  }
}

TEST(WriteThumbnailGrid, EveryEntryLandsOnceWhateverTheSkips) {
  // Every third name is skipped; the rest must each appear exactly once, in order.
  PageRequest request;
  request.OutputName = "DSC.htm";
  for (int i = 0; i < 50; ++i) {
    request.Names.push_back("n" + std::to_string(i) + (i % 3 == 0 ? ".bak" : ".jpg"));
  }
  request.FileCount = 50;
  for (int columns = 2; columns <= 4; ++columns) {
    request.SizeIndex = columns - 1;
    const std::string rows = RenderRows(request);
    std::size_t last = 0;
    for (int i = 0; i < 50; ++i) {
      const std::string src = "SRC=\"" + request.Names[static_cast<std::size_t>(i)] + "\"";
      const std::size_t at = rows.find(src);
      if (i % 3 == 0) {
        EXPECT_EQ(at, std::string::npos) << src;
        continue;
      }
      ASSERT_NE(at, std::string::npos) << src;
      EXPECT_GT(at, last) << src;
      EXPECT_EQ(rows.find(src, at + 1), std::string::npos) << src;
      last = at;
    }
  }
}

}  // namespace
}  // namespace lumenfold
