// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoWinRenderArea.h"

#include <algorithm>
#include <limits>

#include "platform/scenar/actions/SoEvent.h"

namespace {

short saturateToShort(long value) {
  return static_cast<short>(std::clamp<long>(value, std::numeric_limits<short>::min(),
                                             std::numeric_limits<short>::max()));
}

}  // namespace

SoWinRenderArea::SoWinRenderArea(HWND parent, const char* name, SbBool buildInsideParent)
    : SoWinComponent(parent, name, buildInsideParent),
      glWidget_(std::make_unique<SoWinWindow>()),
      sceneManager_(std::make_unique<SoSceneManager>()) {
  setClassName("SoWinRenderArea");
  glWidget_->className = "SoWinGLWidget";
  glWidget_->parent = isTopLevelShell() ? getShellWidget() : parent;
  setBaseWidget(glWidget_.get());
  registerWidget(glWidget_.get());
}

SoWinRenderArea::~SoWinRenderArea() { unregisterWidget(glWidget_.get()); }

void SoWinRenderArea::setSceneGraph(SoNode* scene) { sceneManager_->setSceneGraph(scene); }

void SoWinRenderArea::setSize(const SbVec2s& size) { sceneManager_->setWindowSize(size); }

void SoWinRenderArea::setEventCallback(SoWinRenderAreaEventCB* function, void* userData) {
  eventCallback_ = function;
  eventCallbackData_ = function ? userData : nullptr;
}

SbVec2s SoWinRenderArea::toEventPosition(const POINT& point, short height) {
  return SbVec2s(saturateToShort(point.x), saturateToShort(long{height} - 1 - point.y));
}

std::unique_ptr<SoEvent> SoWinRenderArea::translateMessage(const MSG& message) const {
  SoEvent::Type type;
  switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // stands in for the second press of a double click
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      type = SoEvent::MOUSE_PRESS;
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      type = SoEvent::MOUSE_RELEASE;
      break;
    case WM_MOUSEMOVE:
      type = SoEvent::MOUSE_MOVE;
      break;
    default:
      return nullptr;
  }
  return std::make_unique<SoEvent>(type, toEventPosition(message.pt, getSize()[1]));
}

SbBool SoWinRenderArea::processMessage(MSG* message) {
  if (message == nullptr) return FALSE;
  if (eventCallback_ && eventCallback_(eventCallbackData_, message)) return TRUE;
  SbBool handled = FALSE;
  if (passesMessagesToScene()) {
    std::unique_ptr<SoEvent> event = translateMessage(*message);
    if (event) {
      handled = sceneManager_->processEvent(event.get());
      lastEvent_ = std::move(event);
    }
  }
  if (processEvent(message)) handled = TRUE;
  return handled;
}

SbBool SoWinRenderArea::processEvent(MSG*) { return FALSE; }
