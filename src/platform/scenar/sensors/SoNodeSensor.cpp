#include "platform/scenar/sensors/SoNodeSensor.h"

SoNodeSensor::~SoNodeSensor() {
  if (destroyed_) *destroyed_ = true;
  detach();
}

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
  bool* outerDestroyed = destroyed_;
  bool destroyed = false;
  triggerField_ = field;
  destroyed_ = &destroyed;
  trigger();
  if (destroyed) {
    // The function deleted the sensor: tell an enclosing run, touch nothing.
    if (outerDestroyed) *outerDestroyed = true;
    return;
  }
  triggerField_ = outerField;
  destroyed_ = outerDestroyed;
}

void SoNodeSensor::nodeDying(SoNode*) {
  detach();
  if (deleteFunction_) deleteFunction_(deleteData_, this);
}
