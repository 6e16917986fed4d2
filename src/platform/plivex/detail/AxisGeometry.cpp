// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/detail/AxisGeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/plivex/detail/PointRuns.h"
#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbRotation.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoTransform.h"

namespace plivex::detail {

namespace {

SbVec3f onCircle(double angle) {
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle)), 0};
}

}  // namespace

bool isFinite(const SbVec3f& v) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

SbVec3f AxisPath::pointAt(double t) const {
  if (!isArc) return origin + along * static_cast<float>(length * t);
  return onCircle(fromAngle + (double(toAngle) - fromAngle) * t) * radius;
}

SbVec3f AxisPath::tangentAt(double t) const {
  if (!isArc) return along;
  const SbVec3f out = onCircle(fromAngle + (double(toAngle) - fromAngle) * t);
  const float turn = toAngle >= fromAngle ? 1.0f : -1.0f;
  return SbVec3f(-out[1], out[0], 0) * turn;
}

SbVec3f AxisPath::aboveAt(double t) const {
  if (!isArc) return above;
  return onCircle(fromAngle + (double(toAngle) - fromAngle) * t) * (radius < 0 ? -1.0f : 1.0f);
}

double AxisPath::arcLength() const {
  return isArc ? std::fabs(double(radius) * (double(toAngle) - fromAngle)) : std::fabs(length);
}

bool AxisPath::isFinite() const {
  return isArc ? std::isfinite(radius) && std::isfinite(fromAngle) && std::isfinite(toAngle)
               : detail::isFinite(origin) && detail::isFinite(along) && detail::isFinite(above) &&
                     std::isfinite(length);
}

int AxisPath::piecesBetween(double t0, double t1) const {
  if (!isArc) return 1;
  constexpr double kFiveDegrees = 3.14159265358979323846 / 36;
  // An arc a hair longer than whole pieces (an angle rounded to a float) takes
  // no extra piece.
  const double turned = std::fabs((double(toAngle) - fromAngle) * (t1 - t0));
  const double pieces = std::min<double>(std::ceil(turned / kFiveDegrees - 1e-4), kMaxTicks);
  return pieces >= 1 ? static_cast<int>(pieces) : 1;
}

bool PlaneFrame::isSceneXY() const {
  return x == SbVec3f(1, 0, 0) && y == SbVec3f(0, 1, 0) && origin == SbVec3f(0, 0, 0);
}

SoNode* PlaneFrame::transform() const {
  const SbVec3f z = cross(x, y);
  // Row-vector matrices: each row is the image of one of the plane's axes.
  const SbMatrix turn(x[0], x[1], x[2], 0, y[0], y[1], y[2], 0, z[0], z[1], z[2], 0, 0, 0, 0, 1);
  auto* node = new SoTransform;
  node->rotation.setValue(SbRotation().setValue(turn));
  node->translation.setValue(origin);
  return node;
}

void addSegments(SoGroup* into, const std::vector<SbVec3f>& segmentEnds) {
  std::vector<SbVec3f> kept;
  for (std::size_t i = 0; i + 1 < segmentEnds.size(); i += 2)
    if (isFinite(segmentEnds[i]) && isFinite(segmentEnds[i + 1]))
      kept.insert(kept.end(), {segmentEnds[i], segmentEnds[i + 1]});
  addRuns<SoLineSet>(into, kept, 2);
}

void addTriangles(SoGroup* into, const std::vector<SbVec3f>& corners) {
  addRuns<SoFaceSet>(into, corners, 3);
}

}  // namespace plivex::detail
