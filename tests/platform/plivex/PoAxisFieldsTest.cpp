// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoAxis.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "PlivexTestSupport.h"
#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoLogAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoPolarLogAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "platform/scenar/basic/SbName.h"
#include "platform/scenar/basic/SbString.h"
#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/fields/SoSFields.h"

namespace {

using Names = std::vector<std::string>;

// "name type" of every field of node, in the order of its field data.
Names fieldsOf(const SoNode* node) {
  Names names;
  const SoFieldData* data = node->getFieldData();
  for (int i = 0; i < data->getNumFields(); ++i)
    names.push_back(std::string(data->getFieldName(i).getString()) + " " +
                    data->getField(node, i)->getTypeName());
  return names;
}

Names operator+(Names a, const Names& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Names kAxisFields = {
    "gradVisibility SFEnum",       "gradPosition SFEnum",        "gradPath SFEnum",
    "gradFontName SFString",       "gradFontSize SFFloat",       "gradDistAxis SFFloat",
    "gradStringVisibility SFBool", "gradString SFString",        "marginType SFEnum",
    "marginStart SFFloat",         "marginEnd SFFloat",          "titleVisibility SFEnum",
    "titlePosition SFEnum",        "titlePath SFEnum",           "titleFontName SFString",
    "titleFontSize SFFloat",       "titleDistAxis SFFloat",      "titleString SFString",
    "gridVisibility SFEnum",       "gridLengthGradSide SFFloat", "gridLengthGradOtherSide SFFloat",
    "arrowVisibility SFEnum",      "arrowHeight SFFloat",        "arrowLength SFFloat",
    "tickVisibility SFEnum",       "tickPosition SFEnum",        "tickMainLength SFFloat",
    "tickSubLength SFFloat",       "tickSubDef SFEnum",          "tickNumOrPeriod SFUShort",
    "tickFirstGrad SFUShort",      "tickLastGrad SFUShort",      "reverseFlag SFEnum"};
const Names kCartesianFields = {"start SFVec3f", "end SFFloat", "type SFEnum"};
const Names kPolarFields = {
    "offset SFFloat", "startRadius SFFloat",       "endRadius SFFloat",
    "theta SFFloat",  "multFactorPosition SFEnum", "multFactorDistAxis SFFloat"};
const Names kDecadeFields = {"decadeList MFUShort",     "decadeListDef SFEnum",
                             "tenPowerRep SFEnum",      "decadeRep SFEnum",
                             "decadeFontName SFString", "decadeFontSize SFFloat"};
const Names kMultFactorFields = {"multFactorPosition SFEnum", "multFactorDistAxis SFFloat"};

using PoAxisFieldsTest = PlivexTest;

TEST_F(PoAxisFieldsTest, everyClassDeclaresItsFieldsAfterItsParentsInOrder) {
  const struct {
    const char* type;
    Names fields;
  } kClasses[] = {
      {"PoLinearAxis", kAxisFields + kCartesianFields + Names{"step SFFloat", "gradFit SFEnum"} +
                           kMultFactorFields},
      {"PoLogAxis", kAxisFields + kCartesianFields + kDecadeFields + kMultFactorFields},
      {"PoGenAxis", kAxisFields + kCartesianFields + Names{"gradList MFString"}},
      {"PoTimeAxis",
       kAxisFields + Names{"startDate SFString", "endDate SFString", "coordinate SFFloat",
                           "type SFEnum", "language SFEnum", "gradFit SFEnum", "gradRep MFString",
                           "timesPeriod SFString"}},
      {"PoPolarLinAxis", kAxisFields + kPolarFields + Names{"step SFFloat", "gradFit SFEnum"}},
      {"PoPolarLogAxis", kAxisFields + kPolarFields + kDecadeFields},
      {"PoAngularAxis",
       kAxisFields + Names{"offset SFFloat", "startAngle SFFloat", "endAngle SFFloat",
                           "radius SFFloat", "angleStep SFFloat", "gradFit SFEnum"}},
  };
  for (const auto& c : kClasses) {
    SoRef<SoNode> node = createNode(c.type);
    EXPECT_EQ(fieldsOf(node.get()), c.fields) << c.type;
  }
}

// The checks below run over every field of every concrete class.
class PoNodeEveryFieldTest : public PlivexTest,
                             public ::testing::WithParamInterface<std::string> {};

INSTANTIATE_TEST_SUITE_P(AllAxes, PoNodeEveryFieldTest, ::testing::ValuesIn(kConcreteAxisTypes),
                         [](const auto& info) { return info.param; });
INSTANTIATE_TEST_SUITE_P(AllLegends, PoNodeEveryFieldTest,
                         ::testing::Values(std::string("PoItemLegend"),
                                           std::string("PoLinearValueLegend"),
                                           std::string("PoNonLinearValueLegend1"),
                                           std::string("PoNonLinearValueLegend2")),
                         [](const auto& info) { return info.param; });

TEST_P(PoNodeEveryFieldTest, newNodeHoldsOnlyDefaults) {
  SoRef<SoNode> node = createNode(GetParam().c_str());
  SbString written;
  node->get(written);
  EXPECT_EQ(written, "");
}

TEST_P(PoNodeEveryFieldTest, enumFieldsNameEveryValueFromZeroAndStartAtANamedOne) {
  SoRef<SoNode> node = createNode(GetParam().c_str());
  std::vector<SoField*> fields;
  node->getFields(fields);
  for (SoField* field : fields) {
    auto* e = dynamic_cast<SoSFEnum*>(field);
    if (!e) continue;
    SbName name;
    node->getFieldName(field, name);
    SCOPED_TRACE(name.getString());
    ASSERT_GT(e->getNumEnums(), 1);
    for (int i = 0; i < e->getNumEnums(); ++i) EXPECT_EQ(e->getEnums()[i].value, i);
    EXPECT_GE(e->getValue(), 0);
    EXPECT_LT(e->getValue(), e->getNumEnums());
  }
}

TEST_P(PoNodeEveryFieldTest, changingAnyFieldFiresASensorWithThatField) {
  SoRef<SoNode> node = createNode(GetParam().c_str());
  SensorLog log;
  SoNodeSensor sensor(&SensorLog::fired, &log);
  sensor.attach(node.get());
  std::vector<SoField*> fields;
  node->getFields(fields);
  for (SoField* field : fields) {
    field->touch();
    EXPECT_EQ(log.lastField, field);
  }
  EXPECT_EQ(log.count, static_cast<int>(fields.size()));
  sensor.detach();
  ASSERT_FALSE(fields.empty());
  fields.front()->touch();
  EXPECT_EQ(log.count, static_cast<int>(fields.size()));
}

// An enumerated field written by name and by number.
struct EnumCase {
  const char* type;
  const char* field;
  const char* name;
  int value;
};

// node type, field, value name, value
const EnumCase kEnumCases[] = {
    {"PoLinearAxis", "gradVisibility", "ON", 1},
    {"PoLinearAxis", "gradPosition", "BELOW", 1},
    {"PoLinearAxis", "gradPath", "DOWN", 3},
    {"PoLinearAxis", "marginType", "FIXED", 1},
    {"PoLinearAxis", "titlePosition", "END", 1},
    {"PoLinearAxis", "titlePath", "UP", 2},
    {"PoLinearAxis", "tickPosition", "ACROSS_AXIS", 2},
    {"PoLinearAxis", "tickSubDef", "PERIOD_MAIN", 1},
    {"PoLinearAxis", "reverseFlag", "NO_REVERSE", 0},
    {"PoLinearAxis", "type", "ZX", 4},
    {"PoLinearAxis", "gradFit", "UNFIT", 1},
    {"PoLinearAxis", "multFactorPosition", "EXTR", 2},
    {"PoLogAxis", "decadeListDef", "NON_AUTO", 1},
    {"PoLogAxis", "tenPowerRep", "POWER_10", 0},
    {"PoLogAxis", "tenPowerRep", "DEPEND", 2},
    {"PoLogAxis", "decadeRep", "AS_TEN_POWER", 1},
    {"PoLogAxis", "decadeRep", "DEPEND", 4},
    {"PoTimeAxis", "type", "Y", 1},
    {"PoTimeAxis", "language", "DEUTCH", 2},
    {"PoPolarLogAxis", "decadeRep", "DIGIT", 3},
    {"PoPolarLinAxis", "multFactorPosition", "GRAD", 3},
    {"PoAngularAxis", "gradFit", "UNFIT", 1},
};

void PrintTo(const EnumCase& c, std::ostream* out) {
  *out << c.type << "." << c.field << " " << c.name << " = " << c.value;
}

class PoAxisEnumTest : public PlivexTest, public ::testing::WithParamInterface<EnumCase> {};

INSTANTIATE_TEST_SUITE_P(Values, PoAxisEnumTest, ::testing::ValuesIn(kEnumCases),
                         [](const auto& info) {
                           return std::string(info.param.type) + "_" + info.param.field + "_" +
                                  info.param.name;
                         });

TEST_P(PoAxisEnumTest, readsAndWritesNamesAndNumbers) {
  const EnumCase& c = GetParam();
  SoRef<SoNode> node = createNode(c.type);
  auto* field = dynamic_cast<SoSFEnum*>(node->getField(c.field));
  ASSERT_NE(field, nullptr);

  ASSERT_TRUE(field->set(c.name));
  EXPECT_EQ(field->getValue(), c.value);
  SbString text;
  field->get(text);
  EXPECT_EQ(text, c.name);

  field->setValue(c.value == 0 ? 1 : 0);
  ASSERT_TRUE(node->set((std::string(c.field) + " " + std::to_string(c.value)).c_str()));
  EXPECT_EQ(field->getValue(), c.value);
  node->get(text);
  EXPECT_NE(text.str().find(std::string(c.field) + " " + c.name + "\n"), std::string::npos)
      << text.getString();
}

using PoAxisEnumErrorTest = PlivexTest;

TEST_F(PoAxisEnumErrorTest, rejectsNamesOfOtherFieldsAndKeepsTheValue) {
  SoRef<SoNode> node = createNode("PoLogAxis");
  auto* reverseFlag = static_cast<SoSFEnum*>(node->getField("reverseFlag"));
  auto* decadeRep = static_cast<SoSFEnum*>(node->getField("decadeRep"));
  reverseFlag->setValue(0);

  SbString error;
  EXPECT_FALSE(reverseFlag->set("ON", &error));
  EXPECT_EQ(error, "'ON' is not a value of this field");
  EXPECT_EQ(reverseFlag->getValue(), 0);

  EXPECT_FALSE(node->set("decadeRep POWER_10", &error));
  EXPECT_EQ(error, "field 'decadeRep': 'POWER_10' is not a value of this field");
  EXPECT_EQ(decadeRep->getValue(), 4);
}

}  // namespace
