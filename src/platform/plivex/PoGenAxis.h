#pragma once

#include "platform/plivex/PoCartesianAxis.h"
#include "platform/scenar/fields/SoMFields.h"

// A cartesian axis whose graduations are texts given one by one, evenly spaced.
class PoGenAxis : public PoCartesianAxis {
  SO_NODE_HEADER(PoGenAxis, PoCartesianAxis);

 public:
  SoMFString gradList;

  PoGenAxis();

 protected:
  ~PoGenAxis() override;

  // One main tick per graduation text, spread evenly along the axis.
  std::vector<float> tickCoordinates(float from, float to) const override;
};
