#include "platform/scenar/SoNodeSensor.h"

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
  SoField* outer = triggerField_;
  triggerField_ = field;
  trigger();
  triggerField_ = outer;
}

void SoNodeSensor::nodeDying(SoNode*) {
  detach();
  if (deleteFunction_) deleteFunction_(deleteData_, this);
}
