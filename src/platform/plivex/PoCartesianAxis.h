#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// An axis along a straight line parallel to a coordinate axis: the first
// letter of type names that axis, the second the one its ticks stand out
// along. Not creatable.
class PoCartesianAxis : public PoAxis {
  SO_NODE_HEADER(PoCartesianAxis, PoAxis);

 public:
  SoSFVec3f start;  // the origin of the axis
  SoSFFloat end;    // the coordinate of the axis's end along its direction
  SoSFEnum type;    // XY, XZ, YX, YZ, ZX, ZY

 protected:
  PoCartesianAxis();
  ~PoCartesianAxis() override;

  void addAxisLine(std::vector<SbVec3f>& segmentEnds) const override;
  std::vector<Tick> mainTicks() const override;
  // Where the main ticks stand, as coordinates along the axis from `from` to `to`.
  virtual std::vector<float> tickCoordinates(float from, float to) const = 0;

 private:
  // The coordinate axes (0 x, 1 y, 2 z) of the line and of the ticks.
  int lineAxis() const;
  int tickAxis() const;
};
