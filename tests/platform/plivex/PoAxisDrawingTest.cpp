// SPDX-License-Identifier: Apache-2.0
// What the axes draw, seen in pictures: every field shows, DEPEND draws what
// it stands for, and odd values still draw a sane picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "AxisTestSupport.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoTimeAxis.h"

namespace {

using PoAxisDrawingTest = PlivexTest;

// Large enough texts to tell fonts apart, and a title.
constexpr const char* kLegible = "gradFontSize 0.07; titleFontSize 0.08; titleString \"Title\"";

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

// Every field and attribute object, set to a value that must show (an
// attribute's "value" only names what setAttribute sets).
constexpr std::string_view kFieldChanges = R"(
PoLinearAxis:
  gradVisibility OFF
  gradPosition ABOVE
  gradPath UP
  gradFontName "DejaVu Serif"
  gradFontSize 0.12
  gradDistAxis 0.2
  gradStringVisibility TRUE      | gradString "cm"
  gradString "cm"                | gradStringVisibility TRUE
  marginType FIXED               | end 0.5; marginEnd 0.4
  marginStart 0.2
  marginEnd 0.2
  titleVisibility OFF
  titlePosition END
  titlePath UP
  titleFontName "DejaVu Serif"
  titleFontSize 0.12
  titleDistAxis 0.4
  titleString "Other"
  gridVisibility ON
  gridLengthGradSide 0.3         | gridVisibility ON
  gridLengthGradOtherSide 0.5    | gridVisibility ON
  arrowVisibility ON
  arrowHeight 0.1                | arrowVisibility ON
  arrowLength 0.2                | arrowVisibility ON
  tickVisibility OFF
  tickPosition ACROSS_AXIS
  tickMainLength 0.1
  tickSubLength 0.05
  tickSubDef PERIOD_MAIN         | tickNumOrPeriod 2
  tickNumOrPeriod 3
  tickFirstGrad 3
  tickLastGrad 3
  reverseFlag REVERSE
  miscTextAttr font DejaVu Serif | gradFontName ""
  start 0.2 0.3 0
  end 0.6
  type YX
  step 0.25
  gradFit UNFIT                  | start 0.05 0 0; step 0.2
  multFactorPosition START       | end 0.005
  multFactorDistAxis 0.3         | end 0.005
  format FIXED, 3 digits
PoLogAxis PoPolarLogAxis:
  decadeList [3]                 | decadeListDef NON_AUTO; decadeRep DIGIT
  decadeListDef NON_AUTO         | decadeList [3]
  tenPowerRep DECIMAL
  decadeRep DIGIT
  decadeFontName "DejaVu Serif"  | decadeRep DIGIT
  decadeFontSize 0.08            | decadeRep DIGIT
PoLogAxis:
  multFactorPosition START       | start 5 0 0; end 6; tenPowerRep DECIMAL | -5 0 0
  multFactorDistAxis 0.3         | start 5 0 0; end 6; tenPowerRep DECIMAL | -5 0 0
PoGenAxis:
  gradList ["a", "b", "c"]       | gradList ["x", "y"]
PoTimeAxis:
  startDate "1-06-70"            | endDate "1-01-71"
  endDate "1-01-71"
  coordinate 0.5
  type Y
  language FRANCAIS              | endDate "1-01-71"; timesPeriod "3 months"
  gradFit UNFIT                  | startDate "1-01-70 01:30"
  gradRep ["%d", "%b"]
  timesPeriod "2 h"
  dateFormatMapping %Hh
PoPolarLinAxis:
  offset 0.05
  startRadius 0.3
  endRadius 0.6
  theta 1
  multFactorPosition START       | offset 10000
  multFactorDistAxis 0.3         | offset 10000
  step 0.25
  gradFit UNFIT                  | startRadius 0.05; step 0.2
  format FIXED, 3 digits
PoAngularAxis:
  offset 0.3                     | radius 0.8 | 0.5 0.5 0
  startAngle 1                   | radius 0.8 | 0.5 0.5 0
  endAngle 3                     | radius 0.8 | 0.5 0.5 0
  radius 0.6                     | radius 0.8 | 0.5 0.5 0
  angleStep 0.5                  | radius 0.8 | 0.5 0.5 0
  gradFit UNFIT                  | radius 0.8; startAngle 0.1; angleStep 0.5236 | 0.5 0.5 0
)";

TEST_F(PoAxisDrawingTest, everyFieldChangesThePictureAndSettingItBackRestoresIt) {
  for (const FieldChange& c : fieldChanges(kFieldChanges)) {
    SCOPED_TRACE(testing::PrintToString(c));
    SoRef<SoNode> axis = createNode(c.type.c_str());
    applySettings(axis.get(), kLegible);
    applySettings(axis.get(), c.setup);
    SoRef<SoSeparator> scene = shifted(axis.get(), c.shift.c_str());
    if (axis->getField(c.field.c_str()))
      expectFieldChangeShows(scene.get(), axis.get(), c);
    else
      expectChangeShowsAndUndoes(scene.get(), 200,
                                 [&](bool showing) { setAttribute(axis.get(), c.field, showing); });
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
      SoRef<SoNode> axis = createNode(c.type);
      applySettings(axis.get(), kLegible);
      applySettings(axis.get(), c.setup);
      if (explicitly) applySettings(axis.get(), c.resolved);
      pictures[explicitly] = plotPicture(shifted(axis.get(), c.shift).get());
    }
    ASSERT_FALSE(pictures[0].empty());
    EXPECT_EQ(pictures[0], pictures[1]);
  }
}

TEST_F(PoAxisDrawingTest, oddValuesFinishWithASanePicture) {
  // A step that would make 10,000 graduations, and sub-ticks by the thousand.
  SoRef<SoNode> dense = createNode("PoLinearAxis");
  applySettings(dense.get(), "end 10000; step 1; tickNumOrPeriod 65535");
  EXPECT_LE(textsOf(static_cast<PoBase*>(dense.get())).size(), 1000u + 1);
  EXPECT_FALSE(isBlank(plotPicture(dense.get())));

  // A title of a megabyte is one text, drawn.
  SoRef<SoNode> titled = createNode("PoLinearAxis");
  static_cast<PoAxis*>(titled.get())->titleString = std::string(1 << 20, 'W');
  const std::vector<std::string> texts = textsOf(static_cast<PoBase*>(titled.get()));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string(1 << 20, 'W')), 1);
  EXPECT_FALSE(isBlank(plotPicture(titled.get())));

  // An end that is no number draws nothing.
  SoRef<SoNode> lost = createNode("PoLinearAxis");
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
    SoRef<SoNode> axis = createNode(type);
    applySettings(axis.get(), settings);
    const std::vector<unsigned char> picture = plotPicture(axis.get());
    ASSERT_FALSE(picture.empty());
  }
}

}  // namespace
