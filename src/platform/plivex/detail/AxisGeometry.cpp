#include "platform/plivex/detail/AxisGeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"

namespace plivex::detail {

SoNode* segmentsOf(const std::vector<SbVec3f>& segmentEnds) {
  const int segments = static_cast<int>(segmentEnds.size() / 2);
  if (segments == 0) return nullptr;
  auto* coordinates = new SoCoordinate3;
  coordinates->point.setValues(0, segments * 2, segmentEnds.data());
  auto* lines = new SoLineSet;
  const std::vector<int32_t> pairs(static_cast<std::size_t>(segments), 2);
  lines->numVertices.setValues(0, segments, pairs.data());
  auto* geometry = new SoSeparator;
  geometry->addChild(coordinates);
  geometry->addChild(lines);
  return geometry;
}

std::vector<float> spreadTicks(float from, float to, int count) {
  std::vector<float> ticks;
  count = std::min(count, kMaxTicks);
  for (int i = 0; i < count; ++i)
    ticks.push_back(count == 1 ? from : from + (to - from) * static_cast<float>(i) / (count - 1));
  return ticks;
}

std::vector<float> evenTicks(float from, float to, float step) {
  if (!std::isfinite(from) || !std::isfinite(to)) return {};
  const double length = std::fabs(static_cast<double>(to) - from);
  const double stride = std::fabs(static_cast<double>(step));
  if (!(stride > 0) || !std::isfinite(stride) || length / stride >= kMaxTicks)
    return spreadTicks(from, to, 11);
  std::vector<float> ticks;
  const double direction = to >= from ? 1.0 : -1.0;
  // A last tick within a thousandth of a step of the end counts as on it.
  for (int i = 0; i * stride <= length + stride * 1e-3; ++i)
    ticks.push_back(static_cast<float>(from + direction * i * stride));
  return ticks;
}

std::vector<float> decadeTicks(float from, float to) {
  if (!std::isfinite(from) || !std::isfinite(to)) return {};
  const double low = std::ceil(std::min(from, to));
  const double high = std::floor(std::max(from, to));
  std::vector<float> ticks;
  for (double decade = low; decade <= high && ticks.size() < kMaxTicks; ++decade)
    ticks.push_back(static_cast<float>(decade));
  return ticks;
}

}  // namespace plivex::detail
