#include "platform/scenar/SoDB.h"

#include <atomic>

#include "platform/scenar/SoAnnotation.h"
#include "platform/scenar/SoAppearanceKit.h"
#include "platform/scenar/SoBase.h"
#include "platform/scenar/SoBaseKit.h"
#include "platform/scenar/SoCallback.h"
#include "platform/scenar/SoCamera.h"
#include "platform/scenar/SoCameraKit.h"
#include "platform/scenar/SoCoordinate3.h"
#include "platform/scenar/SoCube.h"
#include "platform/scenar/SoFaceSet.h"
#include "platform/scenar/SoFieldContainer.h"
#include "platform/scenar/SoGLRenderAction.h"
#include "platform/scenar/SoGetBoundingBoxAction.h"
#include "platform/scenar/SoGetMatrixAction.h"
#include "platform/scenar/SoGroup.h"
#include "platform/scenar/SoHandleEventAction.h"
#include "platform/scenar/SoInput.h"
#include "platform/scenar/SoLightModel.h"
#include "platform/scenar/SoLineSet.h"
#include "platform/scenar/SoMaterial.h"
#include "platform/scenar/SoNode.h"
#include "platform/scenar/SoOrthographicCamera.h"
#include "platform/scenar/SoPath.h"
#include "platform/scenar/SoPerspectiveCamera.h"
#include "platform/scenar/SoPickAction.h"
#include "platform/scenar/SoPickStyle.h"
#include "platform/scenar/SoRayPickAction.h"
#include "platform/scenar/SoSearchAction.h"
#include "platform/scenar/SoShape.h"
#include "platform/scenar/SoTransform.h"
#include "platform/scenar/SoTranslation.h"
#include "platform/scenar/SoWriteAction.h"

namespace {
std::atomic<bool> initialized{false};
std::atomic<int> renderUnitMode{0};
}  // namespace

void SoDB::setRenderUnitMode(int mode) { renderUnitMode = mode; }

int SoDB::getRenderUnitMode() { return renderUnitMode; }

void SoDB::init() {
  SoBase::initClass();
  SoFieldContainer::initClass();
  SoNode::initClass();
  SoPath::initClass();
  SoGroup::initClass();
  SoSeparator::initClass();
  SoCallback::initClass();
  SoSearchAction::initClass();
  SoWriteAction::initClass();
  SoCamera::initClass();
  SoOrthographicCamera::initClass();
  SoPerspectiveCamera::initClass();
  SoTransform::initClass();
  SoTranslation::initClass();
  SoShape::initClass();
  SoCube::initClass();
  SoCoordinate3::initClass();
  SoFaceSet::initClass();
  SoLineSet::initClass();
  SoPickStyle::initClass();
  SoAnnotation::initClass();
  SoGLRenderAction::initClass();
  SoGetBoundingBoxAction::initClass();
  SoGetMatrixAction::initClass();
  SoHandleEventAction::initClass();
  SoPickAction::initClass();
  SoRayPickAction::initClass();
  SoLightModel::initClass();
  SoMaterial::initClass();
  SoBaseKit::initClass();
  SoCameraKit::initClass();
  SoAppearanceKit::initClass();
  initialized = true;
}

bool SoDB::isInitialized() { return initialized; }

SbBool SoDB::read(SoInput* in, SoNode*& root) {
  root = nullptr;
  if (!in || in->hasError() || !in->checkHeader()) return FALSE;
  if (in->atEnd()) return TRUE;
  return in->readNode(root);
}

SoSeparator* SoDB::readAll(SoInput* in) {
  if (!in || in->hasError() || !in->checkHeader()) return nullptr;
  const std::size_t mark = in->held_.size();
  auto* all = new SoSeparator;
  all->ref();
  while (!in->atEnd()) {
    SoNode* node = nullptr;
    if (!in->readNode(node)) {
      all->unref();
      in->releaseSince(mark);
      return nullptr;
    }
    if (node) all->addChild(node);
  }
  all->unrefNoDelete();
  return all;
}
