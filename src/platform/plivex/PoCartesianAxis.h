#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// An axis along a straight line parallel to a coordinate axis. Not creatable.
class PoCartesianAxis : public PoAxis {
  SO_NODE_HEADER(PoCartesianAxis, PoAxis);

 public:
  SoSFVec3f start;  // the origin of the axis
  SoSFFloat end;    // the coordinate of the axis's end along its direction
  SoSFEnum type;    // XY, XZ, YX, YZ, ZX, ZY

 protected:
  PoCartesianAxis();
  ~PoCartesianAxis() override;
};
