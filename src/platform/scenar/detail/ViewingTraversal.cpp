#include "platform/scenar/detail/ViewingTraversal.h"

#include "platform/scenar/SoCoordinateElement.h"
#include "platform/scenar/SoLogicalViewportElement.h"
#include "platform/scenar/SoModelMatrixElement.h"
#include "platform/scenar/SoModifyLogicalViewportElement.h"
#include "platform/scenar/SoModifyViewVolumeElement.h"
#include "platform/scenar/SoPickStyleElement.h"
#include "platform/scenar/SoProjectionMatrixElement.h"
#include "platform/scenar/SoViewVolumeElement.h"
#include "platform/scenar/SoViewingMatrixElement.h"
#include "platform/scenar/SoViewportRegionElement.h"

namespace scenar::detail {

std::vector<int> viewingElements() {
  return {SoViewportRegionElement::getClassStackIndex(),
          SoLogicalViewportElement::getClassStackIndex(),
          SoModifyViewVolumeElement::getClassStackIndex(),
          SoModifyLogicalViewportElement::getClassStackIndex(),
          SoViewVolumeElement::getClassStackIndex(),
          SoModelMatrixElement::getClassStackIndex(),
          SoViewingMatrixElement::getClassStackIndex(),
          SoProjectionMatrixElement::getClassStackIndex(),
          SoCoordinateElement::getClassStackIndex(),
          SoPickStyleElement::getClassStackIndex()};
}

void beginViewingTraversal(SoState* state, const SbViewportRegion& region,
                           const SbViewportRegion& logical) {
  state->push();
  SoViewportRegionElement::set(state, region, 1);
  SoLogicalViewportElement::set(state, logical);
}

void endViewingTraversal(SoState* state) { state->pop(); }

}  // namespace scenar::detail
