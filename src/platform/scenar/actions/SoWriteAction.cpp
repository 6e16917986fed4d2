#include "platform/scenar/actions/SoWriteAction.h"

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/fields/SoSFNode.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoNode.h"

namespace {
thread_local SoWriteAction* currentAction = nullptr;
}

SO_ACTION_SOURCE(SoWriteAction, SoAction)

void SoWriteAction::initClass() {
  SO_ACTION_INIT_CLASS(SoWriteAction, SoAction, "WriteAction", writeNode);
}

void SoWriteAction::writeNode(SoAction* action, SoNode* node) {
  node->write(static_cast<SoWriteAction*>(action));
}

SoWriteAction::SoWriteAction()
    : ownOutput_(std::make_unique<SoOutput>()), output_(ownOutput_.get()) {}

SoWriteAction::SoWriteAction(SoOutput* out) : output_(out) {
  if (!output_) {
    ownOutput_ = std::make_unique<SoOutput>();
    output_ = ownOutput_.get();
  }
}

SoWriteAction::~SoWriteAction() = default;

SoWriteAction* SoWriteAction::getCurrent() { return currentAction; }

const std::vector<int>& SoWriteAction::getEnabledElements() const {
  static const std::vector<int> none;
  return none;
}

void SoWriteAction::beginTraversal(SoNode* node) {
  SoWriteAction* previous = currentAction;
  currentAction = this;
  nodes_.clear();
  ownNames_.clear();
  usedNames_.clear();
  nextNameNumber_ = 0;
  bodyHasLines_.clear();

  const bool wasDiscarding = output_->isDiscarding();
  counting_ = true;
  output_->setDiscard(true);
  traverse(node);
  output_->setDiscard(wasDiscarding);
  counting_ = false;
  bodyHasLines_.clear();

  setTerminated(false);
  output_->beginTopLevelNode();
  output_->indent();
  traverse(node);
  output_->write('\n');
  currentAction = previous;
}

std::string SoWriteAction::chooseName(const SoNode* node, const NodeInfo& info) {
  const std::string own = node->getName().getString();
  if (SoInput::isValidDefName(own) && !usedNames_.count(own)) return own;
  if (info.count < 2) return std::string();
  std::string made;
  do made = std::string(1, '_').append(std::to_string(nextNameNumber_++));
  while (usedNames_.count(made) || ownNames_.count(made));
  return made;
}

SbBool SoWriteAction::beginNode(SoNode* node) {
  NodeInfo& info = nodes_[node];
  if (counting_) {
    if (++info.count > 1) return FALSE;
    const std::string own = node->getName().getString();
    if (SoInput::isValidDefName(own)) ownNames_.insert(own);
  } else {
    if (info.written && !info.name.empty()) {
      output_->write("USE ");
      output_->write(info.name);
      return FALSE;
    }
    // A node met more often than counted (a traversal that changed between
    // the passes) has no name to USE: it is written again in full.
    if (!info.written) {
      info.written = true;
      info.name = chooseName(node, info);
      if (!info.name.empty()) {
        usedNames_.insert(info.name);
        output_->write("DEF ");
        output_->write(info.name);
        output_->write(' ');
      }
    }
    output_->write(node->getTypeId().getName().getString());
    output_->write(" {");
  }
  bodyHasLines_.push_back(false);
  output_->incrementIndent();
  return TRUE;
}

void SoWriteAction::writeFields(SoNode* node) {
  const SoFieldData* data = node->getFieldData();
  for (int i = 0; data && i < data->getNumFields(); ++i) {
    const SoField* field = data->getField(node, i);
    if (field->isDefault()) continue;
    std::string value;
    if (counting_) {
      // Only node-valued fields lead to nodes to count.
      if (dynamic_cast<const SoSFNode*>(field)) field->write(value);
      continue;
    }
    startBodyLine();
    output_->write(data->getFieldName(i).getString());
    output_->write(' ');
    field->write(value);
    output_->write(value);
  }
}

void SoWriteAction::startBodyLine() {
  if (!bodyHasLines_.empty()) bodyHasLines_.back() = true;
  output_->write('\n');
  output_->indent();
}

void SoWriteAction::endNode(SoNode*) {
  bool hadLines = false;
  if (!bodyHasLines_.empty()) {
    hadLines = bodyHasLines_.back();
    bodyHasLines_.pop_back();
  }
  output_->decrementIndent();
  if (hadLines) {
    output_->write('\n');
    output_->indent();
    output_->write('}');
  } else {
    output_->write(" }");
  }
}

void SoWriteAction::writeNodeValue(SoNode* node, std::string& out) {
  if (!node) {
    out += "NULL";
    return;
  }
  if (counting_) {
    traverse(node);
    return;
  }
  std::string* previous = output_->capture(&out);
  traverse(node);
  output_->capture(previous);
}
