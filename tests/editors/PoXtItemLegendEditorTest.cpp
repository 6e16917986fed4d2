// SPDX-License-Identifier: Apache-2.0
// The legend editor base and the "Item" class level, through the item legend editor.

#include <string>
#include <vector>

#include "editors/legend/PoXtItemLegendEditor.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/scenar/sensors/SoNodeSensor.h"

#include "EditorTestSupport.h"

namespace {

using ItemLegendEditorTest = EditorFixture<PoXtItemLegendEditor, PoItemLegend>;

TEST_F(ItemLegendEditorTest, freshEditorShowsTheLegendSectionsAndItem) {
  EXPECT_EQ(sectionHeads(dialog()),
            (std::vector<std::string>{"Title", "Values Aspect", "Margin", "Item"}))
      << "\"Misc.\" has no head";
  EXPECT_EQ(groupCount(dialog(), 1), 20);
  EXPECT_EQ(groupCount(dialog(), 2), 5);
  EXPECT_EQ(dialog()->getNum(), 29) << "25 elements and four heads";
  expectSectionsConsistent(*editor);
}

TEST_F(ItemLegendEditorTest, numberOfColumnsIsASixteenBitNumberText) {
  const int columns = indexOf(dialog(), "Number of columns :");
  auto* text = elementAt<PoXtEditTextData>(dialog(), columns);
  node->numColumns = 7;
  EXPECT_EQ(text->getString(), "7");
  const struct {
    const char* typed;
    uint16_t stored;
  } cases[] = {{"12", 12}, {"70000", 4464}, {"-1", 65535}, {"abc", 0}};
  for (const auto& c : cases) {
    userSetText(dialog(), columns, c.typed);
    EXPECT_EQ(node->numColumns.getValue(), c.stored) << c.typed;
    EXPECT_EQ(workingCopy()->numColumns.getValue(), c.stored) << c.typed;
  }
}

TEST_F(ItemLegendEditorTest, pointTextsWriteBothNodesOnceWithoutEcho) {
  int echoes = 0;
  SoNodeSensor watch([](void* count, SoSensor*) { ++*static_cast<int*>(count); }, &echoes);
  watch.attach(node);
  userSetText(dialog(), indexOf(dialog(), "Start :"), "1.5 2");
  EXPECT_EQ(node->start.getValue(), SbVec2f(1.5f, 2));
  EXPECT_EQ(workingCopy()->start.getValue(), SbVec2f(1.5f, 2));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(echoes, 1) << "one write into the node";

  userSetText(dialog(), indexOf(dialog(), "End :"), "3");
  EXPECT_EQ(node->end.getValue(), SbVec2f(3, 0));
  node->start.setValue(0.25f, 0.00001f);
  EXPECT_EQ(elementAt<PoXtEditTextData>(dialog(), indexOf(dialog(), "Start :"))->getString(),
            "0.25 1e-05");
  userToggle(dialog(), indexOf(dialog(), "Line Visibility :"), 0);
  EXPECT_TRUE(node->lineVisibility.getValue());
}

TEST_F(ItemLegendEditorTest, itemFilterRebuildsOnlyWhenTheShownSetChanges) {
  editor->setItemLegendFilter(0x1f, 0x4);
  EXPECT_EQ(indexOf(dialog(), "Box Visibility :"), -1);
  EXPECT_EQ(groupCount(dialog(), 2), 4);
  PoXtElementData* kept = dialog()->get1Value(indexOf(dialog(), "Start :"));
  editor->setItemLegendFilter(0x1b, 0);
  EXPECT_EQ(dialog()->get1Value(indexOf(dialog(), "Start :")), kept);
  uint32_t show = 0, hide = 0;
  editor->getItemLegendFilter(show, hide);
  EXPECT_EQ(show, 0x1fu);
  EXPECT_EQ(hide, 0x4u);

  editor->setLegendFilter(0xfffff, 0x3f);  // no title: "Item" moves up and stays whole
  EXPECT_EQ(indexOf(dialog(), "String :"), -1);
  EXPECT_EQ(groupCount(dialog(), 2), 4);
  expectSectionsConsistent(*editor);
}

TEST_F(ItemLegendEditorTest, attachingCopiesEveryListWholeAndAShorterOneLeavesNothingBehind) {
  editor->detach();
  const SbString five[] = {"a", "b", "c", "d", "e"};
  node->itemString.setValues(0, 5, five);
  node->markerString.setValues(0, 5, five);
  const SbColor red(1, 0, 0);
  node->boxColor.setValues(0, 1, &red);
  const uint16_t shorts[] = {3, 4};
  node->lineShortValue.setValues(0, 2, shorts);
  editor->attach(node);
  EXPECT_EQ(workingCopy()->itemString.getNum(), 5);
  EXPECT_EQ(workingCopy()->markerString[4], "e");
  EXPECT_EQ(workingCopy()->boxColor[0], red);
  EXPECT_EQ(workingCopy()->lineShortValue[1], 4);

  node->itemString.setValues(0, 2, five + 3);
  node->itemString.deleteValues(2);
  EXPECT_EQ(workingCopy()->itemString.getNum(), 2);
  EXPECT_EQ(workingCopy()->itemString[0], "d");
}

}  // namespace
