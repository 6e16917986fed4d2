// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/nodes/SoNode.h"

// A field holding an ordered list of nodes, one reference on each entry; what
// the children of VRML grouping nodes are held in. A node may stand in the
// list more than once, never NULL: calls that would put NULL into the list or
// leave a gap in it change nothing. A change of a node in the list counts as a
// change of the field. Its text is "[", the nodes, "]"; in a scene file commas
// between the nodes may be left out, and a single node may stand alone.
class SoMFNode : public SoField, private SoNodeAuditor {
 public:
  SoMFNode() = default;
  ~SoMFNode() override;

  int getNum() const { return static_cast<int>(nodes_.size()); }
  // nullptr outside the list.
  SoNode* operator[](int index) const;
  // The list itself; valid until the field changes.
  const std::vector<SoNode*>& getNodes() const { return nodes_; }
  // The first index of node, -1 when it is not in the list.
  int find(const SoNode* node) const;

  // Makes the list node alone; nullptr empties it.
  void setValue(SoNode* node);
  // Replaces the node at index; index getNum() appends.
  void set1Value(int index, SoNode* node);
  // Inserts node before index, clamped to the list.
  void insertValue(int index, SoNode* node);
  // Deletes num nodes from start on; num -1 deletes up to the end.
  void deleteValues(int start, int num = -1);

  const char* getTypeName() const override { return "MFNode"; }
  SbBool isSame(const SoField& other) const override;
  void copyFrom(const SoField& other) override;
  // In a scene file the value is a list of nodes; outside a file only the
  // empty list "[]" reads.
  bool read(scenar::TextReader& in, bool wholeText = false) override;

 protected:
  void writeValue(std::string& out, SoWriteContext* context) const override;

 private:
  void assign(std::vector<SoNode*> nodes);
  // Takes a reference on a node entering the list and audits it.
  void hold(SoNode* node);
  // Releases a node that left the list.
  void release(SoNode* node);
  // Releases the nodes that left the list, in time linear in both lists.
  void releaseAll(const std::vector<SoNode*>& removed);
  bool canHold(const SoNode* node) const { return node && node != getContainer(); }
  void nodeChanged(SoNode* node, SoField* field) override;
  void nodeDying(SoNode* node) override;

  std::vector<SoNode*> nodes_;
};
