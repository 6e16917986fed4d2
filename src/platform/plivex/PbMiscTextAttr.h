// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbString.h"

// How the texts of a plot are laid out beyond what the fields say: the font
// used when a field names none, the wrapping of long texts, the spacing of
// lines and the shape of characters.
class PbMiscTextAttr {
 public:
  PbMiscTextAttr();

  const SbString& getFontName() const { return fontName_; }
  void setFontName(const SbString& name) { fontName_ = name; }

  // The number of characters after which a text wraps; 0 for no wrapping.
  int getLineLength() const { return lineLength_; }
  // Negative lengths are taken as 0.
  void setLineLength(int length);

  // The distance between the base lines of two lines, in character heights.
  float getLineSpacing() const { return lineSpacing_; }
  void setLineSpacing(float spacing) { lineSpacing_ = spacing; }

  // The width of a character over its height.
  float getCharRatio() const { return charRatio_; }
  void setCharRatio(float ratio) { charRatio_ = ratio; }

  friend bool operator==(const PbMiscTextAttr&, const PbMiscTextAttr&) = default;

 private:
  SbString fontName_;
  int lineLength_ = 0;
  float lineSpacing_ = 1.0f;
  float charRatio_ = 1.0f;
};
