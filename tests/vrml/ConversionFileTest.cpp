// Scenes converted to VRML 2.0, with the toolkit's workers and with Plivex's,
// written as files that two VRML97 parsers check.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "PlotConversion.h"
#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/plivex/Plivex.h"
#include "platform/scenar/Scenar.h"
#include "support/ConversionScenes.h"
#include "support/ToolkitTestSupport.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"

namespace {

class ConversionFileTest : public VrmlFileFixture {
 protected:
  static void SetUpTestSuite() {
    PoBase::initClasses();
    PoBaseView::initClasses();
  }
};

PoLinearAxis* axis(int type, float end) {
  auto* node = new PoLinearAxis;
  node->type.setValue(type);
  node->end = end;
  node->step = 0.25f;
  return node;
}

// A node of every toolkit class, a plotting node and a scene view,
// transforms inside groups and kits, and values a file cannot hold as they
// are.
SoSeparator* makeToolkitScene(int* calls) {
  auto* root = new SoSeparator;
  auto* view = new PoSceneView;
  view->isBorderVisible = TRUE;
  auto* plot = new SoGroup;
  plot->addChild(axis(2, 1));
  view->setPart("scene", plot);
  root->addChild(view);
  root->addChild(makeEveryClassScene(axis(0, 1), calls));
  root->addChild(makeTransformScene());
  auto* bright = makeMaterial(SbColor(4, -1, NAN));
  bright->transparency.setValue(2.0f);
  root->addChild(bright);
  auto* points = new SoCoordinate3;
  const SbVec3f odd[3] = {{NAN, 0, 0}, {INFINITY, 1, 0}, {0, -INFINITY, 0}};
  points->point.setValues(0, 3, odd);
  root->addChild(points);
  root->addChild(new SoFaceSet);
  root->addChild(makeCube(NAN, 1, 1));
  return root;
}

TEST_F(ConversionFileTest, aSceneOfEveryToolkitClassConvertsToFilesBothParsersAccept) {
  int calls = 0;
  SoSeparator* scene = makeToolkitScene(&calls);
  scene->ref();
  SoToVRML2Action plain;
  plain.apply(scene);
  const std::string first = writeFile(plain.getVRML2SceneGraph(), "plain.wrl");

  SoToVRML2Action set(plain);
  set.setWorldTitle("Every \"class\"\n\\");
  set.setNavigationType("WALK");
  set.setHeadlight(FALSE);
  set.setSolidFaces(TRUE);
  set.setCreaseAngle(0.5f);
  set.setShareNodes(FALSE);
  set.apply(scene);
  const std::string second = writeFile(set.getVRML2SceneGraph(), "settings.wrl");
  scene->unref();

  const std::string text = contentsOf(first);
  EXPECT_EQ(text.rfind("#VRML V2.0 utf8", 0), 0u);
  EXPECT_NE(text.find("USE"), std::string::npos);  // shared coordinates
  EXPECT_EQ(contentsOf(second).find("USE"), std::string::npos);
  const VrmlVerdict verdict = checkVrml({first, second});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(first)) << verdict.output << "\n" << text;
  EXPECT_TRUE(verdict.acceptedByBoth(second)) << verdict.output << "\n" << contentsOf(second);
}

PoSceneView* view(SbVec2f origin, SbVec2f size, SoNode* scene) {
  auto* node = new PoSceneView;
  node->viewportOrigin.setValue(origin);
  node->viewportSize.setValue(size);
  if (scene) node->setPart("scene", scene);
  node->setPart("cameraKit.camera", new SoOrthographicCamera);
  return node;
}

bool isBelow(SoNode* root, SoNode* node) {
  SoSearchAction search;
  search.setNode(node);
  search.apply(root);
  return search.getPath() != nullptr;
}

TEST_F(ConversionFileTest, plotsDrawTheirAxesAndViewsAreRecordedWithTheirGroupsInOrder) {
  auto* root = new SoSeparator;
  root->ref();
  auto* axes = new SoGroup;
  axes->addChild(axis(0, 1));
  axes->addChild(axis(2, 1));
  PoSceneView* left = view({0, 0}, {0.5f, 1}, axes);
  root->addChild(left);
  auto* framed = new SoGroup;
  auto* content = new SoSeparator;
  content->addChild(makeCube(0.5f, 0.5f, 0.5f));
  content->addChild(axis(0, 2));
  PoSceneView* right = view({0.5f, 0}, {0.5f, 0.5f}, content);
  right->isBackgroundVisible = TRUE;
  right->isBorderVisible = TRUE;
  framed->addChild(right);
  root->addChild(framed);
  PoSceneView* empty = view({0.5f, 0.5f}, {0.5f, 0.5f}, nullptr);
  root->addChild(empty);
  root->addChild(axis(4, 1));

  PlotConversion action;
  action.apply(root);
  const PoConvertGuts* guts = action.guts();
  ASSERT_TRUE(guts);
  ASSERT_EQ(guts->getNumSceneViews(), 3);
  EXPECT_EQ(guts->getSceneView(0), left);
  EXPECT_EQ(guts->getSceneView(1), right);
  EXPECT_EQ(guts->getSceneView(2), empty);
  EXPECT_EQ(guts->getSceneView(3), nullptr);
  SoVRMLGroup* world = action.getVRML2SceneGraph();
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(guts->getSceneViewGroup(i)) << i;
    EXPECT_TRUE(isBelow(world, guts->getSceneViewGroup(i))) << i;
  }
  // Each axis draws its line and ticks: the left view's two, the right
  // view's one and its border, and the one outside the views.
  EXPECT_EQ(countBelow(guts->getSceneViewGroup(0), SoVRMLShape::getClassTypeId()), 2);
  EXPECT_EQ(countBelow(world, SoVRMLShape::getClassTypeId()), 2 + 4 + 1);

  const std::string file = writeFile(world, "plot.wrl");
  root->unref();
  const VrmlVerdict verdict = checkVrml({file});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(file)) << verdict.output << "\n" << contentsOf(file);
}

}  // namespace
