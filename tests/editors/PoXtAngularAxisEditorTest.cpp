// SPDX-License-Identifier: Apache-2.0
// The "Angular" class level, through the angular axis editor.

#include <string>
#include <vector>

#include "editors/axis/PoXtAngularAxisEditor.h"
#include "platform/plivex/PoAngularAxis.h"

#include "EditorTestSupport.h"

namespace {

using AngularAxisEditorTest = EditorFixture<PoXtAngularAxisEditor, PoAngularAxis>;

TEST_F(AngularAxisEditorTest, angularFollowsTickAndItsFilterKeepsTheThreeAngles) {
  const std::vector<std::string> heads = sectionHeads(dialog());
  ASSERT_GE(heads.size(), 2u);
  EXPECT_EQ(heads.back(), "Angular");
  EXPECT_EQ(heads[heads.size() - 2], "Tick");
  EXPECT_EQ(editor->sectionCount, 9);
  EXPECT_EQ(groupCount(dialog(), 7), 6);

  editor->setAngularAxisFilter(0x7, 0);
  EXPECT_EQ(groupCount(dialog(), 7), 3);
  const int offset = indexOf(dialog(), "Offset :");
  EXPECT_EQ(offset, indexOf(dialog(), "Angular") + 1);
  EXPECT_EQ(indexOf(dialog(), "Start Angle :"), offset + 1);
  EXPECT_EQ(indexOf(dialog(), "End Angle :"), offset + 2);
  EXPECT_EQ(offset + 3, dialog()->getNum());
  expectSectionsConsistent(*editor);
}

TEST_F(AngularAxisEditorTest, endAngleReachesBothNodesOnceAndRadiusWidens) {
  // The default end angle, a full turn, has widened its own slider already.
  EXPECT_EQ(limitsAt(dialog(), indexOf(dialog(), "Start Angle :")), std::make_pair(0.0f, 6.28f))
      << "6.28, not 2 pi";
  const int end = indexOf(dialog(), "End Angle :");
  userSetSlider(dialog(), end, 3.0f);
  EXPECT_FLOAT_EQ(workingCopy()->endAngle.getValue(), 3.0f);
  EXPECT_FLOAT_EQ(node->endAngle.getValue(), 3.0f);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(lastChanged, workingCopy());

  node->radius.setValue(10.0f);
  const int radius = indexOf(dialog(), "Radius :");
  EXPECT_EQ(limitsAt(dialog(), radius), std::make_pair(0.0f, 10.0f));
  EXPECT_FLOAT_EQ(elementAt<PoXtRealSliderData>(dialog(), radius)->getValue(), 10.0f);
}

}  // namespace
