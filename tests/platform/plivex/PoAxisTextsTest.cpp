// SPDX-License-Identifier: Apache-2.0
// The texts the axes write: numbers, powers of ten, angles and dates, in any
// locale.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AxisTestSupport.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "support/CommaLocale.h"

namespace {

using PoAxisTextsTest = PlivexTest;
using Texts = std::vector<std::string>;

struct TextCase {
  const char* type;
  const char* settings;
  Texts texts;  // in drawing order: graduations, their sub graduations, the factor
};

const TextCase kTextCases[] = {
    {"PoLinearAxis", "", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
    {"PoLinearAxis",
     "start -0.5 0 0; end 0.5; gradFit UNFIT; step 0.3",
     {"-0.5", "-0.2", "0.1", "0.4"}},
    {"PoLinearAxis", "start 0.05 0 0; end 0.5; step 0.2", {"0.2", "0.4"}},
    {"PoLinearAxis",
     "end 0.005; step 0.001; multFactorPosition GRAD",
     {"0", "1", "2", "3", "4", "5×10⁻³"}},
    {"PoLinearAxis",
     "end 30000; step 10000; gradStringVisibility TRUE; gradString \" m\"",
     {"0 m", "1 m", "2 m", "3 m", "×10⁴"}},
    {"PoLogAxis", "end 3", {"10⁰", "10¹", "10²", "10³"}},
    {"PoLogAxis", "start -2 0 0; end 0; tenPowerRep DECIMAL", {"0.01", "0.1", "1"}},
    {"PoLogAxis", "start 5 0 0; end 7; tenPowerRep DECIMAL", {"1", "10", "100", "×10⁵"}},
    {"PoLogAxis",
     "start 1 0 0; end 2; decadeRep AS_TEN_POWER; decadeListDef NON_AUTO; decadeList [5, 2, 1]",
     {"10¹", "10²", "2×10¹", "5×10¹"}},
    {"PoLogAxis",
     "start 1 0 0; end 2; decadeRep DECIMAL; decadeListDef NON_AUTO; decadeList [5]",
     {"10¹", "10²", "50"}},
    {"PoPolarLogAxis",
     "offset -1; endRadius 2; decadeRep DIGIT; decadeListDef NON_AUTO; decadeList [3]",
     {"10⁻¹", "10⁰", "10¹", "3", "3"}},
    {"PoPolarLinAxis", "offset 1; step 0.5", {"1", "1.5", "2"}},
    {"PoAngularAxis", "angleStep 1.5707964", {"0°", "90°", "180°", "270°"}},
    {"PoAngularAxis", "offset -1.5707964; angleStep 1.5707964", {"270°", "0°", "90°", "180°"}},
    {"PoGenAxis", "gradList [\"low\", \"high\"]; titleString \"T\"", {"low", "high", "T"}},
    {"PoTimeAxis", "endDate \"1-01-71\"", {"Jan 1970", "Jul 1970", "Jan 1971"}},
    {"PoTimeAxis",
     "endDate \"1-01-71\"; gradFontSize 0.02",
     {"Jan 1970", "Mar 1970", "May 1970", "Jul 1970", "Sep 1970", "Nov 1970", "Jan 1971"}},
    {"PoTimeAxis",
     "endDate \"1-01-71\"; type Y",
     {"Jan 1970", "Mar 1970", "May 1970", "Jul 1970", "Sep 1970", "Nov 1970", "Jan 1971"}},
    {"PoTimeAxis",
     "endDate \"1-01-71\"; language DEUTCH; timesPeriod \"3 months\"",
     {"Jan. 1970", "Apr. 1970", "Juli 1970", "Okt. 1970", "Jan. 1971"}},
    {"PoTimeAxis",
     "endDate \"7-01-70\"; gradRep [\"%a %d/%m/%y\"]; language ESPANOL; gradFontSize 0.01",
     {"jue. 01/01/70", "vie. 02/01/70", "sáb. 03/01/70", "dom. 04/01/70", "lun. 05/01/70",
      "mar. 06/01/70", "mié. 07/01/70"}},
    {"PoTimeAxis",
     "startDate \"31-12-99 22:00\"; endDate \"1-01-00 01:00\"; timesPeriod \"1 h\";"
     " gradRep [\"%H:%M\", \"%A\"]",
     {"22:00", "Friday", "23:00", "Friday", "00:00", "Saturday", "01:00", "Saturday"}},
    {"PoTimeAxis",
     "startDate \"31-01-70\"; endDate \"1-05-70\"; gradFit UNFIT; timesPeriod \"month\";"
     " gradRep [\"%d %b\"]; language FRANCAIS",
     {"31 janv.", "28 févr.", "31 mars", "30 avr."}},
    {"PoTimeAxis",
     "endDate \"29/01/1970\"; timesPeriod \"1 week\"; gradRep [\"%a %d\"]",
     {"Mon 05", "Mon 12", "Mon 19", "Mon 26"}},
    {"PoTimeAxis", "startDate \"30-02-70\"", {}},
    {"PoTimeAxis", "endDate \"2-01-70 24:00\"", {}},
};

TEST_F(PoAxisTextsTest, axesWriteTheirGraduationsAsTheirFieldsSay) {
  for (const TextCase& c : kTextCases) {
    SCOPED_TRACE(std::string(c.type) + ": " + c.settings);
    SoRef<SoNode> axis = createNode(c.type);
    applySettings(axis.get(), c.settings);
    EXPECT_EQ(textsOf(static_cast<PoBase*>(axis.get())), c.texts);
  }
}

TEST_F(PoAxisTextsTest, formatsAndMappingsWriteWhateverTheLocale) {
  const CommaLocale comma;
  SoRef<PoLinearAxis> linear(new PoLinearAxis);
  linear->step = 0.25f;
  EXPECT_EQ(textsOf(linear.get()), (Texts{"0", "0.25", "0.5", "0.75", "1"}));
  PbNumericDisplayFormat format;
  format.setType(PbNumericDisplayFormat::Type::FIXED);
  format.setNumDigits(3);
  format.setDecimalSeparator(',');
  linear->setFormat(&format);
  linear->step = 0.5f;
  EXPECT_EQ(textsOf(linear.get()), (Texts{"0,000", "0,500", "1,000"}));
  format.setType(PbNumericDisplayFormat::Type::SCIENTIFIC);
  format.setNumDigits(1);
  format.setDecimalSeparator('.');
  linear->setFormat(&format);
  EXPECT_EQ(textsOf(linear.get()), (Texts{"0.0e+00", "5.0e-01", "1.0e+00"}));

  // The format of the smallest interval not below the period, else the largest's.
  SoRef<PoTimeAxis> time(new PoTimeAxis);
  time->endDate = "1-01-71";
  PbDateFormatMapping mapping;
  mapping.addMapping(86400, "%d");
  mapping.addMapping(86400 * 40, "%B");
  time->setDateFormatMapping(&mapping);
  EXPECT_EQ(textsOf(time.get()), (Texts{"January", "April", "July", "October", "January"}));
  time->endDate = "2-01-70";
  EXPECT_EQ(textsOf(time.get()), (Texts{"01", "01", "01", "01", "01", "01", "01", "01", "02"}));
}

}  // namespace
