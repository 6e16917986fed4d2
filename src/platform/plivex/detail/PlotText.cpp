// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/PlotText.h"

#include <charconv>
#include <cmath>

#include "platform/gl/Text.h"
#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/scenar/nodes/SoFont.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/nodes/SoTransform.h"

namespace plivex::detail {

namespace {

bool usable(const TextStyle& style) { return std::isfinite(style.size) && style.size > 0; }

const glstandin::Font* fontOf(const TextStyle& style) {
  return glstandin::findFont(style.fontName.getString());
}

}  // namespace

float textWidth(const TextStyle& style, std::string_view text) {
  if (!usable(style)) return 0;
  return glstandin::textAdvance(fontOf(style), text) * style.size;
}

float textAscent(const TextStyle& style) {
  return usable(style) ? glstandin::fontAscent(fontOf(style)) * style.size : 0;
}

float textDescent(const TextStyle& style) {
  return usable(style) ? glstandin::fontDescent(fontOf(style)) * style.size : 0;
}

SoNode* textNode(const SbVec3f& at, float angle, const TextStyle& style, std::string_view text,
                 HAlign halign, VAlign valign) {
  if (text.empty() || !usable(style)) return nullptr;
  auto* group = new SoSeparator;
  auto* place = new SoTransform;
  place->translation.setValue(at);
  place->rotation.setValue(SbVec3f(0, 0, 1), angle);
  group->addChild(place);
  if (valign != VAlign::Baseline) {
    // Lowers the base line below `at` by the part of the ascent asked for.
    const float ascent = textAscent(style);
    const float drop = valign == VAlign::Top      ? ascent
                       : valign == VAlign::Middle ? ascent / 2
                                                  : -textDescent(style);
    auto* shift = new SoTransform;
    shift->translation.setValue(0, -drop, 0);
    group->addChild(shift);
  }
  auto* font = new SoFont;
  font->name.setValue(style.fontName);
  font->size.setValue(style.size);
  group->addChild(font);
  auto* line = new SoText3;
  line->string.setValue(SbString(std::string(text).c_str()));
  line->justification.setValue(halign == HAlign::Left    ? SoText3::LEFT
                               : halign == HAlign::Right ? SoText3::RIGHT
                                                         : SoText3::CENTER);
  group->addChild(line);
  return group;
}

namespace {

std::string written(double value, std::chars_format notation, int digits) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, notation, digits);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

// Drops the zeros ending the fraction of a fixed number, and the point with them.
std::string withoutTrailingZeros(std::string fixed) {
  if (fixed.find('.') == std::string::npos) return fixed;
  while (fixed.back() == '0') fixed.pop_back();
  if (fixed.back() == '.') fixed.pop_back();
  return fixed;
}

}  // namespace

std::string formatNumber(double value, const PbNumericDisplayFormat& format) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) value = 0;  // no "-0"
  const int digits = format.getNumDigits();
  std::string text;
  switch (format.getType()) {
    case PbNumericDisplayFormat::Type::FIXED:
      text = written(value, std::chars_format::fixed, digits);
      break;
    case PbNumericDisplayFormat::Type::SCIENTIFIC:
      text = written(value, std::chars_format::scientific, digits);
      break;
    default: {
      const std::string fixed =
          withoutTrailingZeros(written(value, std::chars_format::fixed, digits));
      const std::string scientific = written(value, std::chars_format::scientific, digits);
      text = !fixed.empty() && fixed.size() <= scientific.size() ? fixed : scientific;
      // A small number that rounds to zero in fixed notation keeps its digits.
      if (fixed == "0" || fixed == "-0") text = value == 0 ? "0" : scientific;
    }
  }
  for (char& c : text)
    if (c == '.') c = format.getDecimalSeparator();
  return text;
}

}  // namespace plivex::detail
