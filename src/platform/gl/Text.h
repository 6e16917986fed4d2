// SPDX-License-Identifier: Apache-2.0
#pragma once

// Text in the GL stand-in: fonts found by name through fontconfig, loaded
// with FreeType, and lines of text drawn into the bound framebuffer from
// antialiased glyphs, blended with the current colour. A glyph is rasterized
// once per font, size, orientation and sub-pixel phase, and kept (within a
// memory budget; glyphs above 256 x 256 pixels are rasterized each time).
// Fonts, glyphs and FreeType are shared by all threads behind one mutex, so
// threads may draw texts into their own framebuffers at once (README,
// "Threads").
//
// Every pixel position of a text comes from its origin's fixed-point window
// position (the one vertices get) plus offsets that depend on the matrices
// and the viewport's size alone, so that a text drawn in tiles stitches to
// the one drawn whole, pixel for pixel.

#include <string_view>

namespace glstandin {

// A font face, loaded once and kept for the process.
class Font;

// The face fontconfig finds for name. "defaultFont", an empty name and a name
// that matches no installed family give DejaVu Sans; a name that is a path
// to a font file loads that file. A face that cannot be loaded falls back to
// DejaVu Sans with one warning (see setFontWarningHandler). nullptr only when
// no face at all can be loaded: such texts measure 0 and draw nothing. The
// same name always gives the same face.
const Font* findFont(std::string_view name);

// Metrics of a face at size 1 (one unit per em), positive: the height above
// and the depth below the base line.
float fontAscent(const Font* font);
float fontDescent(const Font* font);
// The advance of one line of UTF-8 text at size 1, kerning included. Bytes
// that are not valid UTF-8 count as U+FFFD, one per invalid sequence.
float textAdvance(const Font* font, std::string_view utf8);

// Draws one line of UTF-8 text into the bound framebuffer. Its base line
// starts at the object point (x, y, z) and runs along object x; an em is
// size object units along object y. The current modelview, projection and
// viewport place it, as they place vertices; the glyphs take the map the
// matrices make at the origin, so a text seen head on is exact and one seen
// at a slant is its first-order image. Drawn in the current colour, its alpha
// times each pixel's coverage, blended over what is there; with the depth
// test on, every pixel is tested at the origin's depth, which is not
// written. Nothing is drawn when no framebuffer is bound, the origin is
// behind the eye or beyond the near or far plane, or the text is empty;
// pixels stay inside the buffer and the scissor box. Nor is a text whose em
// spans more than 4096 pixels along x or y, or none. Invalid UTF-8 draws
// U+FFFD. Allocates nothing once its glyphs are cached.
void drawText(const Font* font, float size, float x, float y, float z, std::string_view utf8);

// Where a warning about a font goes: one line, without a newline. The
// default writes it to standard error. nullptr restores the default.
using FontWarningHandler = void (*)(const char* message);
void setFontWarningHandler(FontWarningHandler handler);

// How many glyph images the cache holds, and how many were rasterized since
// the process started: a render whose glyphs are all cached rasterizes none.
struct GlyphCacheStats {
  long cached = 0;
  long rasterized = 0;
};
GlyphCacheStats glyphCacheStats();

}  // namespace glstandin
