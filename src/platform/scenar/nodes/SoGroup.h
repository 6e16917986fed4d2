// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/nodes/SoSubNode.h"

// A node with an ordered list of children, each held by one reference. Actions
// traverse the children in order; a change below the group reaches the
// group's own auditors.
class SoGroup : public SoNode, private SoNodeAuditor {
  SO_NODE_HEADER(SoGroup, SoNode);

 public:
  SoGroup();

  void addChild(SoNode* child);
  void insertChild(SoNode* child, int newChildIndex);
  void removeChild(int index);
  void removeChild(SoNode* child) { removeChild(findChild(child)); }
  void removeAllChildren();
  void replaceChild(int index, SoNode* newChild);
  int getNumChildren() const { return static_cast<int>(children_.size()); }
  // nullptr outside the list.
  SoNode* getChild(int index) const;
  int findChild(const SoNode* child) const;
  const std::vector<SoNode*>* getChildren() const override { return &children_; }

  void doAction(SoAction* action) override;
  // Writes the fields, then the children in order.
  void write(SoWriteAction* action) override;
  // Reads the fields, then the children up to the closing brace.
  SbBool readInstance(SoInput* in, unsigned short flags) override;

 protected:
  ~SoGroup() override;

 private:
  void nodeChanged(SoNode* node, SoField* field) override;
  void nodeDying(SoNode* node) override;
  void release(SoNode* child);

  std::vector<SoNode*> children_;
};

// A group that keeps what its children do to the traversal state to itself.
class SoSeparator : public SoGroup {
  SO_NODE_HEADER(SoSeparator, SoGroup);

 public:
  SoSeparator();
  void doAction(SoAction* action) override;
  // What its children do to the matrix counts only when the action's path
  // leads through the separator.
  void getMatrix(SoGetMatrixAction* action) override;

 protected:
  ~SoSeparator() override = default;
};
