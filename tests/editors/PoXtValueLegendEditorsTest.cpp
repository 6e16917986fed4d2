// SPDX-License-Identifier: Apache-2.0
// The value legend levels ("Value", "Auto Values") and the linear and
// non-linear value legend editors.

#include <string>
#include <vector>

#include "editors/legend/PoXtLinearValueLegendEditor.h"
#include "editors/legend/PoXtNonLinearValueLegend1Editor.h"
#include "editors/legend/PoXtNonLinearValueLegend2Editor.h"
#include "editors/legend/PoXtNonLinearValueLegend3Editor.h"
#include "platform/plivex/PoLinearValueLegend.h"
#include "platform/plivex/PoNonLinearValueLegend1.h"
#include "platform/plivex/PoNonLinearValueLegend2.h"
#include "platform/plivex/PoNonLinearValueLegend3.h"

#include "EditorTestSupport.h"

namespace {

using LinearValueLegendEditorTest = EditorFixture<PoXtLinearValueLegendEditor, PoLinearValueLegend>;
using NonLinear1EditorTest =
    EditorFixture<PoXtNonLinearValueLegend1Editor, PoNonLinearValueLegend1>;
using NonLinear2EditorTest =
    EditorFixture<PoXtNonLinearValueLegend2Editor, PoNonLinearValueLegend2>;
using NonLinear3EditorTest =
    EditorFixture<PoXtNonLinearValueLegend3Editor, PoNonLinearValueLegend3>;

// Entries that are elements, not heads.
int elementsOf(const PoXtDialog* dialog) {
  int count = 0;
  for (int i = 0; i < dialog->getNum(); ++i) count += dialog->get1Value(i)->getID() >= 0;
  return count;
}

TEST_F(LinearValueLegendEditorTest, sectionsStandInOrderAndEachLevelActsOnItsOwnGroupOnly) {
  EXPECT_EQ(sectionHeads(dialog()),
            (std::vector<std::string>{"Title", "Values Aspect", "Margin", "Value", "Auto Values",
                                      " Linear Values"}));
  EXPECT_EQ(elementsOf(dialog()), 28);

  // Four element callbacks hear every change; only the owning level writes it.
  userSetText(dialog(), indexOf(dialog(), "String Undef Upper :"), "above");
  EXPECT_EQ(node->stringUndefUpper.getValue(), "above");
  userSetText(dialog(), indexOf(dialog(), "End"), "0.1 0.9");
  EXPECT_EQ(node->end.getValue(), SbVec2f(0.1f, 0.9f));
  EXPECT_EQ(workingCopy()->end.getValue(), SbVec2f(0.1f, 0.9f));
  userChoose(dialog(), indexOf(dialog(), "Value Distribution :"), 2);  // "Min Max Values"
  EXPECT_EQ(node->valueDistribution.getValue(), 2);
  EXPECT_EQ(changes, 3);

  editor->detach();
  node->valueDistribution = 1;
  editor->attach(node);
  EXPECT_EQ(elementAt<PoXtChoiceButtonData>(dialog(), indexOf(dialog(), "Value Distribution :"))
                ->getSelectedItem(),
            1);
}

TEST_F(LinearValueLegendEditorTest, levelFiltersRebuildOnlyTheirOwnSectionWhenTheShownSetChanges) {
  editor->setValueLegendFilter(0x1f, 0x04);
  EXPECT_EQ(indexOf(dialog(), "Period Value :"), -1);
  EXPECT_EQ(groupCount(dialog(), 3), 4);

  PoXtElementData* start = dialog()->get1Value(indexOf(dialog(), "Start"));
  editor->setAutoValueLegendFilter(3, 0);  // as constructed: nothing happens
  EXPECT_EQ(dialog()->get1Value(indexOf(dialog(), "Start")), start);
  editor->setAutoValueLegendFilter(3, 2);
  EXPECT_NE(indexOf(dialog(), "Start"), -1);
  EXPECT_EQ(indexOf(dialog(), "End"), -1);

  editor->setLinearValueLegendFilter(1, 1);
  EXPECT_EQ(groupCount(dialog(), 8), 0);
  const int entries = dialog()->getNum();
  editor->setLinearValueLegendFilter(0, 0);  // the same empty set
  EXPECT_EQ(dialog()->getNum(), entries);
  uint32_t show = 0, hide = 0;
  editor->getLinearValueLegendFilter(show, hide);
  EXPECT_EQ(show, 1u);
  EXPECT_EQ(hide, 1u);
  expectSectionsConsistent(*editor);
}

TEST_F(LinearValueLegendEditorTest, acceptWritesTheCornersWithTheBasesFields) {
  editor->setUpdateFrequency(PoXtLegendEditor::AFTER_ACCEPT);
  userSetText(dialog(), indexOf(dialog(), "Start"), "0.2 0.3");
  userSetText(dialog(), indexOf(dialog(), "Number of columns :"), "3");
  EXPECT_EQ(node->start.getValue(), SbVec2f(0, 0));
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(node->start.getValue(), SbVec2f(0.2f, 0.3f));
  EXPECT_EQ(node->numColumns.getValue(), 3);
  EXPECT_EQ(changes, 1);
}

TEST_F(NonLinear1EditorTest, textsAreStoredAsTypedAndTheSectionFilters) {
  EXPECT_EQ(elementsOf(dialog()), 30);
  userSetText(dialog(), indexOf(dialog(), "Value Separator String :"), "a  -  b");
  EXPECT_EQ(node->valueSeparatorString.getValue(), "a  -  b");
  EXPECT_EQ(workingCopy()->valueSeparatorString.getValue(), "a  -  b");
  editor->setNonLinearValueLegend1Filter(7, 2);
  EXPECT_EQ(indexOf(dialog(), "Greater Level String :"), -1);
  EXPECT_EQ(groupCount(dialog(), 5), 2);
}

// Kinds 2 and 3 have a section without elements: the head alone.
template <auto Set, typename Editor>
void expectAnEmptySectionRebuiltOnlyWhenTheStoredPairChanges(PoXtDialog* dialog, Editor& editor) {
  EXPECT_EQ(elementsOf(dialog), 27);
  const int head = indexOf(dialog, "Non Linear Values");
  ASSERT_NE(head, -1);
  // A mark on the head shows whether the section was made again.
  const auto mark = [&] { dialog->get1Value(head)->setID(-77); };
  const auto marked = [&] { return dialog->get1Value(head)->getID() == -77; };
  mark();
  (editor.*Set)(0, 0);
  EXPECT_TRUE(marked()) << "as constructed: nothing happens";
  (editor.*Set)(0xffffffff, 0);
  EXPECT_FALSE(marked()) << "another stored pair: the section is made again";
  mark();
  (editor.*Set)(0xffffffff, 0);
  EXPECT_TRUE(marked()) << "the same pair again";
  EXPECT_EQ(elementsOf(dialog), 27);
}

TEST_F(NonLinear2EditorTest, emptySectionIsRebuiltOnlyWhenTheStoredPairChanges) {
  expectAnEmptySectionRebuiltOnlyWhenTheStoredPairChanges<
      &PoXtNonLinearValueLegend2Editor::setNonLinearValueLegend2Filter>(dialog(), *editor);
}

TEST_F(NonLinear3EditorTest, emptySectionIsRebuiltOnlyWhenTheStoredPairChanges) {
  expectAnEmptySectionRebuiltOnlyWhenTheStoredPairChanges<
      &PoXtNonLinearValueLegend3Editor::setNonLinearValueLegend3Filter>(dialog(), *editor);
}

}  // namespace
