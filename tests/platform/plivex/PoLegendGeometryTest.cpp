// What the legends draw: every field shows in the picture, and odd or huge
// values still draw, boundedly.

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>
#include <vector>

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

// A field of a legend of type set to value (scene-file text) must change the
// picture of the legend first given its baseline and prepared; the field's
// old value must give the first picture back.
struct FieldChange {
  const char* type;
  const char* field;
  const char* value;
  const char* prepareField = nullptr;
  const char* prepareValue = nullptr;
};

const FieldChange kFieldChanges[] = {
    // The fields every legend has, on an item legend
    {"PoItemLegend", "titleVisibility", "OFF"},
    {"PoItemLegend", "titlePosition", "LEFT"},
    {"PoItemLegend", "titlePath", "UP"},
    {"PoItemLegend", "titleFontSize", "0.1"},
    {"PoItemLegend", "titleFontName", "\"DejaVu Serif\""},
    {"PoItemLegend", "titleString", "\"Other\""},
    {"PoItemLegend", "valueVisibility", "OFF"},
    {"PoItemLegend", "valuePosition", "BOTTOM"},
    {"PoItemLegend", "valueFontName", "\"DejaVu Serif\""},
    {"PoItemLegend", "valueAddStringVisibility", "TRUE", "valueAddString", "\" mm\""},
    {"PoItemLegend", "valueAddString", "\" kg\"", "valueAddStringVisibility", "TRUE"},
    {"PoItemLegend", "marginType", "FIXED", "end", "1 0.5"},
    {"PoItemLegend", "marginLeft", "0.3"},
    {"PoItemLegend", "marginRight", "0.3"},
    {"PoItemLegend", "marginBottom", "0.3"},
    {"PoItemLegend", "marginTop", "0.3"},
    {"PoItemLegend", "incrementType", "HORIZONTAL", "numColumns", "2"},
    {"PoItemLegend", "numColumns", "2"},
    {"PoItemLegend", "boxRatio", "3"},
    // The item legend's own fields
    {"PoItemLegend", "start", "0.2 -0.3"},
    {"PoItemLegend", "end", "1.3 0.8"},
    {"PoItemLegend", "itemString", "[\"a\", \"b\"]"},
    {"PoItemLegend", "boxVisibility", "FALSE"},
    {"PoItemLegend", "boxColor", "[1 0 0, 0 1 0]"},
    {"PoItemLegend", "lineVisibility", "TRUE"},
    {"PoItemLegend", "lineColor", "1 0 0", "lineVisibility", "TRUE"},
    {"PoItemLegend", "lineFloatValue", "0.3", "lineVisibility", "TRUE"},
    {"PoItemLegend", "lineShortValue", "1", "lineVisibility", "TRUE"},
    {"PoItemLegend", "markerVisibility", "TRUE"},
    {"PoItemLegend", "markerColor", "1 0 0", "markerVisibility", "TRUE"},
    {"PoItemLegend", "markerFloatValue", "0.9", "markerVisibility", "TRUE"},
    {"PoItemLegend", "markerString", "\"o\"", "markerVisibility", "TRUE"},
    // The value legends'
    {"PoLinearValueLegend", "stringUndefUpper", "\"above\""},
    {"PoLinearValueLegend", "stringUndefLower", "\"\""},
    {"PoLinearValueLegend", "periodValue", "3"},
    {"PoLinearValueLegend", "firstValue", "3"},
    {"PoLinearValueLegend", "lastValue", "3"},
    {"PoLinearValueLegend", "start", "-0.4 0"},
    {"PoLinearValueLegend", "end", "1.4 1.2"},
    {"PoLinearValueLegend", "valueDistribution", "MIN_MAX_VALUES"},
    {"PoLinearValueLegend", "valueAddString", "\" kg\"", "valueAddStringVisibility", "TRUE"},
    {"PoNonLinearValueLegend1", "lessLevelString", "\"below\""},
    {"PoNonLinearValueLegend1", "greaterLevelString", "\"above\""},
    {"PoNonLinearValueLegend1", "valueSeparatorString", "\" to \""},
    {"PoNonLinearValueLegend2", "periodValue", "2"},
    {"PoNonLinearValueLegend2", "valuePosition", "TOP", "incrementType", "HORIZONTAL"},
    {"PoNonLinearValueLegend3", "lastValue", "2"},
};

void setField(SoNode* node, const char* name, const char* value) {
  SoField* field = node->getField(name);
  ASSERT_NE(field, nullptr) << name;
  ASSERT_TRUE(field->set(value)) << name << " " << value;
}

TEST_F(PoLegendGeometryTest, everyFieldChangesThePictureAndItsOldValueGivesItBack) {
  for (const FieldChange& change : kFieldChanges) {
    SCOPED_TRACE(std::string(change.type) + "." + change.field + " " + change.value);
    NodeRef<SoNode> legend = createNode(change.type);
    setField(legend.get(), "titleString", "\"Title\"");
    if (legend->getField("itemString")) setField(legend.get(), "itemString", "[one, two, three]");
    if (change.prepareField) setField(legend.get(), change.prepareField, change.prepareValue);
    const std::vector<unsigned char> first = plotPicture(legend.get(), kSide);
    ASSERT_FALSE(first.empty());

    SbString old;
    legend->getField(change.field)->get(old);
    setField(legend.get(), change.field, change.value);
    EXPECT_NE(plotPicture(legend.get(), kSide), first) << "the change shows";
    setField(legend.get(), change.field, old.getString());
    EXPECT_EQ(plotPicture(legend.get(), kSide), first) << "the old value draws as before";
  }
}

// Nodes in a graph, each counted once per place it has.
int nodeCount(SoNode* node) {
  int count = 1;
  if (auto* group = dynamic_cast<SoGroup*>(node))
    for (int i = 0; i < group->getNumChildren(); ++i) count += nodeCount(group->getChild(i));
  return count;
}

bool isBlank(const std::vector<unsigned char>& picture) {
  for (unsigned char byte : picture)
    if (byte != 255) return false;
  return true;
}

TEST_F(PoLegendGeometryTest, manyItemsAndAHugeTitleDrawBoundedly) {
  NodeRef<PoItemLegend> legend(new PoItemLegend);
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
    NodeRef<PoItemLegend> legend(new PoItemLegend);
    legend->itemString.setValue("item");
    legend->lineVisibility = TRUE;
    legend->markerVisibility = TRUE;
    kOdd[i](legend.get());
    EXPECT_EQ(plotPicture(legend.get(), 64).size(), 64u * 64 * 4);
  }
}

}  // namespace
