// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLProximitySensor.h"

SO_NODE_SOURCE(SoVRMLProximitySensor)
SO_NODE_OUTPUT_SOURCE(SoVRMLProximitySensor)

void SoVRMLProximitySensor::initClass() {
  SO_NODE_INIT_CLASS(SoVRMLProximitySensor, "VRMLProximitySensor");
}

SoVRMLProximitySensor::SoVRMLProximitySensor() {
  SO_NODE_CONSTRUCTOR(SoVRMLProximitySensor);
  SO_NODE_ADD_FIELD(center, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(size, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(enabled, (TRUE));
  SO_NODE_ADD_OUTPUT(isActive);
  SO_NODE_ADD_OUTPUT(position_changed);
  SO_NODE_ADD_OUTPUT(orientation_changed);
}
