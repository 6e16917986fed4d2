// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoWriteAction.h"

#include <algorithm>
#include <cstring>

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoNode.h"

namespace {

// The scene file's format: the toolkit's type names, and a node's own name
// when it is a valid DEF name.
class SceneFileFormat final : public SoFileFormat {
 public:
  bool writes(const SoNode*) const override { return true; }
  const char* getHeader() const override { return SoOutput::getHeader(); }
  std::string getTypeName(const SoNode* node) const override {
    return node->getTypeId().getName().getString();
  }
  std::string getNodeName(std::string_view own) const override {
    return SoInput::isValidDefName(own) ? std::string(own) : std::string();
  }
};

const SceneFileFormat sceneFileFormat;

std::uint64_t saturatingSum(std::uint64_t a, std::uint64_t b) {
  return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

std::vector<const SoFileFormat*>& addedFileFormats() {
  static std::vector<const SoFileFormat*> formats;
  return formats;
}

// The fields whose text holds nodes: the counting pass writes them alone, and
// lists of nodes are written after the other fields.
bool isNodeList(const SoField* field) { return std::strcmp(field->getTypeName(), "MFNode") == 0; }
bool holdsNodes(const SoField* field) {
  return isNodeList(field) || std::strcmp(field->getTypeName(), "SFNode") == 0;
}

// Stands for a list of nodes written on their own, so that one write shares
// DEF names among them.
class NodeList : public SoNode {
 public:
  explicit NodeList(const std::vector<SoNode*>& nodes) : nodes_(nodes) {}
  ~NodeList() override = default;
  void write(SoWriteAction* action) override {
    std::string text;
    action->writeNodeList(nodes_, text);
    action->getOutput()->write(text);
  }

 private:
  const std::vector<SoNode*>& nodes_;
};

}  // namespace

SO_ACTION_SOURCE(SoWriteAction, SoAction)

void SoWriteAction::initClass() {
  SO_ACTION_INIT_CLASS(SoWriteAction, SoAction, "WriteAction", callWrite);
}

void SoWriteAction::callWrite(SoAction* action, SoNode* node) {
  node->write(static_cast<SoWriteAction*>(action));
}

SoWriteAction::SoWriteAction()
    : ownOutput_(std::make_unique<SoOutput>()),
      output_(ownOutput_.get()),
      format_(&sceneFileFormat) {}

SoWriteAction::SoWriteAction(SoOutput* out) : output_(out), format_(&sceneFileFormat) {
  if (!output_) {
    ownOutput_ = std::make_unique<SoOutput>();
    output_ = ownOutput_.get();
  }
}

SoWriteAction::~SoWriteAction() = default;

void SoWriteAction::addFileFormat(const SoFileFormat* format) {
  std::vector<const SoFileFormat*>& formats = addedFileFormats();
  if (format && std::find(formats.begin(), formats.end(), format) == formats.end())
    formats.push_back(format);
}

const SoFileFormat* SoWriteAction::findFileFormat(const SoNode* root) {
  const std::vector<const SoFileFormat*>& formats = addedFileFormats();
  for (auto format = formats.rbegin(); format != formats.rend(); ++format)
    if ((*format)->writes(root)) return *format;
  return &sceneFileFormat;
}

bool SoWriteAction::writesSceneFile(const SoNode* root) {
  return findFileFormat(root) == &sceneFileFormat;
}

void SoWriteAction::beginTraversal(SoNode* node) {
  format_ = findFileFormat(node);
  nodes_.clear();
  ownNames_.clear();
  usedNames_.clear();
  nextNameNumber_ = 0;
  nextSuffixes_.clear();
  bodyHasLines_.clear();
  links_.clear();
  extent_ = Extent();
  extent_.sceneFile = format_ == &sceneFileFormat;
  countedBefore_.clear();

  const std::span<SoNode* const> nodes = topLevel_.empty() ? std::span(&node, 1) : topLevel_;
  const bool wasDiscarding = output_->isDiscarding();
  counting_ = true;
  output_->setDiscard(true);
  for (SoNode* top : nodes) traverse(top);
  output_->setDiscard(wasDiscarding);
  counting_ = false;
  bodyHasLines_.clear();
  if (measureOnly_) return;
  keepLinksInGraph();

  setTerminated(false);
  for (SoNode* top : nodes) {
    output_->beginTopLevelNode(format_->getHeader());
    output_->indent();
    traverse(top);
    output_->write('\n');
  }
  writeLinks();
}

void SoWriteAction::applyToTopLevel(std::span<SoNode* const> nodes) {
  if (nodes.empty()) return;
  topLevel_ = nodes;
  apply(nodes.front());
  topLevel_ = {};
}

SoWriteAction::Extent SoWriteAction::measure(SoNode* node) { return measure(std::span(&node, 1)); }

SoWriteAction::Extent SoWriteAction::measure(std::span<SoNode* const> nodes) {
  SoWriteAction action;
  action.measureOnly_ = true;
  action.applyToTopLevel(nodes);
  return action.extent_;
}

std::string SoWriteAction::fileNameOf(const SoNode* node) const {
  return format_->getNodeName(node->getName().getString());
}

std::string SoWriteAction::chooseName(const SoNode* node, const NodeInfo& info) {
  const std::string own = fileNameOf(node);
  if (!own.empty() && !usedNames_.count(own)) return own;
  if (format_->keepsTakenNames() && !own.empty()) {
    int& suffix = nextSuffixes_.try_emplace(own, 2).first->second;
    return freeName(own + '_', suffix);
  }
  if (info.count < 2 && !info.linked) return std::string();
  return freeName("_", nextNameNumber_);
}

std::string SoWriteAction::freeName(const std::string& prefix, int& number) const {
  std::string made;
  do made = prefix + std::to_string(number++);
  while (usedNames_.count(made) || ownNames_.count(made));
  return made;
}

SbBool SoWriteAction::beginNode(SoNode* node) {
  NodeInfo& info = nodes_[node];
  if (counting_) {
    if (++info.count > 1) {  // written as USE
      extent_.expansion = saturatingSum(extent_.expansion, info.expansion);
      return FALSE;
    }
    countedBefore_.push_back(extent_.expansion);
    extent_.expansion = saturatingSum(extent_.expansion, 1);
    extent_.depth = std::max(extent_.depth, static_cast<int>(countedBefore_.size()));
    const std::string own = fileNameOf(node);
    if (!own.empty()) ownNames_.insert(own);
    format_->getLinks(node, links_);
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
    output_->write(format_->getTypeName(node));
    output_->write(" {");
  }
  bodyHasLines_.push_back(false);
  output_->incrementIndent();
  return TRUE;
}

void SoWriteAction::writeFields(SoNode* node) {
  const SoFieldData* data = node->getFieldData();
  const int count = data ? data->getNumFields() : 0;
  for (const bool lists : {false, true}) {
    for (int i = 0; i < count; ++i) {
      const SoField* field = data->getField(node, i);
      if (field->isDefault() || isNodeList(field) != lists) continue;
      std::string value;
      if (counting_) {
        // Only fields holding nodes lead to nodes to count.
        if (holdsNodes(field)) field->write(value, *this);
        continue;
      }
      startBodyLine();
      output_->write(data->getFieldName(i).getString());
      output_->write(' ');
      field->write(value, *this);
      output_->write(value);
    }
  }
}

void SoWriteAction::startBodyLine() {
  if (!bodyHasLines_.empty()) bodyHasLines_.back() = true;
  output_->write('\n');
  output_->indent();
}

void SoWriteAction::endNode(SoNode* node) {
  if (counting_ && !countedBefore_.empty()) {
    nodes_[node].expansion = extent_.expansion - countedBefore_.back();
    countedBefore_.pop_back();
  }
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

void SoWriteAction::writeNode(SoNode* node, std::string& out) {
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

void SoWriteAction::writeNodeList(const std::vector<SoNode*>& nodes, std::string& out) {
  if (counting_) {
    for (SoNode* node : nodes) traverse(node);
    return;
  }
  std::string* previous = output_->capture(&out);
  output_->write('[');
  if (!nodes.empty()) {
    output_->incrementIndent();
    for (SoNode* node : nodes) {
      output_->write('\n');
      output_->indent();
      traverse(node);
    }
    output_->decrementIndent();
    output_->write('\n');
    output_->indent();
  }
  output_->write(']');
  output_->capture(previous);
}

void SoWriteAction::writeAlone(SoNode* node, std::string& out) {
  if (!node) {
    out += "NULL";
    return;
  }
  SoOutput output;
  output.setHeaderEnabled(FALSE);
  SoWriteAction action(&output);
  action.apply(node);
  std::string text = output.getBuffer();
  while (!text.empty() && text.back() == '\n') text.pop_back();
  out += text;
}

void SoWriteAction::writeAlone(const std::vector<SoNode*>& nodes, std::string& out) {
  NodeList list(nodes);
  writeAlone(&list, out);
}

void SoWriteAction::keepLinksInGraph() {
  std::erase_if(links_,
                [this](const SoFileFormat::Link& link) { return !nodes_.count(link.from); });
  for (const SoFileFormat::Link& link : links_)
    nodes_[link.from].linked = nodes_[link.to].linked = true;
}

void SoWriteAction::writeLinks() {
  bool first = true;
  for (const SoFileFormat::Link& link : links_) {
    const NodeInfo& from = nodes_[link.from];
    const NodeInfo& to = nodes_[link.to];
    // Both ends are named, unless the traversal changed between the passes.
    if (from.name.empty() || to.name.empty()) continue;
    if (first) output_->write('\n');
    first = false;
    output_->write(format_->getLinkStatement(link, from.name, to.name));
    output_->write('\n');
  }
}
