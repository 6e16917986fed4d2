#include "platform/plivex/PoGenAxis.h"

#include "platform/plivex/detail/AxisGeometry.h"

SO_NODE_SOURCE(PoGenAxis)

void PoGenAxis::initClass() { SO_NODE_INIT_CLASS(PoGenAxis, "PoGenAxis"); }

PoGenAxis::PoGenAxis() {
  SO_NODE_CONSTRUCTOR(PoGenAxis);
  SO_NODE_ADD_EMPTY_FIELD(gradList);
}

PoGenAxis::~PoGenAxis() = default;

std::vector<float> PoGenAxis::tickCoordinates(float from, float to) const {
  return plivex::detail::spreadTicks(from, to, gradList.getNum());
}
