// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/SoWinComponent.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/Session.h"

using plivexwin::cli::EditorHarness;
using plivexwin::cli::Session;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A linear axis editor session; elements are found by label so that the tests
// follow the dialog's layout.
class SessionTest : public ::testing::Test {
 protected:
  void TearDown() override {
    harness.reset();
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart) << "the session leaked or freed a node";
  }

  // Runs each line of script as a command and returns what the commands printed.
  std::string run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    Session session(*harness, in, out);
    for (std::string line; std::getline(in, line);)
      if (!session.execute(line)) break;
    return out.str();
  }

  int indexOf(const std::string& label, int occurrence = 0) const {
    for (int i = 0; i < dialog().getNum(); ++i)
      if (dialog().get1Value(i)->getLabel() == label.c_str() && occurrence-- == 0) return i;
    ADD_FAILURE() << "no element labelled " << label;
    return -1;
  }
  std::string at(const std::string& label, int occurrence = 0) const {
    return std::to_string(indexOf(label, occurrence));
  }
  template <typename Element>
  Element& element(const std::string& label) const {
    auto* found = dynamic_cast<Element*>(dialog().get1Value(indexOf(label)));
    if (!found) throw std::logic_error(label + " is not of the expected kind");
    return *found;
  }
  std::string field(const char* name) const {
    SbString value;
    harness->node().getField(name)->get(value);
    return value.str();
  }
  PoXtDialog& dialog() const { return harness->dialog(); }
  int acceptIndex() const {
    int last = dialog().getNum() - 1;
    return dialog().get1Value(last)->getID() == -3 ? last : -1;
  }

  long liveAtStart = SoBase::getLiveCount();
  std::unique_ptr<EditorHarness> harness = plivexwin::cli::openEditor("linear");
};

TEST_F(SessionTest, RunPrintsTheDialogEchoesCommandsSkipsCommentsAndStopsAtQuit) {
  std::istringstream in("# a comment\n\n   \t\nshow extra\r\nquit\nnode\n");
  std::ostringstream out;
  EXPECT_EQ(Session(*harness, in, out).run(), 1) << "a command failed; the session went on";

  std::vector<std::string> lines = linesOf(out.str());
  int dialogLines = dialog().getNum();
  ASSERT_EQ(lines.size(), std::size_t(dialogLines + 3));
  EXPECT_EQ(lines[0].substr(0, 5), "  0  ");
  EXPECT_EQ(lines[dialogLines], "> show extra");
  EXPECT_EQ(lines[dialogLines + 1], "error: unexpected 'extra' at the end of the line");
  EXPECT_EQ(lines[dialogLines + 2], "> quit");
}

TEST_F(SessionTest, EveryCommandDoesItsJob) {
  // set, one element of each kind that holds a value (continuous mode)
  EXPECT_EQ(run("set " + at("Graduation Fit :") + " 1\n" + "set " + at("Step :") + " 0.5\n" +
                "set " + at("First Grad. :") + " 3\n" + "set " + at("String Visibility :") +
                " 0\n" + "set " + at("Start :", 1) + " 1 2 3\n")
                .find("error"),
            std::string::npos);
  EXPECT_EQ(field("gradFit"), "UNFIT");
  EXPECT_EQ(field("step"), "0.5");
  EXPECT_EQ(field("tickFirstGrad"), "3");
  EXPECT_EQ(field("gradStringVisibility"), "TRUE");  // state 0 is the toggle's "On"
  EXPECT_EQ(field("start"), "1 2 3");

  // node: every field, defaults included
  std::vector<std::string> nodeLines = linesOf(run("node"));
  ASSERT_EQ(nodeLines.size(), std::size_t(harness->node().getFieldData()->getNumFields() + 1));
  EXPECT_NE(std::find(nodeLines.begin(), nodeLines.end(), "multFactorDistAxis 0.05"),
            nodeLines.end());

  // press folds and unfolds a section
  std::string title = at("Title");
  run("press " + title);
  EXPECT_TRUE(dialog().get1Value(indexOf("Title") + 1)->isFolded());
  run("press " + title);
  EXPECT_FALSE(dialog().get1Value(indexOf("Title") + 1)->isFolded());

  // app goes through the node sensor into the dialog
  run("app step 4\napp gradFontName \"Times\"");
  EXPECT_EQ(element<PoXtRealSliderData>("Step :").getValue(), 4.0f);
  EXPECT_EQ(element<PoXtEditTextData>("Font Name :").getString(), "Times");

  // frequency, presentation, filter (decimal and hexadecimal), hide, showeditor, help
  run("frequency after-accept");
  EXPECT_EQ(harness->getUpdateFrequency(), EditorHarness::AFTER_ACCEPT);
  EXPECT_NE(acceptIndex(), -1);
  run("presentation folded");
  EXPECT_EQ(harness->getPresentation(), EditorHarness::FOLDED);
  int before = dialog().getNum();
  run("filter linear 0x1F 16");
  EXPECT_EQ(dialog().getNum(), before - 1);
  run("hide");
  EXPECT_FALSE(harness->editor().isVisible());
  run("showeditor");
  EXPECT_TRUE(harness->editor().isVisible());
  std::string help = run("help");
  for (const char* command :
       {"show", "node", "set INDEX VALUE", "press INDEX", "frequency", "presentation",
        "filter LEVEL", "app FIELD", "hide", "showeditor", "quit"})
    EXPECT_NE(help.find("  " + std::string(command)), std::string::npos) << command;
}

TEST_F(SessionTest, BadCommandsPrintOneErrorLineAndChangeNothing) {
  std::string step = at("Step :"), fit = at("Graduation Fit :"), grad = at("First Grad. :");
  std::string toggle = at("String Visibility :"), button = at("Format :"), section = at("Title");
  const std::pair<std::string, std::string> cases[] = {
      {"frob", "unknown command 'frob'"},
      {"set 99 1", "no element at index 99"},
      {"set abc 1", "'abc' is not an element index"},
      {"set " + step, "missing value"},
      {"set " + step + " abc", "'abc' is not a number"},
      {"set " + step + " nan", "'nan' is not a number"},
      {"set " + step + " 1.5", "1.5 is outside the slider's limits [0, 1]"},
      {"set " + step + " -0.1", "-0.1 is outside the slider's limits [0, 1]"},
      {"set " + step + " 0.5 0.6", "unexpected '0.6' at the end of the line"},
      {"set " + fit + " 2", "no item 2 (items 0 to 1)"},
      {"set " + grad + " 2.5", "'2.5' is not an integer"},
      {"set " + grad + " 11", "11 is outside the slider's limits [1, 10]"},
      {"set " + toggle + " 2", "'2' is not 0 or 1"},
      {"set " + button + " 1",
       "element " + button + " is a button, which cannot be set; use 'press'"},
      {"set " + section + " 1",
       "element " + section + " is a section, which cannot be set; use 'press'"},
      {"press " + step,
       "element " + step + " is a real-slider, which cannot be pressed; use 'set'"},
      {"frequency sometimes", "unknown frequency 'sometimes'; use continuous or after-accept"},
      {"presentation", "missing presentation (folded, unfolded or without-toggles)"},
      {"filter planar 1 2", "unknown filter level 'planar'; use text, geom, cartesian or linear"},
      {"filter text -1 0", "'-1' is not a 32-bit mask (decimal or 0x hexadecimal)"},
      {"filter text 0x100000000 0",
       "'0x100000000' is not a 32-bit mask (decimal or 0x hexadecimal)"},
      {"filter text 0x 0", "'0x' is not a 32-bit mask (decimal or 0x hexadecimal)"},
      {"filter text 7ff 0", "'7ff' is not a 32-bit mask (decimal or 0x hexadecimal)"},
      {"filter text 1", "missing hide mask"},
      {"app nosuch 1", "the node has no field 'nosuch'"},
      {"app step abc", "bad value for field 'step': "},
      {"app step", "missing value for field 'step'"},
      {"app gradVisibility 7",
       "bad value for field 'gradVisibility': 7 is not a value of this field"},
  };
  std::ostringstream before, after;
  dialog().print(before);
  std::string nodeBefore = run("node");
  for (const auto& [line, message] : cases) {
    std::vector<std::string> output = linesOf(run(line));
    ASSERT_EQ(output.size(), 2u) << line;
    EXPECT_EQ(output[1].substr(0, 7 + message.size()), "error: " + message) << line;
  }
  dialog().print(after);
  EXPECT_EQ(after.str(), before.str());
  EXPECT_EQ(run("node"), nodeBefore);
}

TEST_F(SessionTest, TextSetKeepsBlanksAndIsCutToTheCharactersRead) {
  std::string name = at("Font Name :");
  run("set " + name + "   two  words  ");
  EXPECT_EQ(field("gradFontName"), "\"  two  words  \"");
  run("set " + name + " crlf\r");
  EXPECT_EQ(field("gradFontName"), "\"crlf\"");
  element<PoXtEditTextData>("Font Name :").setNumCharToRead(4);
  run("set " + name + " abcdefgh");
  EXPECT_EQ(field("gradFontName"), "\"abcd\"");
}

TEST_F(SessionTest, AfterAcceptHoldsAChangeUntilAcceptIsPressed) {
  std::string step = at("Step :");
  run("frequency after-accept\nset " + step + " 0.5");
  EXPECT_EQ(field("step"), "0");
  ASSERT_NE(acceptIndex(), -1);
  EXPECT_EQ(run("press " + std::to_string(acceptIndex())),
            "> press " + std::to_string(acceptIndex()) + "\n");
  EXPECT_EQ(field("step"), "0.5");
}

TEST_F(SessionTest, HiddenEditorIgnoresNodeChangesUntilShownAgain) {
  run("hide\napp step 0.25");
  EXPECT_EQ(element<PoXtRealSliderData>("Step :").getValue(), 0.0f);
  run("showeditor");
  EXPECT_EQ(element<PoXtRealSliderData>("Step :").getValue(), 0.25f);
}

TEST_F(SessionTest, ExampleScriptRunsWithoutErrors) {
  std::ifstream script(PLIVEXWIN_EXAMPLES_DIR "/linear-session.txt");
  ASSERT_TRUE(script) << "cannot open the example script";
  std::ostringstream out;
  EXPECT_EQ(Session(*harness, script, out).run(), 0);
  std::vector<std::string> lines = linesOf(out.str());
  EXPECT_GT(lines.size(), std::size_t(dialog().getNum()));
  for (const std::string& line : lines) EXPECT_NE(line.rfind("error:", 0), 0u) << line;
}

// The time axis editor prints each coordinate it reads; in the program that
// line stands right after the echo of the command that typed it.
TEST(TimeSessionTest, CoordinateLineFollowsTheEchoOfItsSet) {
  std::unique_ptr<EditorHarness> harness = plivexwin::cli::openEditor("time");
  ASSERT_TRUE(harness);
  int coordinate = -1;
  for (int i = 0; i < harness->dialog().getNum() && coordinate < 0; ++i)
    if (harness->dialog().get1Value(i)->getLabel() == "Coordinate :") coordinate = i;
  ASSERT_GE(coordinate, 0);
  const std::string set = "set " + std::to_string(coordinate) + " 2.5";
  std::istringstream in(set + "\nshow\n");
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(Session(*harness, in, std::cout).run(), 0);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("> " + set + "\n2.5\n2.5\n> show\n"), std::string::npos) << out;
}

}  // namespace
