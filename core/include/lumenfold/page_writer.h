// The album page: from a PageRequest to the bytes of the page file.
#ifndef LUMENFOLD_PAGE_WRITER_H_
#define LUMENFOLD_PAGE_WRITER_H_

#include "lumenfold/date_source.h"
#include "lumenfold/page_request.h"
#include "lumenfold/page_stream.h"

namespace lumenfold {

// Writes the whole page, "<HTML>" to "</HTML>", into `out` and leaves it open
// (the caller flushes). `date` is asked only when the request stamps the date.
void WritePage(PageStream& out, const PageRequest& request, const DateSource& date);

// The rows of the full-size layout: per entry shown, the picture (or link)
// in one row and its name in the row under it.
void WriteFullSizeTable(PageStream& out, const PageRequest& request);

// The rows of the thumbnail layouts: groups of `columns` cells (2 to 4), each
// group a picture row over a name row; skipped names take no cell.
void WriteThumbnailGrid(PageStream& out, const PageRequest& request, int columns);

// The number of entries of the request that the tables walk: FileCount,
// bounded by the names actually present.
std::size_t EntriesToWalk(const PageRequest& request);

}  // namespace lumenfold

#endif  // LUMENFOLD_PAGE_WRITER_H_
