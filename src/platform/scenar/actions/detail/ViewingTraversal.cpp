// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/detail/ViewingTraversal.h"

#include "platform/scenar/actions/SoCoordinateElement.h"
#include "platform/scenar/actions/SoFontNameElement.h"
#include "platform/scenar/actions/SoFontSizeElement.h"
#include "platform/scenar/actions/SoLogicalViewportElement.h"
#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/SoModifyLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoPickStyleElement.h"
#include "platform/scenar/actions/SoProjectionMatrixElement.h"
#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/actions/SoViewVolumeElement.h"
#include "platform/scenar/actions/SoViewingMatrixElement.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"

namespace scenar::detail {

void enableViewingElements(void (*enable)(SoType elementType, int stackIndex)) {
  soEnableElements<SoViewportRegionElement, SoLogicalViewportElement, SoModifyViewVolumeElement,
                   SoModifyLogicalViewportElement, SoViewVolumeElement, SoModelMatrixElement,
                   SoViewingMatrixElement, SoProjectionMatrixElement, SoCoordinateElement,
                   SoPickStyleElement, SoFontNameElement, SoFontSizeElement>(enable);
}

void beginViewingTraversal(SoState* state, const SbViewportRegion& region,
                           const SbViewportRegion& logical) {
  state->push();
  SoViewportRegionElement::set(state, region, 1);
  SoLogicalViewportElement::set(state, logical);
}

void endViewingTraversal(SoState* state) { state->pop(); }

}  // namespace scenar::detail
