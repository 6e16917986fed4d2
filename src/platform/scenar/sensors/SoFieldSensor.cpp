// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/sensors/SoFieldSensor.h"

SoFieldSensor::~SoFieldSensor() { detach(); }

void SoFieldSensor::attach(SoField* field) {
  detach();
  auto* node = field ? dynamic_cast<SoNode*>(field->getContainer()) : nullptr;
  if (!node) return;
  field_ = field;
  node_ = node;
  node_->addAuditor(this);
}

void SoFieldSensor::detach() {
  if (node_) node_->removeAuditor(this);
  node_ = nullptr;
  field_ = nullptr;
}

void SoFieldSensor::nodeChanged(SoNode*, SoField* field) {
  if (field && field == field_) triggerForChange();
}

void SoFieldSensor::nodeDying(SoNode*) { detach(); }
