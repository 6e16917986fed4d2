// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/PoXtDialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/scenarwin/menuColumn.h"

namespace {

const char* const kItems[] = {"Off", "On"};

PoXtElementData* makeChoice(int32_t bit, int32_t group) {
  auto* e = new PoXtChoiceButtonData("Choice :", 2, kItems, 0);
  e->setID(bit | group);
  return e;
}
PoXtElementData* makeText(int32_t bit, int32_t group) {
  auto* e = new PoXtEditTextData("Text :", "a b", 10);
  e->setID(bit | group);
  return e;
}
constexpr PoXtCreateElementFn kCreate[] = {makeChoice, makeText, makeChoice};

struct Recorder {
  std::vector<int> indexes;
  PoXtDialog* removeFrom = nullptr;
  static void record(void* self, PoXtDialogDataCB* data) {
    auto* r = static_cast<Recorder*>(self);
    r->indexes.push_back(data->elementIndex);
    if (r->removeFrom) r->removeFrom->removeValueChangedCallback(record, r + 1);
  }
};

TEST(PoXtDialogTest, userChangeRunsTheCallbacksOfTheMoment) {
  PoXtDialog dialog;
  dialog.insert1Value(0, new PoXtTriggerButtonData("Go :", "Press"));
  dialog.insert1Value(0, new PoXtToggleButtonData("T :", 1, "On", "Off"));
  Recorder recorders[2];
  dialog.addValueChangedCallback(Recorder::record, &recorders[0]);
  dialog.addValueChangedCallback(Recorder::record, &recorders[1]);
  recorders[0].removeFrom = &dialog;  // removes the second before its turn
  EXPECT_TRUE(dialog.userChanged(1));
  EXPECT_EQ(recorders[0].indexes, std::vector<int>{1});
  EXPECT_TRUE(recorders[1].indexes.empty());
  EXPECT_FALSE(dialog.userChanged(2)) << "no element there";
  EXPECT_EQ(dialog.get1Value(-1), nullptr);
  dialog.delete1Value(7);  // outside: nothing
  EXPECT_EQ(dialog.getNum(), 2);
}

TEST(PoXtDialogTest, printsOneLinePerElement) {
  PoXtDialog dialog;
  auto* slider = new PoXtRealSliderData("Size :", 0, 5, 2.5f);
  slider->setID(0x08000010);
  dialog.insert1Value(0, slider);
  auto* accept = new PoXtTriggerButtonData("", "Accept");
  accept->setID(-3);
  dialog.insert1Value(1, accept);
  std::ostringstream out;
  dialog.print(out);
  EXPECT_EQ(out.str(),
            "  0  0x08000010  real-slider  \"Size :\"  2.5 [0, 5]\n"
            "  1  -3  button  \"\"  \"Accept\"\n");
}

TEST(MenuColumnTest, buildsHeadAndSelectedElementsAndTracksItsEntries) {
  PoXtDialog dialog;
  dialog.insert1Value(0, new PoXtTriggerButtonData("Before :", "x"));
  menuColumn column;
  column.setDialog(&dialog);
  column.setToggleName("Section");
  column.setCreationArray(kCreate, 3);
  column.elementMask = 0x7;
  column.groupBits = 0x18000000;
  column.withToggle = 1;
  column.unfolded = 0;
  column.build(1, 0x7, 0x2);  // the hide mask wins for bit 1
  EXPECT_EQ(column.elementCount, 3);
  EXPECT_EQ(dialog.get1Value(1)->getLabel(), "Section");
  EXPECT_EQ(dialog.get1Value(2)->getID(), 0x18000001);
  EXPECT_EQ(dialog.get1Value(3)->getID(), 0x18000004);
  EXPECT_TRUE(dialog.get1Value(2)->isFolded()) << "built folded";

  column.withToggle = 0, column.withoutToggle = 1;
  column.changeToggleAspect(1);
  EXPECT_EQ(column.elementCount, 2);
  EXPECT_EQ(dialog.getNum(), 3);
  EXPECT_FALSE(dialog.get1Value(1)->isFolded());

  column.withToggle = 1, column.withoutToggle = 0;
  column.changeToggleAspect(1);
  column.fold(1);
  EXPECT_EQ(dialog.getNum(), 4);
  EXPECT_TRUE(dialog.get1Value(3)->isFolded());
  dialog.userChanged(1);  // the user opens it
  EXPECT_FALSE(dialog.get1Value(3)->isFolded());

  column.destroy(1);
  EXPECT_EQ(dialog.getNum(), 1);
  EXPECT_EQ(column.built, 0);
}

}  // namespace
