// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoConvertGutsVRML2.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/scenar/actions/SoCallbackAction.h"
#include "platform/scenar/actions/SoLightModelElement.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/nodes/SoTransform.h"
#include "platform/scenar/nodes/SoTranslation.h"
#include "platform/scenar/nodes/SoVertexRuns.h"
#include "platform/scenar/vrml/SoVRMLAppearance.h"
#include "platform/scenar/vrml/SoVRMLCoordinate.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenar/vrml/SoVRMLIndexedFaceSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedLineSet.h"
#include "platform/scenar/vrml/SoVRMLIndexedShape.h"
#include "platform/scenar/vrml/SoVRMLMaterial.h"
#include "platform/scenar/vrml/SoVRMLNavigationInfo.h"
#include "platform/scenar/vrml/SoVRMLShape.h"
#include "platform/scenar/vrml/SoVRMLText.h"
#include "platform/scenar/vrml/SoVRMLTransform.h"
#include "platform/scenar/vrml/SoVRMLWorldInfo.h"
#include "platform/scenar/vrml/detail/TextConversion.h"

namespace {

using Response = SoCallbackAction::Response;

float unitClamped(float value) { return value > 0.0f ? std::fmin(value, 1.0f) : 0.0f; }

std::size_t mixHash(std::size_t seed, std::size_t value) {
  return seed ^ (value + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}
std::size_t hashOf(float value) { return std::bit_cast<std::uint32_t>(value); }
std::size_t hashOf(const void* pointer) { return std::hash<const void*>()(pointer); }

// The colour and transparency of a material, clamped to [0, 1]: neither NaN
// nor -0 is left, so equal values have equal bits.
struct Tint {
  SbColor color;
  float transparency;

  Tint(const SbColor& c, float t)
      : color(unitClamped(c[0]), unitClamped(c[1]), unitClamped(c[2])),
        transparency(unitClamped(t)) {}
  bool operator==(const Tint& other) const {
    return color == other.color && transparency == other.transparency;
  }
  std::size_t hash() const {
    std::size_t seed = hashOf(transparency);
    for (int i = 0; i < 3; ++i) seed = mixHash(seed, hashOf(color[i]));
    return seed;
  }
};

// What an Appearance is made of.
struct Look {
  Tint tint;
  bool emissive;

  bool operator==(const Look&) const = default;
  std::size_t hash() const { return mixHash(tint.hash(), emissive); }
};

// Coordinates, by where their points lie: the graph converted holds them
// for the length of the conversion.
struct Points {
  const SbVec3f* points;
  int num;

  bool operator==(const Points&) const = default;
  std::size_t hash() const { return mixHash(hashOf(points), static_cast<std::size_t>(num)); }
};

// A separator met with the state it inherits, as far as what it converts to
// depends on it: the coordinates, the colour, the light model and the font.
// The matrix is not part of it: transforms nest inside the group.
struct Meeting {
  const SoNode* separator;
  Points points;
  Tint tint;
  int lightModel;
  std::uint32_t fontSize;  // bits: NaN meets NaN
  std::string fontName;

  bool operator==(const Meeting&) const = default;
  std::size_t hash() const {
    std::size_t seed = mixHash(hashOf(separator), points.hash());
    seed = mixHash(seed, tint.hash());
    seed = mixHash(seed, static_cast<std::size_t>(lightModel));
    seed = mixHash(seed, fontSize);
    return mixHash(seed, std::hash<std::string_view>()(fontName));
  }
};

struct HashOf {
  template <typename Key>
  std::size_t operator()(const Key& key) const {
    return key.hash();
  }
};

// The corners of a box of half extents x, y, z and its faces,
// counterclockwise seen from outside.
std::vector<SbVec3f> boxCorners(float x, float y, float z) {
  return {{-x, -y, -z}, {x, -y, -z}, {x, y, -z}, {-x, y, -z},
          {-x, -y, z},  {x, -y, z},  {x, y, z},  {-x, y, z}};
}
constexpr int32_t kBoxFaces[] = {4, 5, 6, 7, -1, 1, 0, 3, 2, -1, 5, 1, 2, 6, -1,
                                 0, 4, 7, 3, -1, 7, 6, 2, 3, -1, 0, 1, 5, 4, -1};

}  // namespace

// One conversion: the VRML groups being filled and the nodes to share.
class SoConvertGutsVRML2::Builder {
 public:
  Builder(SoConvertGutsVRML2* guts, const SoNode* root, SoVRMLGroup* top)
      : guts_(guts), root_(root) {
    open_.push_back({top, root, true, SbMatrix()});
  }

  void run(SoSeparator* root) {
    SoCallbackAction action;
    action.addPreCallback(SoGroup::getClassTypeId(), beginGroup, this);
    action.addPostCallback(SoGroup::getClassTypeId(), endGroup, this);
    action.addPreCallback(SoTransform::getClassTypeId(), transform, this);
    action.addPreCallback(SoTranslation::getClassTypeId(), transform, this);
    action.addPreCallback(SoFaceSet::getClassTypeId(), faceSet, this);
    action.addPreCallback(SoLineSet::getClassTypeId(), lineSet, this);
    action.addPreCallback(SoCube::getClassTypeId(), cube, this);
    action.addPreCallback(SoText3::getClassTypeId(), text, this);
    action.apply(root);
    SbMatrix unused;
    dropPending(unused);
  }

 private:
  // A VRML group being filled: for a group or separator, from is the node;
  // for a transform, the matrix it applies.
  struct Open {
    SoVRMLGroup* group;
    const SoNode* from;
    bool confines;  // a separator, or the root: transforms end with it
    SbMatrix matrix;
    bool isTransform() const { return from == nullptr; }
  };
  const SoVRMLConversionSettings& settings() const { return guts_->settings_; }

  // Adds node to the group being filled, in the transform that waits for
  // something to hold, if any.
  void add(SoNode* node) {
    openPending();
    open_.back().group->addChild(node);
  }

  // A transform is added once something follows it, so that none is left
  // empty; until then it waits, referenced, with its matrix.
  void setPending(SoVRMLTransform* transform, const SbMatrix& matrix) {
    openPending();
    transform->ref();
    pending_ = transform;
    pendingMatrix_ = matrix;
  }
  void openPending() {
    if (!pending_) return;
    SoVRMLTransform* transform = pending_;
    pending_ = nullptr;
    open_.back().group->addChild(transform);
    open_.push_back({transform, nullptr, false, pendingMatrix_});
    transform->unref();
  }
  // Drops the waiting transform; false when there is none.
  bool dropPending(SbMatrix& matrix) {
    if (!pending_) return false;
    matrix = pendingMatrix_;
    pending_->unref();
    pending_ = nullptr;
    return true;
  }

  static Response beginGroup(void* data, SoCallbackAction* action, const SoNode* node) {
    auto* self = static_cast<Builder*>(data);
    if (node == self->root_) return SoCallbackAction::CONTINUE;
    const bool confines = node->isOfType(SoSeparator::getClassTypeId());
    // A separator met again as it was met before stands for the same group.
    std::optional<Meeting> meeting;
    if (confines && self->settings().shareNodes) {
      meeting = meetingOf(action, node);
      const auto found = self->separators_.find(*meeting);
      if (found != self->separators_.end()) {
        self->add(found->second);
        return SoCallbackAction::PRUNE;
      }
    }
    auto* group = new SoVRMLGroup;
    group->setName(node->getName());
    self->add(group);
    self->guts_->groupConverted(node, group);
    self->open_.push_back({group, node, confines, {}});
    if (meeting) self->separators_.emplace(std::move(*meeting), group);
    return SoCallbackAction::CONTINUE;
  }

  static Meeting meetingOf(SoCallbackAction* action, const SoNode* separator) {
    return {separator,
            {action->getCoordinates(), action->getNumCoordinates()},
            {action->getDiffuseColor(), action->getTransparency()},
            action->getLightModel(),
            std::bit_cast<std::uint32_t>(action->getFontSize()),
            action->getFontName().getString()};
  }

  static Response endGroup(void* data, SoCallbackAction*, const SoNode* node) {
    auto* self = static_cast<Builder*>(data);
    if (node == self->root_) return SoCallbackAction::CONTINUE;
    std::vector<Open>& open = self->open_;
    // The transforms met inside the group, innermost first, make one matrix.
    SbMatrix leaked;
    bool leaks = self->dropPending(leaked);
    while (open.size() > 1 && open.back().isTransform()) {
      leaked.multRight(open.back().matrix);
      leaks = true;
      open.pop_back();
    }
    if (open.size() <= 1) return SoCallbackAction::CONTINUE;
    const bool confines = open.back().confines;
    open.pop_back();
    // A group does not keep its transforms to itself: what follows it is
    // moved as they move it.
    if (leaks && !confines) {
      auto* transform = new SoVRMLTransform;
      transform->setMatrix(leaked);
      self->setPending(transform, leaked);
    }
    return SoCallbackAction::CONTINUE;
  }

  static Response transform(void* data, SoCallbackAction*, const SoNode* node) {
    auto* transform = new SoVRMLTransform;
    transform->setName(node->getName());
    SbMatrix matrix;
    if (const auto* from = dynamic_cast<const SoTransform*>(node)) {
      if (!from->translation.isDefault()) transform->translation = from->translation.getValue();
      if (!from->rotation.isDefault()) transform->rotation = from->rotation.getValue();
      if (!from->scaleFactor.isDefault()) transform->scale = from->scaleFactor.getValue();
      if (!from->center.isDefault()) transform->center = from->center.getValue();
      matrix = from->getTransformMatrix();
    } else if (const auto* move = dynamic_cast<const SoTranslation*>(node)) {
      if (!move->translation.isDefault()) transform->translation = move->translation.getValue();
      matrix.setTranslate(move->translation.getValue());
    }
    static_cast<Builder*>(data)->setPending(transform, matrix);
    return SoCallbackAction::CONTINUE;
  }

  static Response faceSet(void* data, SoCallbackAction* action, const SoNode* node) {
    auto* self = static_cast<Builder*>(data);
    auto* faces = new SoVRMLIndexedFaceSet;
    if (!self->settings().solidFaces) faces->solid = FALSE;
    self->setCrease(faces);
    self->addRuns(action, static_cast<const SoFaceSet*>(node)->numVertices, 3, faces);
    return SoCallbackAction::CONTINUE;
  }

  static Response lineSet(void* data, SoCallbackAction* action, const SoNode* node) {
    const auto* lines = static_cast<const SoLineSet*>(node);
    static_cast<Builder*>(data)->addRuns(action, lines->numVertices, 2, new SoVRMLIndexedLineSet);
    return SoCallbackAction::CONTINUE;
  }

  // Adds a shape of set, whose indices run through the current coordinates
  // as numVertices splits them, runs shorter than minimum left out; nothing
  // when no run is left.
  void addRuns(SoCallbackAction* action, const SoMFInt32& numVertices, int minimum,
               SoVRMLIndexedShape* set) {
    set->ref();
    std::vector<int32_t> indices;
    scenar::forEachVertexRun(numVertices, action->getNumCoordinates(), [&](int start, int count) {
      if (count < minimum) return;
      for (int i = start; i < start + count; ++i) indices.push_back(i);
      indices.push_back(-1);
    });
    if (!indices.empty()) {
      set->coord = coordinatesOf(action->getCoordinates(), action->getNumCoordinates());
      set->coordIndex.setValues(0, static_cast<int>(indices.size()), indices.data());
      addShape(action, set);
    }
    set->unref();
  }

  static Response cube(void* data, SoCallbackAction* action, const SoNode* node) {
    auto* self = static_cast<Builder*>(data);
    const auto* cube = static_cast<const SoCube*>(node);
    auto* coordinate = new SoVRMLCoordinate;
    const std::vector<SbVec3f> corners = boxCorners(0.5f * std::fabs(cube->width.getValue()),
                                                    0.5f * std::fabs(cube->height.getValue()),
                                                    0.5f * std::fabs(cube->depth.getValue()));
    coordinate->point.setValues(0, static_cast<int>(corners.size()), corners.data());
    auto* faces = new SoVRMLIndexedFaceSet;
    faces->coord = coordinate;
    faces->coordIndex.setValues(0, static_cast<int>(std::size(kBoxFaces)), kBoxFaces);
    self->setCrease(faces);
    self->addShape(action, faces);
    return SoCallbackAction::CONTINUE;
  }

  static Response text(void* data, SoCallbackAction* action, const SoNode* node) {
    SoVRMLText* text = scenar::detail::convertText(*static_cast<const SoText3*>(node),
                                                   action->getFontName(), action->getFontSize());
    if (text) static_cast<Builder*>(data)->addShapeOf(action, text, true);
    return SoCallbackAction::CONTINUE;
  }

  void setCrease(SoVRMLIndexedFaceSet* faces) const {
    if (settings().creaseAngle != 0.0f) faces->creaseAngle = settings().creaseAngle;
  }

  void addShape(SoCallbackAction* action, SoVRMLIndexedShape* geometry) {
    auto* faces = dynamic_cast<SoVRMLIndexedFaceSet*>(geometry);
    addShapeOf(action, geometry,
               !faces || action->getLightModel() == SoLightModelElement::BASE_COLOR);
  }

  // Adds a shape of geometry in the current colour: emissive over black when
  // the browser must not light it.
  void addShapeOf(SoCallbackAction* action, SoNode* geometry, bool emissive) {
    auto* shape = new SoVRMLShape;
    shape->setName(action->getCurPathTail()->getName());  // the node it stands for
    shape->appearance =
        appearanceOf(action->getDiffuseColor(), action->getTransparency(), emissive);
    shape->geometry = geometry;
    add(shape);
  }

  SoVRMLCoordinate* coordinatesOf(const SbVec3f* points, int num) {
    const Points key{points, num};
    if (settings().shareNodes)
      if (const auto found = coordinates_.find(key); found != coordinates_.end())
        return found->second;
    auto* coordinate = new SoVRMLCoordinate;
    coordinate->point.setValues(0, num, points);
    if (settings().shareNodes) coordinates_.emplace(key, coordinate);
    return coordinate;
  }

  SoVRMLAppearance* appearanceOf(const SbColor& color, float transparency, bool emissive) {
    const Look look{Tint(color, transparency), emissive};
    if (settings().shareNodes)
      if (const auto found = appearances_.find(look); found != appearances_.end())
        return found->second;
    const SbColor& c = look.tint.color;
    auto* material = new SoVRMLMaterial;
    if (emissive) {
      material->diffuseColor = SbColor(0, 0, 0);
      material->emissiveColor = c;
    } else {
      material->diffuseColor = c;
    }
    if (look.tint.transparency != 0.0f) material->transparency = look.tint.transparency;
    auto* appearance = new SoVRMLAppearance;
    appearance->material = material;
    if (settings().shareNodes) appearances_.emplace(look, appearance);
    return appearance;
  }

  SoConvertGutsVRML2* guts_;
  const SoNode* root_;
  std::vector<Open> open_;
  SoVRMLTransform* pending_ = nullptr;  // waiting to be added, referenced
  SbMatrix pendingMatrix_;
  // Nodes made in this conversion for sharing; the graph holds them.
  std::unordered_map<Points, SoVRMLCoordinate*, HashOf> coordinates_;
  std::unordered_map<Look, SoVRMLAppearance*, HashOf> appearances_;
  std::unordered_map<Meeting, SoVRMLGroup*, HashOf> separators_;
};

void SoConvertGutsVRML2::groupConverted(const SoNode*, SoVRMLGroup*) {}

SoVRMLGroup* SoConvertGutsVRML2::convertScenarToVRML2(SoSeparator* root) {
  auto* top = new SoVRMLGroup;
  top->ref();
  auto* info = new SoVRMLWorldInfo;
  if (!settings_.worldTitle.isEmpty()) info->title = settings_.worldTitle;
  top->addChild(info);
  auto* navigation = new SoVRMLNavigationInfo;
  navigation->type.setValue(settings_.navigationType);
  if (!settings_.headlight) navigation->headlight = FALSE;
  top->addChild(navigation);
  if (root) {
    groupConverted(root, top);
    Builder(this, root, top).run(root);
  }
  top->unrefNoDelete();
  return top;
}
