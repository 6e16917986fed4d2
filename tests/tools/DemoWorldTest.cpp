// SPDX-License-Identifier: Apache-2.0
// The world `plivexwin demo` writes: both parsers accept it, and a browser
// opening it shows each plot where it was in its window, with the view's
// background and border, on white as in the picture.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>

#include "../vrml/ViewBackdropCheck.h"
#include "../vrml/VrmlCheck.h"
#include "../vrml/VrmlFileFixture.h"
#include "platform/plivex/Plivex.h"
#include "platform/scenar/Scenar.h"
#include "plivexwin/ConvertCommand.h"
#include "plivexwin/DemoScene.h"
#include "plivexwin/SceneFile.h"
#include "views/PoSceneView.h"
#include "vrml/PoToVRML2Action.h"

namespace {

class DemoWorldTest : public VrmlFileFixture {};

// The action, with the views its last apply met and their groups in sight.
class ViewedAction : public PoToVRML2Action {
 public:
  const PoConvertGuts* guts() const { return dynamic_cast<const PoConvertGuts*>(getConvertGuts()); }
};

template <typename T>
T* onlyChild(SoNode* group, int index = 0) {
  return dynamic_cast<T*>(static_cast<SoVRMLGroup*>(group)->getChild(index));
}

SbColor materialColorOf(PoSceneView* view, const char* part) {
  const auto* material = dynamic_cast<SoMaterial*>(view->getPart(part, FALSE));
  return material ? material->diffuseColor[0] : SbColor(-1, -1, -1);
}

TEST_F(DemoWorldTest, bothParsersAcceptTheDemoWorldOnWhiteWithTheScenesNames) {
  std::ostringstream out, err;
  std::string dir = folder.string();
  char* args[] = {dir.data()};
  ASSERT_EQ(plivexwin::cli::runDemo(args, out, err), 0) << err.str();
  const std::string world = (folder / "demo.wrl").string();
  const std::string text = contentsOf(world);
  EXPECT_EQ(text.find("Background {\n      skyColor 1 1 1\n    }"), text.find("Background"))
      << text;
  EXPECT_LT(text.find("Background"), text.find("Collision")) << "a world's first background binds";
  for (const char* name :
       {"linearPlot", "linearX", "linearY", "curveLegend", "logPlot", "decadesX", "valuesY",
        "polarPlot", "radius", "angles", "valueLegend", "timePlot", "days", "events"}) {
    const std::string def = std::string("DEF ") + name + ' ';
    EXPECT_NE(text.find(def), std::string::npos) << name;
    EXPECT_EQ(text.find(def), text.rfind(def)) << name << " once";
  }
  const VrmlVerdict verdict = checkVrml({world});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(world)) << verdict.output << "\n" << contentsOf(world);
}

// A browser's viewer as it opens a world without a viewpoint: at (0, 0, 10)
// looking down -z, seeing 45 degrees in a square window. Where the plot's
// plane shows through each view's camera (the corners and the centre of what
// the camera sees at its focal distance), the converted view must show it at
// the same place of the window, and its background and border (the last view
// has none) exactly at its rectangle, behind the plot, in their colours.
TEST_F(DemoWorldTest, eachViewOpensWhereItWasOnTheScreenWithItsBackgroundAndBorder) {
  std::string error;
  const std::unique_ptr<plivexwin::cli::SceneFile> scene =
      plivexwin::cli::SceneFile::readText(plivexwin::cli::demoScene(), error);
  ASSERT_TRUE(scene) << error;
  ViewedAction action;
  action.apply(scene->getRoot());
  const PoConvertGuts* guts = action.guts();
  ASSERT_EQ(guts->getNumSceneViews(), 4);

  const SbVec3f eye(0, 0, 10);
  const double halfField = std::tan(std::numbers::pi / 8);
  for (int i = 0; i < guts->getNumSceneViews(); ++i) {
    auto* view = static_cast<PoSceneView*>(guts->getSceneView(i));
    SCOPED_TRACE(view->getName().getString());
    auto* camera = dynamic_cast<SoOrthographicCamera*>(view->getPart("cameraKit.camera", FALSE));
    ASSERT_TRUE(camera);
    SoVRMLGroup* group = guts->getSceneViewGroup(i);
    auto* sensor = onlyChild<SoVRMLProximitySensor>(group, 0);
    auto* follower = onlyChild<SoVRMLTransform>(group, 1);
    ASSERT_TRUE(sensor && follower);
    auto* place = onlyChild<SoVRMLTransform>(follower);
    ASSERT_TRUE(place);
    auto* look = onlyChild<SoVRMLTransform>(place);
    ASSERT_TRUE(look);
    // The browser tells the sensor where the viewer is.
    sensor->position_changed = eye;
    const SbMatrix toWorld =
        look->getTransformMatrix() * place->getTransformMatrix() * follower->getTransformMatrix();

    SbMatrix viewing, projection;
    camera->getViewVolume(0).getMatrices(viewing, projection);
    const SbMatrix cameraToScene = viewing.inverse();
    const float half = camera->height.getValue() / 2;
    const float focal = camera->focalDistance.getValue();
    const SbVec2f origin = view->viewportOrigin.getValue();
    const SbVec2f size = view->viewportSize.getValue();
    for (const SbVec2f& u : {SbVec2f(-1, -1), SbVec2f(1, -1), SbVec2f(1, 1), SbVec2f(0, 0)}) {
      SbVec3f point, placed;
      cameraToScene.multVecMatrix(SbVec3f(u[0] * half, u[1] * half, -focal), point);
      toWorld.multVecMatrix(point, placed);
      const SbVec3f seen = placed - eye;
      for (int axis = 0; axis < 2; ++axis) {
        const double shown = seen[axis] / (-seen[2] * halfField);
        const double onScreen = 2 * (origin[axis] + size[axis] * (u[axis] + 1) / 2) - 1;
        EXPECT_NEAR(shown, onScreen, 1e-4) << "corner " << u[0] << ' ' << u[1] << " axis " << axis;
      }
    }

    EXPECT_EQ(group->getName(), view->getName());
    SbMatrix fromEye;
    fromEye.setTranslate(-eye);
    const SbMatrix toViewer =
        place->getTransformMatrix() * follower->getTransformMatrix() * fromEye;
    const Backdrop backdrop = backdropIn(place);
    ASSERT_TRUE(backdrop.background);
    EXPECT_EQ(unlitColorOf(backdrop.background), materialColorOf(view, "backgroundApp.material"));
    expectShowsRectangle(backdrop.background, toViewer, halfField, origin, size, focal);
    ASSERT_EQ(backdrop.border != nullptr, view->isBorderVisible.getValue());
    if (!backdrop.border) continue;
    EXPECT_EQ(unlitColorOf(backdrop.border), materialColorOf(view, "borderApp.material"));
    expectShowsRectangle(backdrop.border, toViewer, halfField, origin, size, focal);
  }
}

}  // namespace
