// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SoBase.h"

class SoNode;

// A chain of nodes from a head down to a tail, each the child at a given index
// of the one before. A path holds a reference on each of its nodes, unless it
// is a temporary path an action keeps of its own traversal.
class SoPath : public SoBase {
 public:
  explicit SoPath(SoNode* head = nullptr);
  SoPath(const SoPath& other);
  SoPath& operator=(const SoPath&) = delete;

  static SoType getClassTypeId() { return classTypeId_; }
  SoType getTypeId() const override { return classTypeId_; }
  static void initClass();

  void setHead(SoNode* head);
  // Appends the child at childIndex of the tail.
  void append(int childIndex);
  void append(SoNode* node, int childIndex);
  void truncate(int length);
  void pop() { truncate(getLength() - 1); }

  int getLength() const { return static_cast<int>(nodes_.size()); }
  SoNode* getHead() const { return nodes_.empty() ? nullptr : nodes_.front(); }
  SoNode* getTail() const { return nodes_.empty() ? nullptr : nodes_.back(); }
  SoNode* getNode(int i) const { return nodes_[static_cast<std::size_t>(i)]; }
  SoNode* getNodeFromTail(int i) const { return getNode(getLength() - 1 - i); }
  // The child index of node i in node i - 1; -1 for the head.
  int getIndex(int i) const { return indices_[static_cast<std::size_t>(i)]; }
  bool containsNode(const SoNode* node) const;
  friend bool operator==(const SoPath& a, const SoPath& b) {
    return a.nodes_ == b.nodes_ && a.indices_ == b.indices_;
  }

  // An action's own path of its traversal: no references, storage kept.
  static SoPath* makeTemporary();

 protected:
  ~SoPath() override;

 private:
  std::vector<SoNode*> nodes_;
  std::vector<int> indices_;
  bool referencing_ = true;
  static SoType classTypeId_;
};

// Paths an action found, each held by one reference.
class SoPathList {
 public:
  SoPathList() = default;
  ~SoPathList() { truncate(0); }
  SoPathList(const SoPathList&) = delete;
  SoPathList& operator=(const SoPathList&) = delete;

  void append(SoPath* path);
  int getLength() const { return static_cast<int>(paths_.size()); }
  SoPath* operator[](int i) const { return paths_[static_cast<std::size_t>(i)]; }
  void truncate(int length);

 private:
  std::vector<SoPath*> paths_;
};
