// SPDX-License-Identifier: Apache-2.0
// Scenes whose separators are met many times convert to worlds that write
// each once and USE it after; scene views keep a group of their own at each
// meeting.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "PlotConversion.h"
#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ConversionScenes.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "vrml/PoToVRML2Action.h"

namespace {

class SharedSubgraphTest : public VrmlFileFixture {
 protected:
  static void SetUpTestSuite() {
    PoBase::initClasses();
    PoBaseView::initClasses();
  }
};

// levels separators, each holding the one before twice, the second time
// moved; the first holds a cube. It draws 2^(levels - 1) cubes.
SoSeparator* makeDoublingScene(int levels) {
  auto* level = new SoSeparator;
  level->addChild(makeCube(1, 1, 1));
  for (int i = 1; i < levels; ++i) {
    auto* next = new SoSeparator;
    auto* move = new SoTranslation;
    move->translation.setValue(static_cast<float>(1 << (i % 10)), 0, 0);
    next->addChild(level);
    next->addChild(move);
    next->addChild(level);
    level = next;
  }
  return level;
}

TEST_F(SharedSubgraphTest, twentyLevelsOfDoublingConvertQuicklyToASmallWorldBothParsersAccept) {
  SoRef scene(makeDoublingScene(20));
  PoToVRML2Action action;
  const auto start = std::chrono::steady_clock::now();
  action.apply(scene.get());
  const std::string file = writeFile(action.getVRML2SceneGraph(), "doubling.wrl");
  const auto took = std::chrono::steady_clock::now() - start;
  scene.reset();
  EXPECT_LT(took, std::chrono::milliseconds(100));
  // Each level written once: a Group and a Transform (and the indentation
  // of twenty levels), besides the cube's five nodes and the world's four.
  const std::string text = contentsOf(file);
  EXPECT_EQ(std::count(text.begin(), text.end(), '{'), 2 * 19 + 1 + 5 + 4) << text;
  EXPECT_LT(std::filesystem::file_size(file), 16'000u);

  const VrmlVerdict verdict = checkVrml({file});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(file)) << verdict.output << "\n" << text;
}

TEST_F(SharedSubgraphTest, aSceneViewInASeparatorMetTwiceIsRecordedTwiceWithTwoGroups) {
  SoRef root(new SoSeparator);
  auto* holder = new SoSeparator;
  auto* view = new PoSceneView;
  auto* content = new SoSeparator;
  content->addChild(makeCube(1, 1, 1));
  view->setPart("scene", content);
  holder->addChild(view);
  root->addChild(holder);
  root->addChild(holder);
  PlotConversion action;
  action.apply(root.get());
  const PoConvertGuts* guts = action.guts();
  ASSERT_EQ(guts->getNumSceneViews(), 2);
  EXPECT_EQ(guts->getSceneView(1), view);
  EXPECT_TRUE(guts->getSceneViewGroup(0));
  EXPECT_NE(guts->getSceneViewGroup(0), guts->getSceneViewGroup(1));
}

}  // namespace
