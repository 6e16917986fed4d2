// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoCallbackAction.h"

#include "platform/scenar/actions/SoCoordinateElement.h"
#include "platform/scenar/actions/SoDiffuseColorElement.h"
#include "platform/scenar/actions/SoFontNameElement.h"
#include "platform/scenar/actions/SoFontSizeElement.h"
#include "platform/scenar/actions/SoLightModelElement.h"
#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/SoPickStyleElement.h"
#include "platform/scenar/actions/SoTransparencyElement.h"
#include "platform/scenar/actions/detail/ViewingTraversal.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoCallbackAction, SoAction)

void SoCallbackAction::initClass() {
  SO_ACTION_INIT_CLASS(SoCallbackAction, SoAction, "CallbackAction", callbackMethod);
  scenar::detail::enableViewingElements(&enableElement);
  soEnableElements<SoDiffuseColorElement, SoTransparencyElement, SoLightModelElement>(
      &enableElement);
}

void SoCallbackAction::addPreCallback(SoType type, Callback* callback, void* userData) {
  if (callback) pre_.push_back({type, callback, userData});
}

void SoCallbackAction::addPostCallback(SoType type, Callback* callback, void* userData) {
  if (callback) post_.push_back({type, callback, userData});
}

const SbMatrix& SoCallbackAction::getModelMatrix() { return SoModelMatrixElement::get(getState()); }

int SoCallbackAction::getNumCoordinates() { return SoCoordinateElement::getNum(getState()); }

const SbVec3f* SoCallbackAction::getCoordinates() {
  return SoCoordinateElement::getArrayPtr(getState());
}

const SbColor& SoCallbackAction::getDiffuseColor() {
  return SoDiffuseColorElement::get(getState());
}

float SoCallbackAction::getTransparency() { return SoTransparencyElement::get(getState()); }

int SoCallbackAction::getLightModel() { return SoLightModelElement::get(getState()); }

int SoCallbackAction::getPickStyle() { return SoPickStyleElement::get(getState()); }

const SbString& SoCallbackAction::getFontName() { return SoFontNameElement::get(getState()); }

float SoCallbackAction::getFontSize() { return SoFontSizeElement::get(getState()); }

void SoCallbackAction::traverseNode(SoNode* node) { node->callback(this); }

void SoCallbackAction::beginTraversal(SoNode* node) {
  SoState* state = getState();
  scenar::detail::beginViewingTraversal(state, region_, region_);
  traverse(node);
  scenar::detail::endViewingTraversal(state);
}

SoCallbackAction::Response SoCallbackAction::runCallbacks(const std::vector<Entry>& entries,
                                                          SoNode* node) {
  // By index: a callback may add callbacks.
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry entry = entries[i];
    if (!node->isOfType(entry.type)) continue;
    const Response response = entry.callback(entry.userData, this, node);
    if (response != CONTINUE) return response;
  }
  return CONTINUE;
}

void SoCallbackAction::callbackMethod(SoAction* action, SoNode* node) {
  auto* self = static_cast<SoCallbackAction*>(action);
  Response response = self->runCallbacks(self->pre_, node);
  if (response == PRUNE) return;
  if (response != ABORT) {
    self->traverseNode(node);
    if (self->hasTerminated()) return;
    response = self->runCallbacks(self->post_, node);
  }
  if (response == ABORT) self->setTerminated(true);
}
