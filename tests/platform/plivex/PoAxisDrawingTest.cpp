// What the axes draw, seen in pictures: every field shows, DEPEND draws what
// it stands for, and odd values still draw a sane picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "AxisTestSupport.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoTimeAxis.h"

namespace {

using PoAxisDrawingTest = PlivexTest;

// Large enough texts to tell fonts apart, and a title.
constexpr const char* kLegible = "gradFontSize 0.07; titleFontSize 0.08; titleString \"Title\"";

struct FieldCase {
  const char* type;
  const char* field;  // or an attribute: format, dateFormatMapping, miscTextAttr
  const char* value;  // one that must show
  const char* setup = "";
  const char* shift = "0 0 0";
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c) {
  return out << c.type << "." << c.field << " = " << c.value << " after " << c.setup;
}

// Sets one of the node's attribute objects to one that shows (or back to the
// default one).
void setAttribute(SoNode* node, std::string_view name, bool showing) {
  if (name == "format") {
    PbNumericDisplayFormat format;
    format.setType(PbNumericDisplayFormat::Type::FIXED);
    format.setNumDigits(3);
    if (auto* linear = dynamic_cast<PoLinearAxis*>(node))
      linear->setFormat(showing ? &format : nullptr);
    else
      static_cast<PoPolarLinAxis*>(node)->setFormat(showing ? &format : nullptr);
  } else if (name == "dateFormatMapping") {
    PbDateFormatMapping mapping;
    mapping.addMapping(86400, "%Hh");
    static_cast<PoTimeAxis*>(node)->setDateFormatMapping(showing ? &mapping : nullptr);
  } else {
    PbMiscTextAttr attr;
    attr.setFontName("DejaVu Serif");
    static_cast<PoAxis*>(node)->setMiscTextAttr(showing ? &attr : nullptr);
  }
}

const FieldCase kFieldCases[] = {
    {"PoLinearAxis", "gradVisibility", "OFF"},
    {"PoLinearAxis", "gradPosition", "ABOVE"},
    {"PoLinearAxis", "gradPath", "UP"},
    {"PoLinearAxis", "gradFontName", "\"DejaVu Serif\""},
    {"PoLinearAxis", "gradFontSize", "0.12"},
    {"PoLinearAxis", "gradDistAxis", "0.2"},
    {"PoLinearAxis", "gradStringVisibility", "TRUE", "gradString \"cm\""},
    {"PoLinearAxis", "gradString", "\"cm\"", "gradStringVisibility TRUE"},
    {"PoLinearAxis", "marginType", "FIXED", "end 0.5; marginEnd 0.4"},
    {"PoLinearAxis", "marginStart", "0.2"},
    {"PoLinearAxis", "marginEnd", "0.2"},
    {"PoLinearAxis", "titleVisibility", "OFF"},
    {"PoLinearAxis", "titlePosition", "END"},
    {"PoLinearAxis", "titlePath", "UP"},
    {"PoLinearAxis", "titleFontName", "\"DejaVu Serif\""},
    {"PoLinearAxis", "titleFontSize", "0.12"},
    {"PoLinearAxis", "titleDistAxis", "0.4"},
    {"PoLinearAxis", "titleString", "\"Other\""},
    {"PoLinearAxis", "gridVisibility", "ON"},
    {"PoLinearAxis", "gridLengthGradSide", "0.3", "gridVisibility ON"},
    {"PoLinearAxis", "gridLengthGradOtherSide", "0.5", "gridVisibility ON"},
    {"PoLinearAxis", "arrowVisibility", "ON"},
    {"PoLinearAxis", "arrowHeight", "0.1", "arrowVisibility ON"},
    {"PoLinearAxis", "arrowLength", "0.2", "arrowVisibility ON"},
    {"PoLinearAxis", "tickVisibility", "OFF"},
    {"PoLinearAxis", "tickPosition", "ACROSS_AXIS"},
    {"PoLinearAxis", "tickMainLength", "0.1"},
    {"PoLinearAxis", "tickSubLength", "0.05"},
    {"PoLinearAxis", "tickSubDef", "PERIOD_MAIN", "tickNumOrPeriod 2"},
    {"PoLinearAxis", "tickNumOrPeriod", "3"},
    {"PoLinearAxis", "tickFirstGrad", "3"},
    {"PoLinearAxis", "tickLastGrad", "3"},
    {"PoLinearAxis", "reverseFlag", "REVERSE"},
    {"PoLinearAxis", "miscTextAttr", "font DejaVu Serif", "gradFontName \"\""},
    {"PoLinearAxis", "start", "0.2 0.3 0"},
    {"PoLinearAxis", "end", "0.6"},
    {"PoLinearAxis", "type", "YX"},
    {"PoLinearAxis", "step", "0.25"},
    {"PoLinearAxis", "gradFit", "UNFIT", "start 0.05 0 0; step 0.2"},
    {"PoLinearAxis", "multFactorPosition", "START", "end 0.005"},
    {"PoLinearAxis", "multFactorDistAxis", "0.3", "end 0.005"},
    {"PoLinearAxis", "format", "FIXED, 3 digits"},
    {"PoLogAxis", "decadeList", "[3]", "decadeListDef NON_AUTO; decadeRep DIGIT"},
    {"PoLogAxis", "decadeListDef", "NON_AUTO", "decadeList [3]"},
    {"PoLogAxis", "tenPowerRep", "DECIMAL"},
    {"PoLogAxis", "decadeRep", "DIGIT"},
    {"PoLogAxis", "decadeFontName", "\"DejaVu Serif\"", "decadeRep DIGIT"},
    {"PoLogAxis", "decadeFontSize", "0.08", "decadeRep DIGIT"},
    {"PoLogAxis", "multFactorPosition", "START", "start 5 0 0; end 6; tenPowerRep DECIMAL",
     "-5 0 0"},
    {"PoLogAxis", "multFactorDistAxis", "0.3", "start 5 0 0; end 6; tenPowerRep DECIMAL", "-5 0 0"},
    {"PoGenAxis", "gradList", "[\"a\", \"b\", \"c\"]", "gradList [\"x\", \"y\"]"},
    {"PoTimeAxis", "startDate", "\"1-06-70\"", "endDate \"1-01-71\""},
    {"PoTimeAxis", "endDate", "\"1-01-71\""},
    {"PoTimeAxis", "coordinate", "0.5"},
    {"PoTimeAxis", "type", "Y"},
    {"PoTimeAxis", "language", "FRANCAIS", "endDate \"1-01-71\"; timesPeriod \"3 months\""},
    {"PoTimeAxis", "gradFit", "UNFIT", "startDate \"1-01-70 01:30\""},
    {"PoTimeAxis", "gradRep", "[\"%d\", \"%b\"]"},
    {"PoTimeAxis", "timesPeriod", "\"2 h\""},
    {"PoTimeAxis", "dateFormatMapping", "%Hh"},
    {"PoPolarLinAxis", "offset", "0.05"},
    {"PoPolarLinAxis", "startRadius", "0.3"},
    {"PoPolarLinAxis", "endRadius", "0.6"},
    {"PoPolarLinAxis", "theta", "1"},
    {"PoPolarLinAxis", "multFactorPosition", "START", "offset 10000"},
    {"PoPolarLinAxis", "multFactorDistAxis", "0.3", "offset 10000"},
    {"PoPolarLinAxis", "step", "0.25"},
    {"PoPolarLinAxis", "gradFit", "UNFIT", "startRadius 0.05; step 0.2"},
    {"PoPolarLinAxis", "format", "FIXED, 3 digits"},
    {"PoPolarLogAxis", "decadeList", "[3]", "decadeListDef NON_AUTO; decadeRep DIGIT"},
    {"PoPolarLogAxis", "decadeListDef", "NON_AUTO", "decadeList [3]"},
    {"PoPolarLogAxis", "tenPowerRep", "DECIMAL"},
    {"PoPolarLogAxis", "decadeRep", "DIGIT"},
    {"PoPolarLogAxis", "decadeFontName", "\"DejaVu Serif\"", "decadeRep DIGIT"},
    {"PoPolarLogAxis", "decadeFontSize", "0.08", "decadeRep DIGIT"},
    {"PoAngularAxis", "offset", "0.3", "radius 0.8", "0.5 0.5 0"},
    {"PoAngularAxis", "startAngle", "1", "radius 0.8", "0.5 0.5 0"},
    {"PoAngularAxis", "endAngle", "3", "radius 0.8", "0.5 0.5 0"},
    {"PoAngularAxis", "radius", "0.6", "radius 0.8", "0.5 0.5 0"},
    {"PoAngularAxis", "angleStep", "0.5", "radius 0.8", "0.5 0.5 0"},
    {"PoAngularAxis", "gradFit", "UNFIT", "radius 0.8; startAngle 0.1; angleStep 0.5236",
     "0.5 0.5 0"},
};

TEST_F(PoAxisDrawingTest, everyFieldChangesThePictureAndSettingItBackRestoresIt) {
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(testing::PrintToString(c));
    NodeRef<SoNode> axis = createNode(c.type);
    applySettings(axis.get(), kLegible);
    applySettings(axis.get(), c.setup);
    NodeRef<SoSeparator> scene = shifted(axis.get(), c.shift);
    const std::vector<unsigned char> before = plotPicture(scene.get());
    ASSERT_FALSE(before.empty());

    SoField* field = axis->getField(c.field);
    SbString old;
    if (field) {
      field->get(old);
      ASSERT_TRUE(field->set(c.value));
    } else {
      setAttribute(axis.get(), c.field, true);
    }
    EXPECT_NE(plotPicture(scene.get()), before) << "the new value shows";
    if (field)
      field->set(old.getString());
    else
      setAttribute(axis.get(), c.field, false);
    EXPECT_EQ(plotPicture(scene.get()), before) << "the old value draws the same picture";
  }
}

// Everything DEPEND stands for but the graduations' side and the title's path.
std::string resolved(const char* gradPosition, const char* titlePath) {
  return std::string(
             "gradVisibility ON; gradPath RIGHT; titleVisibility ON; titlePosition MIDDLE;"
             " gridVisibility OFF; arrowVisibility OFF; tickVisibility ON;"
             " reverseFlag NO_REVERSE; gradPosition ") +
         gradPosition + "; titlePath " + titlePath;
}

TEST_F(PoAxisDrawingTest, dependDrawsWhatTheAxisOrientationMakesNatural) {
  struct DependCase {
    const char* type;
    const char* setup;
    std::string resolved;
    const char* shift = "0 0 0";
  };
  const DependCase cases[] = {
      {"PoLinearAxis", "", resolved("BELOW", "RIGHT")},
      {"PoLinearAxis", "type YX", resolved("BELOW", "UP")},
      {"PoTimeAxis", "type Y", resolved("BELOW", "UP")},
      {"PoLogAxis", "end 2", resolved("BELOW", "RIGHT") + "; tenPowerRep POWER_10; decadeRep NONE"},
      {"PoPolarLinAxis", "theta 0.5", resolved("BELOW", "RIGHT")},
      {"PoAngularAxis", "radius 0.8", resolved("ABOVE", "RIGHT"), "0.5 0.5 0"},
  };
  for (const DependCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.setup);
    std::vector<unsigned char> pictures[2];
    for (int explicitly = 0; explicitly < 2; ++explicitly) {
      NodeRef<SoNode> axis = createNode(c.type);
      applySettings(axis.get(), kLegible);
      applySettings(axis.get(), c.setup);
      if (explicitly) applySettings(axis.get(), c.resolved);
      pictures[explicitly] = plotPicture(shifted(axis.get(), c.shift).get());
    }
    ASSERT_FALSE(pictures[0].empty());
    EXPECT_EQ(pictures[0], pictures[1]);
  }
}

bool isBlank(const std::vector<unsigned char>& picture) {
  return std::all_of(picture.begin(), picture.end(), [](unsigned char c) { return c == 255; });
}

TEST_F(PoAxisDrawingTest, oddValuesFinishWithASanePicture) {
  // A step that would make 10,000 graduations, and sub-ticks by the thousand.
  NodeRef<SoNode> dense = createNode("PoLinearAxis");
  applySettings(dense.get(), "end 10000; step 1; tickNumOrPeriod 65535");
  EXPECT_LE(textsOf(static_cast<PoBase*>(dense.get())).size(), 1000u + 1);
  EXPECT_FALSE(isBlank(plotPicture(dense.get())));

  // A title of a megabyte is one text, drawn.
  NodeRef<SoNode> titled = createNode("PoLinearAxis");
  static_cast<PoAxis*>(titled.get())->titleString = std::string(1 << 20, 'W');
  const std::vector<std::string> texts = textsOf(static_cast<PoBase*>(titled.get()));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string(1 << 20, 'W')), 1);
  EXPECT_FALSE(isBlank(plotPicture(titled.get())));

  // An end that is no number draws nothing.
  NodeRef<SoNode> lost = createNode("PoLinearAxis");
  applySettings(lost.get(), "titleString \"T\"");
  static_cast<PoLinearAxis*>(lost.get())->end = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(isBlank(plotPicture(lost.get())));

  // Sizes and distances out of bounds, dates that do not exist, periods too
  // short: the picture still comes, the line in it.
  const char* odd[][2] = {
      {"PoLinearAxis",
       "gradFontSize 1e30; tickMainLength 3e38; marginEnd 1e30; titleDistAxis -1e30"},
      {"PoLinearAxis",
       "arrowVisibility ON; arrowLength 1e30; gridVisibility ON; gradDistAxis -3e38"},
      {"PoLogAxis", "start -3e38 0 0; end 3e38; decadeRep DECIMAL"},
      {"PoTimeAxis", "startDate \"31-02-70\""},
      {"PoTimeAxis", "startDate \"1-01-01\"; endDate \"31-12-9999\"; timesPeriod \"1 s\""},
      {"PoAngularAxis", "endAngle 1e30; angleStep 1e-30"},
  };
  for (const auto& [type, settings] : odd) {
    SCOPED_TRACE(settings);
    NodeRef<SoNode> axis = createNode(type);
    applySettings(axis.get(), settings);
    const std::vector<unsigned char> picture = plotPicture(axis.get());
    ASSERT_FALSE(picture.empty());
  }
}

}  // namespace
