// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/detail/TextConversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/vrml/SoVRMLFontStyle.h"
#include "platform/scenar/vrml/SoVRMLText.h"

namespace scenar::detail {

namespace {

struct Justify {
  int justification;
  const char* major;
};
constexpr std::array<Justify, 2> kJustify = {
    {{SoText3::RIGHT, "END"}, {SoText3::CENTER, "MIDDLE"}}};  // else "BEGIN"

// The families a font name suggests, tried in order: when it contains word
// but not unless, whatever their case. A name that suggests none is sans
// serif.
struct FamilyRule {
  std::string_view word;
  std::string_view unless;
  const char* family;
};
constexpr std::array<FamilyRule, 4> kFamilies = {{{"mono", "", "TYPEWRITER"},
                                                  {"courier", "", "TYPEWRITER"},
                                                  {"typewriter", "", "TYPEWRITER"},
                                                  {"serif", "sans", "SERIF"}}};

bool containsWord(const std::string& lowered, std::string_view word) {
  return !word.empty() && lowered.find(word) != std::string::npos;
}

const char* familyOf(const SbString& fontName) {
  std::string lowered = fontName.str();
  // ASCII letters alone, whatever the locale.
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (const FamilyRule& rule : kFamilies)
    if (containsWord(lowered, rule.word) && !containsWord(lowered, rule.unless)) return rule.family;
  return "SANS";
}

// Well-formed UTF-8 beyond ASCII: the lead bytes from first to last start
// sequences of length bytes whose second byte lies in [low, high] (which
// rules out overlong forms, surrogates and code points above U+10FFFF) and
// whose further bytes lie in [0x80, 0xbf].
struct Lead {
  unsigned char first, last;
  int length;
  unsigned char low, high;
};
constexpr std::array<Lead, 8> kLeads = {{{0xc2, 0xdf, 2, 0x80, 0xbf},
                                         {0xe0, 0xe0, 3, 0xa0, 0xbf},
                                         {0xe1, 0xec, 3, 0x80, 0xbf},
                                         {0xed, 0xed, 3, 0x80, 0x9f},
                                         {0xee, 0xef, 3, 0x80, 0xbf},
                                         {0xf0, 0xf0, 4, 0x90, 0xbf},
                                         {0xf1, 0xf3, 4, 0x80, 0xbf},
                                         {0xf4, 0xf4, 4, 0x80, 0x8f}}};

// The length of the well-formed sequence that text starts with, or minus the
// length of the longest start of one that breaks off there (at least 1).
int sequenceAt(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (byte(0) < 0x80) return 1;
  const auto lead = std::find_if(kLeads.begin(), kLeads.end(), [&](const Lead& l) {
    return byte(0) >= l.first && byte(0) <= l.last;
  });
  if (lead == kLeads.end()) return -1;
  std::size_t good = 1;
  for (; good < static_cast<std::size_t>(lead->length) && good < text.size(); ++good) {
    const unsigned char low = good == 1 ? lead->low : 0x80;
    const unsigned char high = good == 1 ? lead->high : 0xbf;
    if (byte(good) < low || byte(good) > high) break;
  }
  const int length = static_cast<int>(good);
  return length == lead->length ? length : -length;
}

// text with each invalid sequence made U+FFFD.
SbString validUtf8(const SbString& text) {
  std::string_view rest = text.str();
  std::string valid;
  valid.reserve(rest.size());
  while (!rest.empty()) {
    const int length = sequenceAt(rest);
    if (length > 0)
      valid.append(rest.substr(0, static_cast<std::size_t>(length)));
    else
      valid.append("\xef\xbf\xbd");
    rest.remove_prefix(static_cast<std::size_t>(length > 0 ? length : -length));
  }
  return SbString(std::move(valid));
}

SoVRMLFontStyle* fontStyleOf(const SoText3& text, const SbString& fontName, float size) {
  auto* style = new SoVRMLFontStyle;
  const char* family = familyOf(fontName);
  if (std::string_view(family) != "SERIF") style->family.setValue(SbString(family));
  if (size != 1.0f) style->size = size;
  // Lines that go up are set bottom to top, spacing apart.
  const float spacing = std::isfinite(text.spacing.getValue()) ? text.spacing.getValue() : 1.0f;
  if (spacing < 0.0f) style->topToBottom = FALSE;
  if (std::fabs(spacing) != 1.0f) style->spacing = std::fabs(spacing);
  for (const Justify& justify : kJustify)
    if (justify.justification == text.justification.getValue())
      style->justify.setValue(SbString(justify.major));
  return style;
}

}  // namespace

SoVRMLText* convertText(const SoText3& text, const SbString& fontName, float size) {
  if (text.string.getNum() == 0 || !(size > 0.0f) || !std::isfinite(size)) return nullptr;
  auto* converted = new SoVRMLText;
  for (int i = 0; i < text.string.getNum(); ++i)
    converted->string.set1Value(i, validUtf8(text.string[i]));
  converted->fontStyle = fontStyleOf(text, fontName, size);
  return converted;
}

}  // namespace scenar::detail
