#pragma once

// A field holding one rotation. Its text is the axis and the angle in
// radians: "x y z angle"; the identity writes as "0 0 1 0".

#include "platform/scenar/basic/SbRotation.h"
#include "platform/scenar/fields/SoFieldValueIo.h"

namespace scenar::detail {

template <>
struct ValueIo<SbRotation> {
  static bool read(TextReader& in, SbRotation& value) {
    float v[4];
    for (float& component : v)
      if (!in.readFloat(component)) return false;
    value.setValue(SbVec3f(v[0], v[1], v[2]), v[3]);
    return true;
  }
  static void write(std::string& out, const SbRotation& value) {
    SbVec3f axis;
    float angle = 0.0f;
    value.getValue(axis, angle);
    VectorIo<SbVec3f, 3>::write(out, axis);
    out += ' ';
    ValueIo<float>::write(out, angle);
  }
};

}  // namespace scenar::detail

class SoSFRotation : public SoSFieldOf<SbRotation> {
 public:
  using SoSFieldOf::operator=;
  using SoSFieldOf::setValue;
  void setValue(const SbVec3f& axis, float radians) { setValue(SbRotation(axis, radians)); }
  const char* getTypeName() const override { return "SFRotation"; }
};
