// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/RenderCommand.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>

#include "CommandTestSupport.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"
#include "plivexwin/PngFile.h"
#include "plivexwin/SceneFile.h"

namespace {

using plivexwin::cli::PngPicture;

const std::string kThreeViews = PLIVEXWIN_EXAMPLES_DIR "/three-views.scn";

// Runs `plivexwin render` in a folder of its own.
class RenderCommandTest : public CommandTest {
 protected:
  int render(std::vector<std::string> words, bool showProgress = false) {
    return plivexwin::cli::runRender(argsOf(words), out, err, showProgress);
  }
  // The picture at path, which must read.
  static PngPicture picture(const fs::path& path) {
    std::string error;
    std::optional<PngPicture> read = plivexwin::cli::readPng(path.string(), error);
    EXPECT_TRUE(read) << error;
    return read ? *read : PngPicture{};
  }
};

TEST_F(RenderCommandTest, thePictureIsTheRenderersOwn) {
  const fs::path target = folder / "views.png";
  ASSERT_EQ(render({kThreeViews, target.string(), "--size", "64x48"}), 0) << err.str();
  EXPECT_EQ(out.str(), "wrote " + target.string() + " (64x48, 1x1 tiles)\n");
  EXPECT_EQ(err.str(), "");

  std::string error;
  const auto scene = plivexwin::cli::SceneFile::read(kThreeViews, error);
  ASSERT_TRUE(scene) << error;
  SoOffscreenRenderer renderer(SbViewportRegion(64, 48));
  renderer.setBackgroundColor(SbColor(1.0f, 1.0f, 1.0f));  // the program's paper
  ASSERT_TRUE(renderer.render(scene->getRoot()));
  const PngPicture written = picture(target);
  ASSERT_EQ(written.width, 64);
  ASSERT_EQ(written.height, 48);
  EXPECT_TRUE(std::equal(written.rgba.begin(), written.rgba.end(), renderer.getBuffer()));
  EXPECT_EQ(entries(), 1) << "no temporary file left";
}

// 3 x 2 tiles of a size they do not divide, drawn in either mode of the views.
TEST_F(RenderCommandTest, tiledPicturesEqualTheWholeOne) {
  const fs::path whole = folder / "whole.png", tiled = folder / "tiled.png";
  ASSERT_EQ(render({kThreeViews, whole.string(), "--size", "301x227"}), 0) << err.str();
  const PngPicture expected = picture(whole);
  std::set<uint32_t> colours;
  for (std::size_t i = 0; i < expected.rgba.size(); i += 4) {
    uint32_t colour;
    std::memcpy(&colour, expected.rgba.data() + i, 4);
    colours.insert(colour);
  }
  EXPECT_GT(colours.size(), 3u) << "a picture with the views in it";

  for (bool renderUnit : {false, true}) {
    std::vector<std::string> words{"--tiles",      "3x2",    kThreeViews,
                                   tiled.string(), "--size", "301x227"};
    if (renderUnit) words.push_back("--render-unit");
    ASSERT_EQ(render(words, true), 0) << err.str();
    EXPECT_EQ(picture(tiled).rgba, expected.rgba) << (renderUnit ? "render-unit mode" : "classic");
    EXPECT_EQ(SoDB::getRenderUnitMode(), 0) << "the mode is restored";
    EXPECT_EQ(out.str(), "wrote " + tiled.string() + " (301x227, 3x2 tiles" +
                             (renderUnit ? ", render-unit mode" : "") + ")\n");
    EXPECT_EQ(err.str().rfind("\rtile 1/6", 0), 0u) << err.str();
    EXPECT_EQ(err.str().substr(err.str().size() - 10), "\rtile 6/6\n") << err.str();
  }
}

// A band of tiles above the renderer's band limit is drawn a strip of rows at
// a time: the rows of a strip go out before the next strip is drawn, and the
// picture is the whole one.
TEST_F(RenderCommandTest, bandsAboveTheLimitAreDrawnInStripsOfTheSamePicture) {
  std::string error;
  const auto scene = plivexwin::cli::SceneFile::read(kThreeViews, error);
  ASSERT_TRUE(scene) << error;
  SoOffscreenRenderer whole(SbViewportRegion(64, 48));
  ASSERT_TRUE(whole.render(scene->getRoot()));

  SoOffscreenRenderer strips(SbViewportRegion(64, 48));
  strips.setTiles(4, 1);
  strips.setBandPixelLimit(64 * 5);  // strips of 5 rows at most: 10 of them
  std::vector<unsigned char> rgba(64 * 48 * 4);
  int drawn = 0, total = 0, rows = 0;
  std::vector<int> drawnAtRow;  // pieces drawn when each row went out
  ASSERT_TRUE(strips.render(
      scene->getRoot(),
      [&](int row, const unsigned char* pixels) {
        EXPECT_EQ(row, rows++);
        drawnAtRow.push_back(drawn);
        std::memcpy(rgba.data() + row * 64 * 4, pixels, 64 * 4);
        return true;
      },
      [&](int done, int of) {
        drawn = done;
        total = of;
      }));
  EXPECT_EQ(total, 40);
  EXPECT_EQ(drawn, 40);
  EXPECT_EQ(drawnAtRow.front(), 4) << "the top strip's four pieces, no more";
  EXPECT_TRUE(std::equal(rgba.begin(), rgba.end(), whole.getBuffer()));
}

// A view so far off that its pixels lie beyond int's range draws nothing,
// whole or in tiles.
TEST_F(RenderCommandTest, aViewFarOffDrawsNothingWholeOrInTiles) {
  const std::string nearView =
      "PoSceneView { viewportOrigin 0.25 0.25 viewportSize 0.5 0.5 isBackgroundVisible TRUE }\n";
  const fs::path nearScene = folder / "near.scn", farScene = folder / "far.scn";
  std::ofstream(nearScene, std::ios::binary) << "#Scenar V1.0 ascii\n" << nearView;
  std::ofstream(farScene, std::ios::binary) << "#Scenar V1.0 ascii\n"
                                               "PoSceneView {\n"
                                               "  viewportOrigin -3e7 -3e7 viewportSize 0.5 0.5\n"
                                               "  isBackgroundVisible TRUE isBorderVisible TRUE\n"
                                               "  scene Group { Cube { } }\n"
                                               "}\n"
                                            << nearView;
  const fs::path expected = folder / "expected.png", tiled = folder / "tiled.png";
  ASSERT_EQ(render({nearScene.string(), expected.string(), "--size", "96x64"}), 0) << err.str();
  for (const char* tiles : {"1x1", "2x1", "2x2"}) {
    ASSERT_EQ(render({farScene.string(), tiled.string(), "--size", "96x64", "--tiles", tiles}), 0)
        << err.str();
    EXPECT_EQ(picture(tiled).rgba, picture(expected).rgba) << tiles;
  }
}

TEST_F(RenderCommandTest, refusedRendersLeaveNoFile) {
  const fs::path target = folder / "out.png";
  std::ofstream(target, std::ios::binary) << "kept";
  const fs::path badScene = folder / "bad.scn";
  std::ofstream(badScene, std::ios::binary) << "#Scenar V1.0 ascii\nSeparator {\n";
  const fs::path taken = folder / "taken.png";  // a folder with a file in it
  fs::create_directories(taken);
  std::ofstream(taken / "keep", std::ios::binary) << "kept";

  const std::string out_ = target.string();
  for (std::vector<std::string> words : std::vector<std::vector<std::string>>{
           {kThreeViews, out_, "--size", "0x10"},
           {kThreeViews, out_, "--size", "16385x10"},
           {kThreeViews, out_, "--size", "40000x10"},
           {kThreeViews, out_, "--size", "4x3", "--tiles", "5x1"},
           {kThreeViews, out_, "--tiles", "0x1"},
           {(folder / "missing.scn").string(), out_},
           {badScene.string(), out_},
           {kThreeViews, (folder / "none" / "x.png").string()},
       }) {
    EXPECT_EQ(render(words), 1) << words.back();
    EXPECT_EQ(err.str().rfind("plivexwin: ", 0), 0u) << err.str();
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line: " << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(render({kThreeViews, taken.string(), "--size", "8x6"}), 2) << "refused before reading";
  EXPECT_EQ(contentsOf(target), "kept");
  EXPECT_EQ(contentsOf(taken / "keep"), "kept");
  EXPECT_EQ(entries(), 3) << "the kept picture, the scene and the folder, no temporary file";

  // Sizes and tiles that are not two whole numbers are bad arguments, as is
  // a picture's name without .png.
  for (std::vector<std::string> words : std::vector<std::vector<std::string>>{
           {},
           {kThreeViews},
           {kThreeViews, out_, "more"},
           {kThreeViews, out_, "--size"},
           {kThreeViews, out_, "--fast"},
           {kThreeViews, out_, "--size", "80x"},
           {kThreeViews, out_, "--size", "-8x6"},
           {kThreeViews, out_, "--size", "+8x6"},
           {kThreeViews, out_, "--size", "8 x6"},
           {kThreeViews, out_, "--size", "800x600x2"},
           {kThreeViews, out_, "--size=8x6", "--size", "8x6"},
           {kThreeViews, out_, "--tiles", "3by2"},
           {kThreeViews, out_, "--tiles", ""},
           {kThreeViews, out_, "--tiles", "99999999999x1"},
           {kThreeViews, (folder / "out.jpg").string()},
           {kThreeViews, (folder / "png").string()},
           {kThreeViews, "/dev/null"},
       }) {
    EXPECT_EQ(render(words), 2) << words.back();
    EXPECT_EQ(err.str().rfind("plivexwin: ", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("\n\n"), std::string::npos) << "then the help: " << err.str();
    EXPECT_NE(err.str().find("usage: plivexwin render"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(contentsOf(target), "kept");
  EXPECT_EQ(render({"--help"}), 0);
  EXPECT_NE(out.str().find("--tiles CxR"), std::string::npos);
}

// Values follow their option as a word of their own or after '=', the
// picture's name ends in .png in any case, and after "--" every word is a
// file, even one that starts with '-'.
TEST_F(RenderCommandTest, optionsTakeTheirValuesEitherWayAndDoubleDashEndsThem) {
  fs::copy_file(kThreeViews, folder / "-views.scn");
  const fs::path here = fs::current_path();
  fs::current_path(folder);
  for (const auto& [words, wrote] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"--size=8x6", "--tiles=2x1", "--", "-views.scn", "a.png"}, "a.png (8x6, 2x1 tiles)"},
           {{"--size", "8x8", "--", "-views.scn", "--tiles.PNG"}, "--tiles.PNG (8x8, 1x1 tiles)"},
           {{"--tiles", "1x2", "./-views.scn", "--size", "6x8", "c.Png"}, "c.Png (6x8, 1x2 tiles)"},
       }) {
    EXPECT_EQ(render(words), 0) << err.str();
    EXPECT_EQ(out.str(), "wrote " + wrote + "\n");
  }
  fs::current_path(here);
  EXPECT_EQ(entries(), 4);
}

// Outputs are refused, before anything is read, when they are an input or
// not a regular file; a link is written through and stays a link.
TEST_F(RenderCommandTest, outputsThatAreInputsOrNoRegularFilesAreRefused) {
  // Outputs named as pictures: a scene named so, a link to it and a pipe.
  const fs::path scene = folder / "a.png", link = folder / "link.png", pipe = folder / "pipe.png";
  fs::copy_file(kThreeViews, scene);
  fs::create_symlink("a.png", link);
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string before = contentsOf(scene);
  for (const fs::path& output : {scene, link, pipe}) {
    EXPECT_EQ(render({scene.string(), output.string(), "--size", "8x8"}), 2) << output;
    EXPECT_EQ(err.str().rfind("plivexwin: " + output.string() + ": ", 0), 0u) << err.str();
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";
  }
  EXPECT_EQ(contentsOf(scene), before);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::is_fifo(pipe));

  const fs::path written = folder / "picture.png", pictureLink = folder / "sub" / "picture.png";
  fs::create_directories(pictureLink.parent_path());
  fs::create_symlink("../picture.png", pictureLink);  // dangling until written
  ASSERT_EQ(render({scene.string(), pictureLink.string(), "--size", "8x8"}), 0) << err.str();
  EXPECT_TRUE(fs::is_symlink(pictureLink));
  EXPECT_EQ(picture(written).width, 8);
  EXPECT_EQ(entries(), 5) << "the scene, its link, the pipe, the picture and the folder";
}

}  // namespace
