// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/vrml/SoVRMLCollision.h"
#include "platform/scenar/vrml/SoVRMLCoordinate.h"
#include "platform/scenar/vrml/SoVRMLIndexedFaceSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedLineSet.h"
#include "platform/scenar/vrml/SoVRMLProximitySensor.h"
#include "platform/scenar/vrml/SoVRMLShape.h"
#include "platform/scenar/vrml/SoVRMLTransform.h"

namespace {

class SoVRMLNodeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    live = SoBase::getLiveCount();
    root = new SoVRMLGroup;
    root->ref();
  }
  void TearDown() override {
    root->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }

  // A shape of an indexed set of kind Set through points.
  template <typename Set>
  static SoVRMLShape* shapeThrough(std::vector<SbVec3f> points, std::vector<int32_t> indices) {
    auto* coordinate = new SoVRMLCoordinate;
    coordinate->point.setValues(0, static_cast<int>(points.size()), points.data());
    auto* set = new Set;
    set->coord = coordinate;
    set->coordIndex.setValues(0, static_cast<int>(indices.size()), indices.data());
    auto* shape = new SoVRMLShape;
    shape->geometry = set;
    return shape;
  }
  SbBox3f boxOf(SoNode* node) {
    SoGetBoundingBoxAction action(SbViewportRegion(100, 100));
    action.apply(node);
    return action.getBoundingBox();
  }

  long live = 0;
  SoVRMLGroup* root = nullptr;
};

void expectNear(const SbVec3f& actual, const SbVec3f& expected, float tol = 1e-5f) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tol) << "component " << i;
}

}  // namespace

TEST_F(SoVRMLNodeTest, traversalsGoThroughTheGroupsWhichKeepTheirStateInside) {
  auto* collision = new SoVRMLCollision;
  root->addChild(collision);
  auto* transform = new SoVRMLTransform;
  transform->translation.setValue(10, 0, 0);
  transform->scale.setValue(2, 2, 2);
  collision->addChild(transform);
  // The face set names a point beyond its coordinates, which names none.
  transform->addChild(shapeThrough<SoVRMLIndexedFaceSet>(
      {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {9, 9, 9}}, {0, 1, 2, -1, 7}));
  auto* sensor = new SoVRMLProximitySensor;
  transform->addChild(sensor);
  // After the transform's group, its matrix no longer applies.
  root->addChild(shapeThrough<SoVRMLIndexedLineSet>({{0, 0, 5}, {0, 0, 6}}, {0, 1}));

  const SbBox3f box = boxOf(root);
  expectNear(box.getMin(), SbVec3f(0, 0, 0));
  expectNear(box.getMax(), SbVec3f(12, 2, 6));
  EXPECT_TRUE(boxOf(sensor).isEmpty());
  SoRef empty(new SoVRMLShape);
  EXPECT_TRUE(boxOf(empty.get()).isEmpty());
  empty.reset();

  SoSearchAction search;
  search.setType(SoVRMLProximitySensor::getClassTypeId());
  search.apply(root);
  ASSERT_NE(search.getPath(), nullptr);
  EXPECT_EQ(search.getPath()->getLength(), 4);
  EXPECT_EQ(search.getPath()->getTail(), sensor);
  EXPECT_EQ(search.getPath()->getIndex(3), 1);
}

TEST_F(SoVRMLNodeTest, setMatrixDecomposesAboutTheCentre) {
  auto* transform = new SoVRMLTransform;
  root->addChild(transform);
  transform->center.setValue(1, 2, 3);
  SbMatrix matrix;
  matrix.setTransform(SbVec3f(4, 5, 6), SbRotation(SbVec3f(1, 1, 0), 0.5f), SbVec3f(2, 3, 0.5f),
                      SbRotation(SbVec3f(0, 0, 1), 0.3f));
  transform->setMatrix(matrix);
  EXPECT_TRUE(transform->getTransformMatrix().equals(matrix, 1e-5f));
  SbVec3f p;
  transform->getTransformMatrix().multVecMatrix(SbVec3f(1, 2, 3), p);
  SbVec3f q;
  matrix.multVecMatrix(SbVec3f(1, 2, 3), q);
  expectNear(p, q, 1e-5f);

  // A rigid motion leaves the scale fields as they were: unwritten defaults.
  auto* rigid = new SoVRMLTransform;
  root->addChild(rigid);
  matrix.setTransform(SbVec3f(0, 0, -7), SbRotation(SbVec3f(2, 1, 0), 2.0f), SbVec3f(1, 1, 1),
                      SbRotation());
  rigid->setMatrix(matrix);
  EXPECT_TRUE(rigid->getTransformMatrix().equals(matrix, 1e-5f));
  EXPECT_FALSE(rigid->rotation.isDefault());
  EXPECT_TRUE(rigid->scale.isDefault());
  EXPECT_TRUE(rigid->scaleOrientation.isDefault());
}
