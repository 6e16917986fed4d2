// SPDX-License-Identifier: Apache-2.0
// The "Polar" class level and the two levels below it, through the polar
// linear and polar logarithmic axis editors.

#include <string>
#include <vector>

#include "editors/axis/PoXtPolarLinAxisEditor.h"
#include "editors/axis/PoXtPolarLogAxisEditor.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoPolarLogAxis.h"

#include "EditorTestSupport.h"

namespace {

using PolarLinAxisEditorTest = EditorFixture<PoXtPolarLinAxisEditor, PoPolarLinAxis>;
using PolarLogAxisEditorTest = EditorFixture<PoXtPolarLogAxisEditor, PoPolarLogAxis>;

std::vector<std::string> lastHeads(const PoXtDialog* dialog, std::size_t count) {
  const std::vector<std::string> heads = sectionHeads(dialog);
  if (heads.size() < count) return heads;
  return {heads.end() - static_cast<std::ptrdiff_t>(count), heads.end()};
}

TEST_F(PolarLinAxisEditorTest, polarFilterRebuildsTheNinthSectionAndLeavesPolarLinBehindIt) {
  EXPECT_EQ(editor->sectionCount, 10);
  EXPECT_EQ(lastHeads(dialog(), 3), (std::vector<std::string>{"Tick", "Polar", "PolarLin"}));
  EXPECT_EQ(groupCount(dialog(), 8), 6);
  EXPECT_EQ(groupCount(dialog(), 9), 3);

  editor->setPolarAxisFilter(0x3f, 0x30);
  EXPECT_EQ(indexOf(dialog(), "Mult. Factor Position :"), -1);
  EXPECT_EQ(indexOf(dialog(), "Mult. Factor Dist. Axis :"), -1);
  EXPECT_EQ(groupCount(dialog(), 8), 4);
  EXPECT_EQ(indexOf(dialog(), "PolarLin"), indexOf(dialog(), "Theta :") + 1);
  expectSectionsConsistent(*editor);

  // Both sections rebuilt one after the other still hold their own elements.
  editor->setPolarLinAxisFilter(3, 0);
  EXPECT_EQ(indexOf(dialog(), "Format :"), -1);
  EXPECT_EQ(groupCount(dialog(), 9), 2);
  editor->setPolarAxisFilter(0x3f, 0);
  EXPECT_EQ(groupCount(dialog(), 8), 6);
  expectSectionsConsistent(*editor);
  userChoose(dialog(), indexOf(dialog(), "Graduations Fit :"), 1);
  EXPECT_EQ(node->gradFit.getValue(), 1);
  userSetSlider(dialog(), indexOf(dialog(), "Mult. Factor Dist. Axis :"), 0.5f);
  EXPECT_FLOAT_EQ(node->multFactorDistAxis.getValue(), 0.5f);
}

TEST_F(PolarLinAxisEditorTest, thetaStopsShortOfAFullTurnUntilTheNodeGoesBeyond) {
  const int theta = indexOf(dialog(), "Theta :");
  node->theta.setValue(3.14159f);
  EXPECT_EQ(limitsAt(dialog(), theta), std::make_pair(0.0f, 6.28f)) << "6.28, not 2 pi";
  EXPECT_FLOAT_EQ(elementAt<PoXtRealSliderData>(dialog(), theta)->getValue(), 3.14159f);
  node->theta.setValue(7.0f);
  EXPECT_EQ(limitsAt(dialog(), theta), std::make_pair(0.0f, 7.0f));
  userSetSlider(dialog(), theta, 6.5f);
  EXPECT_FLOAT_EQ(workingCopy()->theta.getValue(), 6.5f);
  EXPECT_FLOAT_EQ(node->theta.getValue(), 6.5f);
}

TEST_F(PolarLinAxisEditorTest, formatButtonOnlyRunsTheCallbacksAndTheFormatTravelsWithTheNode) {
  expectFormatButtonCarriesTheFormat();
}

TEST_F(PolarLogAxisEditorTest, decadeListIsTypedWordByWordAndItsFilterHidesIt) {
  EXPECT_EQ(lastHeads(dialog(), 3), (std::vector<std::string>{"Tick", "Polar", "PolarLog"}));
  EXPECT_EQ(groupCount(dialog(), 10), 6);
  EXPECT_EQ(indexOf(dialog(), "Mult Factor Dist. Axis :"), -1) << "the polar level has it";

  const int list = indexOf(dialog(), "Decade List :");
  const uint16_t shown[] = {1, 3};
  node->decadeList.setValues(0, 2, shown);
  EXPECT_EQ(elementAt<PoXtEditTextData>(dialog(), list)->getString(), "1 3 ");
  userSetText(dialog(), list, "4 8");
  ASSERT_EQ(node->decadeList.getNum(), 2);
  EXPECT_EQ(node->decadeList[0], 4);
  EXPECT_EQ(node->decadeList[1], 8);
  EXPECT_EQ(workingCopy()->decadeList, node->decadeList);
  userChoose(dialog(), indexOf(dialog(), "Decade Rep. :"), 3);  // "Digit"
  EXPECT_EQ(node->decadeRep.getValue(), 3);

  editor->setPolarLogAxisFilter(0x3f, 0x2);
  EXPECT_EQ(indexOf(dialog(), "Decade List :"), -1);
  EXPECT_EQ(groupCount(dialog(), 10), 5);
  expectSectionsConsistent(*editor);
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(node->decadeList.getNum(), 2) << "a hidden list is not written";
}

}  // namespace
