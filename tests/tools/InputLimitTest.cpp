// SPDX-License-Identifier: Apache-2.0
// --max-input-bytes, as every command that reads a scene file takes it.

#include <sstream>

#include "CommandTestSupport.h"
#include "plivexwin/ConvertCommand.h"
#include "plivexwin/EditCommand.h"
#include "plivexwin/RenderCommand.h"
#include "plivexwin/SceneCommand.h"

namespace {

using Words = std::vector<std::string>;

class InputLimitTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    // An axis an editor edits, after a comment that makes the file 2 KiB and more.
    std::ofstream(scene, std::ios::binary)
        << "#Scenar V1.0 ascii\n#" << std::string(2100, '-') << "\nDEF axis PoLinearAxis { }\n";
  }

  // The commands that read a scene file, with their words before the limit.
  struct Command {
    const char* name;
    Words words;
  };
  std::vector<Command> commands() const {
    return {{"scene", {scene.string()}},
            {"convert", {scene.string(), (folder / "out.wrl").string()}},
            {"render", {scene.string(), (folder / "out.png").string(), "--size", "8x8"}},
            {"edit", {"--file", scene.string(), "--node", "axis"}}};
  }
  int run(const Command& command, const Words& limit) {
    Words words = command.words;
    words.insert(words.end(), limit.begin(), limit.end());
    const std::string name = command.name;
    if (name == "convert") return plivexwin::cli::runConvert(argsOf(words), out, err);
    if (name == "render") return plivexwin::cli::runRender(argsOf(words), out, err, false);
    std::istringstream in("quit\n");
    if (name == "edit") return plivexwin::cli::runEdit(argsOf(words), in, out, err);
    return plivexwin::cli::runScene(argsOf(words), out, err);
  }

  fs::path scene = folder / "axis.scn";
};

TEST_F(InputLimitTest, aFileAboveTheLimitIsRefusedInOneLine) {
  const auto size = fs::file_size(scene);
  for (const Command& command : commands()) {
    EXPECT_EQ(run(command, {"--max-input-bytes", "2K"}), 1) << command.name;
    EXPECT_EQ(err.str(), "plivexwin: " + scene.string() + ": holds " + std::to_string(size) +
                             " bytes, more than the 2048 a scene file may\n")
        << command.name;
    EXPECT_EQ(out.str(), "") << command.name;
    EXPECT_EQ(entries(), 1) << command.name << ": the scene alone";

    EXPECT_EQ(run(command, {"--max-input-bytes", std::to_string(size)}), 0)
        << command.name << ": " << err.str();
    EXPECT_EQ(run(command, {"--max-input-bytes", "1G"}), 0) << command.name;
    fs::remove(folder / "out.wrl");
    fs::remove(folder / "out.png");
  }
}

TEST_F(InputLimitTest, aLimitThatIsNoByteCountIsAUsageError) {
  for (const Command& command : commands()) {
    for (const Words& limit :
         std::vector<Words>{{"--max-input-bytes", "2X"},
                            {"--max-input-bytes", "-1"},
                            {"--max-input-bytes", ""},
                            {"--max-input-bytes", "1KM"},
                            {"--max-input-bytes", "0x10"},
                            {"--max-input-bytes", "99999999999999999999"},
                            {"--max-input-bytes", "17179869184G"},
                            {"--max-input-bytes", "1K", "--max-input-bytes", "1K"},
                            {"--max-input-bytes"}}) {
      EXPECT_EQ(run(command, limit), 2) << command.name << ' ' << limit.back();
      EXPECT_EQ(err.str().rfind("plivexwin: ", 0), 0u) << err.str();
      EXPECT_NE(err.str().find("--max-input-bytes N"), std::string::npos)
          << "the usage tells of it: " << err.str();
    }
  }
}

}  // namespace
