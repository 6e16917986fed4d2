// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/sensors/SoFieldSensor.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"

namespace {

class SoFieldSensorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    live = SoBase::getLiveCount();
    camera = new SoOrthographicCamera;
    camera->ref();
  }
  void TearDown() override {
    if (camera) camera->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }

  // The near distance each firing saw.
  static void record(void* data, SoSensor* sensor) {
    auto* seen = static_cast<std::vector<float>*>(data);
    auto* field = static_cast<SoSFFloat*>(static_cast<SoFieldSensor*>(sensor)->getAttachedField());
    seen->push_back(field ? field->getValue() : -1.0f);
  }

  long live = 0;
  SoOrthographicCamera* camera = nullptr;
};

TEST_F(SoFieldSensorTest, firesWithinTheChangeOfItsOwnFieldOnlyAtAnyPriority) {
  std::vector<float> seen;
  SoFieldSensor sensor(record, &seen);
  EXPECT_EQ(sensor.getPriority(), SoFieldSensor::getDefaultPriority());
  sensor.attach(&camera->nearDistance);
  EXPECT_EQ(sensor.getAttachedField(), &camera->nearDistance);

  camera->nearDistance = 2.0f;
  EXPECT_EQ(seen, std::vector<float>{2.0f});  // before the assignment returned
  camera->farDistance = 20.0f;
  camera->touch();
  EXPECT_EQ(seen.size(), 1u) << "other fields and touches of the node are not its field";

  sensor.setPriority(0);
  EXPECT_EQ(sensor.getPriority(), 0u);
  camera->nearDistance = 3.0f;
  sensor.setPriority(50);
  camera->nearDistance = 4.0f;
  EXPECT_EQ(seen, (std::vector<float>{2.0f, 3.0f, 4.0f}));

  sensor.attach(&camera->farDistance);  // moves, leaving the first field
  camera->nearDistance = 5.0f;
  EXPECT_EQ(seen.size(), 3u);
  sensor.detach();
  camera->farDistance = 30.0f;
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(camera->getNumAuditors(), 0);

  SoSFFloat loose;  // no node holds it: nothing to hear from
  sensor.attach(&loose);
  EXPECT_EQ(sensor.getAttachedField(), nullptr);
}

TEST_F(SoFieldSensorTest, detachesWhenTheNodeDiesAndSurvivesDeletingItself) {
  std::vector<float> seen;
  SoFieldSensor watching(record, &seen);
  watching.attach(&camera->nearDistance);

  auto* selfDeleting = new SoFieldSensor(
      [](void*, SoSensor* sensor) { delete static_cast<SoFieldSensor*>(sensor); }, nullptr);
  selfDeleting->attach(&camera->nearDistance);
  camera->nearDistance = 2.0f;  // the second sensor goes; the first one fired
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(camera->getNumAuditors(), 1);

  camera->unref();
  camera = nullptr;
  EXPECT_EQ(watching.getAttachedField(), nullptr);
}

}  // namespace
