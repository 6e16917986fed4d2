// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "SceneIoTestNodes.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/vrml/SoVRMLAppearance.h"
#include "platform/scenar/vrml/SoVRMLCollision.h"
#include "platform/scenar/vrml/SoVRMLMaterial.h"
#include "platform/scenar/vrml/SoVRMLProximitySensor.h"
#include "platform/scenar/vrml/SoVRMLShape.h"
#include "platform/scenar/vrml/SoVRMLTransform.h"
#include "platform/scenar/vrml/SoVRMLViewpoint.h"
#include "platform/scenar/vrml/SoVRMLWorldInfo.h"

namespace {

class SoVRMLWriteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live); }

  long live = 0;
};

}  // namespace

TEST_F(SoVRMLWriteTest, aVRMLGraphWritesAVRML97FileWithItsRoutesAfterTheRoot) {
  // A sensor that follows the viewer and a transform that follows the sensor;
  // their shape is shared, their material named.
  const SoRef root(new SoVRMLCollision);
  root->collide = FALSE;
  auto* sensor = new SoVRMLProximitySensor;
  sensor->setName("viewer");
  const float largest = std::numeric_limits<float>::max();
  sensor->size.setValue(largest, largest, largest);
  sensor->center.connectFrom(&sensor->position_changed);
  auto* follower = new SoVRMLTransform;
  follower->setName("ROUTE");  // a keyword: made a name for a file
  follower->translation.connectFrom(&sensor->position_changed);
  follower->rotation.connectFrom(&sensor->orientation_changed);
  auto* inner = new SoVRMLTransform;
  inner->scale.connectFrom(&follower->scale);
  auto* shape = new SoVRMLShape;
  auto* appearance = new SoVRMLAppearance;
  auto* material = new SoVRMLMaterial;
  material->setName("red");
  material->diffuseColor.setValue(1, 0, 0);
  appearance->material = material;
  shape->appearance = appearance;
  auto* viewpoint = new SoVRMLViewpoint;
  viewpoint->description = "say \"cheese\"";
  root->addChild(sensor);
  root->addChild(follower);
  follower->addChild(shape);
  follower->addChild(inner);
  inner->addChild(shape);
  root->addChild(viewpoint);

  const std::string text = writeScene(root.get());
  EXPECT_EQ(text,
            "#VRML V2.0 utf8\n\n"
            "Collision {\n"
            "  collide FALSE\n"
            "  children [\n"
            "    DEF viewer ProximitySensor {\n"
            "      size 3.4028235e+38 3.4028235e+38 3.4028235e+38\n"
            "    }\n"
            "    DEF _ROUTE Transform {\n"
            "      children [\n"
            "        DEF _0 Shape {\n"
            "          appearance Appearance {\n"
            "            material DEF red Material {\n"
            "              diffuseColor 1 0 0\n"
            "            }\n"
            "          }\n"
            "        }\n"
            "        DEF _1 Transform {\n"
            "          children [\n"
            "            USE _0\n"
            "          ]\n"
            "        }\n"
            "      ]\n"
            "    }\n"
            "    Viewpoint {\n"
            "      description \"say \\\"cheese\\\"\"\n"
            "    }\n"
            "  ]\n"
            "}\n"
            "\n"
            "ROUTE viewer.position_changed TO viewer.set_center\n"
            "ROUTE viewer.position_changed TO _ROUTE.set_translation\n"
            "ROUTE viewer.orientation_changed TO _ROUTE.set_rotation\n"
            "ROUTE _ROUTE.scale_changed TO _1.set_scale\n");
  EXPECT_EQ(writeScene(root.get()), text);

  // The largest float reads back as itself.
  scenar::TextReader in("3.4028235e+38");
  float value = 0;
  ASSERT_TRUE(in.readFloat(value));
  EXPECT_EQ(value, largest);
}

TEST_F(SoVRMLWriteTest, connectionsVRML97CannotStateAreLeftOut) {
  const SoRef root(new SoVRMLGroup);
  const SoRef outside(new SoVRMLTransform);  // not in the graph
  auto* transform = new SoVRMLTransform;
  transform->translation.connectFrom(&outside->translation);
  auto* info = new SoVRMLWorldInfo;
  auto* viewpoint = new SoVRMLViewpoint;
  viewpoint->description.connectFrom(&info->title);  // fields files only set
  root->addChild(transform);
  root->addChild(info);
  root->addChild(viewpoint);
  EXPECT_EQ(writeScene(root.get()),
            "#VRML V2.0 utf8\n\n"
            "Group {\n"
            "  children [\n"
            "    Transform { }\n"
            "    WorldInfo { }\n"
            "    Viewpoint { }\n"
            "  ]\n"
            "}\n");
}

TEST_F(SoVRMLWriteTest, everyVRMLNodeClassAsMadeWritesNoField) {
  const SoRef root(new SoVRMLGroup);
  int classes = 0;
  for (SoType type : SoType::getAllDerivedFrom(SoVRMLNode::getClassTypeId())) {
    if (!type.canCreateInstance()) continue;
    root->addChild(static_cast<SoNode*>(type.createInstance()));
    ++classes;
  }
  EXPECT_GE(classes, 13);
  const std::string text = writeScene(root.get());
  std::string expected = "#VRML V2.0 utf8\n\nGroup {\n  children [\n";
  for (int i = 0; i < root->getNumChildren(); ++i)
    expected += std::string("    ") +
                static_cast<SoVRMLNode*>(root->getChild(i))->getFileTypeName() + " { }\n";
  EXPECT_EQ(text, expected + "  ]\n}\n");
}
