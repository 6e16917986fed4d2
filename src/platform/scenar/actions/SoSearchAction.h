// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbName.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoPath.h"

// Finds nodes in a scene graph by node, by type or by name, and gives the paths
// to them: the first, the last or all of them.
class SoSearchAction : public SoAction {
  SO_ACTION_HEADER(SoSearchAction);

 public:
  enum LookFor { NODE = 0x1, TYPE = 0x2, NAME = 0x4 };
  enum Interest { FIRST, LAST, ALL };

  SoSearchAction() = default;
  ~SoSearchAction() override;

  void setNode(SoNode* node);
  SoNode* getNode() const { return node_; }
  // With derivedIsOk, nodes of types derived from type match too.
  void setType(SoType type, SbBool derivedIsOk = TRUE);
  SoType getType(SbBool& derivedIsOk) const {
    derivedIsOk = derivedIsOk_;
    return type_;
  }
  void setName(const SbName& name);
  const SbName& getName() const { return name_; }
  // Which of NODE, TYPE and NAME a node must match (all of those set).
  void setFind(int what) { lookFor_ = what; }
  int getFind() const { return lookFor_; }
  void setInterest(Interest interest) { interest_ = interest; }
  Interest getInterest() const { return interest_; }

  // The path found with FIRST or LAST; nullptr when none.
  SoPath* getPath() const { return path_.get(); }
  // The paths found with ALL.
  SoPathList& getPaths() { return paths_; }
  // Forgets what to look for and what was found.
  void reset();

  // Whether node matches what the action looks for.
  bool matches(const SoNode* node) const;

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  static void searchNode(SoAction* action, SoNode* node);
  void found();

  int lookFor_ = 0;
  Interest interest_ = FIRST;
  SoNode* node_ = nullptr;
  SoType type_;
  SbBool derivedIsOk_ = TRUE;
  SbName name_;
  SoRef<SoPath> path_;
  SoPathList paths_;
};
