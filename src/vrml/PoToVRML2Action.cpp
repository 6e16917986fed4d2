// SPDX-License-Identifier: Apache-2.0
#include "vrml/PoToVRML2Action.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoConvertGuts.h"
#include "platform/plivex/PoConvertGutsVRML2.h"
#include "platform/scenar/actions/SoCallbackAction.h"
#include "platform/scenar/actions/SoEnabledElementsList.h"
#include "platform/scenar/basic/SoDebugError.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPerspectiveCamera.h"
#include "platform/scenar/vrml/SoVRMLCollision.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenar/vrml/SoVRMLProximitySensor.h"
#include "platform/scenar/vrml/SoVRMLTransform.h"
#include "platform/scenar/vrml/SoVRMLViewpoint.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "vrml/detail/ViewBackdrop.h"

SoType PoToVRML2Action::classTypeId;
int PoToVRML2Action::classTypeIdIsSet = 0;
SoEnabledElementsList* PoToVRML2Action::enabledElements = nullptr;
SoActionMethodList* PoToVRML2Action::methods = nullptr;

namespace {

constexpr const char* kTypeName = "PoToVRML2Action";

// Plotting nodes keep their geometry while it lives.
class RebuildBlock {
 public:
  RebuildBlock() { PoBase::m_isRebuildBlocked = true; }
  ~RebuildBlock() { PoBase::m_isRebuildBlocked = false; }
  RebuildBlock(const RebuildBlock&) = delete;
  RebuildBlock& operator=(const RebuildBlock&) = delete;
};

bool isFinite(const SbVec2f& v) { return std::isfinite(v[0]) && std::isfinite(v[1]); }
bool isFinite(const SbVec3f& v) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}
bool isFinite(const SbMatrix& m) {
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column)
      if (!std::isfinite(m[row][column])) return false;
  return true;
}

// The nodes a traversal has met: pointers in an open-addressed table kept at
// most half full, so that a large scene costs a lookup in one flat array
// rather than an allocation per node.
class MetNodes {
 public:
  // Adds node; false when it was there already.
  bool insert(const SoNode* node) {
    if (2 * (count_ + 1) > slots_.size()) grow();
    if (!place(node)) return false;
    ++count_;
    return true;
  }

 private:
  bool place(const SoNode* node) {
    const std::size_t mask = slots_.size() - 1;
    const auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(node));
    for (auto i = static_cast<std::size_t>((key * 0x9e3779b97f4a7c15u) >> shift_);;
         i = (i + 1) & mask) {
      if (slots_[i] == node) return false;
      if (!slots_[i]) {
        slots_[i] = node;
        return true;
      }
    }
  }
  void grow() {
    std::vector<const SoNode*> old(std::max<std::size_t>(64, 2 * slots_.size()), nullptr);
    old.swap(slots_);
    shift_ = 64 - std::countr_zero(slots_.size());
    for (const SoNode* node : old)
      if (node) place(node);
  }

  std::vector<const SoNode*> slots_;  // a power of two of them, nullptr when free
  std::size_t count_ = 0;
  int shift_ = 64;  // 64 less the bits of a slot's index
};

// Has the plotting nodes below node bring their geometry up to date before
// it is frozen: a traversal reaches each of them, no node twice, as what a
// plotting node builds does not depend on where it is met. A node held by
// one reference alone, its parent's, is met no more often than that parent:
// only nodes held more often are kept track of.
void updatePlots(SoNode* node) {
  MetNodes met;
  SoCallbackAction action;
  action.addPreCallback(
      SoNode::getClassTypeId(),
      [](void* data, SoCallbackAction*, const SoNode* node) {
        return node->getRefCount() <= 1 || static_cast<MetNodes*>(data)->insert(node)
                   ? SoCallbackAction::CONTINUE
                   : SoCallbackAction::PRUNE;
      },
      &met);
  action.apply(node);
}

// What places a view's scene in the world: the camera it is seen through (a
// perspective camera), the camera's viewing matrix, the offset of the view's
// rectangle and its scale, and where the rectangle shows to the viewer.
struct Placement {
  SoPerspectiveCamera* camera;  // referenced by the caller
  SbMatrix viewing;
  SbVec3f offset;
  float scale;
  plivexwin::detail::ViewWindow window;
};

// The perspective camera that sees at its focal distance the height an
// orthographic camera sees: height angle 2 * atan((height / 2) / focal
// distance), the other fields the same.
SoPerspectiveCamera* perspectiveFor(const SoOrthographicCamera* ortho) {
  auto* camera = new SoPerspectiveCamera;
  const double halfHeight = 0.5 * double(ortho->height.getValue());
  camera->heightAngle =
      static_cast<float>(2.0 * std::atan(halfHeight / double(ortho->focalDistance.getValue())));
  camera->viewportMapping = ortho->viewportMapping.getValue();
  camera->position = ortho->position.getValue();
  camera->orientation = ortho->orientation.getValue();
  camera->aspectRatio = ortho->aspectRatio.getValue();
  camera->focalDistance = ortho->focalDistance.getValue();
  return camera;
}

// The placement of a view of rectangle origin, size seen through camera;
// nothing when it would put a number into the world that is not finite, or
// a scale that is not positive.
std::optional<Placement> placementOf(SoPerspectiveCamera* camera, const SbVec2f& origin,
                                     const SbVec2f& size) {
  const double focal = camera->focalDistance.getValue();
  const double angle = camera->heightAngle.getValue();
  if (!(focal > 0.0) || !std::isfinite(focal)) return std::nullopt;
  if (!(angle > 0.0 && angle < std::numbers::pi)) return std::nullopt;
  if (!isFinite(origin) || !isFinite(size)) return std::nullopt;

  Placement placement{camera, {}, {}, std::min(size[0], size[1]), {}};
  if (!(placement.scale > 0.0f)) return std::nullopt;

  // aspect 0: the camera's own aspect ratio.
  SbMatrix projection;
  camera->getViewVolume(0.0f).getMatrices(placement.viewing, projection);
  if (!isFinite(placement.viewing)) return std::nullopt;

  // The height the camera sees at its focal distance, times the distance of
  // the rectangle's centre from the window's centre.
  const double height = 2.0 * focal * std::tan(angle / 2.0);
  const SbVec2f end = origin + size;
  placement.offset.setValue(
      static_cast<float>(height * (origin[0] + (end[0] - origin[0]) * 0.5 - 0.5)),
      static_cast<float>(height * (origin[1] + (end[1] - origin[1]) * 0.5 - 0.5)), 0.0f);
  if (!isFinite(placement.offset)) return std::nullopt;
  placement.window = {focal, height, origin, size};
  return placement;
}

// The view's content in the first view of the world, which the user moves
// through: a viewpoint from the camera, then the content placed and scaled.
// Returns the placing transform.
SoVRMLTransform* makeNavigable(SoVRMLGroup* group, const Placement& placement,
                               SoVRMLGroup* content) {
  const SoPerspectiveCamera* camera = placement.camera;
  auto* viewpoint = new SoVRMLViewpoint;
  if (!camera->position.isDefault()) viewpoint->position = camera->position.getValue();
  if (!camera->orientation.isDefault()) viewpoint->orientation = camera->orientation.getValue();
  if (!camera->heightAngle.isDefault()) viewpoint->fieldOfView = camera->heightAngle.getValue();
  auto* place = new SoVRMLTransform;
  place->translation = placement.offset;
  place->scale.setValue(placement.scale, placement.scale, placement.scale);
  group->addChild(viewpoint);
  group->addChild(place);
  place->addChild(content);
  return place;
}

// The view's content carried along with the viewer: seen from the camera,
// placed and scaled to its rectangle, then moved into the viewer's frame.
// Returns the placing transform, whose parent's frame is the viewer's.
SoVRMLTransform* makeFollowing(SoVRMLGroup* group, const Placement& placement,
                               SoVRMLGroup* content) {
  auto* sensor = new SoVRMLProximitySensor;
  sensor->size.setValue(FLT_MAX, FLT_MAX, FLT_MAX);
  sensor->center.connectFrom(&sensor->position_changed);
  auto* viewer = new SoVRMLTransform;
  viewer->translation.connectFrom(&sensor->position_changed);
  viewer->rotation.connectFrom(&sensor->orientation_changed);
  auto* place = new SoVRMLTransform;
  place->translation = placement.offset;
  place->scale.setValue(placement.scale, placement.scale, 1.0f);
  auto* view = new SoVRMLTransform;
  view->setMatrix(placement.viewing);
  group->addChild(sensor);
  group->addChild(viewer);
  viewer->addChild(place);
  place->addChild(view);
  view->addChild(content);
  return place;
}

}  // namespace

void PoToVRML2Action::initClass() {
  if (classTypeIdIsSet) return;
  enabledElements = new SoEnabledElementsList(SoToVRML2Action::getClassEnabledElements());
  methods = new SoActionMethodList(SoToVRML2Action::getClassActionMethods());
  if (SoToVRML2Action::getClassTypeId().isBad()) SoToVRML2Action::initClass();
  classTypeId = SoType::createType(SoToVRML2Action::getClassTypeId(), kTypeName);
  classTypeIdIsSet = 1;
}

void PoToVRML2Action::exitClass() {
  SoType::removeType(SoType::fromName(kTypeName));
  classTypeId = SoType::badType();
  delete enabledElements;
  enabledElements = nullptr;
  delete methods;
  methods = nullptr;
  classTypeIdIsSet = 0;
}

void PoToVRML2Action::addMethod(SoType nodeType, SoActionMethod method) {
  if (methods) methods->addMethod(nodeType, method);
}

void PoToVRML2Action::enableElement(SoType elementType, int stackIndex) {
  if (elementType.isBad()) {
    SoDebugError::post("SO_ENABLE_ELEMENT",
                       "Can't enable element for PoToVRML2Action until the element initClass "
                       "function has been called");
    return;
  }
  if (enabledElements) enabledElements->enable(elementType, stackIndex);
}

const SoEnabledElementsList& PoToVRML2Action::getEnabledElements() const {
  return enabledElements ? *enabledElements : SoToVRML2Action::getEnabledElements();
}

SoActionMethodList* PoToVRML2Action::getActionMethods() {
  return methods ? methods : SoToVRML2Action::getActionMethods();
}

PoToVRML2Action::PoToVRML2Action() {
  initClass();
  traversalMethods = methods;
}

PoToVRML2Action::PoToVRML2Action(const PoToVRML2Action& other)
    : SoToVRML2Action(other), firstSceneViewSensitive(other.firstSceneViewSensitive) {
  initClass();
  traversalMethods = methods;
}

PoToVRML2Action& PoToVRML2Action::operator=(const PoToVRML2Action& other) {
  SoToVRML2Action::operator=(other);
  firstSceneViewSensitive = other.firstSceneViewSensitive;
  return *this;
}

PoToVRML2Action::~PoToVRML2Action() = default;

SoConvertGuts* PoToVRML2Action::getNewConvertGuts() const {
  return new PoConvertGuts(rebuildsViews_);
}

void PoToVRML2Action::apply(SoPath* path) { SoToVRML2Action::apply(path); }

void PoToVRML2Action::apply(const SoPathList& paths, SbBool obeysRules) {
  SoToVRML2Action::apply(paths, obeysRules);
}

void PoToVRML2Action::apply(SoNode* node) {
  updatePlots(node);
  const RebuildBlock block;

  // What the views hold is converted again below: callbacks alone need it.
  rebuildsViews_ = !hasCallbacks();
  SoToVRMLAction::apply(node);
  rebuildsViews_ = false;
  auto* guts = dynamic_cast<PoConvertGuts*>(getConvertGuts());
  PoConvertGutsVRML2 vrml2(guts);
  vrml2.setSettings(getSettings());
  SoVRMLGroup* converted = vrml2.convertScenarToVRML2(getIntermediateSceneGraph());

  const SoRef<SoVRMLCollision> root(new SoVRMLCollision);
  root->collide = FALSE;
  root->addChild(converted);
  setVRML2SceneGraph(root.get());

  if (guts)
    for (int i = 0; i < guts->getNumSceneViews(); ++i) rebuildSceneView(i);
}

void PoToVRML2Action::rebuildSceneView(int index) {
  const auto* guts = static_cast<const PoConvertGuts*>(getConvertGuts());
  SoVRMLGroup* group = guts->getSceneViewGroup(index);
  auto* view = dynamic_cast<PoBaseView*>(guts->getSceneView(index));
  if (!group || !view) return;
  group->removeAllChildren();

  SoNode* scene = view->getPart("scene", FALSE);
  auto* camera = dynamic_cast<SoCamera*>(view->getPart("cameraKit.camera", FALSE));
  if (!scene || !camera) return;
  SoRef<SoPerspectiveCamera> replaced;
  auto* perspective = dynamic_cast<SoPerspectiveCamera*>(camera);
  if (const auto* ortho = dynamic_cast<const SoOrthographicCamera*>(camera)) {
    replaced.reset(perspectiveFor(ortho));
    perspective = replaced.get();
  }
  if (!perspective) return;
  const std::optional<Placement> placement =
      placementOf(perspective, view->viewportOrigin.getValue(), view->viewportSize.getValue());
  if (!placement) return;

  // The scene on its own, without the world's own nodes the conversion puts
  // ahead of it, with this action's settings.
  SoToVRML2Action separate(*this);
  separate.apply(scene);
  SoVRMLGroup* result = separate.getVRML2SceneGraph();
  auto* content = result ? dynamic_cast<SoVRMLGroup*>(result->getChild(0)) : nullptr;
  if (!content || content->getNumChildren() < 2) return;
  content->removeChild(0);
  content->removeChild(0);

  const bool navigable = firstSceneViewSensitive && index == 0;
  SoVRMLTransform* place = navigable ? makeNavigable(group, *placement, content)
                                     : makeFollowing(group, *placement, content);

  // The background and border, behind the scene, where the view's camera
  // sees its rectangle. The camera of a view that follows the viewer is the
  // viewer; that of the navigable view is where its viewpoint is (unless it
  // holds the default position, which the viewpoint does not take). viewer:
  // the camera's frame in the frame of the placing transform's parent.
  const SbMatrix viewer = navigable ? placement->viewing.inverse() : SbMatrix();
  if (auto* sceneView = dynamic_cast<PoSceneView*>(view))
    plivexwin::detail::addBackdrop(
        *sceneView, placement->window,
        plivexwin::detail::backdropDepth(camera->farDistance.getValue(), placement->window.focal),
        viewer * place->getTransformMatrix().inverse(), place);
}
