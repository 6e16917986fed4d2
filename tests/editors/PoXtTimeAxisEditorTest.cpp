// SPDX-License-Identifier: Apache-2.0
// The "Time" class level, through the time axis editor.

#include <string>
#include <vector>

#include "editors/axis/PoXtTimeAxisEditor.h"
#include "platform/plivex/PoTimeAxis.h"
#include "platform/scenar/basic/SoRef.h"

#include "EditorTestSupport.h"
#include "support/CommaLocale.h"

namespace {

using TimeAxisEditorTest = EditorFixture<PoXtTimeAxisEditor, PoTimeAxis>;

TEST_F(TimeAxisEditorTest, timeFollowsTickWithoutACartesianSection) {
  const std::vector<std::string> heads = sectionHeads(dialog());
  EXPECT_EQ(heads.back(), "Time");
  EXPECT_EQ(heads[heads.size() - 2], "Tick");
  EXPECT_EQ(editor->sectionCount, 9);
  EXPECT_EQ(groupCount(dialog(), 3), 0);
  EXPECT_EQ(groupCount(dialog(), 11), 9);

  userChoose(dialog(), indexOf(dialog(), "Language :"), 2);  // "Deutch"
  EXPECT_EQ(node->language.getValue(), 2);
  userSetText(dialog(), indexOf(dialog(), "Start Date :"), "not a date");
  EXPECT_EQ(node->startDate.getValue(), "not a date");

  editor->setTimeAxisFilter(0x1ff, 0x100);
  PoXtElementData* kept = dialog()->get1Value(indexOf(dialog(), "Coordinate :"));
  editor->setTimeAxisFilter(0xff, 0);  // the same shown set: the section stays as it is
  EXPECT_EQ(dialog()->get1Value(indexOf(dialog(), "Coordinate :")), kept);
  EXPECT_EQ(indexOf(dialog(), "Date Format Mapping :"), -1);
  expectSectionsConsistent(*editor);
}

// Types text into "Coordinate :" and returns what the editor printed meanwhile.
std::string typeCoordinate(PoXtDialog* dialog, const char* text) {
  ::testing::internal::CaptureStdout();
  userSetText(dialog, indexOf(dialog, "Coordinate :"), text);
  return ::testing::internal::GetCapturedStdout();
}

TEST_F(TimeAxisEditorTest, coordinatePrintsEachValueItStoresWhateverTheLocale) {
  CommaLocale locale;  // when none is installed, the test still runs in the usual one
  EXPECT_EQ(typeCoordinate(dialog(), "2.5"), "2.5\n2.5\n") << "working copy, then node";
  EXPECT_FLOAT_EQ(node->coordinate.getValue(), 2.5f);
  EXPECT_FLOAT_EQ(workingCopy()->coordinate.getValue(), 2.5f);
  EXPECT_EQ(typeCoordinate(dialog(), ""), "0\n0\n") << "an empty text reads as 0";
  EXPECT_FLOAT_EQ(node->coordinate.getValue(), 0.0f);

  node->coordinate.setValue(0.00001f);
  EXPECT_EQ(elementAt<PoXtEditTextData>(dialog(), indexOf(dialog(), "Coordinate :"))->getString(),
            "1e-05");
  editor->setUpdateFrequency(PoXtAxisEditor::AFTER_ACCEPT);
  EXPECT_EQ(typeCoordinate(dialog(), "-3"), "") << "held until Accept";
  ::testing::internal::CaptureStdout();
  dialog()->userChanged(indexOfId(dialog(), -3));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "-3\n");
  EXPECT_FLOAT_EQ(node->coordinate.getValue(), -3.0f);
}

TEST_F(TimeAxisEditorTest, graduationTextsAndDateMappingTravelWithTheNode) {
  PbDateFormatMapping mapping;
  mapping.addMapping(3600, "%H:%M");
  const SbString reps[] = {"Jan", "Feb"};
  const SoRef other(new PoTimeAxis);
  other->gradRep.setValues(0, 2, reps);
  other->setDateFormatMapping(&mapping);
  editor->attach(other.get());
  EXPECT_EQ(workingCopy()->gradRep, other->gradRep);
  EXPECT_EQ(*workingCopy()->getDateFormatMapping(), mapping);

  editor->attach(node);
  EXPECT_EQ(workingCopy()->gradRep.getNum(), 0) << "the list is copied whole";
  EXPECT_EQ(workingCopy()->getDateFormatMapping()->getNumMappings(), 0);
  changes = 0;
  dialog()->userChanged(indexOf(dialog(), "Date Format Mapping :"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(node->getDateFormatMapping()->getNumMappings(), 0);
  node->setDateFormatMapping(&mapping);
  EXPECT_EQ(*workingCopy()->getDateFormatMapping(), mapping) << "still following the node";
}

}  // namespace
