// Files written from VRML 2.0 graphs, checked by two VRML97 parsers run as
// programs (tools/check-vrml).

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>

#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/scenar/Scenar.h"

namespace {

class VrmlFileTest : public VrmlFileFixture {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
};

// A world of every VRML node class, with shared nodes: a navigable view, and
// a view that follows the viewer through the routes of a proximity sensor.
SoVRMLCollision* makeWorld() {
  auto* world = new SoVRMLCollision;
  world->collide = FALSE;
  auto* top = new SoVRMLGroup;
  world->addChild(top);
  auto* info = new SoVRMLWorldInfo;
  info->title = "Two views";
  info->info.set1Value(0, SbString("written by \"plivexwin\" \\ tests"));
  top->addChild(info);
  auto* navigation = new SoVRMLNavigationInfo;
  navigation->type.setValue(SbString("EXAMINE"));
  navigation->headlight = FALSE;
  top->addChild(navigation);

  // The content: a face set and a line set through one set of points, with
  // one appearance.
  auto* points = new SoVRMLCoordinate;
  const SbVec3f corners[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  points->point.setValues(0, 4, corners);
  auto* faces = new SoVRMLIndexedFaceSet;
  faces->coord = points;
  const int32_t square[] = {0, 1, 2, 3, -1};
  faces->coordIndex.setValues(0, 5, square);
  faces->solid = FALSE;
  auto* lines = new SoVRMLIndexedLineSet;
  lines->coord = points;
  const int32_t outline[] = {0, 1, 2, 3, 0};
  lines->coordIndex.setValues(0, 5, outline);
  auto* material = new SoVRMLMaterial;
  material->diffuseColor.setValue(0.2f, 0.4f, 1);
  material->transparency = 0.25f;
  auto* appearance = new SoVRMLAppearance;
  appearance->material = material;
  auto* surface = new SoVRMLShape;
  surface->appearance = appearance;
  surface->geometry = faces;
  auto* border = new SoVRMLShape;
  border->appearance = appearance;
  border->geometry = lines;
  auto* content = new SoVRMLGroup;
  content->addChild(surface);
  content->addChild(border);

  // The navigable view: a viewpoint, then its content scaled.
  auto* viewpoint = new SoVRMLViewpoint;
  viewpoint->position.setValue(0.5f, 0.5f, 4);
  viewpoint->orientation.setValue(SbRotation(SbVec3f(0, 1, 0), 0.1f));
  viewpoint->fieldOfView = 0.6f;
  viewpoint->description = "first view";
  auto* scaled = new SoVRMLTransform;
  scaled->scale.setValue(0.5f, 0.5f, 0.5f);
  scaled->addChild(content);
  auto* first = new SoVRMLGroup;
  first->addChild(viewpoint);
  first->addChild(scaled);
  top->addChild(first);

  // The following view: a sensor as large as floats go, its centre fed by
  // its own position; a transform fed by its position and orientation, down
  // to the content seen from its camera.
  auto* sensor = new SoVRMLProximitySensor;
  const float largest = std::numeric_limits<float>::max();
  sensor->size.setValue(largest, largest, largest);
  sensor->center.connectFrom(&sensor->position_changed);
  auto* follow = new SoVRMLTransform;
  follow->translation.connectFrom(&sensor->position_changed);
  follow->rotation.connectFrom(&sensor->orientation_changed);
  auto* place = new SoVRMLTransform;
  place->translation.setValue(-0.25f, 0.1f, 0);
  place->scale.setValue(0.5f, 0.5f, 1);
  auto* camera = new SoVRMLTransform;
  SbMatrix viewing;
  viewing.setTransform(SbVec3f(0.5f, 0.5f, 5), SbRotation(SbVec3f(1, 0, 0), -0.3f),
                       SbVec3f(1, 1, 1), SbRotation());
  camera->setMatrix(viewing.inverse());
  camera->addChild(content);
  place->addChild(camera);
  follow->addChild(place);
  auto* second = new SoVRMLGroup;
  second->addChild(sensor);
  second->addChild(follow);
  top->addChild(second);
  return world;
}

}  // namespace

TEST_F(VrmlFileTest, aWorldOfEveryNodeClassIsAcceptedByBothParsers) {
  SoVRMLCollision* world = makeWorld();
  world->ref();
  const std::string good = writeFile(world, "world.wrl");
  const std::string again = writeFile(world, "again.wrl");
  world->unref();
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
