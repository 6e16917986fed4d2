#pragma once

// How a view narrows a traversal to its rectangle, in the classic tiling and in
// render-unit mode. Nothing here allocates: it works on stack copies of
// viewport regions and on the state's pooled elements.

#include <atomic>
#include <climits>
#include <cstdint>

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SoType.h"

class SoAction;
class SoGLRenderAction;

namespace plivexwin::detail {

// What a view does with an action, by the action's class.
enum class ActionKind {
  Render,      // narrowed, in classic and in render-unit mode
  Unconfined,  // searching and writing: left alone
  // Narrowed, in classic mode only, to the viewport region the action
  // carries, or to a default one for Other.
  BoundingBox,
  Matrix,
  Event,
  Pick,
  Other,
};
// Told by a walk up from the type to the toolkit's action classes.
ActionKind classifyAction(SoType type);

// The last answer of actionKindOf: the type's key in the high half, the kind in
// the low. Keys are never reused, so a key kept always means the same class.
inline std::atomic<std::uint64_t> lastActionKind{~std::uint64_t{0}};

// As classifyAction; every view of a traversal asks about the same type, so
// the last answer is kept.
inline ActionKind actionKindOf(SoType type) {
  if (type.isBad()) return ActionKind::Other;
  const auto key = static_cast<std::uint64_t>(type.getKey());
  const std::uint64_t kept = lastActionKind.load(std::memory_order_relaxed);
  if (kept >> 32 == key) return static_cast<ActionKind>(kept & 0xffu);
  const ActionKind kind = classifyAction(type);
  lastActionKind.store(key << 32 | static_cast<std::uint64_t>(kind), std::memory_order_relaxed);
  return kind;
}

// A view's rectangle in normalized window coordinates.
struct ViewRectangle {
  SbVec2f origin;
  SbVec2f size;
};

// Classic mode, a render: sets the viewport region and the update area, or
// for a tile of a larger image the scissor box, the view's part of the
// view-volume portion and the logical viewport. portion and logicalSize are
// the per-traversal values the first view of a render captures.
void narrowClassicRender(SoGLRenderAction* render, const ViewRectangle& view, SbVec4f& portion,
                         SbVec2s& logicalSize);

// Classic mode, an action of kind BoundingBox to Other: sets the viewport
// region and resets portion to the whole volume.
void narrowClassicOther(SoAction* action, ActionKind kind, const ViewRectangle& view,
                        SbVec4f& portion);

// Render-unit mode: clips the view's rectangle in logical pixels against the
// tile the render unit draws now, whose portion goes into portion.
void narrowRenderUnit(SoGLRenderAction* action, const ViewRectangle& view, SbVec4f& portion);

// The part [0, visible) of an axis of length extent starting at origin relative
// to a tile of length tile: the visible origin and length.
struct AxisClip {
  float origin;
  float length;
};
inline AxisClip clipAxis(float origin, float extent, float tile) {
  if (origin < 0) {
    const float end = origin + extent;
    if (end > tile) return {0, tile};
    if (end > 0) return {0, end};
    return {0, 0};
  }
  if (origin >= tile) return {0, 0};
  if (origin + extent > tile) return {origin, tile - origin};
  return {origin, extent};
}

// A float truncated toward zero to an integer, then kept to 16 bits; values
// beyond the integer range are clamped first so that the conversion is
// defined, and a value that is not a number gives 0.
inline short truncateTo16Bits(float value) {
  constexpr float kLowest = static_cast<float>(INT_MIN);
  constexpr float kHighest = static_cast<float>(INT_MAX) - 128.0f;
  if (!(value >= kLowest)) return value < kLowest ? static_cast<short>(INT_MIN) : 0;
  return static_cast<short>(static_cast<int>(value < kHighest ? value : kHighest));
}

}  // namespace plivexwin::detail
