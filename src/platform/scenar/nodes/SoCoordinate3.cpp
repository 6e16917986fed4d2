// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoCoordinate3.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoCoordinateElement.h"

SO_NODE_SOURCE(SoCoordinate3)

void SoCoordinate3::initClass() { SO_NODE_INIT_CLASS(SoCoordinate3, "Coordinate3"); }

SoCoordinate3::SoCoordinate3() {
  SO_NODE_CONSTRUCTOR(SoCoordinate3);
  SO_NODE_ADD_EMPTY_FIELD(point);
}

void SoCoordinate3::doAction(SoAction* action) {
  SoCoordinateElement::set(action->getState(), point.getNum(), point.getValues(0));
}
