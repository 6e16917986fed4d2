// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoSubNode.h"

// The root of the plotting nodes. Not creatable.
//
// A plotting node draws geometry of its own, made from its fields: a graph
// the node holds and every action but searching and writing traverses, as if
// it were the node's child. A change of the node makes the geometry stale; it
// is made again when an action next reaches the node, unless rebuilding is
// blocked: the node then keeps the geometry it has.
class PoBase : public SoNode {
  SO_NODE_HEADER(PoBase, SoNode);

 public:
  // While true, plotting nodes keep their geometry as it is instead of
  // rebuilding it after a change; process-wide.
  static bool m_isRebuildBlocked;

  // Registers the toolkit's classes, then every plotting node class, parents
  // first. Running it again does nothing.
  static void initClasses();

  // Traverses the node's geometry, made anew first if it is stale and
  // rebuilding is not blocked.
  void doAction(SoAction* action) override;
  // The geometry is the node's own: searching finds the node, not its parts.
  void search(SoSearchAction* action) override;
  // Makes the geometry stale, then tells the auditors.
  void notify(SoField* field) override;

  // The geometry as it stands, without rebuilding it; nullptr if none yet.
  SoNode* getGeometry() const { return geometry_.get(); }

 protected:
  PoBase();
  ~PoBase() override;

  // The node's geometry made from its fields, unreferenced; nullptr when the
  // node draws nothing.
  virtual SoNode* buildGeometry() { return nullptr; }

  // Copies value's content into attribute, one of the node's attribute
  // objects kept outside its fields (nullptr: the default attribute), and
  // tells the node's auditors that the node changed.
  template <typename Attribute>
  void setAttribute(Attribute& attribute, const Attribute* value) {
    attribute = value ? *value : Attribute();
    touch();
  }

 private:
  SoRef<SoNode> geometry_;
  std::vector<SoNode*> geometryChildren_;
  bool geometryStale_ = true;
};
