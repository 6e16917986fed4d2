// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/SoDB.h"

#include "platform/scenar/actions/SoCallbackAction.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/actions/SoPickAction.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/fields/SoFieldContainer.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodekits/SoAppearanceKit.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodes/SoAnnotation.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoFont.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPath.h"
#include "platform/scenar/nodes/SoPerspectiveCamera.h"
#include "platform/scenar/nodes/SoPickStyle.h"
#include "platform/scenar/nodes/SoShape.h"
#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/nodes/SoTransform.h"
#include "platform/scenar/nodes/SoTranslation.h"
#include "platform/scenar/vrml/SoToVRML2Action.h"
#include "platform/scenar/vrml/SoToVRMLAction.h"
#include "platform/scenar/vrml/SoVRMLAppearance.h"
#include "platform/scenar/vrml/SoVRMLBackground.h"
#include "platform/scenar/vrml/SoVRMLCollision.h"
#include "platform/scenar/vrml/SoVRMLCoordinate.h"
#include "platform/scenar/vrml/SoVRMLFontStyle.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenar/vrml/SoVRMLIndexedFaceSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedLineSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedShape.h"
#include "platform/scenar/vrml/SoVRMLMaterial.h"
#include "platform/scenar/vrml/SoVRMLNavigationInfo.h"
#include "platform/scenar/vrml/SoVRMLNode.h"
#include "platform/scenar/vrml/SoVRMLProximitySensor.h"
#include "platform/scenar/vrml/SoVRMLShape.h"
#include "platform/scenar/vrml/SoVRMLText.h"
#include "platform/scenar/vrml/SoVRMLTransform.h"
#include "platform/scenar/vrml/SoVRMLViewpoint.h"
#include "platform/scenar/vrml/SoVRMLWorldInfo.h"

namespace {
bool initialized = false;
int renderUnitMode = 0;
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
  SoText3::initClass();
  SoPickStyle::initClass();
  SoAnnotation::initClass();
  SoGLRenderAction::initClass();
  SoGetBoundingBoxAction::initClass();
  SoGetMatrixAction::initClass();
  SoHandleEventAction::initClass();
  SoPickAction::initClass();
  SoRayPickAction::initClass();
  SoCallbackAction::initClass();
  SoToVRMLAction::initClass();
  SoToVRML2Action::initClass();
  SoLightModel::initClass();
  SoMaterial::initClass();
  SoFont::initClass();
  SoBaseKit::initClass();
  SoCameraKit::initClass();
  SoAppearanceKit::initClass();
  SoVRMLNode::initClass();
  SoVRMLGroup::initClass();
  SoVRMLTransform::initClass();
  SoVRMLCollision::initClass();
  SoVRMLViewpoint::initClass();
  SoVRMLBackground::initClass();
  SoVRMLProximitySensor::initClass();
  SoVRMLShape::initClass();
  SoVRMLAppearance::initClass();
  SoVRMLMaterial::initClass();
  SoVRMLCoordinate::initClass();
  SoVRMLIndexedShape::initClass();
  SoVRMLIndexedFaceSet::initClass();
  SoVRMLIndexedLineSet::initClass();
  SoVRMLWorldInfo::initClass();
  SoVRMLNavigationInfo::initClass();
  SoVRMLText::initClass();
  SoVRMLFontStyle::initClass();
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
