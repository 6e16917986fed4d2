// SPDX-License-Identifier: Apache-2.0
#pragma once

// A field holding one rotation. Its text is the axis and the angle in
// radians: "x y z angle"; the identity writes as "0 0 1 0".

#include "platform/scenar/basic/SbRotation.h"
#include "platform/scenar/fields/SoFieldValueIo.h"

namespace scenar::detail {

// The rotation is made from the text in double precision and rounded to floats
// once. It is written as the shortest float texts of its axis and angle when
// they read back as exactly the same rotation, else with the double digits of
// an axis and angle that do: what was read writes a text that reads back the
// same.
template <>
struct ValueIo<SbRotation> {
  static bool read(TextReader& in, SbRotation& value);
  static void write(std::string& out, const SbRotation& value);
};

}  // namespace scenar::detail

class SoSFRotation : public SoSFieldOf<SbRotation> {
 public:
  using SoSFieldOf::operator=;
  using SoSFieldOf::setValue;
  void setValue(const SbVec3f& axis, float radians) { setValue(SbRotation(axis, radians)); }
  const char* getTypeName() const override { return "SFRotation"; }
};
