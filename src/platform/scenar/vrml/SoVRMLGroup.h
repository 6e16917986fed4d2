// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoMFNode.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

class SoState;

// A VRML grouping node: its children, in its children field. Actions traverse
// the children in order; what they do to the traversal state stays inside the
// group. A change below the group reaches the group's own auditors.
class SoVRMLGroup : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLGroup, SoVRMLNode);

 public:
  SoMFNode children;

  SoVRMLGroup();
  const char* getFileTypeName() const override { return "Group"; }

  // As on SoGroup; a NULL child, or the group itself, is not added.
  void addChild(SoNode* child) { insertChild(child, getNumChildren()); }
  void insertChild(SoNode* child, int newChildIndex) { children.insertValue(newChildIndex, child); }
  void removeChild(int index) { children.deleteValues(index, 1); }
  void removeChild(SoNode* child) { removeChild(findChild(child)); }
  void removeAllChildren() { children.deleteValues(0); }
  void replaceChild(int index, SoNode* newChild) {
    if (index < getNumChildren()) children.set1Value(index, newChild);
  }
  int getNumChildren() const { return children.getNum(); }
  // nullptr outside the list.
  SoNode* getChild(int index) const { return children[index]; }
  int findChild(const SoNode* child) const { return children.find(child); }

  void doAction(SoAction* action) override;

 protected:
  ~SoVRMLGroup() override = default;
  // What the group puts into the state for its children; nothing by default.
  virtual void setUpChildren(SoState* state) { (void)state; }
};
