#include <algorithm>

#include "lumenfold/page_writer.h"

namespace lumenfold {
namespace {

// The head and everything above the table. Returns nothing; the upper rule
// stands when AlwaysRule is set or a title or upper comment was written.
void WriteTop(PageStream& out, const PageRequest& request) {
  out.Write("<HTML>\n");
  if (!request.Title.empty()) {
    out.Write("<HEAD>\n<TITLE>");
    out.Write(request.Title);
    out.Write("</TITLE>\n</HEAD>\n");
  }
  out.Write("<BODY BGCOLOR=\"");
  out.Write(PageColour(request.ColourIndex));
  out.Write("\"");
  if (!request.Wallpaper.empty()) {
    out.Write(" BACKGROUND=\"");
    out.Write(request.Wallpaper);
    out.Write("\"");
  }
  out.Write(">\n");

  bool rule = request.AlwaysRule;
  if (!request.Title.empty()) {
    out.Write("<CENTER><FONT SIZE=6>");
    out.Write(request.Title);
    out.Write("</FONT></CENTER>\n");
    rule = true;
  }
  if (!request.UpperComment.empty()) {
    out.Write("<BR>\n<CENTER><FONT SIZE=3>");
    out.Write(request.UpperComment);
    out.Write("</FONT></CENTER>\n");
    rule = true;
  }
  if (rule) out.Write("<HR>\n");
}

void WriteTable(PageStream& out, const PageRequest& request) {
  const int columns = ColumnsFor(request.SizeIndex);
  out.Write(columns == 1 ? "<CENTER>\n<TABLE>\n" : "<CENTER>\n<TABLE WIDTH=600>\n");
  if (columns == 1) {
    WriteFullSizeTable(out, request);
  } else {
    WriteThumbnailGrid(out, request, columns);
  }
  out.Write("</TABLE>\n</CENTER>\n");
}

void WriteFooter(PageStream& out, const PageRequest& request, const DateSource& date) {
  const bool has_comment = !request.LowerComment.empty();
  if (has_comment || request.AlwaysRule || request.StampDate) out.Write("<HR>\n");
  if (has_comment || request.StampDate) {
    out.Write("<ADDRESS>");
    out.Write(request.LowerComment);
    if (request.StampDate) {
      out.Write("<DIV ALIGN=RIGHT>");
      out.Write(date.ShortDate());
      out.Write("</DIV>\n");
    }
    out.Write("</ADDRESS>\n");
  }
  out.Write("</BODY>\n</HTML>\n");
}

}  // namespace

void WritePage(PageStream& out, const PageRequest& request, const DateSource& date) {
  WriteTop(out, request);
  WriteTable(out, request);
  WriteFooter(out, request, date);
}

// A count beyond the list cannot name an entry: the walk stops at the list's end.
std::size_t EntriesToWalk(const PageRequest& request) {
  if (request.FileCount <= 0) return 0;
  return std::min(static_cast<std::size_t>(request.FileCount), request.Names.size());
}

}  // namespace lumenfold
