// SPDX-License-Identifier: Apache-2.0
// What the legends draw: every field shows in the picture, and odd or huge
// values still draw, boundedly.

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "FieldPictures.h"
#include "PlivexTestSupport.h"
#include "PlotPicture.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/plivex/PoLinearValueLegend.h"
#include "platform/plivex/detail/LegendLayout.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/nodes/SoGroup.h"

namespace {

using PoLegendGeometryTest = PlivexTest;

constexpr int kSide = 300;

// A field of a legend of type set to value must change the picture of the
// legend first given its baseline and the setup; the field's old value must
// give the first picture back.
constexpr std::string_view kFieldChanges =
    // The fields every legend has, on an item legend
    R"(
PoItemLegend:
  titleVisibility OFF
  titlePosition LEFT
  titlePath UP
  titleFontSize 0.1
  titleFontName "DejaVu Serif"
  titleString "Other"
  valueVisibility OFF
  valuePosition BOTTOM
  valueFontName "DejaVu Serif"
  valueAddStringVisibility TRUE | valueAddString " mm"
  valueAddString " kg"          | valueAddStringVisibility TRUE
  marginType FIXED              | end 1 0.5
  marginLeft 0.3
  marginRight 0.3
  marginBottom 0.3
  marginTop 0.3
  incrementType HORIZONTAL      | numColumns 2
  numColumns 2
  boxRatio 3
)"
    // The item legend's own fields
    R"(
PoItemLegend:
  start 0.2 -0.3
  end 1.3 0.8
  itemString ["a", "b"]
  boxVisibility FALSE
  boxColor [1 0 0, 0 1 0]
  lineVisibility TRUE
  lineColor 1 0 0               | lineVisibility TRUE
  lineFloatValue 0.3            | lineVisibility TRUE
  lineShortValue 1              | lineVisibility TRUE
  markerVisibility TRUE
  markerColor 1 0 0             | markerVisibility TRUE
  markerFloatValue 0.9          | markerVisibility TRUE
  markerString "o"              | markerVisibility TRUE
)"
    // The value legends'
    R"(
PoLinearValueLegend:
  stringUndefUpper "above"
  stringUndefLower ""
  periodValue 3
  firstValue 3
  lastValue 3
  start -0.4 0
  end 1.4 1.2
  valueDistribution MIN_MAX_VALUES
  valueAddString " kg"          | valueAddStringVisibility TRUE
PoNonLinearValueLegend1:
  lessLevelString "below"
  greaterLevelString "above"
  valueSeparatorString " to "
PoNonLinearValueLegend2:
  periodValue 2
  valuePosition TOP             | incrementType HORIZONTAL
PoNonLinearValueLegend3:
  lastValue 2
)";

TEST_F(PoLegendGeometryTest, everyFieldChangesThePictureAndItsOldValueGivesItBack) {
  for (const FieldChange& c : fieldChanges(kFieldChanges)) {
    SCOPED_TRACE(testing::PrintToString(c));
    SoRef<SoNode> legend = createNode(c.type.c_str());
    applySettings(legend.get(), "titleString \"Title\"");
    if (legend->getField("itemString")) applySettings(legend.get(), "itemString [one, two, three]");
    applySettings(legend.get(), c.setup);
    expectFieldChangeShows(legend.get(), legend.get(), c, kSide);
  }
}

// Nodes in a graph, each counted once per place it has.
int nodeCount(SoNode* node) {
  int count = 1;
  if (auto* group = dynamic_cast<SoGroup*>(node))
    for (int i = 0; i < group->getNumChildren(); ++i) count += nodeCount(group->getChild(i));
  return count;
}

TEST_F(PoLegendGeometryTest, manyItemsAndAHugeTitleDrawBoundedly) {
  SoRef<PoItemLegend> legend(new PoItemLegend);
  std::vector<SbString> items(10000, SbString("item"));
  legend->itemString.setValues(0, static_cast<int>(items.size()), items.data());
  legend->lineVisibility = TRUE;
  legend->markerVisibility = TRUE;
  legend->numColumns = 50;
  legend->titleString = std::string(1 << 20, 'W');
  const auto start = std::chrono::steady_clock::now();
  const std::vector<unsigned char> picture = plotPicture(legend.get(), kSide);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_FALSE(isBlank(picture));
  EXPECT_LT(seconds, 10.0) << "a hang, not a slow machine";
  EXPECT_LT(nodeCount(legend->getGeometry()), 20 * plivex::detail::kMaxLegendEntries);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST_F(PoLegendGeometryTest, oddValuesDrawSanelyOrNothing) {
  void (*const kOdd[])(PoItemLegend*) = {
      [](PoItemLegend* l) { l->start.setValue(kNaN, 0); },
      [](PoItemLegend* l) { l->end.setValue(kInf, -kInf); },
      [](PoItemLegend* l) { l->start.setValue(-3e38f, -3e38f), l->end.setValue(3e38f, 3e38f); },
      [](PoItemLegend* l) {
        l->start.setValue(-1e30f, -1e30f), l->end.setValue(1e30f, 1e30f);
        l->titleFontSize = 1e30f, l->titleString = "huge";
      },
      [](PoItemLegend* l) { l->marginLeft = 1e30f, l->marginType = 1; },
      [](PoItemLegend* l) { l->marginTop = -5, l->marginBottom = kNaN; },
      [](PoItemLegend* l) { l->boxRatio = kNaN; },
      [](PoItemLegend* l) { l->boxRatio = -1e30f; },
      [](PoItemLegend* l) { l->titleFontSize = kInf; },
      [](PoItemLegend* l) { l->titleFontSize = kNaN; },
      [](PoItemLegend* l) { l->titlePosition = 99, l->titlePath = -4, l->valuePosition = 7; },
      [](PoItemLegend* l) { l->numColumns = 65535; },
      [](PoItemLegend* l) { l->markerFloatValue.setValue(kNaN), l->lineFloatValue.setValue(kInf); },
      [](PoItemLegend* l) { l->lineShortValue.setValue(65535), l->markerString.setValue("\xff"); },
      [](PoItemLegend* l) { l->boxColor.setValue(SbColor(kNaN, -1, 1e30f)); },
  };
  for (std::size_t i = 0; i < std::size(kOdd); ++i) {
    SCOPED_TRACE("odd case " + std::to_string(i));
    SoRef<PoItemLegend> legend(new PoItemLegend);
    legend->itemString.setValue("item");
    legend->lineVisibility = TRUE;
    legend->markerVisibility = TRUE;
    kOdd[i](legend.get());
    EXPECT_EQ(plotPicture(legend.get(), 64).size(), 64u * 64 * 4);
  }
}

}  // namespace
