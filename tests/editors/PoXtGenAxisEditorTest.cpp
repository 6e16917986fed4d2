// SPDX-License-Identifier: Apache-2.0
// The "Gen" class level, through the generic axis editor.

#include <string>
#include <vector>

#include "editors/axis/PoXtGenAxisEditor.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/scenar/basic/SoRef.h"

#include "EditorTestSupport.h"

namespace {

using GenAxisEditorTest = EditorFixture<PoXtGenAxisEditor, PoGenAxis>;

TEST_F(GenAxisEditorTest, genButtonStandsWithoutAHeadAndOnlyRunsTheCallbacks) {
  const std::vector<std::string> heads = sectionHeads(dialog());
  EXPECT_EQ(heads.back(), "Cartesian") << "the Gen section has no head";
  EXPECT_EQ(editor->sectionCount, 10);

  editor->setPresentation(PoXtAxisEditor::FOLDED);
  const int button = indexOf(dialog(), "Graduations List :");
  ASSERT_EQ(button, dialog()->getNum() - 1);
  EXPECT_FALSE(dialog()->get1Value(button)->isFolded());

  SbString before;
  node->get(before);
  dialog()->userChanged(button);
  SbString after;
  node->get(after);
  EXPECT_EQ(after, before);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(lastChanged, workingCopy());
  node->gradList.set1Value(0, "later");
  EXPECT_EQ(workingCopy()->gradList.getNum(), 1) << "the editor still follows the node";
}

TEST_F(GenAxisEditorTest, graduationTextsTravelWholeBetweenNodeAndWorkingCopy) {
  const SbString five[] = {"a", "b", "c", "d", "e"};
  const SoRef other(new PoGenAxis);
  other->gradList.setValues(0, 5, five);
  editor->attach(other.get());
  EXPECT_EQ(workingCopy()->gradList, other->gradList);

  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  workingCopy()->gradList.setValues(0, 2, five + 3);
  workingCopy()->gradList.setNum(2);
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(other->gradList.getNum(), 2) << "Accept leaves no old text behind";
  EXPECT_EQ(other->gradList[1], "e");
  editor->detach();
}

TEST_F(GenAxisEditorTest, hidingTheButtonLeavesTheSectionEmpty) {
  const int whole = dialog()->getNum();
  editor->setGenAxisFilter(1, 1);
  EXPECT_EQ(dialog()->getNum(), whole - 1);
  EXPECT_EQ(groupCount(dialog(), 6), 0);
  EXPECT_EQ(editor->sections[9].elementCount, 0);
  expectSectionsConsistent(*editor);
  editor->setTextAxisFilter(0x1ffff, 0x1);  // the sections after the text ones move up
  expectSectionsConsistent(*editor);
  editor->setGenAxisFilter(1, 0);
  EXPECT_EQ(dialog()->getNum(), whole - 1);
  EXPECT_EQ(dialog()->get1Value(dialog()->getNum() - 1)->getLabel(), "Graduations List :");
  expectSectionsConsistent(*editor);
}

}  // namespace
