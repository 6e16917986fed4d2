// SPDX-License-Identifier: Apache-2.0
// The behaviour every axis editor shares, exercised through the linear editor.

#include "editors/axis/PoXtLinearAxisEditor.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/scenar/basic/SoRef.h"

#include "EditorTestSupport.h"

namespace {

using AxisEditorTest = EditorFixture<PoXtLinearAxisEditor, PoLinearAxis>;

constexpr int32_t kFontSizeId = 0x08000000 | 0x10;

TEST_F(AxisEditorTest, freshEditorIsContinuousUnfoldedWithEveryElement) {
  EXPECT_EQ(editor->getUpdateFrequency(), PoXtAxisEditor::CONTINUOUS);
  EXPECT_EQ(editor->getPresentation(), PoXtAxisEditor::UNFOLDED);
  EXPECT_EQ(indexOfId(dialog(), -3), -1) << "no Accept button";
  EXPECT_EQ(groupCount(dialog(), 1), 17);
  EXPECT_EQ(groupCount(dialog(), 2), 17);
  EXPECT_EQ((sectionHeads(dialog())),
            (std::vector<std::string>{"Graduations", "Title", "Margin", "Grid", "Arrow", "Tick",
                                      "Cartesian", "Linear"}));
  // The two plain sections show their elements without a head.
  EXPECT_EQ(dialog()->get1Value(indexOf(dialog(), "Reverse Flag :") - 1)->getLabel(), "String :");
  EXPECT_EQ(dialog()->get1Value(indexOf(dialog(), "Font Size :"))->getID(), kFontSizeId);
  expectSectionsConsistent(*editor);
}

TEST_F(AxisEditorTest, componentIsNamedAfterTheClassAndTitledWithTheName) {
  Exposed<PoXtLinearAxisEditor> named(nullptr, "my axis");
  EXPECT_STREQ(named.getClassName(), "PoXtLinearAxisEditor");
  EXPECT_STREQ(named.getTitle(), "my axis");
  EXPECT_TRUE(named.isTopLevelShell());
  EXPECT_EQ(named.dialog->getParent(), named.getShellWidget());
  EXPECT_EQ(named.getBaseWidget(), named.dialog->getWidget());

  SoWinWindow parent;
  Exposed<PoXtLinearAxisEditor> inside(&parent, nullptr, TRUE);
  EXPECT_FALSE(inside.isTopLevelShell());
  EXPECT_EQ(inside.dialog->getParent(), &parent);
}

TEST_F(AxisEditorTest, continuousChangeReachesWorkingCopyAndNodeOnce) {
  userSetSlider(dialog(), indexOf(dialog(), "Font Size :"), 0.25f);
  EXPECT_FLOAT_EQ(workingCopy()->gradFontSize.getValue(), 0.25f);
  EXPECT_FLOAT_EQ(node->gradFontSize.getValue(), 0.25f);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(lastChanged, workingCopy());
}

TEST_F(AxisEditorTest, everyElementKindWritesItsField) {
  userChoose(dialog(), indexOf(dialog(), "Path :"), 3);
  userSetText(dialog(), indexOf(dialog(), "Font Name :"), "Times Bold");
  userToggle(dialog(), indexOf(dialog(), "String Visibility :"), 0);
  auto* period = elementAt<PoXtIntSliderData>(dialog(), indexOf(dialog(), "Numeric Or Period :"));
  period->setValue(7);
  dialog()->userChanged(indexOf(dialog(), "Numeric Or Period :"));

  EXPECT_EQ(node->gradPath.getValue(), 3);
  EXPECT_EQ(node->gradFontName.getValue(), "Times Bold");
  EXPECT_TRUE(node->gradStringVisibility.getValue()) << "state 0 stands for TRUE";
  EXPECT_EQ(node->tickNumOrPeriod.getValue(), 7);

  userToggle(dialog(), indexOf(dialog(), "String Visibility :"), 1);
  EXPECT_FALSE(node->gradStringVisibility.getValue());
  EXPECT_EQ(changes, 5);
}

TEST_F(AxisEditorTest, nodeChangesComeBackIntoTheDialog) {
  node->gradFontSize.setValue(5.0f);
  auto* slider = elementAt<PoXtRealSliderData>(dialog(), indexOf(dialog(), "Font Size :"));
  float min, max;
  slider->getLimit(min, max);
  EXPECT_FLOAT_EQ(slider->getValue(), 5.0f);
  EXPECT_FLOAT_EQ(min, 0.0f);
  EXPECT_FLOAT_EQ(max, 5.0f) << "the range widens to take the node value in";

  node->gradFontSize.setValue(0.5f);
  slider->getLimit(min, max);
  EXPECT_FLOAT_EQ(max, 5.0f) << "and never narrows";

  node->gradDistAxis.setValue(-2.0f);
  auto* dist = elementAt<PoXtRealSliderData>(dialog(), indexOf(dialog(), "Dist. Axis :"));
  dist->getLimit(min, max);
  EXPECT_FLOAT_EQ(min, -2.0f);

  node->tickPosition.setValue(2);
  node->gradStringVisibility.setValue(TRUE);
  EXPECT_EQ(elementAt<PoXtChoiceButtonData>(dialog(), indexOf(dialog(), "Position :", 2))
                ->getSelectedItem(),
            2);
  EXPECT_EQ(elementAt<PoXtToggleButtonData>(dialog(), indexOf(dialog(), "String Visibility :"))
                ->getState(),
            0);
  EXPECT_FLOAT_EQ(workingCopy()->gradFontSize.getValue(), 0.5f);
  EXPECT_EQ(changes, 0) << "outside changes run no change callback";
}

TEST_F(AxisEditorTest, afterAcceptHoldsChangesUntilAccept) {
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  ASSERT_EQ(dialog()->get1Value(dialog()->getNum() - 1)->getID(), -3);
  EXPECT_EQ(indexOfId(dialog(), -3), dialog()->getNum() - 1) << "exactly one Accept, last";

  userSetSlider(dialog(), indexOf(dialog(), "Font Size :"), 0.75f);
  userChoose(dialog(), indexOf(dialog(), "Reverse Flag :"), 1);
  EXPECT_FLOAT_EQ(workingCopy()->gradFontSize.getValue(), node->gradFontSize.getValue());
  EXPECT_NE(node->gradFontSize.getValue(), 0.75f);
  EXPECT_EQ(changes, 0);

  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_FLOAT_EQ(node->gradFontSize.getValue(), 0.75f);
  EXPECT_EQ(node->reverseFlag.getValue(), 1);
  EXPECT_FLOAT_EQ(workingCopy()->gradFontSize.getValue(), 0.75f);
  EXPECT_EQ(changes, 1) << "Accept applies everything at once";

  editor->setUpdateFrequency(PoXtAxisEditor::CONTINUOUS);
  EXPECT_EQ(indexOfId(dialog(), -3), -1);
  expectSectionsConsistent(*editor);
}

TEST_F(AxisEditorTest, acceptWithoutNodeLeavesTheWorkingCopyAlone) {
  editor->detach();
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  userSetSlider(dialog(), indexOf(dialog(), "Font Size :"), 0.75f);
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_NE(workingCopy()->gradFontSize.getValue(), 0.75f);
  EXPECT_EQ(changes, 1);
}

TEST_F(AxisEditorTest, switchingBackToContinuousWhileHiddenKeepsTheNodesOwnChanges) {
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  editor->hide();  // the node's own changes are no longer followed
  node->titleString.setValue("changed outside");
  editor->setUpdateFrequency(PoXtAxisEditor::CONTINUOUS);
  EXPECT_EQ(node->titleString.getValue(), "changed outside") << "the stale working copy stays out";
  editor->show();
  EXPECT_EQ(workingCopy()->titleString.getValue(), "changed outside");
}

TEST_F(AxisEditorTest, switchToContinuousAfterAHiddenAttachWritesTheWorkingCopyWhole) {
  Exposed<PoXtLinearAxisEditor> late;
  late.attach(node);  // while hidden: the working copy is the node as it is now
  const int visibility = node->gradVisibility.getValue();
  node->gradVisibility.setValue((visibility + 1) % 3);
  node->titleString.setValue("changed before shown");
  late.show();  // activate does nothing while the sensor is attached
  late.setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  late.setUpdateFrequency(PoXtAxisEditor::CONTINUOUS);

  SbString nodeText, copyText;
  node->get(nodeText);
  late.workingCopy->get(copyText);
  EXPECT_EQ(nodeText, copyText) << "not a mix of the node's and the working copy's values";
  EXPECT_EQ(node->gradVisibility.getValue(), visibility);
  EXPECT_EQ(
      elementAt<PoXtEditTextData>(late.dialog, indexOf(late.dialog, "String :", 1))->getString(),
      node->titleString.getValue());
}

TEST_F(AxisEditorTest, changeMadeWhileHiddenDoesNotStopTheCatchUpOnShow) {
  editor->hide();
  userSetSlider(dialog(), indexOf(dialog(), "Step :"), 0.5f);  // a program drives the dialog
  EXPECT_FLOAT_EQ(node->step.getValue(), 0.5f);
  node->step.setValue(0.25f);
  auto* step = elementAt<PoXtRealSliderData>(dialog(), indexOf(dialog(), "Step :"));
  EXPECT_FLOAT_EQ(step->getValue(), 0.5f) << "still hidden: not followed";
  editor->show();
  EXPECT_FLOAT_EQ(step->getValue(), 0.25f);

  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  editor->hide();
  dialog()->userChanged(indexOfId(dialog(), -3));
  node->step.setValue(0.75f);
  editor->show();
  EXPECT_FLOAT_EQ(step->getValue(), 0.75f);
}

TEST_F(AxisEditorTest, filterOfSameShownSetChangesNothing) {
  const int before = dialog()->getNum();
  editor->setTextAxisFilter(0x1ffff & ~0x10u, 0);
  EXPECT_EQ(dialog()->getNum(), before - 1);
  EXPECT_EQ(indexOf(dialog(), "Font Size :"), indexOf(dialog(), "Font Size :", 0));
  EXPECT_EQ(indexOfId(dialog(), kFontSizeId), -1);

  editor->setTextAxisFilter(0x1ffff, 0x10);  // the same shown set
  uint32_t show, hide;
  editor->getTextAxisFilter(show, hide);
  EXPECT_EQ(show, 0x1ffffu & ~0x10u);
  EXPECT_EQ(hide, 0u) << "the stored pair stays";
  EXPECT_EQ(dialog()->getNum(), before - 1);
}

TEST_F(AxisEditorTest, hideMaskWins) {
  editor->setGeomAxisFilter(0x1ffff, 0x1ffff & ~0x7u);
  EXPECT_EQ(groupCount(dialog(), 2), 3);
  EXPECT_EQ((sectionHeads(dialog())),
            (std::vector<std::string>{"Graduations", "Title", "Margin", "Grid", "Arrow", "Tick",
                                      "Cartesian", "Linear"}))
      << "emptied sections keep their head";
  expectSectionsConsistent(*editor);
}

TEST_F(AxisEditorTest, firstIndexesStayRightAfterAnySequenceOfFilterCalls) {
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  editor->setTextAxisFilter(0x0000f, 0);  // shrinks sections 0 to 3
  expectSectionsConsistent(*editor);
  editor->setLinearAxisFilter(0x1f, 0x4);  // the last section after the text sections moved
  expectSectionsConsistent(*editor);
  editor->setCartesianAxisFilter(0x1, 0);
  expectSectionsConsistent(*editor);
  editor->setTextAxisFilter(0x1ffff, 0);  // grows them back
  expectSectionsConsistent(*editor);
  editor->setGeomAxisFilter(0x100, 0);
  editor->setPresentation(PoXtAxisEditor::WITHOUT_TOGGLES);
  expectSectionsConsistent(*editor);
  editor->setLinearAxisFilter(0x3, 0);
  editor->setPresentation(PoXtAxisEditor::FOLDED);
  expectSectionsConsistent(*editor);
  editor->setTextAxisFilter(0x10, 0);
  editor->setCartesianAxisFilter(0x7, 0);
  expectSectionsConsistent(*editor);
  EXPECT_EQ(dialog()->get1Value(dialog()->getNum() - 1)->getID(), -3) << "Accept stays last";

  // The elements still edit their own fields.
  editor->setUpdateFrequency(PoXtAxisEditor::CONTINUOUS);
  userSetSlider(dialog(), indexOf(dialog(), "Step :"), 0.5f);
  EXPECT_FLOAT_EQ(node->step.getValue(), 0.5f);
}

TEST_F(AxisEditorTest, presentationsFoldAndDropHeadsButLeavePlainSections) {
  const int unfoldedCount = dialog()->getNum();
  editor->setPresentation(PoXtAxisEditor::FOLDED);
  const int graduations = indexOf(dialog(), "Graduations");
  EXPECT_TRUE(elementAt<PoXtSectionToggleData>(dialog(), graduations)->isSectionFolded());
  EXPECT_TRUE(dialog()->get1Value(indexOf(dialog(), "Font Size :"))->isFolded());
  EXPECT_FALSE(dialog()->get1Value(indexOf(dialog(), "Reverse Flag :"))->isFolded());
  EXPECT_EQ(dialog()->getNum(), unfoldedCount);

  editor->setPresentation(PoXtAxisEditor::WITHOUT_TOGGLES);
  EXPECT_TRUE(sectionHeads(dialog()).empty());
  EXPECT_EQ(dialog()->getNum(), unfoldedCount - 8);
  EXPECT_FALSE(dialog()->get1Value(indexOf(dialog(), "Font Size :"))->isFolded());
  expectSectionsConsistent(*editor);

  editor->setPresentation(PoXtAxisEditor::UNFOLDED);
  EXPECT_EQ(dialog()->getNum(), unfoldedCount);
  EXPECT_FALSE(dialog()->get1Value(indexOf(dialog(), "Font Size :"))->isFolded());
  expectSectionsConsistent(*editor);
}

TEST_F(AxisEditorTest, filterRebuildsSectionsInTheCurrentPresentation) {
  editor->setPresentation(PoXtAxisEditor::FOLDED);
  editor->setTextAxisFilter(0x0ff, 0);  // builds sections 0 to 3 again
  EXPECT_TRUE(dialog()->get1Value(indexOf(dialog(), "Font Size :"))->isFolded());
  EXPECT_EQ(indexOf(dialog(), "Title"), indexOf(dialog(), "String :") + 1);
  expectSectionsConsistent(*editor);
}

TEST_F(AxisEditorTest, pressingASectionHeadFoldsOnlyThatSection) {
  dialog()->userChanged(indexOf(dialog(), "Title"));
  EXPECT_TRUE(dialog()->get1Value(indexOf(dialog(), "Font Size :", 1))->isFolded());
  EXPECT_FALSE(dialog()->get1Value(indexOf(dialog(), "Font Size :", 0))->isFolded());
  EXPECT_EQ(changes, 0) << "a head is no editor element";
}

TEST_F(AxisEditorTest, miscTextAttrButtonChangesNoFieldButRunsCallbacks) {
  SbString before;
  node->get(before);
  dialog()->userChanged(indexOf(dialog(), "Misc. Text Attr. :"));
  SbString after;
  node->get(after);
  EXPECT_EQ(before, after);
  EXPECT_EQ(changes, 1);

  node->titleFontSize.setValue(0.3f);
  EXPECT_FLOAT_EQ(workingCopy()->titleFontSize.getValue(), 0.3f) << "the node is still followed";
}

TEST_F(AxisEditorTest, hiddenEditorDoesNotFollowTheNodeUntilShownAgain) {
  editor->hide();
  node->gradFontSize.setValue(0.6f);
  auto* slider = elementAt<PoXtRealSliderData>(dialog(), indexOf(dialog(), "Font Size :"));
  EXPECT_NE(slider->getValue(), 0.6f);
  EXPECT_NE(workingCopy()->gradFontSize.getValue(), 0.6f);

  editor->show();
  EXPECT_FLOAT_EQ(slider->getValue(), 0.6f);
  EXPECT_FLOAT_EQ(workingCopy()->gradFontSize.getValue(), 0.6f);
}

TEST_F(AxisEditorTest, editorAttachedWhileHiddenShowsTheNodeAsAtAttach) {
  Exposed<PoXtLinearAxisEditor> hidden;
  hidden.attach(node);
  node->titleFontSize.setValue(0.9f);  // the sensor is attached but the editor is not visible
  hidden.show();
  auto* slider =
      elementAt<PoXtRealSliderData>(hidden.dialog, indexOf(hidden.dialog, "Font Size :", 1));
  EXPECT_NE(slider->getValue(), 0.9f) << "activate does nothing while the sensor is attached";
  node->titleFontSize.setValue(0.8f);
  EXPECT_FLOAT_EQ(slider->getValue(), 0.8f);
}

TEST_F(AxisEditorTest, reattachingTheOnlyReferencedNodeKeepsItAlive) {
  auto* lonely = new PoLinearAxis;  // nobody else holds a reference
  editor->attach(lonely);
  EXPECT_EQ(lonely->getRefCount(), 1);
  editor->attach(lonely);
  EXPECT_EQ(lonely->getRefCount(), 1);
  lonely->step.setValue(0.4f);
  EXPECT_FLOAT_EQ(workingCopy()->step.getValue(), 0.4f) << "still attached and followed";
  editor->detach();  // releases and frees it; TearDown checks the count
  EXPECT_FALSE(editor->isAttached());
}

TEST_F(AxisEditorTest, attachingAnotherNodeLeavesTheFirst) {
  const SoRef other(new PoLinearAxis);
  other->titleString.setValue("other");
  editor->attach(other.get());
  EXPECT_EQ(node->getRefCount(), 1);
  EXPECT_EQ(workingCopy()->titleString.getValue(), "other");
  node->titleString.setValue("first");
  EXPECT_EQ(workingCopy()->titleString.getValue(), "other");
  userSetText(dialog(), indexOf(dialog(), "String :", 1), "typed");
  EXPECT_EQ(other->titleString.getValue(), "typed");
  EXPECT_EQ(node->titleString.getValue(), "first");
  editor->detach();
}

TEST_F(AxisEditorTest, changesWithoutNodeReachTheWorkingCopyOnly) {
  editor->detach();
  EXPECT_EQ(node->getRefCount(), 1);
  userSetSlider(dialog(), indexOf(dialog(), "Height :"), 0.5f);
  EXPECT_FLOAT_EQ(workingCopy()->arrowHeight.getValue(), 0.5f);
  EXPECT_NE(node->arrowHeight.getValue(), 0.5f);
  EXPECT_EQ(changes, 1);
}

TEST_F(AxisEditorTest, removedCallbackIsNotCalled) {
  editor->removeAxisChangedCallback(countChange, this);
  userSetSlider(dialog(), indexOf(dialog(), "Height :"), 0.5f);
  EXPECT_EQ(changes, 0);
}

TEST_F(AxisEditorTest, destroyingAnAttachedEditorReleasesOnlyItsReference) {
  delete editor;
  editor = nullptr;
  EXPECT_EQ(node->getRefCount(), 1);
  node->step.setValue(1.0f);  // no sensor of the dead editor is left on the node
  EXPECT_EQ(node->getNumAuditors(), 0);
}

TEST_F(AxisEditorTest, attachCopiesTheMiscTextAttributeBothWays) {
  PbMiscTextAttr attr = *node->getMiscTextAttr();
  attr.setFontName("Courier");
  node->setMiscTextAttr(&attr);
  EXPECT_EQ(*workingCopy()->getMiscTextAttr(), attr) << "the node change came in";

  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  PbMiscTextAttr other = attr;
  other.setFontName("Helvetica");
  workingCopy()->setMiscTextAttr(&other);
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(*node->getMiscTextAttr(), other);
}

}  // namespace
