// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLIndexedShape.h"

#include "platform/scenar/vrml/SoVRMLCoordinate.h"

SO_NODE_SOURCE(SoVRMLIndexedShape)

void SoVRMLIndexedShape::initClass() {
  SO_NODE_INIT_ABSTRACT_CLASS(SoVRMLIndexedShape, "VRMLIndexedShape");
}

SoVRMLIndexedShape::SoVRMLIndexedShape() {
  SO_NODE_CONSTRUCTOR(SoVRMLIndexedShape);
  SO_NODE_ADD_FIELD(coord, (nullptr));
  SO_NODE_ADD_EMPTY_FIELD(coordIndex);
}

void SoVRMLIndexedShape::computeBBox(SbBox3f& box) const {
  box.makeEmpty();
  const auto* coordinate = dynamic_cast<const SoVRMLCoordinate*>(coord.getValue());
  if (!coordinate) return;
  const int num = coordinate->point.getNum();
  for (int i = 0; i < coordIndex.getNum(); ++i)
    if (coordIndex[i] >= 0 && coordIndex[i] < num) box.extendBy(coordinate->point[coordIndex[i]]);
}

SbBool SoVRMLIndexedShape::isExposedField(const SbName& fieldName) const {
  return fieldName == "coord";
}
