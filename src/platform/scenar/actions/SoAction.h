#pragma once

#include <cassert>
#include <vector>

#include "platform/scenar/basic/SoType.h"
#include "platform/scenar/nodes/SoNode.h"

class SoPath;
class SoState;

// A traversal of a scene graph. Each action class has a method list: the
// function to call for each node type, found by walking up from the node's type;
// the toolkit registers for every action a method for SoNode that calls the
// node's own virtual for that action. The state is made on first use and kept
// for later applications of the same action.
class SoAction {
 public:
  using Method = void (*)(SoAction* action, SoNode* node);
  enum PathCode { NO_PATH, IN_PATH, BELOW_PATH, OFF_PATH };

  virtual ~SoAction();
  SoAction(const SoAction&) = delete;
  SoAction& operator=(const SoAction&) = delete;

  static SoType getClassTypeId() { return classTypeId_; }
  virtual SoType getTypeId() const = 0;
  bool isOfType(SoType type) const { return getTypeId().isDerivedFrom(type); }
  static void initClass();

  void apply(SoNode* node);
  // Traverses from the path's head down to its tail and everything below the tail.
  void apply(SoPath* path);
  // Calls the method the action's list holds for node's type.
  void traverse(SoNode* node) {
    if (!node) return;
    if (!methods_) methods_ = &getMethodList();
    if (Method method = methods_->lookup(node->getTypeId())) method(this, node);
  }

  SoState* getState() { return state_ ? state_ : makeState(); }
  SoNode* getNodeAppliedTo() const { return appliedNode_; }
  // The path from the node applied to down to the node being traversed.
  const SoPath* getCurPath();
  SoNode* getCurPathTail() const { return pathStack_.empty() ? nullptr : pathStack_.back().node; }
  // Groups call these around each child they traverse.
  void pushCurPath(int childIndex, SoNode* child) {
    if (appliedPath_) followAppliedPath(childIndex, child);
    pathStack_.push_back({child, childIndex});
  }
  void popCurPath() {
    assert(pathStack_.size() > 1 && "SoAction::popCurPath(): no push to undo");
    pathStack_.pop_back();
    if (onPathLength_ > static_cast<int>(pathStack_.size()))
      onPathLength_ = static_cast<int>(pathStack_.size());
  }

  // Whether the node being traversed lies on an applied path (IN_PATH, with the
  // child index the path goes on to), below its tail (BELOW_PATH) or beside it
  // (OFF_PATH); NO_PATH when the action was applied to a node.
  PathCode getPathCode(int& childIndex) const {
    childIndex = -1;
    return appliedPath_ ? getAppliedPathCode(childIndex) : NO_PATH;
  }

  // Traverses the children of a group or a node kit in order: on an applied
  // path up to the path's child (the ones before it off the path, so that
  // what they put into the state counts), beside the path not at all. The
  // list is read afresh for each child: a child may change it.
  void traverseChildren(const std::vector<SoNode*>& children) {
    int pathIndex = -1;
    const PathCode code = getPathCode(pathIndex);
    if (code == OFF_PATH) return;
    const int count = static_cast<int>(children.size());
    const int last = code == IN_PATH ? pathIndex : count - 1;
    for (int i = 0; i <= last && i < static_cast<int>(children.size()) && !terminated_; ++i) {
      SoNode* child = children[static_cast<std::size_t>(i)];
      pushCurPath(i, child);
      traverse(child);
      popCurPath();
    }
  }

  bool hasTerminated() const { return terminated_; }
  void setTerminated(bool terminated) { terminated_ = terminated; }

  // The method list of an action class.
  class MethodList {
   public:
    explicit MethodList(MethodList* parent = nullptr) : parent_(parent) {}
    void addMethod(SoType nodeType, Method method);
    // The method for nodeType or its nearest registered ancestor, in this list
    // or, failing that, in the parent's; nullptr if none.
    Method lookup(SoType nodeType) {
      const auto slot = static_cast<std::size_t>(nodeType.getKey());
      if (!nodeType.isBad() && slot < cache_.size() && cache_[slot] != unknownMethod)
        return cache_[slot];
      return lookUpAndCache(nodeType);
    }

   private:
    // Marks a cache slot whose type was never looked up; never called.
    static void unknownMethod(SoAction*, SoNode*) {}
    Method find(SoType nodeType) const;
    Method lookUpAndCache(SoType nodeType);

    MethodList* parent_;
    std::vector<std::pair<int, Method>> methods_;
    std::vector<Method> cache_;  // by type key; filled on lookup, unknown where never looked up
  };

 protected:
  SoAction() = default;
  // The method list of the action's class.
  virtual MethodList& getMethodList() const = 0;
  // The list every action class's list falls back on; it holds no method.
  static MethodList& methods();
  // The element kinds the action's state holds.
  virtual const std::vector<int>& getEnabledElements() const = 0;
  // Called by apply; traverses the node by default.
  virtual void beginTraversal(SoNode* node) { traverse(node); }

 private:
  void startApplying(SoNode* head);
  SoState* makeState();
  void followAppliedPath(int childIndex, SoNode* child);
  PathCode getAppliedPathCode(int& childIndex) const;

  SoState* state_ = nullptr;
  MethodList* methods_ = nullptr;  // the class's list, found once
  SoNode* appliedNode_ = nullptr;
  const SoPath* appliedPath_ = nullptr;
  struct PathEntry {
    SoNode* node;
    int childIndex;  // -1 for the head
  };
  std::vector<PathEntry> pathStack_;  // from the node applied to down to the current node
  int onPathLength_ = 0;  // leading nodes of the current path that lie on the applied path
  SoPath* curPath_ = nullptr;
  bool terminated_ = false;
  static SoType classTypeId_;
};
