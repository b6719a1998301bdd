// Everything the page writer needs besides the open page stream.
#ifndef LUMENFOLD_PAGE_REQUEST_H_
#define LUMENFOLD_PAGE_REQUEST_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumenfold {

// Texts are byte strings taken unchanged from where they were typed; a text
// is empty only when it holds no bytes. Names are bare file names as the
// folder holds them.
struct PageRequest {
  std::vector<std::string> Names;
  std::int32_t FileCount = 0;  // Entries 0 .. FileCount-1 of Names are walked.
  std::string Title;
  std::string UpperComment;
  std::string LowerComment;
  std::string Wallpaper;
  std::string OutputName;  // Bare name of the page file; never listed.
  std::int32_t ColourIndex = 3;
  std::int32_t SizeIndex = 3;
  bool AlwaysRule = false;
  bool Spacious = false;
  bool HideNames = false;
  bool StampDate = false;
};

inline constexpr int kColourCount = 8;

// The BGCOLOR value for a colour index; grey for 7 and for anything outside 0-6.
std::string_view PageColour(std::int32_t colour_index);

// The layout code: 1 (pictures at their own size) or 2, 3, 4 thumbnails a row.
// 0 gives 1, 1 gives 2, 2 gives 3, anything else 4.
int ColumnsFor(std::int32_t size_index);

// What a thumbnail layout (Columns 2 to 4) writes.
struct ThumbnailLayout {
  std::string_view closing;    // Ends a thumbnail cell, with the box size.
  std::string_view font_size;  // Follows "FONT SIZE=" in link and name cells.
};

// The layout texts for Columns 2, 3 or 4 (anything else gives those of 4).
const ThumbnailLayout& ThumbnailLayoutFor(int columns);

}  // namespace lumenfold

#endif  // LUMENFOLD_PAGE_REQUEST_H_
