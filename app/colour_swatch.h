// What the swatch shows for each background colour choice.
#ifndef LUMENFOLD_APP_COLOUR_SWATCH_H_
#define LUMENFOLD_APP_COLOUR_SWATCH_H_

#include <array>

#include "lumenfold/page_request.h"
#include "vcl/graphics.h"

namespace lumenfold {

struct SwatchRow {
  const char* text;     // the colour's name, as RadioGroup1's item
  vcl::TColor colour;   // a stronger colour of the same kind as the page's
};

// Indexed by RadioGroup1's ItemIndex, which is also the page colour index.
inline constexpr std::array<SwatchRow, kColourCount> kSwatches{{
    {"ホワイト", vcl::clWhite},
    {"シアン", vcl::clAqua},
    {"マゼンタ", vcl::clFuchsia},
    {"イエロー", vcl::clYellow},
    {"レッド", vcl::clRed},
    {"グリーン", vcl::clLime},
    {"ブルー", vcl::clBlue},
    {"グレー", vcl::clGray},
}};

}  // namespace lumenfold

#endif  // LUMENFOLD_APP_COLOUR_SWATCH_H_
