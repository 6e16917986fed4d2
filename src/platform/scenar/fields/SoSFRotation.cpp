// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoSFRotation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace scenar::detail {

namespace {

// A component rounded to a float; zero is always +0, so that equal rotations
// write the same text.
float roundedComponent(double value) { return static_cast<float>(value) + 0.0f; }

// The unit quaternion of the rotation by angle about axis, rounded to floats
// once; a zero axis gives the identity.
SbRotation fromAxisAngle(const double axis[3], double angle) {
  const double scale = std::max({std::fabs(axis[0]), std::fabs(axis[1]), std::fabs(axis[2])});
  if (!(scale > 0.0)) return SbRotation();
  const double x = axis[0] / scale, y = axis[1] / scale, z = axis[2] / scale;
  const double s = std::sin(0.5 * angle) / std::sqrt(x * x + y * y + z * z);
  return SbRotation::fromUnitQuaternion(roundedComponent(x * s), roundedComponent(y * s),
                                        roundedComponent(z * s),
                                        roundedComponent(std::cos(0.5 * angle)));
}

// Axis and angle of the quaternion q, of any length: "0 0 1 0" when it has no
// vector part.
void toAxisAngle(const double q[4], double axis[3], double& angle) {
  const double s = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2]);
  if (!(s > 0.0)) {
    axis[0] = axis[1] = 0.0;
    axis[2] = 1.0;
    angle = 0.0;
    return;
  }
  for (int i = 0; i < 3; ++i) axis[i] = q[i] / s;
  angle = 2.0 * std::atan2(s, q[3]);
}

std::string textOf(const double axis[3], double angle, bool asFloats) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    const double value = i < 3 ? axis[i] : angle;
    if (i) text += ' ';
    if (asFloats) {
      ValueIo<float>::write(text, static_cast<float>(value));
    } else {
      char buffer[32];
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
      text.append(buffer, end);
    }
  }
  return text;
}

bool readsAs(const std::string& text, const SbRotation& value) {
  TextReader in(text);
  SbRotation back;
  return ValueIo<SbRotation>::read(in, back) && back == value;
}

}  // namespace

bool ValueIo<SbRotation>::read(TextReader& in, SbRotation& value) {
  double v[4];
  for (double& component : v)
    if (!in.readDouble(component)) return false;
  value = fromAxisAngle(v, v[3]);
  return true;
}

void ValueIo<SbRotation>::write(std::string& out, const SbRotation& value) {
  const float* q = value.getValue();
  double c[4] = {q[0], q[1], q[2], q[3]};
  double axis[3], angle;
  toAxisAngle(c, axis, angle);
  std::string text = textOf(axis, angle, true);
  if (!readsAs(text, value)) text = textOf(axis, angle, false);
  if (!readsAs(text, value)) {
    // A float quaternion is of unit length only to float precision: move each
    // component within its rounding interval, in proportion to the
    // interval's width, onto the unit sphere, where what is read lies.
    const double excess = c[0] * c[0] + c[1] * c[1] + c[2] * c[2] + c[3] * c[3] - 1.0;
    double width[4], weighted = 0.0;
    for (int i = 0; i < 4; ++i) {
      // A zero stays put: it reads back from any tiny value of either sign.
      const float f = q[i];
      width[i] = f == 0.0f ? 0.0 : 0.5 * (std::nextafter(std::fabs(f), INFINITY) - std::fabs(f));
      weighted += std::fabs(c[i]) * width[i];
    }
    const double t = weighted > 0.0 ? excess / (2.0 * weighted) : 0.0;
    for (int i = 0; i < 4; ++i) c[i] -= t * std::copysign(width[i], c[i]);
    toAxisAngle(c, axis, angle);
    text = textOf(axis, angle, false);
  }
  out += text;
}

}  // namespace scenar::detail
