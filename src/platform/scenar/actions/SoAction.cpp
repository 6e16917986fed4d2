#include "platform/scenar/actions/SoAction.h"

#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/nodes/SoPath.h"

SoType SoAction::classTypeId_;

void SoAction::initClass() {
  if (classTypeId_.isBad()) classTypeId_ = SoType::createType(SoType::badType(), "Action");
}

SoAction::~SoAction() {
  delete state_;
  if (curPath_) curPath_->unref();
}

SoState* SoAction::getState() {
  if (!state_) state_ = new SoState(this, getEnabledElements());
  return state_;
}

void SoAction::startApplying(SoNode* head) {
  appliedNode_ = head;
  terminated_ = false;
  curNodes_.clear();
  curIndices_.clear();
  curNodes_.push_back(head);
  curIndices_.push_back(-1);
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
  curNodes_.clear();
  curIndices_.clear();
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
  curNodes_.clear();
  curIndices_.clear();
  appliedPath_ = nullptr;
  appliedNode_ = nullptr;
  path->unref();
}

void SoAction::traverse(SoNode* node) {
  if (!node) return;
  if (Method method = getMethodList().lookup(node->getTypeId())) method(this, node);
}

const SoPath* SoAction::getCurPath() {
  if (!curPath_) {
    curPath_ = SoPath::makeTemporary();
    curPath_->ref();
  }
  curPath_->truncate(0);
  for (std::size_t i = 0; i < curNodes_.size(); ++i) curPath_->append(curNodes_[i], curIndices_[i]);
  return curPath_;
}

void SoAction::pushCurPath(int childIndex, SoNode* child) {
  const int depth = static_cast<int>(curNodes_.size());
  if (appliedPath_ && onPathLength_ == depth && depth < appliedPath_->getLength() &&
      appliedPath_->getIndex(depth) == childIndex && appliedPath_->getNode(depth) == child)
    ++onPathLength_;
  curNodes_.push_back(child);
  curIndices_.push_back(childIndex);
}

void SoAction::popCurPath() {
  if (curNodes_.size() <= 1) return;
  curNodes_.pop_back();
  curIndices_.pop_back();
  if (onPathLength_ > static_cast<int>(curNodes_.size()))
    onPathLength_ = static_cast<int>(curNodes_.size());
}

SoAction::PathCode SoAction::getPathCode(int& childIndex) const {
  childIndex = -1;
  if (!appliedPath_) return NO_PATH;
  const int depth = static_cast<int>(curNodes_.size());
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
      cache_.clear(), cached_.clear();
      return;
    }
  methods_.emplace_back(nodeType.getKey(), method);
  cache_.clear(), cached_.clear();
}

SoAction::Method SoAction::MethodList::find(SoType nodeType) const {
  for (SoType t = nodeType; !t.isBad(); t = t.getParent())
    for (const auto& entry : methods_)
      if (entry.first == t.getKey()) return entry.second;
  return parent_ ? parent_->find(nodeType) : nullptr;
}

SoAction::Method SoAction::MethodList::lookup(SoType nodeType) {
  const int key = nodeType.isBad() ? SoNode::getClassTypeId().getKey() : nodeType.getKey();
  if (key < 0) return nullptr;
  const std::size_t slot = static_cast<std::size_t>(key);
  if (slot < cached_.size() && cached_[slot]) return cache_[slot];
  Method method = find(nodeType.isBad() ? SoNode::getClassTypeId() : nodeType);
  if (slot >= cache_.size()) {
    cache_.resize(slot + 1);
    cached_.resize(slot + 1);
  }
  cache_[slot] = method;
  cached_[slot] = true;
  return method;
}
