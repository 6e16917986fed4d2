// SPDX-License-Identifier: Apache-2.0
// The scene views Plivex's first-pass worker records, each with the VRML
// group that stands for it after the VRML 2.0 pass.

#include <gtest/gtest.h>

#include "PlotConversion.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ToolkitTestSupport.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "views/PoView.h"

namespace {

class SceneViewRecordTest : public LiveCountTest {
 protected:
  static void SetUpTestSuite() {
    PoBase::initClasses();
    PoBaseView::initClasses();
  }
};

TEST_F(SceneViewRecordTest, viewsAreRecordedAsMetOnWhatIsConvertedWithDistinctGroups) {
  //   root: outer (scene: holder (inner)), plain view, last
  const SoRef root(new SoSeparator);
  auto* outer = new PoSceneView;
  auto* holder = new SoSeparator;
  auto* inner = new PoSceneView;
  holder->addChild(inner);
  outer->setPart("scene", holder);
  root->addChild(outer);
  root->addChild(new PoView);  // not a scene view: converted as a kit
  auto* last = new PoSceneView;
  root->addChild(last);

  {
    // The worker's references on the views go with the action.
    PlotConversion action;
    action.apply(root.get());
    const PoConvertGuts* guts = action.guts();
    ASSERT_EQ(guts->getNumSceneViews(), 3);
    EXPECT_EQ(guts->getSceneView(0), outer);
    EXPECT_EQ(guts->getSceneView(1), inner);
    EXPECT_EQ(guts->getSceneView(2), last);
    EXPECT_NE(guts->getSceneViewGroup(0), guts->getSceneViewGroup(1));
    EXPECT_NE(guts->getSceneViewGroup(1), guts->getSceneViewGroup(2));
    // The inner view's group lies in the outer's.
    SoSearchAction search;
    search.setNode(guts->getSceneViewGroup(1));
    search.apply(guts->getSceneViewGroup(0));
    EXPECT_TRUE(search.getPath());

    // A path apply records the views on the path and below it only; the
    // views of the apply before are forgotten.
    const SoRef path(new SoPath(root.get()));
    path->append(2);
    action.apply(path.get());
    ASSERT_EQ(action.guts()->getNumSceneViews(), 1);
    EXPECT_EQ(action.guts()->getSceneView(0), last);
    EXPECT_TRUE(action.guts()->getSceneViewGroup(0));
    EXPECT_EQ(action.guts()->getSceneViewGroup(1), nullptr);
  }
}

}  // namespace
