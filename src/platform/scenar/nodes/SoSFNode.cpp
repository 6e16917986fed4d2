// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoSFNode.h"

#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoFieldContainer.h"
#include "platform/scenar/fields/SoSubField.h"
#include "platform/scenar/fields/SoWriteContext.h"
#include "platform/scenar/files/SoInput.h"

SoSFNode::~SoSFNode() {
  if (node_) {
    node_->removeAuditor(this);
    node_->unref();
  }
}

void SoSFNode::setValue(SoNode* node) {
  if (node) node->ref();
  SoNode* old = node_;
  node_ = node;
  if (old) {
    if (old != node_) old->removeAuditor(this);
    old->unref();
  }
  if (node_) node_->addAuditor(this);
  valueChanged();
}

SbBool SoSFNode::isSame(const SoField& other) const {
  auto* same = dynamic_cast<const SoSFNode*>(&other);
  return same && same->node_ == node_;
}

void SoSFNode::copyFrom(const SoField& other) {
  if (auto* same = dynamic_cast<const SoSFNode*>(&other)) setValue(same->node_);
}

bool SoSFNode::read(scenar::TextReader& in, bool wholeText) {
  if (SoInput* input = SoInput::fromReader(in)) {
    // In a scene file: NULL, a node, or a DEF'd node's USE.
    SoNode* node = nullptr;
    if (!input->readNode(node)) return false;
    if (node) node->ref();
    const bool ok = !wholeText || scenar::detail::expectEnd(in);
    if (ok) setValue(node);
    if (node) node->unref();
    return ok;
  }
  std::string word;
  if (!in.readWord(word)) return false;
  if (word != "NULL") {
    in.setError(scenar::quoteInput(word) + ": only NULL reads as a node outside a scene file");
    return false;
  }
  if (wholeText && !scenar::detail::expectEnd(in)) return false;
  setValue(nullptr);
  return true;
}

void SoSFNode::writeValue(std::string& out, SoWriteContext* context) const {
  if (!node_)
    out += "NULL";
  else if (context)
    context->writeNode(node_, out);
  else
    SoWriteAction::writeAlone(node_, out);
}

void SoSFNode::nodeChanged(SoNode*, SoField*) {
  if (SoFieldContainer* container = getContainer())
    if (isNotifyEnabled()) container->notify(this);
}

void SoSFNode::nodeDying(SoNode*) { node_ = nullptr; }
