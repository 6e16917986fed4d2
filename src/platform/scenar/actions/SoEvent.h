// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbLinear.h"

// An input event handed to a scene by an event action: what happened and
// where, in window pixels counted from the lower-left corner.
class SoEvent {
 public:
  enum Type { MOUSE_PRESS, MOUSE_RELEASE, MOUSE_MOVE, KEY };

  SoEvent() = default;
  SoEvent(Type type, const SbVec2s& position) : type_(type), position_(position) {}

  Type getType() const { return type_; }
  void setType(Type type) { type_ = type; }
  const SbVec2s& getPosition() const { return position_; }
  void setPosition(const SbVec2s& position) { position_ = position; }

 private:
  Type type_ = MOUSE_MOVE;
  SbVec2s position_;
};
