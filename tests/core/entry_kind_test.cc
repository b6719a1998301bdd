#include "lumenfold/entry_kind.h"

#include <gtest/gtest.h>

#include "lumenfold/page_request.h"

namespace lumenfold {
namespace {

using enum EntryKind;

struct KindCase {
  const char* name;
  EntryKind kind;
};

TEST(ClassifyEntry, KindsByExactExtension) {
  const KindCase cases[] = {
      {"photo.jpg", ImageEntry},    {"photo.JPG", ImageEntry},    {"photo.jpeg", ImageEntry},
      {"photo.JPEG", ImageEntry},   {"anim.gif", ImageEntry},     {"anim.GIF", ImageEntry},
      {".gif", ImageEntry},         {"a.bak.jpg", ImageEntry},    {"photo.Jpg", DownloadEntry},
      {"photo.jPG", DownloadEntry}, {"photo.jpe", DownloadEntry}, {"photo.Gif", DownloadEntry},
      {"photo.png", DownloadEntry}, {"README", DownloadEntry},    {"x.", DownloadEntry},
      {"a.Bak", DownloadEntry},     {"page.Htm", DownloadEntry},  {"a:b.c\\d", DownloadEntry},
      {"b.htm", LinkedPageEntry},   {"b.HTM", LinkedPageEntry},   {"b.html", LinkedPageEntry},
      {"b.HTML", LinkedPageEntry},  {"dsc.htm", LinkedPageEntry}, {"a.jpg.bak", SkippedEntry},
      {"d.bak", SkippedEntry},      {"D.BAK", SkippedEntry},      {"DSC.htm", SkippedEntry},
      {"", DownloadEntry},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(ClassifyEntry(c.name, "DSC.htm"), c.kind) << c.name;
  }
}

TEST(ClassifyEntry, OwnPageIsSkippedWhateverItsExtension) {
  EXPECT_EQ(ClassifyEntry("me.jpg", "me.jpg"), SkippedEntry);
  EXPECT_EQ(ClassifyEntry("notes", "notes"), SkippedEntry);
  EXPECT_EQ(ClassifyEntry("", ""), SkippedEntry);
}

TEST(PageRequestTables, ColourAndLayoutFallBackToTheirDefaultRow) {
  const struct {
    int index;
    const char* colour;
    int columns;
  } cases[] = {
      {-1, "#D0D0D0", 4}, {0, "#FFFFFF", 1}, {1, "#D0FFFF", 2},         {2, "#FFD0FF", 3},
      {3, "#FFFFD0", 4},  {4, "#FFD0D0", 4}, {5, "#D0FFD0", 4},         {6, "#D0D0FF", 4},
      {7, "#D0D0D0", 4},  {8, "#D0D0D0", 4}, {INT32_MIN, "#D0D0D0", 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PageColour(c.index), c.colour) << c.index;
    EXPECT_EQ(ColumnsFor(c.index), c.columns) << c.index;
  }
}

}  // namespace
}  // namespace lumenfold
