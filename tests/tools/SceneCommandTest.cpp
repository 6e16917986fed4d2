#include "plivexwin/SceneCommand.h"

#include "CommandTestSupport.h"

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
  EXPECT_EQ(err.str(), "plivexwin: " + (folder / "missing.scn").string() + ": cannot open file\n");

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

  EXPECT_EQ(run({scene.string(), target.string()}), 1);
  EXPECT_EQ(err.str().rfind("plivexwin: " + target.string() + ": ", 0), 0u) << err.str();
  EXPECT_EQ(contentsOf(target / "keep"), "kept");
  EXPECT_EQ(entries(), 2) << "the scene and the folder, no temporary file";

  const std::string before = contentsOf(scene);
  ASSERT_EQ(run({scene.string(), scene.string()}), 0) << "a file written over itself";
  const std::string after = contentsOf(scene);
  EXPECT_NE(after, before);
  EXPECT_NE(after.find("isBorderVisible TRUE"), std::string::npos) << after;
  EXPECT_EQ(fs::status(scene).permissions(), fs::status(target / "keep").permissions());
}

}  // namespace
