// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/sensors/SoSensor.h"

// Runs its function right after the attached field changes, before the change
// returns to whoever made it; changes of the node's other fields do not fire
// it. Only a field of a node can be watched. When the node is deleted the
// sensor detaches.
//
// The priority is kept for callers that set it; this toolkit has no queue of
// delayed sensors, so every priority runs at once, like 0.
class SoFieldSensor : public SoSensor, private SoNodeAuditor {
 public:
  SoFieldSensor() = default;
  SoFieldSensor(SoSensorCB* function, void* data) : SoSensor(function, data) {}
  ~SoFieldSensor() override;

  // Watches field, leaving any field watched before; a field that belongs to
  // no node leaves the sensor detached.
  void attach(SoField* field);
  void detach();
  SoField* getAttachedField() const { return field_; }

  void setPriority(uint32_t priority) { priority_ = priority; }
  uint32_t getPriority() const { return priority_; }
  static uint32_t getDefaultPriority() { return 100; }

 private:
  void nodeChanged(SoNode* node, SoField* field) override;
  void nodeDying(SoNode* node) override;

  SoField* field_ = nullptr;
  SoNode* node_ = nullptr;
  uint32_t priority_ = getDefaultPriority();
};
