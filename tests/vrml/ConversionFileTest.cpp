// SPDX-License-Identifier: Apache-2.0
// Scenes converted to VRML 2.0, with the toolkit's workers and with Plivex's,
// written as files that two VRML97 parsers check.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>

#include "PlotConversion.h"
#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/plivex/Plivex.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ConversionScenes.h"
#include "support/ToolkitTestSupport.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "vrml/PoToVRML2Action.h"

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
  SoRef scene(makeToolkitScene(&calls));
  SoToVRML2Action plain;
  plain.apply(scene.get());
  const std::string first = writeFile(plain.getVRML2SceneGraph(), "plain.wrl");

  SoToVRML2Action set(plain);
  set.setWorldTitle("Every \"class\"\n\\");
  set.setNavigationType("WALK");
  set.setHeadlight(FALSE);
  set.setSolidFaces(TRUE);
  set.setCreaseAngle(0.5f);
  set.setShareNodes(FALSE);
  set.apply(scene.get());
  const std::string second = writeFile(set.getVRML2SceneGraph(), "settings.wrl");
  scene.reset();

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
  SoRef root(new SoSeparator);
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
  action.apply(root.get());
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
  // Each axis draws its line and ticks, besides its texts: the left view's
  // two, the right view's one and its border, and the one outside the views.
  EXPECT_EQ(countShapesBesideTexts(guts->getSceneViewGroup(0)), 2);
  EXPECT_EQ(countShapesBesideTexts(world), 2 + 4 + 1);

  const std::string file = writeFile(world, "plot.wrl");
  root.reset();
  const VrmlVerdict verdict = checkVrml({file});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(file)) << verdict.output << "\n" << contentsOf(file);
}

// The scene's names stay on what their nodes convert to, each made a VRML97
// name unique in the file: names a file cannot hold as they are, one taken
// twice whose suffixed form is another node's own, one that looks made up;
// the nodes the file shares without a name of their own (the cubes' common
// appearance, the ends of the view's routes) get made-up names besides.
TEST_F(ConversionFileTest, theScenesNamesAreKeptValidAndUniqueInTheFile) {
  SoRef root(new SoSeparator);
  root->addChild(makeMaterial(SbColor(0.5f, 0.5f, 0.5f)));
  for (const char* name :
       {"1st", "a b", "dup", "dup", "0", "dup_2", "TO", "-x", "\xc3\xa9t\xc3\xa9"}) {
    auto* group = named(new SoGroup, name);
    group->addChild(makeCube(1, 1, 1));
    root->addChild(group);
  }
  auto* plot = named(new SoGroup, "plot");
  plot->addChild(named(axis(0, 1), "x axis"));
  root->addChild(named(view({0, 0}, {1, 1}, plot), "region"));
  PoToVRML2Action action;
  action.apply(root.get());
  root.reset();
  const std::string file = writeFile(action.getVRML2SceneGraph(), "names.wrl");
  const std::string text = contentsOf(file);

  std::map<std::string, std::string> defined;  // name: type
  const std::regex def("DEF (\\S+) (\\w+)");
  for (std::sregex_iterator it(text.begin(), text.end(), def), end; it != end; ++it)
    EXPECT_TRUE(defined.emplace((*it)[1], (*it)[2]).second) << (*it)[1] << " defined twice";
  const std::map<std::string, std::string> kept = {
      {"_1st", "Group"},  {"a_b", "Group"},   {"dup", "Group"},    {"dup_3", "Group"},
      {"_0", "Group"},    {"dup_2", "Group"}, {"_TO", "Group"},    {"_x", "Group"},
      {"__t__", "Group"}, {"plot", "Group"},  {"x_axis", "Group"}, {"region", "Group"}};
  int made = 0;
  for (const auto& [name, type] : defined) {
    if (kept.count(name)) continue;
    EXPECT_TRUE(std::regex_match(name, std::regex("_[0-9]+"))) << name << " is made up";
    ++made;
  }
  for (const auto& [name, type] : kept) EXPECT_EQ(defined[name], type) << name << "\n" << text;
  EXPECT_GE(made, 3) << "the shared appearance and the two ends of the routes\n" << text;
  const std::regex used("(?:USE |ROUTE |_changed TO )(\\w+)");
  for (std::sregex_iterator it(text.begin(), text.end(), used), end; it != end; ++it)
    EXPECT_TRUE(defined.count((*it)[1])) << (*it)[0];

  const VrmlVerdict verdict = checkVrml({file});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(file)) << verdict.output << "\n" << text;
}

}  // namespace
