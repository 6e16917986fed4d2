#include "platform/plivex/PoPolarAxis.h"

#include <cmath>

#include "platform/plivex/detail/AxisGeometry.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoPolarAxis)

using namespace plivex;

void PoPolarAxis::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoPolarAxis, "PoPolarAxis"); }

PoPolarAxis::PoPolarAxis() {
  SO_NODE_CONSTRUCTOR(PoPolarAxis);
  SO_NODE_ADD_FIELD(offset, (0.0f));
  SO_NODE_ADD_FIELD(startRadius, (0.0f));
  SO_NODE_ADD_FIELD(endRadius, (1.0f));
  SO_NODE_ADD_FIELD(theta, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(multFactorPosition, kMultFactorPosition, "END");
  SO_NODE_ADD_FIELD(multFactorDistAxis, (0.05f));
}

PoPolarAxis::~PoPolarAxis() = default;

void PoPolarAxis::addAxisLine(std::vector<SbVec3f>& segmentEnds) const {
  const SbVec3f along(std::cos(theta.getValue()), std::sin(theta.getValue()), 0);
  segmentEnds.push_back(along * startRadius.getValue());
  segmentEnds.push_back(along * endRadius.getValue());
}

std::vector<PoAxis::Tick> PoPolarAxis::mainTicks() const {
  const SbVec3f along(std::cos(theta.getValue()), std::sin(theta.getValue()), 0);
  const SbVec3f outward(-along[1], along[0], 0);
  std::vector<Tick> ticks;
  for (float radius : tickRadii(startRadius.getValue(), endRadius.getValue()))
    ticks.push_back({along * radius, outward});
  return ticks;
}
