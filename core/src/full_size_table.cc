#include "lumenfold/entry_kind.h"
#include "lumenfold/page_writer.h"

namespace lumenfold {
namespace {

void WritePictureRows(PageStream& out, const PageRequest& request, std::string_view name) {
  out.Write("<TR>\n<TD><IMG SRC=\"");
  out.WriteName(name);
  out.Write("\" ALT=\"");
  out.WriteName(name);
  out.Write("\"></TD>\n</TR>\n<TR>\n<TD><FONT SIZE=4>");
  if (!request.HideNames) out.WriteName(name);
  if (request.Spacious) out.Write("<BR><BR>");
  out.Write("</FONT></TD>\n</TR>\n");
}

void WriteLinkRows(PageStream& out, const PageRequest& request, std::string_view heading,
                   std::string_view name) {
  out.Write("<TR>\n<TD> <BR><B>");
  out.Write(heading);
  out.Write("</B><BR><A HREF=\"");
  out.WriteName(name);
  out.Write("\"><FONT SIZE=4>");
  out.WriteName(name);
  if (request.Spacious) out.Write("<BR><BR>");
  out.Write("</FONT></A></TD>\n</TR>\n<TR>\n<TD> </TD>\n</TR>\n");
}

}  // namespace

void WriteFullSizeTable(PageStream& out, const PageRequest& request) {
  const std::size_t count = EntriesToWalk(request);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view name = request.Names[i];
    switch (ClassifyEntry(name, request.OutputName)) {
      case EntryKind::SkippedEntry:
        break;
      case EntryKind::ImageEntry:
        WritePictureRows(out, request, name);
        break;
      case EntryKind::LinkedPageEntry:
        WriteLinkRows(out, request, "HTML Linked", name);
        break;
      case EntryKind::DownloadEntry:
        WriteLinkRows(out, request, "Down Load", name);
        break;
    }
  }
}

}  // namespace lumenfold
