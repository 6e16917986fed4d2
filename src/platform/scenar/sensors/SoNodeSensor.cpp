// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/sensors/SoNodeSensor.h"

SoNodeSensor::~SoNodeSensor() { detach(); }

void SoNodeSensor::attach(SoNode* node) {
  detach();
  node_ = node;
  if (node_) node_->addAuditor(this);
}

void SoNodeSensor::detach() {
  if (node_) node_->removeAuditor(this);
  node_ = nullptr;
}

void SoNodeSensor::nodeChanged(SoNode*, SoField* field) {
  SoField* outerField = triggerField_;
  triggerField_ = field;
  if (triggerForChange()) triggerField_ = outerField;
}

void SoNodeSensor::nodeDying(SoNode*) {
  detach();
  if (deleteFunction_) deleteFunction_(deleteData_, this);
}
