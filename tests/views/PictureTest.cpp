// SPDX-License-Identifier: Apache-2.0
// Pictures of scenes of views: a picture drawn in tiles is the picture drawn
// whole, pixel for pixel, in classic and in render-unit mode; what a view's
// background, border and scene put where.

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ViewTestSupport.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"

namespace {

// A scene view of the given rectangle, background, border, camera and scene.
std::string sceneView(const std::string& origin, const std::string& size,
                      const std::string& background, const std::string& camera,
                      const std::string& scene) {
  return "PoSceneView { viewportOrigin " + origin + " viewportSize " + size +
         " backgroundApp AppearanceKit { lightModel LightModel { model BASE_COLOR }"
         " material Material { diffuseColor " +
         background +
         " } }"
         " borderApp AppearanceKit { material Material { diffuseColor 0 0 0.6 } }"
         " cameraKit CameraKit { camera " +
         camera + " } scene Group { " + scene +
         " } isBackgroundVisible TRUE isBorderVisible TRUE }\n";
}

// Three overlapping scene views (a lit cube seen in perspective, a flat face
// set and lines reaching far beyond their view, a view inside the others), a
// view of zero size, and a plain view with the nodes after it: every edge is
// cut by some tile.
const std::string kViews =
    "#Scenar V1.0 ascii\nSeparator {\n" +
    sceneView("0.03 0.05", "0.6 0.62", "0.9 0.9 0.8",
              "PerspectiveCamera { position 1 1.5 4 orientation 1 1 0 -0.4 }",
              "Material { diffuseColor 0.8 0.1 0.1 } Cube { }") +
    sceneView("0.41 0.29", "0.57 0.68", "0.8 0.9 1",
              "OrthographicCamera { position 0 0 5 height 3 }",
              "LightModel { model BASE_COLOR } Material { diffuseColor 0.1 0.6 0.1 }"
              " Coordinate3 { point [-0.5 -2 0, 3 -0.3 -1, 0.2 5 2, -9 -9 0, 9 7 0, 1 -9 0] }"
              " FaceSet { numVertices 3 } LineSet { numVertices 3 }") +
    sceneView("0.5 0.1", "0.27 0.3", "1 1 0.7", "OrthographicCamera { position 0 0 5 }",
              "Material { diffuseColor 0.3 0.3 0.9 } Cube { width 1.2 height 0.7 }") +
    sceneView("0.2 0.2", "0 0", "1 0 1", "OrthographicCamera { }", "Cube { }") +
    "Separator { PoView { viewportOrigin 0.7 0.6 viewportSize 0.25 0.35"
    " cameraKit CameraKit { camera OrthographicCamera { position 0 0 5 } } }"
    " Material { diffuseColor 0.9 0.5 0 } Cube { width 1.5 } }\n}\n";

// Plots with texts in two views: axes with graduations and titles, legends,
// and free texts turned and seen in perspective, some cut by the views' edges.
const std::string kTexts =
    "#Scenar V1.0 ascii\nSeparator {\n" +
    sceneView("0.05 0.1", "0.6 0.8", "1 1 0.9",
              "OrthographicCamera { position 0.5 0.5 5 height 1.5 }",
              "LightModel { model BASE_COLOR } Material { diffuseColor 0.1 0.1 0.1 }"
              " PoLinearAxis { step 0.2 gradFontSize 0.09 titleString \"time (s)\" }"
              " PoLinearAxis { type YX titleString \"amplitude\" gradFontSize 0.07 }"
              " PoItemLegend { start 0.5 0.7 end 1.1 1 itemString [\"sine\", \"cosine\"] }"
              " Transform { translation 0.2 0.4 0 rotation 0 0 1 0.6 }"
              " Font { name \"DejaVu Serif\" size 0.13 } Text3 { string \"Tilted, cut\" }") +
    "Separator { PoView { viewportOrigin 0.55 0.05 viewportSize 0.4 0.9"
    " cameraKit CameraKit { camera PerspectiveCamera { position 0.5 0.2 3 } } }"
    " LightModel { model BASE_COLOR } PoLinearValueLegend { start 0 -1 end 1 1 titleString "
    "\"level\" }"
    " Font { size 0.3 } Text3 { string [\"far\", \"away\"] justification RIGHT spacing 1.2 } "
    "}\n}\n";

// No view: one camera for the whole picture.
const std::string kPlain =
    "#Scenar V1.0 ascii\nSeparator {"
    " PerspectiveCamera { position 1.5 1.2 3 orientation -1 1 0 0.5 }"
    " Material { diffuseColor 0.2 0.7 0.7 } Cube { }"
    " Material { diffuseColor 1 1 1 } Coordinate3 { point [-5 -1 -1, 5 1.3 1] } LineSet { } }\n";

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // top row first

  // The pixel (x, y), y counted from the bottom as the views count it.
  std::uint32_t at(int x, int y) const {
    const unsigned char* p =
        rgba.data() + (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
  }
};

constexpr std::uint32_t rgb(int r, int g, int b) {
  return std::uint32_t(r) << 24 | std::uint32_t(g) << 16 | std::uint32_t(b) << 8 | 255u;
}

Picture render(SoNode* scene, int width, int height, int columns = 1, int rows = 1) {
  SoOffscreenRenderer renderer(
      SbViewportRegion(static_cast<short>(width), static_cast<short>(height)));
  renderer.setBackgroundColor(SbColor(0.0f, 0.0f, 0.0f));
  renderer.setTiles(columns, rows);
  Picture picture{width, height, {}};
  EXPECT_TRUE(renderer.render(scene));
  if (const unsigned char* buffer = renderer.getBuffer())
    picture.rgba.assign(buffer, buffer + static_cast<std::size_t>(width) * height * 4);
  return picture;
}

std::set<std::uint32_t> colours(const Picture& picture) {
  std::set<std::uint32_t> found;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) found.insert(picture.at(x, y));
  return found;
}

// scene text, render-unit mode, tile columns, rows
using StitchCase = std::tuple<const std::string*, bool, int, int>;

class StitchedTiles : public ViewTest, public ::testing::WithParamInterface<StitchCase> {};

TEST_P(StitchedTiles, equalThePictureDrawnWhole) {
  const auto [text, renderUnit, columns, rows] = GetParam();
  PoBase::initClasses();
  SbString error;
  SoNode* scene = readScene(*text, &error);
  ASSERT_NE(scene, nullptr) << error.getString();
  SoDB::setRenderUnitMode(renderUnit);
  const Picture whole = render(scene, 123, 77);
  EXPECT_GE(colours(whole).size(), text == &kViews ? 8u : 3u) << "a picture worth comparing";
  const Picture tiled = render(scene, 123, 77, columns, rows);
  ASSERT_EQ(tiled.rgba.size(), whole.rgba.size());
  int differing = 0;
  for (int y = 0; y < whole.height; ++y)
    for (int x = 0; x < whole.width; ++x)
      if (tiled.at(x, y) != whole.at(x, y) && ++differing <= 5)
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") differs";
  EXPECT_EQ(differing, 0);
  scene->unref();
}

INSTANTIATE_TEST_SUITE_P(ViewsAndPlainScenes, StitchedTiles,
                         ::testing::Combine(::testing::Values(&kViews, &kTexts, &kPlain),
                                            ::testing::Bool(), ::testing::Values(1, 2, 3, 7),
                                            ::testing::Values(1, 2, 5)));

// A view in the middle of a 40x40 picture, whose flat scene covers the right
// half of its volume and reaches far out of it.
TEST_F(ViewTest, aViewDrawsItsBackgroundBorderAndSceneInsideItsRectangleOnly) {
  SoNode* scene =
      readScene("#Scenar V1.0 ascii\nSeparator {\n" +
                sceneView("0.25 0.25", "0.5 0.5", "1 0 0", "OrthographicCamera { position 0 0 5 }",
                          "LightModel { model BASE_COLOR } Material { diffuseColor 0 1 0 }"
                          " Coordinate3 { point [0 -50 0, 50 -50 0, 50 50 0, 0 50 0] }"
                          " FaceSet { numVertices 4 }") +
                "}\n");
  ASSERT_NE(scene, nullptr);
  const Picture picture = render(scene, 40, 40);
  const std::uint32_t clear = rgb(0, 0, 0), background = rgb(255, 0, 0), inside = rgb(0, 255, 0),
                      border = rgb(0, 0, 153);
  EXPECT_EQ(picture.at(5, 5), clear);
  EXPECT_EQ(picture.at(15, 20), background);
  EXPECT_EQ(picture.at(25, 20), inside);
  EXPECT_EQ(picture.at(29, 25), inside);  // the view's last column
  EXPECT_EQ(picture.at(32, 20), clear);   // the scene stops at the rectangle
  EXPECT_EQ(picture.at(25, 35), clear);
  EXPECT_EQ(picture.at(10, 20), border);  // left edge
  EXPECT_EQ(picture.at(15, 10), border);  // bottom edge
  scene->unref();
}

TEST_F(ViewTest, aViewWithoutAreaDrawsNothing) {
  const std::string view =
      sceneView("0.3 0.3", "0.4 0.4", "1 1 0", "OrthographicCamera { }", "Cube { }");
  SoNode* alone = readScene("#Scenar V1.0 ascii\nSeparator {\n" + view + "}\n");
  SoNode* withEmpty =
      readScene("#Scenar V1.0 ascii\nSeparator {\n" + view +
                sceneView("0.5 0.5", "0 0.3", "1 0 1", "OrthographicCamera { }", "Cube { }") +
                sceneView("0.1 0.5", "0 0", "1 0 1", "OrthographicCamera { }", "Cube { }") + "}\n");
  ASSERT_NE(alone, nullptr);
  ASSERT_NE(withEmpty, nullptr);
  for (const bool renderUnit : {false, true}) {
    SoDB::setRenderUnitMode(renderUnit);
    EXPECT_EQ(render(withEmpty, 50, 30).rgba, render(alone, 50, 30).rgba);
    EXPECT_EQ(render(withEmpty, 50, 30, 3, 2).rgba, render(alone, 50, 30).rgba);
  }
  alone->unref();
  withEmpty->unref();
}

}  // namespace
