#include "platform/scenar/actions/SoGLRenderAction.h"

#include "platform/gl/GL.h"
#include "platform/scenar/actions/SoDiffuseColorElement.h"
#include "platform/scenar/actions/SoGLUpdateAreaElement.h"
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
  soEnableElements<SoGLUpdateAreaElement, SoLightModelElement, SoDiffuseColorElement>(
      &enableElement);
}

SoGLRenderAction::SoGLRenderAction(const SbViewportRegion& region) : region_(region) {}

void SoGLRenderAction::beginTraversal(SoNode* node) {
  glstandin::resetState();
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
