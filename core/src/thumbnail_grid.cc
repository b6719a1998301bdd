#include <array>

#include "lumenfold/entry_kind.h"
#include "lumenfold/page_writer.h"

namespace lumenfold {
namespace {

constexpr int kMaxColumns = 4;

struct Cell {
  std::string_view name;
  EntryKind kind;
};

struct Row {
  std::array<Cell, kMaxColumns> cells;
  int size = 0;
  std::size_t next = 0;  // The first entry the next row examines.
};

// Takes entries from `start` until the row holds `columns` cells or the list
// ends. Skipped entries take no cell, so later ones move up into the gap; a
// full row stops without looking further.
Row GatherRow(const PageRequest& request, std::size_t start, std::size_t count, int columns) {
  Row row;
  std::size_t index = start;
  while (row.size < columns && index < count) {
    const std::string_view name = request.Names[index++];
    const EntryKind kind = ClassifyEntry(name, request.OutputName);
    if (kind != EntryKind::SkippedEntry)
      row.cells[static_cast<std::size_t>(row.size++)] = {name, kind};
  }
  row.next = index;
  return row;
}

void WriteLinkCell(PageStream& out, const ThumbnailLayout& layout, std::string_view heading,
                   std::string_view name) {
  out.Write("<TD> <BR><B>");
  out.Write(heading);
  out.Write("</B><BR><A HREF=\"");
  out.WriteName(name);
  out.Write("\"><FONT SIZE=");
  out.Write(layout.font_size);
  out.Write(">");
  out.WriteName(name);
  out.Write("</FONT></A></TD>\n");
}

void WritePictureRow(PageStream& out, const Row& row, const ThumbnailLayout& layout) {
  out.Write("<TR>\n");
  for (int i = 0; i < row.size; ++i) {
    const Cell& cell = row.cells[static_cast<std::size_t>(i)];
    switch (cell.kind) {
      case EntryKind::ImageEntry:
        out.Write("<TD><A HREF=\"");
        out.WriteName(cell.name);
        out.Write("\"><IMG SRC=\"");
        out.WriteName(cell.name);
        out.Write("\" ALT=\"");
        out.WriteName(cell.name);
        out.Write("\"");
        out.Write(layout.closing);
        break;
      case EntryKind::LinkedPageEntry:
        WriteLinkCell(out, layout, "HTML Linked", cell.name);
        break;
      case EntryKind::DownloadEntry:
      case EntryKind::SkippedEntry:  // Never gathered into a row.
        WriteLinkCell(out, layout, "Down Load", cell.name);
        break;
    }
  }
  out.Write("</TR>\n");
}

void WriteNameRow(PageStream& out, const PageRequest& request, const Row& row,
                  const ThumbnailLayout& layout) {
  out.Write("<TR>\n");
  for (int i = 0; i < row.size; ++i) {
    const Cell& cell = row.cells[static_cast<std::size_t>(i)];
    if (cell.kind != EntryKind::ImageEntry) {
      out.Write("<TD> </TD>\n");
      continue;
    }
    out.Write("<TD><FONT SIZE=");
    out.Write(layout.font_size);
    out.Write(">");
    if (!request.HideNames) out.WriteName(cell.name);
    if (request.Spacious) out.Write("<BR><BR>");
    out.Write("</FONT></TD>\n");
  }
  out.Write("</TR>\n");
}

}  // namespace

// A last group whose entries are all skipped still writes its pair of rows,
// without cells, so the table keeps the shape albums have always had.
void WriteThumbnailGrid(PageStream& out, const PageRequest& request, int columns) {
  const ThumbnailLayout& layout = ThumbnailLayoutFor(columns);
  if (columns < 2 || columns > kMaxColumns) columns = kMaxColumns;
  const std::size_t count = EntriesToWalk(request);
  for (std::size_t start = 0; start < count;) {
    const Row row = GatherRow(request, start, count, columns);
    WritePictureRow(out, row, layout);
    WriteNameRow(out, request, row, layout);
    start = row.next;
  }
}

}  // namespace lumenfold
