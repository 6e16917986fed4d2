// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoMFNode.h"

#include <algorithm>
#include <unordered_set>

#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoFieldContainer.h"
#include "platform/scenar/fields/SoSubField.h"
#include "platform/scenar/fields/SoWriteContext.h"
#include "platform/scenar/files/SoInput.h"

SoMFNode::~SoMFNode() {
  std::vector<SoNode*> nodes;
  nodes.swap(nodes_);
  for (SoNode* node : nodes) {
    node->removeAuditor(this);
    node->unref();
  }
}

SoNode* SoMFNode::operator[](int index) const {
  return index >= 0 && index < getNum() ? nodes_[static_cast<std::size_t>(index)] : nullptr;
}

int SoMFNode::find(const SoNode* node) const {
  auto found = std::find(nodes_.begin(), nodes_.end(), node);
  return found == nodes_.end() ? -1 : static_cast<int>(found - nodes_.begin());
}

void SoMFNode::assign(std::vector<SoNode*> nodes) {
  for (SoNode* node : nodes) {
    node->ref();
    node->addAuditor(this);
  }
  nodes.swap(nodes_);
  // nodes now holds the old list: release it, but keep auditing the nodes
  // that stay.
  releaseAll(nodes);
  valueChanged();
}

void SoMFNode::setValue(SoNode* node) {
  if (node && !canHold(node)) return;
  assign(node ? std::vector<SoNode*>{node} : std::vector<SoNode*>{});
}

// Edits take or release the references of the entries they change alone, so
// that a list grown one node at a time costs time in proportion to its length.

void SoMFNode::hold(SoNode* node) {
  node->ref();
  node->addAuditor(this);
}

void SoMFNode::release(SoNode* node) {
  // A node still in the list is still audited.
  if (find(node) < 0) node->removeAuditor(this);
  node->unref();
}

void SoMFNode::releaseAll(const std::vector<SoNode*>& removed) {
  // Many nodes leave: one look at the list that stays, not one per node.
  constexpr std::size_t kFew = 8;
  if (removed.size() <= kFew || nodes_.empty()) {
    for (SoNode* node : removed) release(node);
    return;
  }
  const std::unordered_set<const SoNode*> staying(nodes_.begin(), nodes_.end());
  for (SoNode* node : removed) {
    if (!staying.contains(node)) node->removeAuditor(this);
    node->unref();
  }
}

void SoMFNode::set1Value(int index, SoNode* node) {
  if (!canHold(node) || index < 0 || index > getNum()) return;
  hold(node);
  if (index == getNum()) {
    nodes_.push_back(node);
  } else {
    SoNode* old = nodes_[static_cast<std::size_t>(index)];
    nodes_[static_cast<std::size_t>(index)] = node;
    release(old);
  }
  valueChanged();
}

void SoMFNode::insertValue(int index, SoNode* node) {
  if (!canHold(node)) return;
  hold(node);
  nodes_.insert(nodes_.begin() + std::clamp(index, 0, getNum()), node);
  valueChanged();
}

void SoMFNode::deleteValues(int start, int num) {
  if (start < 0 || start >= getNum()) return;
  const int end = num < 0 ? getNum() : std::min(getNum(), start + num);
  std::vector<SoNode*> removed(nodes_.begin() + start, nodes_.begin() + end);
  nodes_.erase(nodes_.begin() + start, nodes_.begin() + end);
  releaseAll(removed);
  valueChanged();
}

SbBool SoMFNode::isSame(const SoField& other) const {
  auto* same = dynamic_cast<const SoMFNode*>(&other);
  return same && same->nodes_ == nodes_;
}

void SoMFNode::copyFrom(const SoField& other) {
  auto* same = dynamic_cast<const SoMFNode*>(&other);
  if (!same) return;
  std::vector<SoNode*> nodes = same->nodes_;
  std::erase_if(nodes, [this](const SoNode* node) { return !canHold(node); });
  assign(std::move(nodes));
}

bool SoMFNode::read(scenar::TextReader& in, bool wholeText) {
  SoInput* input = SoInput::fromReader(in);
  std::vector<SoNode*> nodes;  // one reference each while reading
  auto readOne = [&]() {
    SoNode* node = nullptr;
    if (!input->readNode(node)) return false;
    if (!node) {
      in.setError("NULL cannot be in a list of nodes");
      return false;
    }
    node->ref();
    nodes.push_back(node);
    return true;
  };
  bool ok = true;
  if (in.consume('[')) {
    while (ok && !in.consume(']')) {
      if (in.atEnd()) {
        in.setError("list is not closed with ']'");
        ok = false;
      } else if (!input) {
        in.setError("only the empty list reads as nodes outside a scene file");
        ok = false;
      } else {
        ok = readOne();
        in.consume(',');
      }
    }
  } else if (input) {
    ok = readOne();
  } else {
    in.setError("only the empty list reads as nodes outside a scene file");
    ok = false;
  }
  ok = ok && (!wholeText || scenar::detail::expectEnd(in));
  // What is read cannot hold the node being read: a DEF name is bound only
  // once its node is complete.
  if (ok) assign(nodes);
  for (SoNode* node : nodes) node->unref();
  return ok;
}

void SoMFNode::writeValue(std::string& out, SoWriteContext* context) const {
  if (context)
    context->writeNodeList(nodes_, out);
  else
    SoWriteAction::writeAlone(nodes_, out);
}

void SoMFNode::nodeChanged(SoNode*, SoField*) {
  if (SoFieldContainer* container = getContainer())
    if (isNotifyEnabled()) container->notify(this);
}

void SoMFNode::nodeDying(SoNode* node) {
  // Only a node deleted behind the field's back gets here; forget it.
  std::erase(nodes_, node);
}
