#include <gtest/gtest.h>

#include "page_test_util.h"

namespace lumenfold {
namespace {

using test::Crlf;
using test::RenderRows;
using test::RequestWith;

PageRequest FullSize(std::initializer_list<std::string_view> names) {
  PageRequest request = RequestWith(names);
  request.SizeIndex = 0;
  return request;
}

TEST(WriteFullSizeTable, NameCellOfAPictureByOptions) {
  const struct {
    bool hide, spacious;
    const char* name_cell;
  } cases[] = {
      {false, false, "<TD><FONT SIZE=4>a.jpg</FONT></TD>\n"},
      {false, true, "<TD><FONT SIZE=4>a.jpg<BR><BR></FONT></TD>\n"},
      {true, false, "<TD><FONT SIZE=4></FONT></TD>\n"},
      {true, true, "<TD><FONT SIZE=4><BR><BR></FONT></TD>\n"},
  };
  for (const auto& c : cases) {
    PageRequest request = FullSize({"a.jpg"});
    request.HideNames = c.hide;
    request.Spacious = c.spacious;
    EXPECT_EQ(RenderRows(request), Crlf(std::string("<TR>\n<TD><IMG SRC=\"a.jpg\" ALT=\"a.jpg\">"
                                                    "</TD>\n</TR>\n<TR>\n") +
                                        c.name_cell + "</TR>\n"))
        << c.hide << c.spacious;
  }
}

TEST(WriteFullSizeTable, HideNamesLeavesLinkTextsAlone) {
  PageRequest request = FullSize({"dsc.htm", "notes.txt"});
  request.HideNames = true;
  EXPECT_EQ(RenderRows(request),
            Crlf("<TR>\n<TD> <BR><B>HTML Linked</B><BR><A HREF=\"dsc.htm\"><FONT SIZE=4>dsc.htm"
                 "</FONT></A></TD>\n</TR>\n<TR>\n<TD> </TD>\n</TR>\n"
                 "<TR>\n<TD> <BR><B>Down Load</B><BR><A HREF=\"notes.txt\"><FONT SIZE=4>notes.txt"
                 "</FONT></A></TD>\n</TR>\n<TR>\n<TD> </TD>\n</TR>\n"));
}

TEST(WriteFullSizeTable, EverythingSkippedLeavesAnEmptyTable) {
  EXPECT_EQ(RenderRows(FullSize({"DSC.htm"})), "");
  EXPECT_EQ(RenderRows(FullSize({"a.bak", "b.BAK", "DSC.htm"})), "");
}

TEST(WriteFullSizeTable, NamesGoInUnchangedButForMarkupBytes) {
  EXPECT_EQ(RenderRows(FullSize({"my photo & #1.jpg"})),
            Crlf("<TR>\n<TD><IMG SRC=\"my photo & #1.jpg\" ALT=\"my photo & #1.jpg\"></TD>\n"
                 "</TR>\n<TR>\n<TD><FONT SIZE=4>my photo & #1.jpg</FONT></TD>\n</TR>\n"));
  EXPECT_EQ(RenderRows(FullSize({"\"onerror=x.gif"})),
            Crlf("<TR>\n<TD><IMG SRC=\"&quot;onerror=x.gif\" ALT=\"&quot;onerror=x.gif\"></TD>\n"
                 "</TR>\n<TR>\n<TD><FONT SIZE=4>&quot;onerror=x.gif</FONT></TD>\n</TR>\n"));
}

TEST(WriteFullSizeTable, WalksFileCountEntriesAndNeverPastTheList) {
  PageRequest request = FullSize({"a.zip", "b.zip", "c.zip"});
  request.FileCount = 1;
  EXPECT_EQ(RenderRows(request).find("b.zip"), std::string::npos);
  request.FileCount = 7;
  EXPECT_NE(RenderRows(request).find("c.zip"), std::string::npos);
  request.FileCount = -2;
  EXPECT_EQ(RenderRows(request), "");
}

}  // namespace
}  // namespace lumenfold
