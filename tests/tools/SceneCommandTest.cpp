// SPDX-License-Identifier: Apache-2.0
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

// The views in a scene view's scene follow it, further in, as the render
// meets them; a path written prints on one line whatever it holds.
TEST_F(SceneCommandTest, viewsNestedInSceneViewsAreListedUnderThem) {
  const fs::path scene = folder / "nested.scn";
  writeFile(scene,
            "#Scenar V1.0 ascii\n"
            "Separator {\n"
            "  DEF outer PoSceneView {\n"
            "    isBorderVisible TRUE\n"
            "    scene Group {\n"
            "      DEF inner PoView { viewportSize 0.5 0.5 }\n"
            "      DEF middle PoSceneView {\n"
            "        viewportOrigin 0.5 0.5\n"
            "        scene Separator { PoView { } }\n"
            "      }\n"
            "    }\n"
            "  }\n"
            "  DEF after PoView { }\n"
            "}\n");
  const fs::path copy = folder / "two\nlines.scn";
  ASSERT_EQ(run({scene.string(), copy.string()}), 0) << err.str();
  EXPECT_EQ(out.str(),
            "PoSceneView outer origin 0 0 size 1 1 background off border on\n"
            "  PoView inner origin 0 0 size 0.5 0.5\n"
            "  PoSceneView middle origin 0.5 0.5 size 1 1 background off border off\n"
            "    PoView - origin 0 0 size 1 1\n"
            "PoView after origin 0 0 size 1 1\n"
            "rendered 1 shapes\n"  // the outer view's border
            "wrote " +
                (folder / "two\\nlines.scn").string() + "\n");
  EXPECT_TRUE(fs::exists(copy));
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

// A few hundred bytes whose shared groups double per level are refused as
// they are read, before anything traverses them.
TEST_F(SceneCommandTest, scenesExpandingPastTheBoundAreRefusedAtOnce) {
  std::string text = "#Scenar V1.0 ascii\nDEF g0 Group { }\n";
  for (int i = 1; i <= 40; ++i) {
    const std::string before = "g" + std::to_string(i - 1);
    text += "DEF g" + std::to_string(i) + " Group { USE " + before + " USE " + before + " }\n";
  }
  const fs::path scene = folder / "doubling.scn";
  writeFile(scene, text);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(run({scene.string(), (folder / "out.scn").string()}), 1);
  EXPECT_EQ(err.str(), "plivexwin: " + scene.string() +
                           ":24: the scene expands to more than 10000000 nodes\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << "a hang guard";
  EXPECT_EQ(entries(), 1);
}

// Written, a scene view gains its background parts, two levels below it: 998
// groups above it read, but would not read back, and are not written.
TEST_F(SceneCommandTest, aSceneThatWouldNotReadBackIsNotWritten) {
  const auto nested = [](int groups) {
    std::string text = "#Scenar V1.0 ascii\n";
    for (int i = 0; i < groups; ++i) text += "Group {\n";
    return text + "PoSceneView { isBackgroundVisible TRUE }\n" + std::string(groups, '}') + "\n";
  };
  const fs::path deep = folder / "deep.scn";
  const fs::path target = folder / "out.scn";
  writeFile(deep, nested(998));
  writeFile(target, "old");
  ASSERT_EQ(run({deep.string()}), 0) << err.str();
  EXPECT_EQ(run({deep.string(), target.string()}), 1);
  EXPECT_EQ(err.str(), "plivexwin: " + target.string() +
                           ": the scene nests 1001 levels deep, more than the 1000 a scene file "
                           "may\n");
  EXPECT_EQ(contentsOf(target), "old");
  EXPECT_EQ(entries(), 2) << "no temporary file";

  writeFile(deep, nested(997));
  ASSERT_EQ(run({deep.string(), target.string()}), 0) << err.str();
  EXPECT_EQ(run({target.string()}), 0) << err.str();

  // A VRML 2.0 node first would make the file a VRML97 world.
  const fs::path world = folder / "world.scn";
  writeFile(world, "#Scenar V1.0 ascii\nVRMLGroup { }\n");
  ASSERT_EQ(run({world.string()}), 0) << err.str();
  EXPECT_EQ(run({world.string(), target.string()}), 1);
  EXPECT_NE(err.str().find("starts with a VRMLGroup"), std::string::npos) << err.str();
}

// A path read prints on one line, its control bytes escaped, with the reason.
TEST_F(SceneCommandTest, readErrorsEscapeThePathAndTellWhy) {
  const fs::path bad = folder / "a\nb.scn";
  const std::string shown = (folder / "a\\nb.scn").string();
  EXPECT_EQ(run({bad.string()}), 1);
  EXPECT_EQ(err.str(), "plivexwin: " + shown + ": No such file or directory\n");
  writeFile(bad, "#Scenar V1.0 ascii\nGroup {\n  Bogus { }\n}\n");
  EXPECT_EQ(run({bad.string()}), 1);
  EXPECT_EQ(err.str(), "plivexwin: " + shown + ":3: unknown node type 'Bogus'\n");
}

}  // namespace
