// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/EditCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

#include "CommandTestSupport.h"
#include "plivexwin/InputLines.h"

namespace {

// A scene of axes and a legend in the writer's own layout, so that a save
// that changes nothing writes it back as it is.
const char kScene[] =
    "#Scenar V1.0 ascii\n"
    "\n"
    "Separator {\n"
    "  DEF xAxis PoLinearAxis {\n"
    "    step 2\n"
    "  }\n"
    "  Group {\n"
    "    DEF legend PoItemLegend { }\n"
    "    USE xAxis\n"
    "  }\n"
    "  DEF yAxis PoLogAxis { }\n"
    "}\n";

// Runs `plivexwin edit ARGS...` on a script, in a folder of its own.
class EditCommandTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    scene = folder / "plot.scn";
    std::ofstream(scene, std::ios::binary) << kScene;
  }

  int run(std::vector<std::string> words, const std::string& script = "") {
    std::istringstream in(script);
    return plivexwin::cli::runEdit(argsOf(words), in, out, err);
  }
  int runOn(const std::string& node, const std::string& script = "") {
    return run({"--file", scene.string(), "--node", node}, script);
  }
  // Runs `plivexwin edit KIND` with the file at input as its standard input.
  int runReading(const std::string& input, std::vector<std::string> words) {
    const int descriptor = open(input.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_GE(descriptor, 0) << input;
    plivexwin::cli::DescriptorInput in(descriptor);
    const int status = plivexwin::cli::runEdit(argsOf(words), in, out, err);
    close(descriptor);
    return status;
  }

  fs::path scene;
};

TEST_F(EditCommandTest, anEditSavedReadsBackWithEveryOtherNodeAndNameAsTheyWere) {
  ASSERT_EQ(runOn("xAxis", "app step 5\nsave\n"), 0) << out.str();
  EXPECT_NE(out.str().find("wrote " + scene.string() + "\n"), std::string::npos);
  std::string expected = kScene;
  expected.replace(expected.find("step 2"), 6, "step 5");
  EXPECT_EQ(contentsOf(scene), expected);

  // Read again, the legend is found and edited the same way.
  ASSERT_EQ(run({"--node", "legend", "--file", scene.string()}, "app numColumns 3\nsave\n"), 0);
  EXPECT_NE(contentsOf(scene).find("    DEF legend PoItemLegend {\n      numColumns 3\n    }"),
            std::string::npos);

  const fs::path copy = folder / "copy.scn";
  ASSERT_EQ(runOn("yAxis", "save " + copy.string() + "\n"), 0);
  EXPECT_EQ(contentsOf(copy), contentsOf(scene)) << "the whole scene, to another file";
}

TEST_F(EditCommandTest, filesAndNamesThatCannotBeEditedAreRefused) {
  EXPECT_EQ(runOn("nope"), 1);
  EXPECT_EQ(err.str(), "plivexwin: " + scene.string() + ": no node named 'nope'\n");

  std::ofstream(scene, std::ios::binary) << "#Scenar V1.0 ascii\nDEF root Separator {\n"
#ifdef PLIVEXWIN_EDITORS_ONLY
                                            "  DEF view PoSceneView { }\n"
#endif
                                            "}\n";
#ifdef PLIVEXWIN_EDITORS_ONLY
  // No views in this build: the reader does not know the type.
  EXPECT_EQ(runOn("view"), 1);
  EXPECT_EQ(err.str().rfind("plivexwin: " + scene.string() + ":3: ", 0), 0u) << err.str();
  EXPECT_NE(err.str().find("PoSceneView"), std::string::npos) << err.str();
#else
  EXPECT_EQ(runOn("root"), 1);
  EXPECT_EQ(err.str(), "plivexwin: node 'root' is a Separator, which no editor edits\n");
#endif
  EXPECT_EQ(out.str(), "");

  EXPECT_EQ(run({"--file", scene.string()}), 2);
  EXPECT_EQ(run({"--file", scene.string(), "--file", scene.string()}), 2);
}

// Standard input that cannot be read, or that never ends its line, ends the
// session at once with one line that says why.
TEST_F(EditCommandTest, unreadableOrEndlessInputEndsTheSessionInOneLine) {
  alarm(60);  // a hang kills the tests rather than stalling them
  for (const auto& [input, reason] : std::vector<std::pair<std::string, std::string>>{
           {folder.string(), "Is a directory"},
           {"/dev/zero", "a line holds more than 1048576 bytes"}}) {
    EXPECT_EQ(runReading(input, {"linear"}), 1) << input;
    EXPECT_EQ(err.str(), "plivexwin: standard input: " + reason + "\n");
  }
  alarm(0);

  // A script read the same way runs as before, its last line without '\n'.
  const fs::path script = folder / "script.txt";
  std::ofstream(script, std::ios::binary) << "app step 3\r\nnode";
  EXPECT_EQ(runReading(script.string(), {"linear"}), 0) << err.str();
  EXPECT_NE(out.str().find("> app step 3\n> node\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\nstep 3\n"), std::string::npos) << out.str();
  EXPECT_EQ(err.str(), "");
}

TEST_F(EditCommandTest, aFailedSaveIsAnErrorLineAndLeavesTheFile) {
  const std::string before = contentsOf(scene);
  EXPECT_EQ(
      runOn("xAxis", "app step 7\nsave " + (folder / "no" / "such.scn").string() + "\nnode\n"), 1);
  EXPECT_NE(out.str().find("error: "), std::string::npos);
  EXPECT_NE(out.str().find("step 7"), std::string::npos) << "the session went on";
  EXPECT_EQ(contentsOf(scene), before);

  // A fresh node comes from no file: it is saved alone, to the path given.
  const fs::path alone = folder / "alone.scn";
  EXPECT_EQ(run({"linear"}, "save\nsave " + alone.string() + "\n"), 1);
  EXPECT_NE(out.str().find("error: missing PATH"), std::string::npos);
  EXPECT_EQ(contentsOf(alone), "#Scenar V1.0 ascii\n\nPoLinearAxis { }\n");
}

}  // namespace
