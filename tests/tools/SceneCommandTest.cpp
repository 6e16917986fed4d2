#include "plivexwin/SceneCommand.h"

#include <sys/stat.h>

#include <chrono>
#include <utility>

#include "CommandTestSupport.h"
#include "plivexwin/SceneFile.h"

namespace {

// Runs `plivexwin scene ARGS...` in a folder of its own.
class SceneCommandTest : public CommandTest {
 protected:
  int run(std::vector<std::string> words) {
    return plivexwin::cli::runScene(argsOf(words), out, err);
  }
  void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
};

TEST_F(SceneCommandTest, exampleListsItsViewsRendersAndWritesItselfBack) {
  const std::string example = PLIVEXWIN_EXAMPLES_DIR "/three-views.scn";
  const fs::path copy = folder / "copy.scn";
  ASSERT_EQ(run({example, copy.string()}), 0) << err.str();
  EXPECT_EQ(out.str(),
            "PoSceneView overview origin 0 0 size 0.6 0.6 background on border on\n"
            "PoSceneView detail origin 0.4 0.3 size 0.6 0.7 background on border on\n"
            "PoSceneView inset origin 0.65 0.05 size 0.3 0.3 background on border off\n"
            "PoView framed origin 0.05 0.7 size 0.3 0.25\n"
            "rendered 9 shapes\n"
            "wrote " +
                copy.string() + "\n");
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(contentsOf(copy), contentsOf(example));
}

TEST_F(SceneCommandTest, unreadableFilesGiveOneLineAndWriteNothing) {
  const fs::path target = folder / "out.scn";
  EXPECT_EQ(run({(folder / "missing.scn").string(), target.string()}), 1);
  EXPECT_EQ(err.str(),
            "plivexwin: " + (folder / "missing.scn").string() + ": No such file or directory\n");

  const fs::path bad = folder / "bad.scn";
  writeFile(bad, "#Scenar V1.0 ascii\nSeparator {\n  PoSceneView { isBorderVisible MAYBE }\n}\n");
  EXPECT_EQ(run({bad.string(), target.string()}), 1);
  EXPECT_EQ(err.str().rfind("plivexwin: " + bad.string() + ":3: ", 0), 0u) << err.str();
  EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
  EXPECT_EQ(out.str(), "");
  EXPECT_FALSE(fs::exists(target));

  EXPECT_EQ(run({}), 2);
  EXPECT_NE(err.str().find("usage: plivexwin scene"), std::string::npos);
  EXPECT_EQ(run({bad.string(), "a", "b"}), 2);
}

TEST_F(SceneCommandTest, failedWriteLeavesTheTargetAndNoTemporaryBehind) {
  const fs::path scene = folder / "scene.scn";
  writeFile(scene, "#Scenar V1.0 ascii\nPoSceneView { isBorderVisible TRUE }\n");
  const fs::path target = folder / "taken";  // a folder with a file in it
  fs::create_directories(target);
  writeFile(target / "keep", "kept");

  EXPECT_EQ(run({scene.string(), target.string()}), 2) << "refused before reading";
  EXPECT_EQ(err.str().rfind("plivexwin: " + target.string() + ": ", 0), 0u) << err.str();
  EXPECT_EQ(contentsOf(target / "keep"), "kept");
  EXPECT_EQ(entries(), 2) << "the scene and the folder, no temporary file";

  const fs::path copy = folder / "copy.scn";
  writeFile(copy, "old");
  ASSERT_EQ(run({scene.string(), copy.string()}), 0) << "a file written over";
  const std::string after = contentsOf(copy);
  EXPECT_NE(after.find("isBorderVisible TRUE"), std::string::npos) << after;
  EXPECT_EQ(fs::status(copy).permissions(), fs::status(target / "keep").permissions());
}

// What is not a regular file, or too large, is refused without reading it:
// a device or a pipe could be endless or never end a read.
TEST_F(SceneCommandTest, inputsThatAreNoRegularFilesOrTooLargeAreRefusedAtOnce) {
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  for (const auto& [input, reason] :
       std::vector<std::pair<std::string, std::string>>{{"/dev/zero", "is not a regular file"},
                                                        {pipe.string(), "is not a regular file"},
                                                        {folder.string(), "is a folder"}}) {
    EXPECT_EQ(run({input}), 1) << input;
    EXPECT_EQ(err.str(), "plivexwin: " + input + ": " + reason + "\n");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  const fs::path scene = folder / "scene.scn";
  writeFile(scene, "#Scenar V1.0 ascii\nSeparator {}\n");
  std::string error;
  EXPECT_FALSE(plivexwin::cli::SceneFile::read(scene.string(), error, 10));
  EXPECT_EQ(error, scene.string() + ": holds 32 bytes, more than the 10 a scene file may");
  EXPECT_TRUE(plivexwin::cli::SceneFile::read(scene.string(), error, 32)) << error;
}

}  // namespace
