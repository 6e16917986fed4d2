#pragma once

#include <vector>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/basic/SbViewportRegion.h"

class SoEvent;

// Hands an event to the nodes of a scene until one of them handles it.
class SoHandleEventAction : public SoAction {
 public:
  explicit SoHandleEventAction(const SbViewportRegion& region);

  static SoType getClassTypeId() { return classTypeId_; }
  SoType getTypeId() const override { return classTypeId_; }
  static void initClass();
  static void addMethod(SoType nodeType, Method method) { methods().addMethod(nodeType, method); }

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
  MethodList& getMethodList() const override { return methods(); }
  const std::vector<int>& getEnabledElements() const override;
  void beginTraversal(SoNode* node) override;

 private:
  static MethodList& methods();

  SbViewportRegion region_;
  const SoEvent* event_ = nullptr;
  bool handled_ = false;
  static SoType classTypeId_;
};
