// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbViewportRegion.h"

class SoEvent;

// Hands an event to the nodes of a scene until one of them handles it.
class SoHandleEventAction : public SoAction {
  SO_ACTION_HEADER(SoHandleEventAction);

 public:
  explicit SoHandleEventAction(const SbViewportRegion& region);

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }

  // The event is the caller's and must outlive the applications.
  void setEvent(const SoEvent* event) { event_ = event; }
  const SoEvent* getEvent() const { return event_; }

  // Marks the event as handled and stops the traversal. Each application
  // starts unhandled.
  void setHandled() {
    handled_ = true;
    setTerminated(true);
  }
  bool isHandled() const { return handled_; }

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  SbViewportRegion region_;
  const SoEvent* event_ = nullptr;
  bool handled_ = false;
};
