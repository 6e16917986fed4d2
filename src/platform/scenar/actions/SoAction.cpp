#include "platform/scenar/actions/SoAction.h"

#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/nodes/SoPath.h"

SoType SoAction::classTypeId_;

SoAction::MethodList& SoAction::methods() {
  static MethodList list;
  return list;
}

void SoAction::initClass() {
  if (classTypeId_.isBad()) classTypeId_ = SoType::createType(SoType::badType(), "Action");
}

SoAction::~SoAction() {
  delete state_;
  if (curPath_) curPath_->unref();
}

SoState* SoAction::makeState() {
  state_ = new SoState(this, getEnabledElements());
  return state_;
}

void SoAction::startApplying(SoNode* head) {
  appliedNode_ = head;
  terminated_ = false;
  pathStack_.clear();
  pathStack_.push_back({head, -1});
  onPathLength_ = appliedPath_ ? 1 : 0;
  getState();
}

void SoAction::apply(SoNode* node) {
  if (!node) return;
  appliedPath_ = nullptr;
  // The node stays alive while the action runs, even with no reference of its own.
  const bool referenced = node->getRefCount() > 0;
  node->ref();
  startApplying(node);
  beginTraversal(node);
  pathStack_.clear();
  appliedNode_ = nullptr;
  if (referenced)
    node->unref();
  else
    node->unrefNoDelete();
}

void SoAction::apply(SoPath* path) {
  if (!path || path->getLength() == 0) return;
  path->ref();
  appliedPath_ = path;
  startApplying(path->getHead());
  beginTraversal(path->getHead());
  pathStack_.clear();
  appliedPath_ = nullptr;
  appliedNode_ = nullptr;
  path->unref();
}

const SoPath* SoAction::getCurPath() {
  if (!curPath_) {
    curPath_ = SoPath::makeTemporary();
    curPath_->ref();
  }
  curPath_->truncate(0);
  for (const PathEntry& entry : pathStack_) curPath_->append(entry.node, entry.childIndex);
  return curPath_;
}

void SoAction::followAppliedPath(int childIndex, SoNode* child) {
  const int depth = static_cast<int>(pathStack_.size());
  if (onPathLength_ == depth && depth < appliedPath_->getLength() &&
      appliedPath_->getIndex(depth) == childIndex && appliedPath_->getNode(depth) == child)
    ++onPathLength_;
}

SoAction::PathCode SoAction::getAppliedPathCode(int& childIndex) const {
  const int depth = static_cast<int>(pathStack_.size());
  if (onPathLength_ < depth) return OFF_PATH;
  if (depth >= appliedPath_->getLength()) return BELOW_PATH;
  childIndex = appliedPath_->getIndex(depth);
  return IN_PATH;
}

void SoAction::MethodList::addMethod(SoType nodeType, Method method) {
  if (nodeType.isBad()) return;
  for (auto& entry : methods_)
    if (entry.first == nodeType.getKey()) {
      entry.second = method;
      cache_.clear();
      return;
    }
  methods_.emplace_back(nodeType.getKey(), method);
  cache_.clear();
}

SoAction::Method SoAction::MethodList::find(SoType nodeType) const {
  for (SoType t = nodeType; !t.isBad(); t = t.getParent())
    for (const auto& entry : methods_)
      if (entry.first == t.getKey()) return entry.second;
  return parent_ ? parent_->find(nodeType) : nullptr;
}

SoAction::Method SoAction::MethodList::lookUpAndCache(SoType nodeType) {
  // A node of a bad type is served as a plain node.
  if (nodeType.isBad()) nodeType = SoNode::getClassTypeId();
  const int key = nodeType.getKey();
  if (key < 0) return nullptr;
  const auto slot = static_cast<std::size_t>(key);
  const Method method = find(nodeType);
  if (slot >= cache_.size()) cache_.resize(slot + 1, unknownMethod);
  cache_[slot] = method;
  return method;
}
