// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoCamera.h"

#include <cmath>
#include <iterator>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoFullViewVolumeElement.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoProjectionMatrixElement.h"
#include "platform/scenar/actions/SoViewVolumeElement.h"
#include "platform/scenar/actions/SoViewingMatrixElement.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"

namespace {
constexpr SoEnumEntry kMappings[] = {
    {"CROP_VIEWPORT_FILL_FRAME", SoCamera::CROP_VIEWPORT_FILL_FRAME},
    {"CROP_VIEWPORT_LINE_FRAME", SoCamera::CROP_VIEWPORT_LINE_FRAME},
    {"CROP_VIEWPORT_NO_FRAME", SoCamera::CROP_VIEWPORT_NO_FRAME},
    {"ADJUST_CAMERA", SoCamera::ADJUST_CAMERA},
    {"LEAVE_ALONE", SoCamera::LEAVE_ALONE},
};
}  // namespace

SO_NODE_SOURCE(SoCamera)

void SoCamera::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(SoCamera, "Camera"); }

SoCamera::SoCamera() {
  SO_NODE_CONSTRUCTOR(SoCamera);
  SO_NODE_ADD_FIELD(position, (0.0f, 0.0f, 1.0f));
  SO_NODE_ADD_FIELD(orientation, (SbRotation()));
  SO_NODE_ADD_FIELD(aspectRatio, (1.0f));
  SO_NODE_ADD_FIELD(nearDistance, (1.0f));
  SO_NODE_ADD_FIELD(farDistance, (10.0f));
  SO_NODE_ADD_FIELD(focalDistance, (5.0f));
  SO_NODE_ADD_FIELD(viewportMapping, (ADJUST_CAMERA));
  viewportMapping.setEnums(kMappings, static_cast<int>(std::size(kMappings)));
}

float SoCamera::effectiveAspect(float useAspectRatio) const {
  if (useAspectRatio > 0.0f && std::isfinite(useAspectRatio)) return useAspectRatio;
  const float own = aspectRatio.getValue();
  return own > 0.0f && std::isfinite(own) ? own : 1.0f;
}

void SoCamera::placeVolume(SbViewVolume& volume) const {
  volume.rotateCamera(orientation.getValue());
  volume.translateCamera(position.getValue());
}

void SoCamera::doAction(SoAction* action) {
  SoState* state = action->getState();
  if (!state->isElementEnabled(SoViewVolumeElement::getClassStackIndex())) return;
  // A render adapts to the part of the whole picture the camera draws, so
  // that every tile of it sees the same volume.
  auto* render = dynamic_cast<SoGLRenderAction*>(action);
  float aspect = 0.0f;
  if (viewportMapping.getValue() != LEAVE_ALONE)
    aspect = render ? render->getImageFrameAspect()
                    : SoViewportRegionElement::get(state).getViewportAspectRatio();
  SbViewVolume volume = getViewVolume(aspect);
  SoFullViewVolumeElement::set(state, volume);
  const SbVec4f& portion = SoModifyViewVolumeElement::get(state);
  if (!(portion == SbVec4f(0.0f, 0.0f, 1.0f, 1.0f)))
    volume = volume.narrow(portion[0], portion[1], portion[2], portion[3]);
  SoViewVolumeElement::set(state, volume);
  SbMatrix viewing, projection;
  volume.getMatrices(viewing, projection);
  SoViewingMatrixElement::set(state, viewing);
  SoProjectionMatrixElement::set(state, projection);
}
