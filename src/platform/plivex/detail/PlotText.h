// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the plotting nodes write texts with: a text node placed, turned and
// aligned in the plot's plane, its width for layouts, and numbers written as
// a PbNumericDisplayFormat says.

#include <string>
#include <string_view>

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbString.h"

class PbNumericDisplayFormat;
class SoNode;

namespace plivex::detail {

enum class HAlign { Left, Center, Right };
// Against the font's ascent: the base line, the top of the ascent, or halfway.
enum class VAlign { Baseline, Top, Middle, Bottom };

struct TextStyle {
  SbString fontName;   // as a font node takes it: "defaultFont" for the default
  float size = 0.04f;  // the height of an em, in scene units
};

// A separator with a translation to at, a rotation by angle radians about z
// (counterclockwise, the text's base line along (cos angle, sin angle)), the
// font and a text of one line, aligned at `at` as halign and valign say.
// nullptr for an empty text or a size that is not positive and finite.
SoNode* textNode(const SbVec3f& at, float angle, const TextStyle& style, std::string_view text,
                 HAlign halign, VAlign valign);

// The advance of text in the style's font, in scene units.
float textWidth(const TextStyle& style, std::string_view text);
// The font's ascent and descent at the style's size, in scene units.
float textAscent(const TextStyle& style);
float textDescent(const TextStyle& style);

// value written as format says, whatever the locale: FIXED with the format's
// digits after the separator, SCIENTIFIC as 1.23e+03, AUTOMATIC the shorter
// of the two (fixed on a tie) with trailing zeros of the fraction dropped.
// Values that are not finite write as "inf", "-inf" or "nan".
std::string formatNumber(double value, const PbNumericDisplayFormat& format);

}  // namespace plivex::detail
