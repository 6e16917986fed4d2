// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string_view>

namespace glstandin::detail {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at text[pos] (pos < text.size()) and
// moves pos past it. Bytes that are not valid UTF-8 give U+FFFD, one per
// maximal invalid subpart: a lead byte with the continuation bytes that could
// still have completed it (so "\xE2\x82" followed by "z" is one U+FFFD, then
// "z"); a byte that cannot start a sequence is one U+FFFD by itself. Overlong
// forms, surrogates and values above U+10FFFF are invalid.
inline char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos++);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t code = 0;
  // The range of the second byte; later ones are always 0x80 to 0xBF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return kReplacementCharacter;
  }
  for (int i = 1; i < length; ++i) {
    if (pos >= text.size() || byte(pos) < low || byte(pos) > high) return kReplacementCharacter;
    code = (code << 6) | (byte(pos++) & 0x3Fu);
    low = 0x80;
    high = 0xBF;
  }
  return code;
}

}  // namespace glstandin::detail
