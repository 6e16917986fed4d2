#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// The circular axis of a polar plot, graduated in angles: an arc of radius
// about the origin, in the XY plane, from startAngle to endAngle, drawn as
// segments at most five degrees long; its ticks stand out radially.
class PoAngularAxis : public PoAxis {
  SO_NODE_HEADER(PoAngularAxis, PoAxis);

 public:
  SoSFFloat offset;
  SoSFFloat startAngle;  // in radians
  SoSFFloat endAngle;    // in radians
  SoSFFloat radius;
  SoSFFloat angleStep;  // between two graduations; 0: chosen from the angle covered
  SoSFEnum gradFit;     // FIT, UNFIT

  PoAngularAxis();

 protected:
  ~PoAngularAxis() override;

  void addAxisLine(std::vector<SbVec3f>& segmentEnds) const override;
  // Main ticks at every angleStep from the start angle; ten intervals when it is 0.
  std::vector<Tick> mainTicks() const override;
};
