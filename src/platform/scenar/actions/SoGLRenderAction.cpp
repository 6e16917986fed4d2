// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoGLRenderAction.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include "platform/gl/GL.h"

#include "platform/scenar/actions/SoDiffuseColorElement.h"
#include "platform/scenar/actions/SoFullViewVolumeElement.h"
#include "platform/scenar/actions/SoGLUpdateAreaElement.h"
#include "platform/scenar/actions/SoImageRegionElement.h"
#include "platform/scenar/actions/SoLightModelElement.h"
#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/SoModifyLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/actions/SoViewVolumeElement.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoGLRenderAction, SoAction)

void SoGLRenderAction::initClass() {
  SO_ACTION_INIT_CLASS(SoGLRenderAction, SoAction, "GLRenderAction",
                       SO_ACTION_CALLS(SoGLRenderAction, GLRender));
  scenar::detail::enableViewingElements(&enableElement);
  soEnableElements<SoGLUpdateAreaElement, SoLightModelElement, SoDiffuseColorElement,
                   SoImageRegionElement, SoFullViewVolumeElement>(&enableElement);
}

SoGLRenderAction::SoGLRenderAction(const SbViewportRegion& region) : region_(region) {}

void SoGLRenderAction::beginTraversal(SoNode* node) {
  glstandin::resetState();
  // What is drawn later at the same depth wins: a later background at the
  // far end covers an earlier one.
  glDepthFunc(GL_LEQUAL);
  log_.clear();
  annotationDepth_ = 0;
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, getLogicalViewportRegion());
  SoModifyViewVolumeElement::set(state, portion_);
  SoModifyViewVolumeElement::setInfo(state, 0);
  SoModifyLogicalViewportElement::set(state, portion_);
  SoGLUpdateAreaElement::set(state, SbVec2f(0.0f, 0.0f), SbVec2f(1.0f, 1.0f));
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}

void SoGLRenderAction::addRenderRecord(SoNode* node) {
  if (!logEnabled_) return;
  SoState* state = getState();
  RenderRecord& record = log_.emplace_back();
  record.node = node;
  record.modelMatrix = SoModelMatrixElement::get(state);
  record.viewVolume = SoViewVolumeElement::get(state);
  record.viewportRegion = SoViewportRegionElement::get(state);
  record.scissorEnabled = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
  glGetIntegerv(GL_SCISSOR_BOX, record.scissorBox);
  record.annotation = annotationDepth_ > 0;
  record.lightModel = SoLightModelElement::get(state);
  record.diffuseColor = SoDiffuseColorElement::get(state);
}

namespace {

SoGLRenderAction::PixelRect viewportPixels(const SbViewportRegion& region) {
  const SbVec2i32& origin = region.getViewportOriginPixels_i32();
  const SbVec2i32& size = region.getViewportSizePixels_i32();
  return {origin[0], origin[1], size[0], size[1]};
}

bool isWholeVolume(const SbVec4f& portion) { return portion == SbVec4f(0.0f, 0.0f, 1.0f, 1.0f); }

// frame - tile, computed in 64 bits and held to GL's range: a frame that far
// off shows nothing in the tile either way.
GLint fromTile(int32_t frame, int32_t tile) {
  return static_cast<GLint>(std::clamp<int64_t>(
      int64_t{frame} - tile, std::numeric_limits<GLint>::min(), std::numeric_limits<GLint>::max()));
}

}  // namespace

SoGLRenderAction::PixelRect SoGLRenderAction::getImageFrame() {
  SoState* state = getState();
  if (const auto& image = SoImageRegionElement::get(state)) {
    // Rounded as the viewport region rounds a view's rectangle in a whole
    // render, so that whole and tiled renders share the frame.
    SbViewportRegion region(getLogicalViewportRegion().getWindowSize());
    region.setViewport(image->origin, image->size);
    return viewportPixels(region);
  }
  if (!isWholeVolume(portion_)) return viewportPixels(getLogicalViewportRegion());
  return viewportPixels(SoViewportRegionElement::get(state));
}

float SoGLRenderAction::getImageFrameAspect() {
  const PixelRect frame = getImageFrame();
  if (frame.height == 0) return 0.0f;
  return static_cast<float>(static_cast<double>(frame.width) / frame.height);
}

SbVec2i32 SoGLRenderAction::getTileOrigin() const {
  if (isWholeVolume(portion_)) return SbVec2i32(0, 0);
  // The portion is a whole number of pixels over the picture's size.
  const SbVec2s size = getLogicalViewportRegion().getWindowSize();
  return SbVec2i32(static_cast<int32_t>(std::lround(double(portion_[0]) * size[0])),
                   static_cast<int32_t>(std::lround(double(portion_[1]) * size[1])));
}

bool SoGLRenderAction::beginShapeDrawing() {
  if (!glstandin::boundFramebuffer()) return false;
  SoState* state = getState();
  const PixelRect frame = getImageFrame();
  // A frame without pixels (a view without area) has nothing to draw into;
  // GL would still put lines along it.
  if (frame.width <= 0 || frame.height <= 0) return false;
  const SbVec2i32 tile = getTileOrigin();
  glViewport(fromTile(frame.x, tile[0]), fromTile(frame.y, tile[1]), frame.width, frame.height);

  const auto& full = SoFullViewVolumeElement::get(state);
  const SbViewVolume& volume = full ? *full : SoViewVolumeElement::get(state);
  SbMatrix viewing, projection;
  volume.getMatrices(viewing, projection);
  const SbMatrix modelView = SoModelMatrixElement::get(state) * viewing;
  // Row-vector matrices stored by rows read as GL's column-major ones.
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(projection[0]);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(modelView[0]);

  const SbColor& color = SoDiffuseColorElement::get(state);
  glColor4f(color[0], color[1], color[2], 1.0f);
  if (SoLightModelElement::get(state) == SoLightModelElement::BASE_COLOR)
    glDisable(GL_LIGHTING);
  else
    glEnable(GL_LIGHTING);
  if (annotationDepth_ > 0)
    glDisable(GL_DEPTH_TEST);
  else
    glEnable(GL_DEPTH_TEST);
  return true;
}
