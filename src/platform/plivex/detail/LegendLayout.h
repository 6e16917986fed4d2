// SPDX-License-Identifier: Apache-2.0
#pragma once

// What every legend draws the same way: a rectangle inside its margins, a
// title on one side, and boxes laid out in columns, each with its texts.
// The legend kinds only say which boxes there are (LegendEntry).

#include <optional>
#include <string>
#include <vector>

#include "platform/plivex/detail/PlotText.h"
#include "platform/scenar/basic/SbLinear.h"

class SoNode;

namespace plivex::detail {

// A legend draws at most this many boxes; the entries after them are left out.
constexpr int kMaxLegendEntries = 2000;

// The values of titlePosition and valuePosition, and of titlePath.
enum class Side { Bottom, Top, Right, Left };
enum class TextPath { Right, Left, Up, Down };

// A line across the middle of a box.
struct EntryLine {
  SbColor color;
  int pattern = 0;      // as linePattern takes it
  float thickness = 0;  // a fraction of the box's height; 0 a hair line
};

// A marker at the middle of a box.
struct EntryMarker {
  SbColor color;
  std::string shape;  // as markerSegments takes it
  float size = 0;     // a fraction of the box's smaller side
};

// One box of a legend and what goes with it.
struct LegendEntry {
  std::optional<SbColor> fill;  // none: the box is not drawn, only its place taken
  std::optional<EntryLine> line;
  std::optional<EntryMarker> marker;
  std::string label;           // beside the middle of the box's labelled side
  std::string firstEnd;        // at its top end (labels left or right) or left end
  std::string secondEnd;       // at its other end
  bool takesAddString = true;  // whether the legend's added string follows the texts
};

// A legend's fields, as the layout takes them.
struct LegendSettings {
  SbVec2f corner;  // two opposite corners of the legend
  SbVec2f oppositeCorner;
  bool fixedMargins = false;  // margins in scene units, else fractions of the sides
  float marginLeft = 0;
  float marginRight = 0;
  float marginBottom = 0;
  float marginTop = 0;
  bool titleVisible = false;
  Side titlePosition = Side::Top;
  TextPath titlePath = TextPath::Right;
  TextStyle titleStyle;
  std::string title;
  bool valuesVisible = true;
  Side valuePosition = Side::Right;
  SbString valueFontName;
  std::string addString;    // follows each text; empty for none
  bool horizontal = false;  // items row after row, else column after column
  int columns = 1;
  float boxRatio = 1;  // width over height
};

// A separator drawing the legend, the boxes' parts each in its own colour
// and the rest (texts, box frames) in the colour in force; nullptr when the
// legend's rectangle holds nothing. The boxes' texts have no size of their
// own: they are 0.3 of a row of boxes high, smaller when the widest would not
// fit beside its box in 60 % of a cell's width (90 % above or below it).
SoNode* drawLegend(const LegendSettings& settings, const std::vector<LegendEntry>& entries);

}  // namespace plivex::detail
