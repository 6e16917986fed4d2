#include "platform/plivex/PoCartesianAxis.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoCartesianAxis)

using namespace plivex;

void PoCartesianAxis::initClass() {
  SO_NODE_INIT_ABSTRACT_CLASS(PoCartesianAxis, "PoCartesianAxis");
}

PoCartesianAxis::PoCartesianAxis() {
  SO_NODE_CONSTRUCTOR(PoCartesianAxis);
  SO_NODE_ADD_FIELD(start, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(end, (1.0f));
  PO_NODE_ADD_ENUM_FIELD(type, kCartesianType, "XY");
}

PoCartesianAxis::~PoCartesianAxis() = default;

namespace {

// line axis, tick axis: XY, XZ, YX, YZ, ZX, ZY
constexpr int kAxes[][2] = {{0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}};

}  // namespace

int PoCartesianAxis::lineAxis() const {
  const int t = type.getValue();
  return t >= 0 && t < 6 ? kAxes[t][0] : 0;
}

int PoCartesianAxis::tickAxis() const {
  const int t = type.getValue();
  return t >= 0 && t < 6 ? kAxes[t][1] : 1;
}

void PoCartesianAxis::addAxisLine(std::vector<SbVec3f>& segmentEnds) const {
  SbVec3f last = start.getValue();
  last[lineAxis()] = end.getValue();
  segmentEnds.push_back(start.getValue());
  segmentEnds.push_back(last);
}

std::vector<PoAxis::Tick> PoCartesianAxis::mainTicks() const {
  SbVec3f outward;
  outward[tickAxis()] = 1;
  std::vector<Tick> ticks;
  const SbVec3f origin = start.getValue();
  for (float coordinate : tickCoordinates(origin[lineAxis()], end.getValue())) {
    SbVec3f at = origin;
    at[lineAxis()] = coordinate;
    ticks.push_back({at, outward});
  }
  return ticks;
}
