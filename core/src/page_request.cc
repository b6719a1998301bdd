#include "lumenfold/page_request.h"

#include <array>

namespace lumenfold {
namespace {

constexpr std::array<std::string_view, kColourCount> kPageColours = {
    "#FFFFFF", "#D0FFFF", "#FFD0FF", "#FFFFD0", "#FFD0D0", "#D0FFD0", "#D0D0FF", "#D0D0D0",
};

constexpr ThumbnailLayout kTwoAcross = {" WIDTH=256 HEIGHT=192></A></TD>\n", "3"};
constexpr ThumbnailLayout kThreeAcross = {" WIDTH=160 HEIGHT=120></A></TD>\n", "3"};
constexpr ThumbnailLayout kFourAcross = {" WIDTH=128 HEIGHT=96></A></TD>\n", "2"};

}  // namespace

std::string_view PageColour(std::int32_t colour_index) {
  if (colour_index < 0 || colour_index >= kColourCount) return kPageColours.back();
  return kPageColours[static_cast<std::size_t>(colour_index)];
}

int ColumnsFor(std::int32_t size_index) {
  switch (size_index) {
    case 0:
      return 1;
    case 1:
      return 2;
    case 2:
      return 3;
    default:
      return 4;
  }
}

const ThumbnailLayout& ThumbnailLayoutFor(int columns) {
  switch (columns) {
    case 2:
      return kTwoAcross;
    case 3:
      return kThreeAcross;
    default:
      return kFourAcross;
  }
}

}  // namespace lumenfold
