// SPDX-License-Identifier: Apache-2.0
#pragma once

// The faces behind glstandin::Font, and the walk of a line of text along its
// base line. FreeType and fontconfig are not thread-safe: everything here but
// the fields of a loaded Font runs under textMutex().

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

namespace glstandin {

// A scalable face, loaded once and kept until the process ends. Its fields
// do not change after loading; the FT_Face's size and transform do, under
// textMutex().
class Font {
 public:
  Font(FT_Face face, std::vector<std::int32_t> advances);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  FT_Face face;
  int unitsPerEm;
  bool kerning;
  // Per glyph index, in font units.
  std::vector<std::int32_t> advances;
};

namespace detail {

// The lock of FreeType, fontconfig, the fonts and the glyph cache.
std::mutex& textMutex();
// The FreeType library the fonts were loaded with; under textMutex().
FT_Library freetypeLibrary();

// The glyphs of a line of UTF-8 text, in order, with the pen position each
// starts at, in font units. Kerning moves the pen, but never back before the
// previous glyph's start: the pen only goes forward, so that a draw may stop
// at the first glyph beyond its pixels. Under textMutex().
class LineWalker {
 public:
  LineWalker(const Font& font, std::string_view utf8) : font_(font), text_(utf8) {}
  // Moves to the next glyph; false after the last.
  bool next();
  FT_UInt glyph() const { return glyph_; }
  // Where the current glyph starts; after the last, where the line ends.
  std::int64_t pen() const { return pen_; }

 private:
  const Font& font_;
  std::string_view text_;
  std::size_t pos_ = 0;
  FT_UInt glyph_ = 0;
  bool started_ = false;
  bool done_ = false;
  std::int64_t pen_ = 0;
};

}  // namespace detail
}  // namespace glstandin
