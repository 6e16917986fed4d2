// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoField.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/fields/SoFieldContainer.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"

namespace {

// A container that records the fields it hears of.
class Recorder : public SoFieldContainer {
 public:
  Recorder() { SoDB::init(); }
  ~Recorder() override = default;
  SoType getTypeId() const override { return SoFieldContainer::getClassTypeId(); }
  void notify(SoField* field) override { notified.push_back(field); }
  std::vector<SoField*> notified;
};

std::string textOf(const SoField& field) {
  SbString text;
  field.get(text);
  return text.str();
}

// Writes field, reads the text into a fresh field of its class and checks both
// hold the same value. Returns the text.
template <typename Field>
std::string roundTrip(const Field& field) {
  std::string text = textOf(field);
  Field back;
  SbString error;
  EXPECT_TRUE(back.set(text.c_str(), &error)) << text << ": " << error.str();
  EXPECT_TRUE(back.isSame(field)) << text;
  return text;
}

// Sets text and expects it to be refused with a message, the field untouched.
template <typename Field>
void expectRefused(Field& field, const char* text) {
  Recorder container;
  field.setContainer(&container);
  std::string before = textOf(field);
  SbBool wasDefault = field.isDefault();
  SbString error;
  EXPECT_FALSE(field.set(text, &error)) << '"' << text << '"';
  EXPECT_FALSE(error.isEmpty()) << '"' << text << '"';
  EXPECT_EQ(textOf(field), before) << '"' << text << '"';
  EXPECT_EQ(field.isDefault(), wasDefault) << '"' << text << '"';
  EXPECT_TRUE(container.notified.empty()) << '"' << text << '"';
  EXPECT_FALSE(field.set(text)) << "without an error text: \"" << text << '"';
  field.setContainer(nullptr);
}

const SoEnumEntry kAlignments[] = {{"LEFT", 0}, {"RIGHT", 1}, {"CENTER", 2}};

}  // namespace

TEST(SoFieldTextTest, floatsRoundTripExactly) {
  SoSFFloat field;
  for (float value :
       {0.1f, 1.0f / 3.0f, -2.5f, 1e-45f, FLT_MIN, FLT_MAX, -FLT_MAX, 16777216.0f, 3.14159265f}) {
    field.setValue(value);
    std::string text = roundTrip(field);
    SoSFFloat back;
    back.set(text.c_str());
    EXPECT_EQ(back.getValue(), value) << text;
  }
  ASSERT_TRUE(field.set(" 2.5 # a comment"));
  EXPECT_EQ(field.getValue(), 2.5f);
  ASSERT_TRUE(field.set("+4"));
  EXPECT_EQ(field.getValue(), 4.0f);
  ASSERT_TRUE(field.set(".5"));
  EXPECT_EQ(field.getValue(), 0.5f);
}

TEST(SoFieldTextTest, everyFiniteFloatPatternRoundTrips) {
  std::mt19937 random(12345);
  SoSFFloat field;
  for (int i = 0; i < 200000; ++i) {
    std::uint32_t bits = random();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    field.setValue(value);
    std::string text = textOf(field);
    SoSFFloat back;
    ASSERT_TRUE(back.set(text.c_str())) << text;
    std::uint32_t backBits;
    std::memcpy(&backBits, &back.getValue(), sizeof backBits);
    ASSERT_EQ(backBits, bits) << text;
  }
}

TEST(SoFieldTextTest, nonFiniteFloatsWriteAsFiniteNumbersThatRead) {
  SoMFFloat field;
  const float values[] = {INFINITY, -INFINITY, NAN};
  field.setValues(0, 3, values);
  const std::string text = textOf(field);
  EXPECT_EQ(text, "[3.4028235e+38, -3.4028235e+38, 0]");
  SoMFFloat back;
  ASSERT_TRUE(back.set(text.c_str())) << text;
  EXPECT_EQ(back[0], FLT_MAX);
  EXPECT_EQ(back[1], -FLT_MAX);
  SoSFVec3f vector;
  vector.setValue(SbVec3f(NAN, -INFINITY, 1));
  EXPECT_EQ(textOf(vector), "0 -3.4028235e+38 1");
}

TEST(SoFieldTextTest, integersReadDecimalAndHexWithinRange) {
  SoSFInt32 int32;
  ASSERT_TRUE(int32.set("-2147483648"));
  EXPECT_EQ(int32.getValue(), INT32_MIN);
  EXPECT_EQ(roundTrip(int32), "-2147483648");
  ASSERT_TRUE(int32.set("0x1F"));
  EXPECT_EQ(int32.getValue(), 31);
  ASSERT_TRUE(int32.set("-0x10"));
  EXPECT_EQ(int32.getValue(), -16);
  ASSERT_TRUE(int32.set("2147483647"));
  EXPECT_EQ(int32.getValue(), INT32_MAX);

  SoSFUShort ushort;
  ASSERT_TRUE(ushort.set("65535"));
  EXPECT_EQ(ushort.getValue(), 65535);
  EXPECT_EQ(roundTrip(ushort), "65535");
  ASSERT_TRUE(ushort.set("-0"));
  EXPECT_EQ(ushort.getValue(), 0);
}

TEST(SoFieldTextTest, boolsReadWordsAndDigits) {
  SoSFBool field;
  ASSERT_TRUE(field.set("TRUE"));
  EXPECT_TRUE(field.getValue());
  EXPECT_EQ(roundTrip(field), "TRUE");
  ASSERT_TRUE(field.set("0"));
  EXPECT_FALSE(field.getValue());
  EXPECT_EQ(roundTrip(field), "FALSE");
  ASSERT_TRUE(field.set("1"));
  EXPECT_TRUE(field.getValue());
  ASSERT_TRUE(field.set("FALSE"));
  EXPECT_FALSE(field.getValue());
}

TEST(SoFieldTextTest, stringsKeepQuotesAndBackslashes) {
  SoSFString field;
  for (const char* value : {"", "plain", "say \"hi\"", "back\\slash", "ends with \\", "\\\"",
                            "two\nlines", "# not a comment", "[1, 2]"}) {
    field.setValue(value);
    roundTrip(field);
  }
  field.setValue("a\"b\\c");
  EXPECT_EQ(textOf(field), "\"a\\\"b\\\\c\"");
  ASSERT_TRUE(field.set("word"));
  EXPECT_EQ(field.getValue(), "word");
  ASSERT_TRUE(field.set("\"a\\nb\""));  // only \" and \\ are escapes
  EXPECT_EQ(field.getValue(), "a\\nb");
}

TEST(SoFieldTextTest, vectorsAndColorsReadComponents) {
  SoSFVec2f vec2;
  ASSERT_TRUE(vec2.set("1 -2.5"));
  EXPECT_EQ(vec2.getValue(), SbVec2f(1, -2.5f));
  EXPECT_EQ(roundTrip(vec2), "1 -2.5");

  SoSFVec3f vec3;
  vec3.setValue(0.1f, 1e-45f, FLT_MAX);
  roundTrip(vec3);
  ASSERT_TRUE(vec3.set("1\n2 # comment\n3"));
  EXPECT_EQ(vec3.getValue(), SbVec3f(1, 2, 3));

  SoSFVec4f vec4;
  vec4.setValue(1, 2, 3, 4);
  EXPECT_EQ(roundTrip(vec4), "1 2 3 4");

  SoSFColor color;
  ASSERT_TRUE(color.set("1 0.5 0"));
  EXPECT_EQ(color.getValue(), SbColor(1, 0.5f, 0));
  roundTrip(color);
}

TEST(SoFieldTextTest, rotationsReadBackExactlyFromTheirText) {
  SoSFRotation field;
  EXPECT_EQ(textOf(field), "0 0 1 0");
  ASSERT_TRUE(field.set("0 2 0 1.5"));
  EXPECT_EQ(roundTrip(field), "0 1 0 1.5");
  // an axis far from unit length; an axis and angle whose float texts read back
  // as another rotation in the last bit
  for (const char* text : {"0 1 757.0 1", "1 0 1 0.5", "1e-30 0 1e30 -1e20", "0 0 1 6.2831855",
                           "1 1.1250000055229303e-24 -8.062839160110885e-46 1.5140575409441273"}) {
    ASSERT_TRUE(field.set(text)) << text;
    const std::string written = roundTrip(field);
    SoSFRotation back;
    ASSERT_TRUE(back.set(written.c_str()));
    EXPECT_EQ(textOf(back), written) << text;
  }
  std::mt19937 random(7);
  std::uniform_real_distribution<float> component(-2.0f, 2.0f);
  for (int i = 0; i < 2000; ++i) {
    std::string text;
    for (int c = 0; c < 4; ++c) text += SbString::fromFloatExact(component(random)).str() + " ";
    ASSERT_TRUE(field.set(text.c_str())) << text;
    roundTrip(field);
  }
}

TEST(SoFieldTextTest, enumsReadNamesAndNumbers) {
  SoSFEnum field;
  field.setEnums(kAlignments, 3);
  ASSERT_TRUE(field.set("RIGHT"));
  EXPECT_EQ(field.getValue(), 1);
  EXPECT_EQ(textOf(field), "RIGHT");
  ASSERT_TRUE(field.set("2"));
  EXPECT_EQ(field.getValue(), 2);
  EXPECT_EQ(textOf(field), "CENTER");
  // numbers that are none of the values are refused, the value kept
  SbString error;
  for (const char* number : {"7", "-1", "0x10", "2147483647"}) {
    EXPECT_FALSE(field.set(number, &error)) << number;
    EXPECT_EQ(error,
              std::to_string(std::stoll(number, nullptr, 0)) + " is not a value of this field");
    EXPECT_EQ(field.getValue(), 2);
  }
  // a field that knows no values takes any number
  SoSFEnum open;
  ASSERT_TRUE(open.set("7"));
  EXPECT_EQ(textOf(open), "7");

  SoSFEnum back;
  back.setEnums(kAlignments, 3);
  field = 0;
  ASSERT_TRUE(back.set(textOf(field).c_str()));
  EXPECT_EQ(back.getValue(), 0);

  EXPECT_FALSE(field.set("UP", &error));
  EXPECT_NE(error.str().find("UP"), std::string::npos) << error.str();
  EXPECT_EQ(field.getValue(), 0);
  EXPECT_FALSE(field.set("left"));  // names are case sensitive
}

TEST(SoFieldTextTest, listsReadBracketsOrOneValue) {
  SoMFInt32 ints;
  ASSERT_TRUE(ints.set("[1, 3]"));
  ASSERT_EQ(ints.getNum(), 2);
  EXPECT_EQ(ints[0], 1);
  EXPECT_EQ(ints[1], 3);
  EXPECT_EQ(roundTrip(ints), "[1, 3]");

  ASSERT_TRUE(ints.set("5"));
  ASSERT_EQ(ints.getNum(), 1);
  EXPECT_EQ(ints[0], 5);
  EXPECT_EQ(roundTrip(ints), "5");

  ASSERT_TRUE(ints.set("[]"));
  EXPECT_EQ(ints.getNum(), 0);
  EXPECT_EQ(roundTrip(ints), "[]");

  ASSERT_TRUE(ints.set("[ 1 ,\n 2, # two\n 3, ]"));  // a trailing comma is allowed
  EXPECT_EQ(ints.getNum(), 3);
  EXPECT_EQ(ints[2], 3);
}

TEST(SoFieldTextTest, everyListClassRoundTrips) {
  SoMFFloat floats;
  ASSERT_TRUE(floats.set("[0.1, -1e-45, 3.4028235e+38]"));
  EXPECT_EQ(floats[2], FLT_MAX);
  roundTrip(floats);

  SoMFUShort ushorts;
  ASSERT_TRUE(ushorts.set("[0, 65535]"));
  EXPECT_EQ(roundTrip(ushorts), "[0, 65535]");

  SoMFString strings;
  ASSERT_TRUE(strings.set("[\"a b\", plain, \"q\\\"\"]"));
  ASSERT_EQ(strings.getNum(), 3);
  EXPECT_EQ(strings[0], "a b");
  EXPECT_EQ(strings[1], "plain");
  EXPECT_EQ(strings[2], "q\"");
  roundTrip(strings);

  SoMFVec3f vectors;
  ASSERT_TRUE(vectors.set("[1 2 3, 4 5 6]"));
  ASSERT_EQ(vectors.getNum(), 2);
  EXPECT_EQ(vectors[1], SbVec3f(4, 5, 6));
  EXPECT_EQ(roundTrip(vectors), "[1 2 3, 4 5 6]");

  SoMFColor colors;
  ASSERT_TRUE(colors.set("1 0 0"));
  ASSERT_EQ(colors.getNum(), 1);
  EXPECT_EQ(colors[0], SbColor(1, 0, 0));
  EXPECT_EQ(roundTrip(colors), "1 0 0");
}

TEST(SoFieldTextTest, malformedTextIsRefusedAndLeavesValue) {
  SoSFFloat floatField;
  for (const char* text :
       {"abc", "", "   ", "1 2", "1,5", "1e39", "-1e39", "+-5", "nan", "inf", "\"1\"", "0x10"})
    expectRefused(floatField, text);
  floatField.setValue(7);
  expectRefused(floatField, "abc");

  SoSFUShort ushortField;
  for (const char* text : {"70000", "65536", "-1", "1.5", "0x", "0x10000", "12a"})
    expectRefused(ushortField, text);

  SoSFInt32 intField;
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999", "--1", "+-1"})
    expectRefused(intField, text);

  SoSFBool boolField;
  for (const char* text : {"true", "2", "yes", "TRUE FALSE"}) expectRefused(boolField, text);

  SoSFString stringField;
  stringField.setValue("kept");
  for (const char* text : {"\"open", "two words", "\"a\" \"b\""}) expectRefused(stringField, text);

  SoSFVec3f vectorField;
  for (const char* text : {"1 2", "1 2 3 4", "1 x 3"}) expectRefused(vectorField, text);

  SoMFInt32 listField;
  listField.setValues(0, 2, std::vector<int32_t>{8, 9}.data());
  for (const char* text : {"[1, 2", "[1 2]", "[1, x]", "[1, 2] 3", "1 2", "[", "]", "[,]"})
    expectRefused(listField, text);
  EXPECT_EQ(listField.getNum(), 2);
}

TEST(SoFieldTextTest, errorTellsWhatWasWrong) {
  SoSFFloat field;
  SbString error;
  ASSERT_FALSE(field.set("abc", &error));
  EXPECT_NE(error.str().find("abc"), std::string::npos) << error.str();
  ASSERT_FALSE(field.set("1 2", &error));
  EXPECT_NE(error.str().find("2"), std::string::npos) << error.str();
  SoMFInt32 list;
  ASSERT_FALSE(list.set("[1, 2", &error));
  EXPECT_NE(error.str().find("]"), std::string::npos) << error.str();
}

TEST(SoFieldNotifyTest, changesReachContainerOnlyWhenEnabled) {
  Recorder container;
  SoSFFloat field;
  field.setContainer(&container);

  field.setValue(1);
  ASSERT_TRUE(field.set("2"));
  field.touch();
  EXPECT_EQ(container.notified, (std::vector<SoField*>{&field, &field, &field}));

  container.notified.clear();
  EXPECT_TRUE(field.enableNotify(FALSE));
  field.setValue(3);
  ASSERT_TRUE(field.set("4"));
  EXPECT_TRUE(container.notified.empty());
  EXPECT_EQ(field.getValue(), 4.0f);

  EXPECT_FALSE(field.enableNotify(TRUE));
  field = 5;
  EXPECT_EQ(container.notified.size(), 1u);
}

TEST(SoFieldNotifyTest, listEditsNotify) {
  Recorder container;
  SoMFFloat field;
  field.setContainer(&container);
  const float values[] = {1, 2};
  field.setValues(3, 2, values);  // grows with default values in the gap
  ASSERT_EQ(field.getNum(), 5);
  EXPECT_EQ(field[0], 0.0f);
  EXPECT_EQ(field[4], 2.0f);
  field.set1Value(6, 7);
  ASSERT_EQ(field.getNum(), 7);
  EXPECT_EQ(field[6], 7.0f);
  field.deleteValues(1, 2);
  ASSERT_EQ(field.getNum(), 5);
  EXPECT_EQ(field[1], 1.0f);
  field.deleteValues(3);
  EXPECT_EQ(field.getNum(), 3);
  field.setNum(1);
  EXPECT_EQ(field.getNum(), 1);
  EXPECT_EQ(container.notified.size(), 5u);

  field.deleteValues(5);  // out of range: nothing happens
  field.setValues(-1, 1, values);
  field.set1Value(-1, 1);
  EXPECT_EQ(container.notified.size(), 5u);
  EXPECT_EQ(field.getNum(), 1);
}

TEST(SoFieldDefaultTest, isDefaultClearsOnEveryKindOfChange) {
  SoSFInt32 field;
  EXPECT_TRUE(field.isDefault());
  EXPECT_FALSE(field.set("x"));
  EXPECT_TRUE(field.isDefault());
  ASSERT_TRUE(field.set("3"));
  EXPECT_FALSE(field.isDefault());

  field.setDefault(TRUE);
  field.setValue(3);  // the same value still counts as set
  EXPECT_FALSE(field.isDefault());

  field.setDefault(TRUE);
  field.enableNotify(FALSE);
  field = 4;
  EXPECT_FALSE(field.isDefault());

  SoMFInt32 list;
  list.set1Value(0, 1);
  EXPECT_FALSE(list.isDefault());
}

TEST(SoFieldCopyTest, copyTakesValuesOfSameFieldTypeOnly) {
  SoSFInt32 source;
  source = 42;
  SoSFInt32 same;
  same.copyFrom(source);
  EXPECT_EQ(same.getValue(), 42);
  EXPECT_TRUE(same.isSame(source));

  SoSFFloat otherValueType;
  otherValueType.copyFrom(source);
  EXPECT_EQ(otherValueType.getValue(), 0.0f);
  EXPECT_TRUE(otherValueType.isDefault());
  EXPECT_FALSE(otherValueType.isSame(source));

  // An enum holds an int32 as well, but it is another field type.
  SoSFEnum enumField;
  enumField.copyFrom(source);
  EXPECT_EQ(enumField.getValue(), 0);
  EXPECT_TRUE(enumField.isDefault());
  enumField = 42;
  EXPECT_FALSE(enumField.isSame(source));
  EXPECT_FALSE(source.isSame(enumField));

  SoMFInt32 list;
  list.copyFrom(source);
  EXPECT_EQ(list.getNum(), 0);
  SoMFInt32 otherList;
  otherList.set("[1, 2]");
  list.copyFrom(otherList);
  EXPECT_TRUE(list.isSame(otherList));
  SoMFUShort ushorts;
  ushorts.copyFrom(otherList);
  EXPECT_EQ(ushorts.getNum(), 0);
}
