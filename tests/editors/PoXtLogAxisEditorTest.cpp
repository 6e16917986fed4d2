// SPDX-License-Identifier: Apache-2.0
// The "Log" class level, through the logarithmic axis editor.

#include <string>
#include <vector>

#include "editors/axis/PoXtLogAxisEditor.h"
#include "platform/plivex/PoLogAxis.h"

#include "EditorTestSupport.h"

namespace {

using LogAxisEditorTest = EditorFixture<PoXtLogAxisEditor, PoLogAxis>;

std::vector<uint16_t> valuesOf(const SoMFUShort& list) {
  return {list.getValues(0), list.getValues(0) + list.getNum()};
}

TEST_F(LogAxisEditorTest, logFollowsCartesianAndItsFilterHidesTheMultFactorElements) {
  const std::vector<std::string> heads = sectionHeads(dialog());
  ASSERT_GE(heads.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(heads.end() - 3, heads.end()),
            (std::vector<std::string>{"Tick", "Cartesian", "Log"}));
  EXPECT_EQ(editor->sectionCount, 10);
  EXPECT_EQ(groupCount(dialog(), 5), 8);

  editor->setLogAxisFilter(0xff, 0xc0);
  EXPECT_EQ(indexOf(dialog(), "Mult. Factor Position :"), -1);
  EXPECT_EQ(indexOf(dialog(), "Mult Factor Dist. Axis :"), -1);
  EXPECT_EQ(groupCount(dialog(), 5), 6);
  PoXtElementData* kept = dialog()->get1Value(indexOf(dialog(), "Decade List :"));
  editor->setLogAxisFilter(0x3f, 0);  // the same shown set: the section stays as it is
  EXPECT_EQ(dialog()->get1Value(indexOf(dialog(), "Decade List :")), kept);
  expectSectionsConsistent(*editor);
}

TEST_F(LogAxisEditorTest, decadeListShowsEveryValueWithABlankAndTypedWordsReplaceTheList) {
  const int list = indexOf(dialog(), "Decade List :");
  auto* text = elementAt<PoXtEditTextData>(dialog(), list);
  EXPECT_EQ(text->getString(), "") << "an empty list shows an empty text";
  const uint16_t shown[] = {1, 2, 5};
  node->decadeList.setValues(0, 3, shown);
  EXPECT_EQ(text->getString(), "1 2 5 ");

  userSetText(dialog(), list, " 70000  2.9 -1 x ");
  EXPECT_EQ(valuesOf(node->decadeList), (std::vector<uint16_t>{4464, 2, 65535, 0}));
  userSetText(dialog(), list, "7");
  EXPECT_EQ(valuesOf(node->decadeList), std::vector<uint16_t>{7}) << "no old value stays";
  userSetText(dialog(), list, "   ");
  EXPECT_EQ(node->decadeList.getNum(), 0);
  EXPECT_EQ(valuesOf(workingCopy()->decadeList), valuesOf(node->decadeList));

  userChoose(dialog(), indexOf(dialog(), "Decade Rep. :"), 3);  // "Digit"
  EXPECT_EQ(node->decadeRep.getValue(), 3);
}

TEST_F(LogAxisEditorTest, aLongDecadeListComesBackWholeThroughAccept) {
  std::vector<uint16_t> values;
  for (uint16_t v = 0; v < 100; ++v) values.push_back(static_cast<uint16_t>(60000 + v));
  node->decadeList.setValues(0, 100, values.data());
  node->decadeListDef.setValue(1);
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(valuesOf(node->decadeList), values);
  EXPECT_EQ(node->decadeListDef.getValue(), 1);
  EXPECT_EQ(changes, 1);
}

}  // namespace
