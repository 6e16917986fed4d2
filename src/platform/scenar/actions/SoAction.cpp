// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoAction.h"

#include <algorithm>
#include <string>

#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/basic/SoDebugError.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/nodes/SoPath.h"

SoType SoAction::classTypeId_;
int SoAction::MethodList::generation_ = 0;

SoEnabledElementsList* SoAction::getClassEnabledElements() {
  static SoEnabledElementsList list;
  return &list;
}

SoActionMethodList* SoAction::getClassActionMethods() {
  static MethodList list;
  return &list;
}

void SoAction::initClass() {
  if (classTypeId_.isBad()) classTypeId_ = SoType::createType(SoType::badType(), "Action");
}

SoAction::~SoAction() {
  delete state_;
  if (curPath_) curPath_->unref();
}

void SoAction::enableElementIn(SoEnabledElementsList* list, SoType elementType, int stackIndex,
                               const char* actionName) {
  if (elementType.isBad()) {
    const std::string message = std::string("Can't enable element for ") + actionName +
                                " until the element initClass function has been called";
    SoDebugError::post("SO_ENABLE_ELEMENT", message.c_str());
    return;
  }
  if (list) list->enable(elementType, stackIndex);
}

SoState* SoAction::makeState() {
  stateCounter_ = SoEnabledElementsList::getCounter();
  state_ = new SoState(this, getEnabledElements().getElements());
  return state_;
}

void SoAction::startApplying(SoNode* head) {
  appliedNode_ = head;
  terminated_ = false;
  pathStack_.clear();
  pathStack_.push_back({head, -1});
  // An element enabled since the state was made must be in it.
  if (state_ && stateCounter_ != SoEnabledElementsList::getCounter()) {
    delete state_;
    state_ = nullptr;
  }
  getState();
}

void SoAction::finishApplying() {
  pathStack_.clear();
  appliedPaths_.clear();
  onPathLengths_.clear();
  appliedNode_ = nullptr;
}

void SoAction::apply(SoNode* node) {
  if (!node) return;
  // The node stays alive while the action runs, even with no reference of its own.
  const bool referenced = node->getRefCount() > 0;
  node->ref();
  appliedPaths_.clear();
  onPathLengths_.clear();
  startApplying(node);
  beginTraversal(node);
  finishApplying();
  if (referenced)
    node->unref();
  else
    node->unrefNoDelete();
}

void SoAction::apply(SoPath* path) {
  if (!path || path->getLength() == 0) return;
  path->ref();
  applyToPaths(path->getHead(), {path});
  path->unref();
}

void SoAction::apply(const SoPathList& paths, SbBool) {
  // The heads in the order they first appear, each with its paths.
  std::vector<std::pair<SoNode*, std::vector<const SoPath*>>> heads;
  for (int i = 0; i < paths.getLength(); ++i) {
    const SoPath* path = paths[i];
    if (!path || path->getLength() == 0) continue;
    auto head = std::find_if(heads.begin(), heads.end(),
                             [&](const auto& entry) { return entry.first == path->getHead(); });
    if (head == heads.end())
      heads.push_back({path->getHead(), {path}});
    else
      head->second.push_back(path);
  }
  for (const auto& [head, headPaths] : heads) applyToPaths(head, headPaths);
}

void SoAction::applyToPaths(SoNode* head, const std::vector<const SoPath*>& paths) {
  appliedPaths_ = paths;
  onPathLengths_.assign(paths.size(), 1);
  startApplying(head);
  beginTraversal(head);
  finishApplying();
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

void SoAction::followAppliedPaths(int childIndex, SoNode* child) {
  const int depth = static_cast<int>(pathStack_.size());
  for (std::size_t i = 0; i < appliedPaths_.size(); ++i) {
    const SoPath* path = appliedPaths_[i];
    int& length = onPathLengths_[i];
    if (length == depth && depth < path->getLength() && path->getIndex(depth) == childIndex &&
        path->getNode(depth) == child)
      ++length;
  }
}

SoAction::PathCode SoAction::getAppliedPathCode(int& childIndex) const {
  const int depth = static_cast<int>(pathStack_.size());
  PathCode code = OFF_PATH;
  for (std::size_t i = 0; i < appliedPaths_.size(); ++i) {
    const SoPath* path = appliedPaths_[i];
    const int onPath = onPathLengths_[i];
    // The whole path leads here: the node is its tail or lies below it.
    if (onPath == path->getLength()) return BELOW_PATH;
    if (onPath < depth) continue;
    code = IN_PATH;
    childIndex = std::max(childIndex, path->getIndex(depth));
  }
  return code;
}

void SoAction::MethodList::addMethod(SoType nodeType, Method method) {
  if (nodeType.isBad()) return;
  ++generation_;
  for (auto& entry : methods_)
    if (entry.first == nodeType.getKey()) {
      entry.second = method;
      return;
    }
  methods_.emplace_back(nodeType.getKey(), method);
}

void SoAction::MethodList::clear() {
  if (methods_.empty()) return;
  ++generation_;
  methods_.clear();
}

void SoAction::MethodList::resetCache() {
  cache_.clear();
  cacheAt_ = generation_;
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
