#include "platform/plivex/PoTimeAxis.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoTimeAxis)

using namespace plivex;

void PoTimeAxis::initClass() { SO_NODE_INIT_CLASS(PoTimeAxis, "PoTimeAxis"); }

PoTimeAxis::PoTimeAxis() {
  SO_NODE_CONSTRUCTOR(PoTimeAxis);
  SO_NODE_ADD_FIELD(startDate, ("1-01-70"));
  SO_NODE_ADD_FIELD(endDate, ("2-01-70"));
  SO_NODE_ADD_FIELD(coordinate, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(type, kTimeAxisType, "X");
  PO_NODE_ADD_ENUM_FIELD(language, kLanguage, "ENGLISH");
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
  SO_NODE_ADD_EMPTY_FIELD(gradRep);
  SO_NODE_ADD_FIELD(timesPeriod, (""));
}

PoTimeAxis::~PoTimeAxis() = default;

namespace {

// The point at t along the axis: along X at y = coordinate, or along Y at x = coordinate.
SbVec3f timeAxisPoint(int type, float coordinate, float t) {
  return type == enumValue(kTimeAxisType, "Y") ? SbVec3f(coordinate, t, 0)
                                               : SbVec3f(t, coordinate, 0);
}

}  // namespace

void PoTimeAxis::addAxisLine(std::vector<SbVec3f>& segmentEnds) const {
  segmentEnds.push_back(timeAxisPoint(type.getValue(), coordinate.getValue(), 0));
  segmentEnds.push_back(timeAxisPoint(type.getValue(), coordinate.getValue(), 1));
}

std::vector<PoAxis::Tick> PoTimeAxis::mainTicks() const {
  const SbVec3f outward =
      type.getValue() == enumValue(kTimeAxisType, "Y") ? SbVec3f(1, 0, 0) : SbVec3f(0, 1, 0);
  return {{timeAxisPoint(type.getValue(), coordinate.getValue(), 0), outward},
          {timeAxisPoint(type.getValue(), coordinate.getValue(), 1), outward}};
}
