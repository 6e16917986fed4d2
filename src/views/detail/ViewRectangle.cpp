// SPDX-License-Identifier: Apache-2.0
#include "views/detail/ViewRectangle.h"

#include <climits>
#include <cmath>

#include "platform/gl/GL.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGLUpdateAreaElement.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/actions/SoImageRegionElement.h"
#include "platform/scenar/actions/SoLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoPickAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbViewportRegion.h"

namespace plivexwin::detail {

namespace {

// What a view does with an action, by the action's registered type.
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

ActionKind classifyAction(SoType type) {
  // action class, kind; a class derived from several takes the first
  struct Row {
    SoType (*classType)();
    ActionKind kind;
  };
  static constexpr Row kRows[] = {
      {SoGLRenderAction::getClassTypeId, ActionKind::Render},
      {SoSearchAction::getClassTypeId, ActionKind::Unconfined},
      {SoWriteAction::getClassTypeId, ActionKind::Unconfined},
      {SoGetBoundingBoxAction::getClassTypeId, ActionKind::BoundingBox},
      {SoGetMatrixAction::getClassTypeId, ActionKind::Matrix},
      {SoHandleEventAction::getClassTypeId, ActionKind::Event},
      {SoPickAction::getClassTypeId, ActionKind::Pick},
  };
  for (const Row& row : kRows)
    if (type.isDerivedFrom(row.classType())) return row.kind;
  return ActionKind::Other;
}

// classifyAction, with the last answer kept: every view of a traversal asks
// about the same action type, and a pick through views costs about a quarter
// less for it. A plain static, as traversals run in the GUI thread only (README,
// "Threads"); keys are never reused, so a key kept always means the same class.
ActionKind actionKindOf(SoType type) {
  static int lastKey = -1;
  static ActionKind lastKind = ActionKind::Other;
  if (type.isBad()) return ActionKind::Other;
  if (type.getKey() != lastKey) {
    lastKind = classifyAction(type);
    lastKey = type.getKey();
  }
  return lastKind;
}

// The part [0, tile) of an axis of length extent starting at origin relative
// to a tile of length tile: the visible origin and length.
struct AxisClip {
  float origin;
  float length;
};

AxisClip clipAxis(float origin, float extent, float tile) {
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
short truncateTo16Bits(float value) {
  constexpr float kLowest = static_cast<float>(INT_MIN);
  constexpr float kHighest = static_cast<float>(INT_MAX) - 128.0f;
  if (!(value >= kLowest)) return value < kLowest ? static_cast<short>(INT_MIN) : 0;
  return static_cast<short>(static_cast<int>(value < kHighest ? value : kHighest));
}

const SbVec4f kWholeVolume(0, 0, 1, 1);

// The viewport region an action of kind BoundingBox to Other carries; a
// default one for Other.
SbViewportRegion regionOf(SoAction* action, ActionKind kind) {
  switch (kind) {
    case ActionKind::BoundingBox:
      return static_cast<SoGetBoundingBoxAction*>(action)->getViewportRegion();
    case ActionKind::Matrix:
      return static_cast<SoGetMatrixAction*>(action)->getViewportRegion();
    case ActionKind::Event:
      return static_cast<SoHandleEventAction*>(action)->getViewportRegion();
    case ActionKind::Pick:
      return static_cast<SoPickAction*>(action)->getViewportRegion();
    default:
      return SbViewportRegion();
  }
}

// The viewport region element set to region with the view's viewport.
void setNarrowedViewport(SoState* state, SbViewportRegion region, const ViewRectangle& view) {
  region.setViewport(view.origin, view.size);
  SoViewportRegionElement::set(state, region, 1);
}

// a / b, or 0 when b is 0: a view of zero size covers nothing.
float ratio(float a, float b) { return b != 0.0f ? a / b : 0.0f; }

// Classic mode, a render: the viewport region and the update area, or for a
// tile of a larger image the scissor box, the view's part of the view-volume
// portion and the logical viewport.
void narrowClassicRender(SoGLRenderAction* render, const ViewRectangle& view, SbVec4f& portion,
                         SbVec2s& logicalSize) {
  SoState* state = render->getState();
  const int info = SoModifyViewVolumeElement::getInfo(state);
  if (info == 0) {
    // The first view of this render captures the tile for the views after it.
    portion = SoModifyViewVolumeElement::get(state);
    logicalSize = SoLogicalViewportElement::get(state).getViewportSizePixels();
    SoModifyViewVolumeElement::setInfo(state, 1);
  } else if (info == -1) {
    portion = kWholeVolume;
  }

  const SbViewportRegion& region = render->getViewportRegion();
  if (portion == kWholeVolume) {
    setNarrowedViewport(state, region, view);
    // One pixel more in each direction, so that the view's last row and
    // column are updated too.
    const SbVec2s window = region.getWindowSize();
    SbVec2f size = view.size;
    if (window[0] != 0) size[0] += 1.0f / static_cast<float>(window[0]);
    if (window[1] != 0) size[1] += 1.0f / static_cast<float>(window[1]);
    SoGLUpdateAreaElement::set(state, view.origin, size);
    return;
  }

  // A tile of a larger logical image.
  const SbVec2s pixelOrigin = region.getViewportOriginPixels();
  const SbVec2s pixelSize = region.getViewportSizePixels();
  glEnable(GL_SCISSOR_TEST);
  glScissor(pixelOrigin[0], pixelOrigin[1], pixelSize[0], pixelSize[1]);

  SoModifyViewVolumeElement::set(state, SbVec4f(ratio(portion[0] - view.origin[0], view.size[0]),
                                                ratio(portion[1] - view.origin[1], view.size[1]),
                                                ratio(portion[2] - view.origin[0], view.size[0]),
                                                ratio(portion[3] - view.origin[1], view.size[1])));

  const float lx = logicalSize[0];
  const float ly = logicalSize[1];
  SbViewportRegion logical(logicalSize);
  logical.setViewportPixels(
      truncateTo16Bits(lx * view.origin[0]), truncateTo16Bits(ly * view.origin[1]),
      truncateTo16Bits(lx * view.size[0]), truncateTo16Bits(ly * view.size[1]));
  SoLogicalViewportElement::set(state, logical);
}

// Classic mode, an action of kind BoundingBox to Other.
void narrowClassicOther(SoAction* action, ActionKind kind, const ViewRectangle& view,
                        SbVec4f& portion) {
  portion = kWholeVolume;
  setNarrowedViewport(action->getState(), regionOf(action, kind), view);
}

// Render-unit mode, a render: the view's rectangle in logical pixels clipped
// against the tile the render unit draws now, whose portion goes into portion.
void narrowRenderUnit(SoGLRenderAction* action, const ViewRectangle& view, SbVec4f& portion) {
  const SbViewportRegion& region = action->getViewportRegion();
  const SbVec2i32 tile = region.getViewportSizePixels_i32();
  SoState* state = action->getState();
  const SbVec4f tilePortion = SoModifyLogicalViewportElement::get(state);
  portion = tilePortion;
  const SbVec2i32 logical = SoLogicalViewportElement::get(state).getViewportSizePixels_i32();
  const float lx = static_cast<float>(logical[0]);
  const float ly = static_cast<float>(logical[1]);

  // The view's rectangle in logical pixels, then relative to the tile.
  const float sx = lx * view.size[0];
  const float sy = ly * view.size[1];
  const float vx = lx * view.origin[0] - tilePortion[0] * lx;
  const float vy = ly * view.origin[1] - tilePortion[1] * ly;
  const AxisClip x = clipAxis(vx, sx, static_cast<float>(tile[0]));
  const AxisClip y = clipAxis(vy, sy, static_cast<float>(tile[1]));

  if (!state->isElementEnabled(SoModifyViewVolumeElement::getClassStackIndex())) return;

  // What of the view the tile cuts off on the left and at the bottom.
  float cutX = 0, cutY = 0;
  if (x.origin > 0 && x.origin > vx) cutX = x.origin - vx;
  if (vx < 0) cutX = -vx;
  if (y.origin > 0 && y.origin > vy) cutY = y.origin - vy;
  if (vy < 0) cutY = -vy;
  SbBox3f visible;
  visible.setBounds(ratio(cutX, sx), ratio(cutY, sy), 0, ratio(cutX + x.length, sx),
                    ratio(cutY + y.length, sy), 1);
  SoModifyViewVolumeElement::set(state, visible);

  const float w = std::fmax(x.length, 0.0f);
  const float h = std::fmax(y.length, 0.0f);
  SbViewportRegion narrowed = region;
  const bool hidden = w == 0 || h == 0;
  if (hidden)
    narrowed.setViewportPixels(0, 0, 0, 0);
  else
    narrowed.setViewportPixels(truncateTo16Bits(x.origin), truncateTo16Bits(y.origin),
                               truncateTo16Bits(w), truncateTo16Bits(h));
  SoViewportRegionElement::set(state, narrowed, 1);
  SoLogicalViewportElement::set(
      state, hidden ? SbViewportRegion(0, 0, 1)
                    : SbViewportRegion(truncateTo16Bits(sx), truncateTo16Bits(sy), h / w));
}

}  // namespace

void narrowToView(SoAction* action, const ViewRectangle& view, SbVec4f& portion,
                  SbVec2s& logicalSize) {
  const ActionKind kind = actionKindOf(action->getTypeId());
  if (kind == ActionKind::Render) {
    auto* render = static_cast<SoGLRenderAction*>(action);
    // Whatever the mode and the tile, the view's cameras draw onto its
    // rectangle of the whole picture.
    SoImageRegionElement::set(render->getState(), view.origin, view.size);
    if (SoDB::getRenderUnitMode())
      narrowRenderUnit(render, view, portion);
    else
      narrowClassicRender(render, view, portion, logicalSize);
    return;
  }
  // Searching and writing are not confined to the view; render-unit mode
  // narrows renders only.
  if (kind == ActionKind::Unconfined || SoDB::getRenderUnitMode()) return;
  narrowClassicOther(action, kind, view, portion);
}

}  // namespace plivexwin::detail
