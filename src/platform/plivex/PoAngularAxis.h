#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// The circular axis of a polar plot, graduated in angles.
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
};
