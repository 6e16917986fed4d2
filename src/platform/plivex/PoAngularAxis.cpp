#include "platform/plivex/PoAngularAxis.h"

#include <algorithm>
#include <cmath>

#include "platform/plivex/detail/AxisGeometry.h"

#include <numbers>

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoAngularAxis)

using namespace plivex;

void PoAngularAxis::initClass() { SO_NODE_INIT_CLASS(PoAngularAxis, "PoAngularAxis"); }

PoAngularAxis::PoAngularAxis() {
  SO_NODE_CONSTRUCTOR(PoAngularAxis);
  SO_NODE_ADD_FIELD(offset, (0.0f));
  SO_NODE_ADD_FIELD(startAngle, (0.0f));
  SO_NODE_ADD_FIELD(endAngle, (2.0f * std::numbers::pi_v<float>));
  SO_NODE_ADD_FIELD(radius, (1.0f));
  SO_NODE_ADD_FIELD(angleStep, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
}

PoAngularAxis::~PoAngularAxis() = default;

namespace {

SbVec3f onCircle(float angle) { return {std::cos(angle), std::sin(angle), 0}; }

}  // namespace

void PoAngularAxis::addAxisLine(std::vector<SbVec3f>& segmentEnds) const {
  constexpr double kFiveDegrees = 3.14159265358979323846 / 36;
  const float from = startAngle.getValue(), to = endAngle.getValue();
  if (!std::isfinite(from) || !std::isfinite(to)) return;
  // An arc a hair longer than whole pieces (an angle rounded to a float) takes
  // no extra piece.
  const double pieces = std::min<double>(
      std::ceil(std::fabs(double(to) - from) / kFiveDegrees - 1e-4), detail::kMaxTicks);
  const int count = std::max(1, static_cast<int>(pieces));
  for (int i = 0; i < count; ++i) {
    segmentEnds.push_back(onCircle(from + (to - from) * i / count) * radius.getValue());
    segmentEnds.push_back(onCircle(from + (to - from) * (i + 1) / count) * radius.getValue());
  }
}

std::vector<PoAxis::Tick> PoAngularAxis::mainTicks() const {
  std::vector<Tick> ticks;
  for (float angle :
       detail::evenTicks(startAngle.getValue(), endAngle.getValue(), angleStep.getValue()))
    ticks.push_back({onCircle(angle) * radius.getValue(), onCircle(angle)});
  return ticks;
}
