#include "platform/scenar/SoDB.h"

#include <atomic>

#include "platform/scenar/SoBase.h"
#include "platform/scenar/SoFieldContainer.h"
#include "platform/scenar/SoNode.h"

namespace {
std::atomic<bool> initialized{false};
}

void SoDB::init() {
  SoBase::initClass();
  SoFieldContainer::initClass();
  SoNode::initClass();
  initialized = true;
}

bool SoDB::isInitialized() { return initialized; }
