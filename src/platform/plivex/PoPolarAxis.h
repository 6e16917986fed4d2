#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// A radial axis of a polar plot: it runs from the centre outward along the
// angle theta, in the XY plane, from startRadius to endRadius; its ticks stand
// out a quarter turn counterclockwise from it. Not creatable.
class PoPolarAxis : public PoAxis {
  SO_NODE_HEADER(PoPolarAxis, PoAxis);

 public:
  SoSFFloat offset;
  SoSFFloat startRadius;
  SoSFFloat endRadius;
  SoSFFloat theta;              // in radians
  SoSFEnum multFactorPosition;  // START, END, EXTR, GRAD
  SoSFFloat multFactorDistAxis;

 protected:
  PoPolarAxis();
  ~PoPolarAxis() override;

  void addAxisLine(std::vector<SbVec3f>& segmentEnds) const override;
  std::vector<Tick> mainTicks() const override;
  // Where the main ticks stand, as radii from `from` to `to`.
  virtual std::vector<float> tickRadii(float from, float to) const = 0;
};
