// SPDX-License-Identifier: Apache-2.0
// The "Cartesian" and "Linear" class levels, through the linear axis editor.

#include "editors/axis/PoXtLinearAxisEditor.h"
#include "platform/plivex/PoLinearAxis.h"

#include "EditorTestSupport.h"
#include "support/CommaLocale.h"

namespace {

using LinearAxisEditorTest = EditorFixture<PoXtLinearAxisEditor, PoLinearAxis>;

TEST_F(LinearAxisEditorTest, cartesianAndLinearSectionsFollowTick) {
  const int cartesian = indexOf(dialog(), "Cartesian");
  EXPECT_EQ(dialog()->get1Value(cartesian - 1)->getLabel(), "Last Grad. :");
  EXPECT_EQ(dialog()->get1Value(cartesian + 1)->getID(), 0x18000001);
  EXPECT_EQ(groupCount(dialog(), 3), 3);
  EXPECT_EQ(indexOf(dialog(), "Linear"), cartesian + 4);
  EXPECT_EQ(groupCount(dialog(), 4), 5);
  EXPECT_EQ(dialog()->get1Value(dialog()->getNum() - 1)->getLabel(), "Format :");
  uint32_t show, hide;
  editor->getLinearAxisFilter(show, hide);
  EXPECT_EQ(show, 0x1fu);
  EXPECT_EQ(hide, 0u);
  editor->getCartesianAxisFilter(show, hide);
  EXPECT_EQ(show, 7u);
}

TEST_F(LinearAxisEditorTest, startShowsAsThreeNumbersAndParsesWordByWord) {
  node->start.setValue(1.0f, 2.5f, 0.0f);
  const int start = indexOf(dialog(), "Start :", 1);
  EXPECT_EQ(elementAt<PoXtEditTextData>(dialog(), start)->getString(), "1 2.5 0");

  userSetText(dialog(), start, "4  -1.5");
  EXPECT_EQ(node->start.getValue(), SbVec3f(4.0f, -1.5f, 0.0f)) << "a missing component is 0";
  userSetText(dialog(), start, "1e-05 x 7 9");
  EXPECT_EQ(node->start.getValue(), SbVec3f(1e-05f, 0.0f, 7.0f));
}

TEST_F(LinearAxisEditorTest, endIsANumberTextAndAnEmptyTextChangesNothing) {
  node->end.setValue(0.00001f);
  const int end = indexOf(dialog(), "End :", 1);
  EXPECT_EQ(elementAt<PoXtEditTextData>(dialog(), end)->getString(), "1e-05");

  userSetText(dialog(), end, "3.5");
  EXPECT_FLOAT_EQ(node->end.getValue(), 3.5f);
  userSetText(dialog(), end, "");
  EXPECT_FLOAT_EQ(node->end.getValue(), 3.5f);
  EXPECT_EQ(changes, 2) << "the callbacks still run";
}

TEST_F(LinearAxisEditorTest, typeChoiceIsTheEnumValue) {
  node->type.setValue(4);  // ZX
  const int type = indexOf(dialog(), "Type :", 1);
  auto* choice = elementAt<PoXtChoiceButtonData>(dialog(), type);
  EXPECT_EQ(choice->getSelectedItem(), 4);
  EXPECT_EQ(choice->getItem(4), "ZX");
  userChoose(dialog(), type, 2);
  EXPECT_EQ(node->type.getValue(), 2);
}

TEST_F(LinearAxisEditorTest, cartesianFilterRemovesEndAndIgnoresTheSameShownSet) {
  editor->setCartesianAxisFilter(0x7, 0x2);
  EXPECT_EQ(groupCount(dialog(), 3), 2);
  EXPECT_EQ(indexOfId(dialog(), 0x18000002), -1);
  const int before = dialog()->getNum();
  editor->setCartesianAxisFilter(0x5, 0);
  EXPECT_EQ(dialog()->getNum(), before);
  uint32_t show, hide;
  editor->getCartesianAxisFilter(show, hide);
  EXPECT_EQ(show, 7u);
  EXPECT_EQ(hide, 2u);
  expectSectionsConsistent(*editor);
}

TEST_F(LinearAxisEditorTest, linearFilterHidesFormatAndKeepsTheOthers) {
  editor->setLinearAxisFilter(0x1f, 0x10);
  EXPECT_EQ(indexOf(dialog(), "Format :"), -1);
  EXPECT_EQ(groupCount(dialog(), 4), 4);
  expectSectionsConsistent(*editor);
}

TEST_F(LinearAxisEditorTest, stepWidensItsSliderAndLinearFieldsAreEdited) {
  node->step.setValue(2.5f);
  auto* step = elementAt<PoXtRealSliderData>(dialog(), indexOf(dialog(), "Step :"));
  float min, max;
  step->getLimit(min, max);
  EXPECT_FLOAT_EQ(min, 0.0f);
  EXPECT_FLOAT_EQ(max, 2.5f);

  userChoose(dialog(), indexOf(dialog(), "Graduation Fit :"), 1);
  userChoose(dialog(), indexOf(dialog(), "Mult. Factor Position :"), 3);
  userSetSlider(dialog(), indexOf(dialog(), "Mult. Factor Dist. Axis :"), 0.2f);
  EXPECT_EQ(node->gradFit.getValue(), 1);
  EXPECT_EQ(node->multFactorPosition.getValue(), 3);
  EXPECT_FLOAT_EQ(node->multFactorDistAxis.getValue(), 0.2f);
}

TEST_F(LinearAxisEditorTest, formatButtonRunsCallbacksAndFormatTravelsWithTheNode) {
  expectFormatButtonCarriesTheFormat();
}

TEST_F(LinearAxisEditorTest, acceptAppliesEveryLevel) {
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  userSetText(dialog(), indexOf(dialog(), "Start :", 1), "1 2 3");
  userSetSlider(dialog(), indexOf(dialog(), "Step :"), 0.5f);
  userSetSlider(dialog(), indexOf(dialog(), "Start :"), 0.1f);  // margin start, group 2
  EXPECT_EQ(changes, 0);
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(node->start.getValue(), SbVec3f(1, 2, 3));
  EXPECT_FLOAT_EQ(node->step.getValue(), 0.5f);
  EXPECT_FLOAT_EQ(node->marginStart.getValue(), 0.1f);
  EXPECT_EQ(changes, 1);
}

}  // namespace

namespace {

TEST_F(LinearAxisEditorTest, numbersReadAndShowTheSameInACommaLocale) {
  CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no locale with a comma decimal point is installed";
  const int start = indexOf(dialog(), "Start :", 1);
  userSetText(dialog(), start, "1.5 2");
  EXPECT_EQ(node->start.getValue(), SbVec3f(1.5f, 2.0f, 0.0f));
  node->end.setValue(0.25f);
  EXPECT_EQ(elementAt<PoXtEditTextData>(dialog(), indexOf(dialog(), "End :", 1))->getString(),
            "0.25");
  SbString text;
  node->step.set("2.5");
  node->step.get(text);
  EXPECT_EQ(text, "2.5");
}

}  // namespace
