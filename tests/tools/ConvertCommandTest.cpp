// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/ConvertCommand.h"

#include "CommandTestSupport.h"
#include "plivexwin/DemoScene.h"
#include "plivexwin/EditCommand.h"
#include "plivexwin/PngFile.h"
#include "plivexwin/SceneCommand.h"

namespace {

// Two scene views, the first with an axis; the second with a camera of
// focal distance 0, which cannot be placed.
constexpr const char* kTwoViews =
    "#Scenar V1.0 ascii\n"
    "Separator {\n"
    "  PoSceneView {\n"
    "    viewportSize 0.5 0.5\n"
    "    cameraKit CameraKit { camera OrthographicCamera { } }\n"
    "    scene Group { DEF x PoLinearAxis { end 2 } }\n"
    "  }\n"
    "  PoSceneView {\n"
    "    viewportOrigin 0.5 0.5\n"
    "    cameraKit CameraKit { camera PerspectiveCamera { focalDistance 0 } }\n"
    "    scene Group { Cube { } }\n"
    "  }\n"
    "}\n";

// Runs `plivexwin convert` and `plivexwin demo` in a folder of their own.
class ConvertCommandTest : public CommandTest {
 protected:
  int convert(std::vector<std::string> words) {
    return plivexwin::cli::runConvert(argsOf(words), out, err);
  }
  int demo(std::vector<std::string> words) {
    return plivexwin::cli::runDemo(argsOf(words), out, err);
  }
  fs::path writeFile(const std::string& name, const std::string& text) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(ConvertCommandTest, convertWritesTheWorldOfAScene) {
  const fs::path scene = writeFile("two.scn", kTwoViews);
  const fs::path world = folder / "two.wrl";
  ASSERT_EQ(convert({scene.string(), world.string()}), 0) << err.str();
  EXPECT_EQ(out.str(), "wrote " + world.string() + " (1 scene view placed)\n");
  EXPECT_EQ(err.str(), "");
  std::string text = contentsOf(world);
  EXPECT_EQ(text.rfind("#VRML V2.0 utf8\n", 0), 0u) << text;
  EXPECT_NE(text.find("ProximitySensor"), std::string::npos) << text;
  EXPECT_NE(text.find("point [0 0 0, 2 0 0"), std::string::npos) << "the axis draws\n" << text;

  ASSERT_EQ(convert({"--navigable-first-view", scene.string(), world.string()}), 0) << err.str();
  text = contentsOf(world);
  EXPECT_NE(text.find("Viewpoint"), std::string::npos) << text;
  EXPECT_EQ(text.find("ProximitySensor"), std::string::npos) << text;
  EXPECT_EQ(entries(), 2) << "no temporary file left";
}

TEST_F(ConvertCommandTest, badArgumentsAndInputsWriteNothing) {
  const fs::path scene = writeFile("two.scn", kTwoViews);
  const fs::path world = writeFile("kept.wrl", "kept");
  for (std::vector<std::string> words :
       std::vector<std::vector<std::string>>{{},
                                             {scene.string()},
                                             {scene.string(), world.string(), "third"},
                                             {"--fast", scene.string(), world.string()}}) {
    EXPECT_EQ(convert(words), 2);
    EXPECT_NE(err.str().find("usage: plivexwin convert"), std::string::npos) << err.str();
  }
  EXPECT_EQ(convert({"--help"}), 0);
  EXPECT_NE(out.str().find("--navigable-first-view"), std::string::npos);

  EXPECT_EQ(convert({(folder / "missing.scn").string(), world.string()}), 1);
  EXPECT_EQ(err.str(),
            "plivexwin: " + (folder / "missing.scn").string() + ": No such file or directory\n");
  const fs::path bad = writeFile("bad.scn", "#Scenar V1.0 ascii\nSeparator {\n  PoSceneView {\n");
  EXPECT_EQ(convert({bad.string(), world.string()}), 1);
  EXPECT_EQ(err.str().rfind("plivexwin: " + bad.string() + ":", 0), 0u) << err.str();
  EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
  EXPECT_EQ(convert({folder.string(), world.string()}), 1) << "a folder is no scene file";
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(contentsOf(world), "kept");

  const fs::path taken = folder / "taken";  // a folder with a file in it
  fs::create_directories(taken);
  writeFile("taken/keep", "kept");
  EXPECT_EQ(convert({scene.string(), taken.string()}), 2) << "refused before reading";
  EXPECT_EQ(err.str().rfind("plivexwin: " + taken.string() + ": ", 0), 0u) << err.str();
  EXPECT_EQ(convert({scene.string(), (folder / "none" / "x.wrl").string()}), 1);
  EXPECT_EQ(contentsOf(taken / "keep"), "kept");
  EXPECT_EQ(entries(), 4) << "the scenes, the kept world and the folder, no temporary file";
}

TEST_F(ConvertCommandTest, demoWritesItsSceneAndWorldThenAnEditedSceneConvertsAgain) {
  const fs::path demoFolder = folder / "build" / "demo";
  ASSERT_EQ(demo({demoFolder.string()}), 0) << err.str();
  const fs::path scene = demoFolder / "demo.scn";
  const fs::path world = demoFolder / "demo.wrl";
  const fs::path picture = demoFolder / "demo.png";
  EXPECT_EQ(
      out.str().rfind("wrote " + scene.string() + "\nwrote " + world.string() +
                          " (4 scene views placed)\nwrote " + picture.string() + " (800x800)\n",
                      0),
      0u)
      << out.str();
  EXPECT_NE(out.str().find("\n  plivexwin render " + scene.string() + ' ' + picture.string() +
                           " --size 800x800\n"),
            std::string::npos)
      << "the hint renders the square picture again\n"
      << out.str();
  std::string error;
  const auto rendered = plivexwin::cli::readPng(picture.string(), error);
  ASSERT_TRUE(rendered) << error;
  EXPECT_EQ(rendered->width, 800);
  EXPECT_EQ(rendered->height, 800);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(contentsOf(scene), plivexwin::cli::demoScene()) << "written as embedded";
  const std::string before = contentsOf(world);
  EXPECT_EQ(before.rfind("#VRML V2.0 utf8\n", 0), 0u);

  // The scene is in the writer's own layout.
  std::vector<std::string> words{scene.string(), (folder / "again.scn").string()};
  ASSERT_EQ(plivexwin::cli::runScene(argsOf(words), out, err), 0) << err.str();
  EXPECT_EQ(contentsOf(folder / "again.scn"), contentsOf(scene));

  // The round trip of the README: an axis edited and saved, then converted.
  std::istringstream session("app end 2\nsave\nquit\n");
  words = {"--file", scene.string(), "--node", "linearX"};
  ASSERT_EQ(plivexwin::cli::runEdit(argsOf(words), session, out, err), 0) << out.str();
  ASSERT_EQ(convert({scene.string(), world.string()}), 0) << err.str();
  const std::string after = contentsOf(world);
  EXPECT_EQ(before.find("point [0 0 0, 2 0 0"), std::string::npos);
  EXPECT_NE(after.find("point [0 0 0, 2 0 0"), std::string::npos) << after;
}

TEST_F(ConvertCommandTest, demoWritesIntoTheCurrentFolderAndRefusesWhatItCannotWrite) {
  const fs::path here = fs::current_path();
  fs::current_path(folder);
  const int status = demo({});
  fs::current_path(here);
  ASSERT_EQ(status, 0) << err.str();
  EXPECT_NE(out.str().find("wrote ./demo.scn\n"), std::string::npos) << out.str();
  EXPECT_TRUE(fs::exists(folder / "demo.wrl"));

  const fs::path file = writeFile("file", "kept");
  EXPECT_EQ(demo({file.string()}), 1);
  EXPECT_EQ(err.str().rfind("plivexwin: " + file.string() + ": ", 0), 0u) << err.str();
  EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
  EXPECT_EQ(contentsOf(file), "kept");
  EXPECT_EQ(demo({"a", "b"}), 2);
  EXPECT_EQ(demo({"--fast"}), 2);
  EXPECT_NE(err.str().find("usage: plivexwin demo"), std::string::npos) << err.str();
  EXPECT_EQ(entries(), 4) << "demo.scn, demo.wrl, demo.png and the file";
}

// Whatever keeps one of the demo's files from being written, none of the three
// is replaced: a folder in the way is refused before anything is written, a
// link into a missing folder fails once the files are made.
TEST_F(ConvertCommandTest, demoReplacesAllItsFilesOrNone) {
  for (const bool folderInTheWay : {true, false}) {
    const fs::path demoFolder = folder / (folderInTheWay ? "folder" : "link");
    fs::create_directories(demoFolder);
    std::ofstream(demoFolder / "demo.scn", std::ios::binary) << "kept scene";
    std::ofstream(demoFolder / "demo.wrl", std::ios::binary) << "kept world";
    const fs::path picture = demoFolder / "demo.png";
    if (folderInTheWay)
      fs::create_directories(picture);
    else
      fs::create_symlink(folder / "none" / "demo.png", picture);
    EXPECT_EQ(demo({demoFolder.string()}), folderInTheWay ? 2 : 1);
    EXPECT_EQ(err.str().rfind("plivexwin: " + picture.string() + ": ", 0), 0u) << err.str();
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(contentsOf(demoFolder / "demo.scn"), "kept scene");
    EXPECT_EQ(contentsOf(demoFolder / "demo.wrl"), "kept world");
    int left = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(demoFolder)) ++left;
    EXPECT_EQ(left, 3) << "no new file left beside them";
  }
}

}  // namespace
