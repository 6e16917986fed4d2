// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cassert>
#include <vector>

#include "platform/scenar/actions/SoEnabledElementsList.h"
#include "platform/scenar/basic/SoType.h"
#include "platform/scenar/nodes/SoNode.h"

class SoPath;
class SoPathList;
class SoState;

// A traversal of a scene graph. Each action class has a method list, the
// function to call for each node type, found by walking up from the node's
// type; the toolkit registers for every action a method for SoNode that calls
// the node's own virtual for that action. Each class also has a list of the
// element kinds its state holds. Both lists are chained to the parent class's
// lists (see SoSubAction.h). The state is made on first use and kept for
// later applications of the same action.
//
// An action is applied to a node, a path or a list of paths; the applies are
// virtual, so that an action class may do more around the traversal.
class SoAction {
 public:
  using Method = void (*)(SoAction* action, SoNode* node);
  enum PathCode { NO_PATH, IN_PATH, BELOW_PATH, OFF_PATH };
  class MethodList;

  virtual ~SoAction();
  SoAction(const SoAction&) = delete;
  SoAction& operator=(const SoAction&) = delete;

  static SoType getClassTypeId() { return classTypeId_; }
  virtual SoType getTypeId() const = 0;
  bool isOfType(SoType type) const { return getTypeId().isDerivedFrom(type); }
  static void initClass();

  // Traverses the graph below node, node included.
  virtual void apply(SoNode* node);
  // Traverses from the path's head down to its tail and everything below the tail.
  virtual void apply(SoPath* path);
  // Traverses the paths: those with one head in one traversal that follows
  // all of them, the heads in the order they first appear in the list. The
  // toolkit's rules for lists (one head, sorted, no path below another) make
  // a list quicker to traverse; obeysRules says the list keeps them, and the
  // stand-in, which groups the paths itself, needs no promise.
  virtual void apply(const SoPathList& paths, SbBool obeysRules = FALSE);

  // The element kinds the action's state holds: its class's list.
  virtual const SoEnabledElementsList& getEnabledElements() const = 0;
  // The method list of the action's class.
  virtual MethodList* getActionMethods() = 0;
  // The lists every action class's lists are chained to; they hold nothing.
  static SoEnabledElementsList* getClassEnabledElements();
  static MethodList* getClassActionMethods();

  // Calls the method the traversal's method list holds for node's type.
  void traverse(SoNode* node);

  SoState* getState() { return state_ ? state_ : makeState(); }
  SoNode* getNodeAppliedTo() const { return appliedNode_; }
  // The path from the node applied to down to the node being traversed.
  const SoPath* getCurPath();
  SoNode* getCurPathTail() const { return pathStack_.empty() ? nullptr : pathStack_.back().node; }
  // The current path's nodes without making a path: its length and its node
  // at depth i (0 the node applied to).
  int getCurPathLength() const { return static_cast<int>(pathStack_.size()); }
  SoNode* getCurPathNode(int i) const { return pathStack_[static_cast<std::size_t>(i)].node; }
  // Groups call these around each child they traverse.
  void pushCurPath(int childIndex, SoNode* child) {
    if (!appliedPaths_.empty()) followAppliedPaths(childIndex, child);
    pathStack_.push_back({child, childIndex});
  }
  void popCurPath() {
    assert(pathStack_.size() > 1 && "SoAction::popCurPath(): no push to undo");
    pathStack_.pop_back();
    const int depth = static_cast<int>(pathStack_.size());
    for (int& length : onPathLengths_)
      if (length > depth) length = depth;
  }

  // Whether the node being traversed lies on an applied path (IN_PATH, with
  // the child index the path goes on to; the last of them when several paths
  // go on), below the tail of one (BELOW_PATH) or beside them all (OFF_PATH);
  // NO_PATH when the action was applied to a node.
  PathCode getPathCode(int& childIndex) const {
    childIndex = -1;
    return appliedPaths_.empty() ? NO_PATH : getAppliedPathCode(childIndex);
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

  // The method list of an action class, chained to its parent class's list:
  // a node type without a method here (nor an ancestor type) is looked up in
  // the parent's list.
  class MethodList {
   public:
    explicit MethodList(MethodList* parent = nullptr) : parent_(parent) {}
    MethodList(const MethodList&) = delete;
    MethodList& operator=(const MethodList&) = delete;

    // Makes method the one for nodeType; a bad type changes nothing.
    void addMethod(SoType nodeType, Method method);
    // Forgets the list's own methods; the parent's stay.
    void clear();
    MethodList* getParent() const { return parent_; }
    // The method for nodeType or its nearest registered ancestor, in this list
    // or, failing that, in the parent's; nullptr if none.
    Method lookup(SoType nodeType) {
      const auto slot = static_cast<std::size_t>(nodeType.getKey());
      if (cacheAt_ != generation_) resetCache();
      if (!nodeType.isBad() && slot < cache_.size() && cache_[slot] != unknownMethod)
        return cache_[slot];
      return lookUpAndCache(nodeType);
    }

   private:
    // Marks a cache slot whose type was never looked up; never called.
    static void unknownMethod(SoAction*, SoNode*) {}
    Method find(SoType nodeType) const;
    Method lookUpAndCache(SoType nodeType);
    void resetCache();

    MethodList* parent_;
    std::vector<std::pair<int, Method>> methods_;
    std::vector<Method> cache_;  // by type key; filled on lookup, unknown where never looked up
    int cacheAt_ = -1;           // the generation the cache was filled at
    // Changes with every change of any list, so that a list whose parent
    // changed does not serve a method it cached before.
    static int generation_;
  };

 protected:
  SoAction() = default;
  // Called by apply for the head of each traversal; traverses the node by default.
  virtual void beginTraversal(SoNode* node) { traverse(node); }
  // Enables an element in list for the action class named actionName: a bad
  // type (an element class not set up) is refused with a debug error
  // "SO_ENABLE_ELEMENT", and nothing is enabled.
  static void enableElementIn(SoEnabledElementsList* list, SoType elementType, int stackIndex,
                              const char* actionName);

  // The method list traverse uses; getActionMethods() when left null, found
  // at the first traversal.
  MethodList* traversalMethods = nullptr;

 private:
  void startApplying(SoNode* head);
  void finishApplying();
  SoState* makeState();
  // One traversal from head following paths, all of which start at head.
  void applyToPaths(SoNode* head, const std::vector<const SoPath*>& paths);
  void followAppliedPaths(int childIndex, SoNode* child);
  PathCode getAppliedPathCode(int& childIndex) const;

  SoState* state_ = nullptr;
  int stateCounter_ = 0;  // the enabled-elements counter the state was made at
  SoNode* appliedNode_ = nullptr;
  std::vector<const SoPath*> appliedPaths_;  // the paths being followed, one head
  struct PathEntry {
    SoNode* node;
    int childIndex;  // -1 for the head
  };
  std::vector<PathEntry> pathStack_;  // from the node applied to down to the current node
  // For each applied path: how many leading nodes of the current path lie on it.
  std::vector<int> onPathLengths_;
  SoPath* curPath_ = nullptr;
  bool terminated_ = false;
  static SoType classTypeId_;
};

using SoActionMethod = SoAction::Method;
using SoActionMethodList = SoAction::MethodList;

inline void SoAction::traverse(SoNode* node) {
  if (!node) return;
  if (!traversalMethods) traversalMethods = getActionMethods();
  if (Method method = traversalMethods->lookup(node->getTypeId())) method(this, node);
}
