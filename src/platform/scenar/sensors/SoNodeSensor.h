// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/sensors/SoSensor.h"

// Runs its function right after any field of the attached node changes, before
// the change returns to whoever made it. When the node is deleted the sensor
// detaches and, if one is set, calls its delete callback.
class SoNodeSensor : public SoSensor, private SoNodeAuditor {
 public:
  SoNodeSensor() = default;
  SoNodeSensor(SoSensorCB* function, void* data) : SoSensor(function, data) {}
  ~SoNodeSensor() override;

  // Watches node, leaving any node watched before.
  void attach(SoNode* node);
  void detach();
  SoNode* getAttachedNode() const { return node_; }

  // The field whose change fired the sensor this time; nullptr outside the function.
  SoField* getTriggerField() const { return triggerField_; }
  void setDeleteCallback(SoSensorCB* function, void* data) {
    deleteFunction_ = function;
    deleteData_ = data;
  }

 private:
  void nodeChanged(SoNode* node, SoField* field) override;
  void nodeDying(SoNode* node) override;

  SoNode* node_ = nullptr;
  SoField* triggerField_ = nullptr;
  SoSensorCB* deleteFunction_ = nullptr;
  void* deleteData_ = nullptr;
};
