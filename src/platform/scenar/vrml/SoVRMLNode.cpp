// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLNode.h"

#include <string>

#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/vrml/detail/Vrml97FileFormat.h"

SO_NODE_SOURCE(SoVRMLNode)

void SoVRMLNode::initClass() {
  SO_NODE_INIT_ABSTRACT_CLASS(SoVRMLNode, "VRMLNode");
  SoWriteAction::addFileFormat(&scenar::detail::vrml97FileFormat());
}

SoVRMLNode::SoVRMLNode() { SO_NODE_CONSTRUCTOR(SoVRMLNode); }

SbBool SoVRMLNode::isExposedField(const SbName&) const { return TRUE; }

SbBool SoVRMLNode::getEventInName(const SoField* field, SbName& name) const {
  SbName fieldName;
  if (!getFieldName(field, fieldName) || !isExposedField(fieldName)) return FALSE;
  name = SbName(("set_" + std::string(fieldName.getString())).c_str());
  return TRUE;
}

SbBool SoVRMLNode::getEventOutName(const SoField* field, SbName& name) const {
  if (getOutputName(field, name)) return TRUE;
  SbName fieldName;
  if (!getFieldName(field, fieldName) || !isExposedField(fieldName)) return FALSE;
  name = SbName((std::string(fieldName.getString()) + "_changed").c_str());
  return TRUE;
}
