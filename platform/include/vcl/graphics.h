// Colours and fonts in the terms the window's description uses.
#ifndef LUMENFOLD_VCL_GRAPHICS_H_
#define LUMENFOLD_VCL_GRAPHICS_H_

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

namespace vcl {

// A colour as 0xBBGGRR (red in the lowest byte). Values from 0x80000000 up
// name system colours instead of a fixed red, green and blue.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0x8000000F;

// The colour to paint for `colour`; system colours come from the palette
// that the application uses.
QColor ToQColor(TColor colour);

enum class TFontStyle : unsigned { Regular = 0, Bold = 1, Italic = 2 };
constexpr TFontStyle operator|(TFontStyle a, TFontStyle b) {
  return static_cast<TFontStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasStyle(TFontStyle set, TFontStyle one) {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(one)) != 0;
}

// A font as the description names it: face, character height in pixels,
// colour and style.
struct TFontDesc {
  const char* face;  // UTF-8
  int height;
  TColor color;
  TFontStyle style;
};

// The installed face that stands in for `face`: the Japanese Gothic faces of
// the original system are not on Linux, IPA's Gothic faces are.
QString SubstituteFace(const QString& face);

// `desc` as a QFont at its pixel height, with the substituted face.
QFont ToQFont(const TFontDesc& desc);

}  // namespace vcl

#endif  // LUMENFOLD_VCL_GRAPHICS_H_
