// What the page shows for one name of the folder.
#ifndef LUMENFOLD_ENTRY_KIND_H_
#define LUMENFOLD_ENTRY_KIND_H_

#include <string_view>

namespace lumenfold {

enum class EntryKind {
  SkippedEntry,     // The page file itself, or a backup: not on the page.
  ImageEntry,       // A JPEG or GIF: shown.
  LinkedPageEntry,  // Another HTML page: linked.
  DownloadEntry,    // Anything else: offered as a download.
};

// Decides by exact, case-sensitive byte comparison: the name equal to
// `output_name` and ".bak"/".BAK" are skipped; ".jpg", ".JPG", ".jpeg",
// ".JPEG", ".gif", ".GIF" are pictures; ".htm", ".HTM", ".html", ".HTML" are
// pages; every other name (".Jpg" and ".png" included) is a download.
EntryKind ClassifyEntry(std::string_view name, std::string_view output_name);

}  // namespace lumenfold

#endif  // LUMENFOLD_ENTRY_KIND_H_
