// SPDX-License-Identifier: Apache-2.0
// Files written from VRML 2.0 graphs, checked by two VRML97 parsers run as
// programs (tools/check-vrml).

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ToolkitTestSupport.h"

namespace {

class VrmlFileTest : public VrmlFileFixture {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
};

// A world of every VRML node class, with shared nodes: a navigable view, and
// a view that follows the viewer: a proximity sensor as large as floats go,
// its centre fed by its own position, and a transform fed by its position
// and orientation, down to the content seen from its camera.
constexpr const char* kWorld = R"(#Scenar V1.0 ascii
VRMLCollision { collide FALSE children [
  VRMLWorldInfo { title "Two views" info "written by \"plivexwin\" \\ tests" }
  VRMLNavigationInfo { type "EXAMINE" headlight FALSE }
  VRMLBackground {
    skyColor [0.2 0.3 1, 1 1 1] skyAngle 1.5 groundColor [0.3 0.2 0, 0.5 0.5 0.5]
    groundAngle 1.5 frontUrl "front.png" backUrl [] topUrl ["sky.png", "sky.jpg"]
  }
  VRMLGroup { children [
    VRMLViewpoint { position 0.5 0.5 4 orientation 0 1 0 0.1 fieldOfView 0.6 description "first" }
    VRMLTransform { scale 0.5 0.5 0.5 children [
      DEF content VRMLGroup { children [
        VRMLShape {
          appearance DEF look VRMLAppearance {
            material VRMLMaterial { diffuseColor 0.2 0.4 1 transparency 0.25 }
          }
          geometry VRMLIndexedFaceSet {
            coord DEF corners VRMLCoordinate { point [0 0 0, 1 0 0, 1 1 0, 0 1 0] }
            coordIndex [0, 1, 2, 3, -1] solid FALSE
          }
        }
        VRMLShape {
          appearance USE look
          geometry VRMLIndexedLineSet { coord USE corners coordIndex [0, 1, 2, 3, 0] }
        }
      ] }
    ] }
  ] }
  VRMLGroup { children [
    DEF sensor VRMLProximitySensor { size 3.4028235e38 3.4028235e38 3.4028235e38 }
    DEF follow VRMLTransform { children [
      VRMLTransform { translation -0.25 0.1 0 scale 0.5 0.5 1 children [
        DEF camera VRMLTransform { children [ USE content ] }
      ] }
    ] }
  ] }
] })";

SoNode* find(SoNode* root, const char* name) {
  SoSearchAction search;
  search.setName(name);
  search.apply(root);
  return search.getPath() ? search.getPath()->getTail() : nullptr;
}

}  // namespace

TEST_F(VrmlFileTest, aWorldOfEveryNodeClassIsAcceptedByBothParsers) {
  SoRef world = readNode(kWorld);
  ASSERT_TRUE(world);
  auto* sensor = static_cast<SoVRMLProximitySensor*>(find(world.get(), "sensor"));
  auto* follow = static_cast<SoVRMLTransform*>(find(world.get(), "follow"));
  ASSERT_TRUE(sensor && follow);
  sensor->center.connectFrom(&sensor->position_changed);
  follow->translation.connectFrom(&sensor->position_changed);
  follow->rotation.connectFrom(&sensor->orientation_changed);
  SbMatrix viewing;
  viewing.setTransform(SbVec3f(0.5f, 0.5f, 5), SbRotation(SbVec3f(1, 0, 0), -0.3f),
                       SbVec3f(1, 1, 1), SbRotation());
  static_cast<SoVRMLTransform*>(find(world.get(), "camera"))->setMatrix(viewing.inverse());

  const std::string good = writeFile(world.get(), "world.wrl");
  const std::string again = writeFile(world.get(), "again.wrl");
  world.reset();
  const std::string text = contentsOf(good);
  EXPECT_EQ(contentsOf(again), text);
  EXPECT_NE(text.find("size 3.4028235e+38 3.4028235e+38 3.4028235e+38"), std::string::npos);
  EXPECT_NE(text.find("ROUTE"), std::string::npos);

  // A file the parsers must refuse, so that their agreement means something:
  // a route between events of different types.
  const std::string bad = (folder / "bad.wrl").string();
  std::ofstream(bad) << "#VRML V2.0 utf8\n"
                        "DEF P ProximitySensor { }\n"
                        "DEF T Transform { }\n"
                        "ROUTE P.position_changed TO T.set_rotation\n";

  const VrmlVerdict verdict = checkVrml({good, bad});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(good)) << verdict.output << "\n" << text;
  EXPECT_TRUE(verdict.refusedByBoth(bad)) << verdict.output;
}
