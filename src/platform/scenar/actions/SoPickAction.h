#pragma once

#include <vector>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// The base of the actions that pick shapes in a viewport.
class SoPickAction : public SoAction {
 public:
  static SoType getClassTypeId() { return classTypeId_; }
  SoType getTypeId() const override { return classTypeId_; }
  static void initClass();
  static void addMethod(SoType nodeType, Method method) { methods().addMethod(nodeType, method); }

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }

 protected:
  explicit SoPickAction(const SbViewportRegion& region) : region_(region) {}

  MethodList& getMethodList() const override { return methods(); }
  const std::vector<int>& getEnabledElements() const override;
  // Traverses with the viewport elements set to the action's region.
  void beginTraversal(SoNode* node) override;
  static MethodList& methods();

 private:
  SbViewportRegion region_;
  static SoType classTypeId_;
};
