#include "platform/scenar/actions/SoWriteAction.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/fields/SoMFNode.h"
#include "platform/scenar/fields/SoSFNode.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

namespace {

thread_local SoWriteAction* currentAction = nullptr;

// The words VRML97 files reserve, and those of the later format that readers
// of both reserve too: none of them can be a DEF name.
bool isVRMLKeyword(std::string_view word) {
  static constexpr std::array<std::string_view, 26> keywords = {
      "AS",          "COMPONENT", "CONNECT",      "DEF",   "EXPORT",         "EXTERNPROTO",
      "FALSE",       "IMPORT",    "IS",           "META",  "NULL",           "PROFILE",
      "PROTO",       "ROUTE",     "TO",           "TRUE",  "UNIT",           "USE",
      "eventIn",     "eventOut",  "exposedField", "field", "initializeOnly", "inputOnly",
      "inputOutput", "outputOnly"};
  return std::find(keywords.begin(), keywords.end(), word) != keywords.end();
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiIdentChar(char c) {
  return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// name as a VRML97 name; empty for an empty name.
std::string vrmlNameOf(std::string_view name) {
  std::string made;
  made.reserve(name.size() + 1);
  for (char c : name) made += isAsciiIdentChar(c) ? c : '_';
  if (!made.empty() && (isAsciiDigit(made[0]) || isVRMLKeyword(made))) made.insert(0, 1, '_');
  return made;
}

bool holdsNodes(const SoField* field) {
  return dynamic_cast<const SoSFNode*>(field) || dynamic_cast<const SoMFNode*>(field);
}

// Stands for a list of nodes written on their own, so that one write shares
// DEF names among them.
class NodeList : public SoNode {
 public:
  explicit NodeList(const std::vector<SoNode*>& nodes) : nodes_(nodes) {}
  ~NodeList() override = default;
  void write(SoWriteAction* action) override {
    std::string text;
    action->writeNodeListValue(nodes_, text);
    action->getOutput()->write(text);
  }

 private:
  const std::vector<SoNode*>& nodes_;
};

}  // namespace

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

void SoWriteAction::beginTraversal(SoNode* node) {
  SoWriteAction* previous = currentAction;
  currentAction = this;
  nodes_.clear();
  ownNames_.clear();
  usedNames_.clear();
  nextNameNumber_ = 0;
  nextSuffixes_.clear();
  bodyHasLines_.clear();
  routes_.clear();
  vrml2_ = node->isOfType(SoVRMLNode::getClassTypeId());

  const bool wasDiscarding = output_->isDiscarding();
  counting_ = true;
  output_->setDiscard(true);
  traverse(node);
  output_->setDiscard(wasDiscarding);
  counting_ = false;
  bodyHasLines_.clear();
  keepRoutesInGraph();

  setTerminated(false);
  output_->beginTopLevelNode(vrml2_ ? SoOutput::getVRML2Header() : SoOutput::getHeader());
  output_->indent();
  traverse(node);
  output_->write('\n');
  writeRoutes();
  currentAction = previous;
}

std::string SoWriteAction::fileNameOf(const SoNode* node) const {
  const std::string own = node->getName().getString();
  if (vrml2_) return vrmlNameOf(own);
  return SoInput::isValidDefName(own) ? own : std::string();
}

std::string SoWriteAction::chooseName(const SoNode* node, const NodeInfo& info) {
  const std::string own = fileNameOf(node);
  if (!own.empty() && !usedNames_.count(own)) return own;
  if (vrml2_ && !own.empty()) {
    int& suffix = nextSuffixes_.try_emplace(own, 2).first->second;
    return freeName(own + '_', suffix);
  }
  if (info.count < 2 && !info.routed) return std::string();
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
    if (++info.count > 1) return FALSE;
    const std::string own = fileNameOf(node);
    if (!own.empty()) ownNames_.insert(own);
    if (vrml2_) collectRoutes(node);
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
    const auto* vrmlNode = vrml2_ ? dynamic_cast<const SoVRMLNode*>(node) : nullptr;
    output_->write(vrmlNode ? vrmlNode->getFileTypeName()
                            : node->getTypeId().getName().getString());
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
      if (field->isDefault() || (dynamic_cast<const SoMFNode*>(field) != nullptr) != lists)
        continue;
      std::string value;
      if (counting_) {
        // Only node-valued fields lead to nodes to count.
        if (holdsNodes(field)) field->write(value);
        continue;
      }
      startBodyLine();
      output_->write(data->getFieldName(i).getString());
      output_->write(' ');
      field->write(value);
      output_->write(value);
    }
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

void SoWriteAction::writeNodeListValue(const std::vector<SoNode*>& nodes, std::string& out) {
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
  SoOutput output;
  output.setHeaderEnabled(FALSE);
  SoWriteAction action(&output);
  action.apply(node);
  std::string text = output.getBuffer();
  while (!text.empty() && text.back() == '\n') text.pop_back();
  out += text;
}

void SoWriteAction::writeFieldValue(SoNode* node, std::string& out) {
  if (!node) {
    out += "NULL";
  } else if (currentAction) {
    currentAction->writeNodeValue(node, out);
  } else {
    writeAlone(node, out);
  }
}

void SoWriteAction::writeFieldValue(const std::vector<SoNode*>& nodes, std::string& out) {
  if (currentAction) {
    currentAction->writeNodeListValue(nodes, out);
    return;
  }
  NodeList list(nodes);
  writeAlone(&list, out);
}

void SoWriteAction::collectRoutes(const SoNode* node) {
  const auto* to = dynamic_cast<const SoVRMLNode*>(node);
  const SoFieldData* data = node->getFieldData();
  for (int i = 0; to && data && i < data->getNumFields(); ++i) {
    const SoField* field = data->getField(node, i);
    const SoField* source = field->getConnectedField();
    const auto* from = source ? dynamic_cast<const SoVRMLNode*>(source->getContainer()) : nullptr;
    SbName fromEvent, toEvent;
    if (from && from->getEventOutName(source, fromEvent) && to->getEventInName(field, toEvent))
      routes_.push_back({from, fromEvent.getString(), to, toEvent.getString()});
  }
}

void SoWriteAction::keepRoutesInGraph() {
  std::erase_if(routes_, [this](const Route& route) { return !nodes_.count(route.from); });
  for (const Route& route : routes_) nodes_[route.from].routed = nodes_[route.to].routed = true;
}

void SoWriteAction::writeRoutes() {
  bool first = true;
  for (const Route& route : routes_) {
    const NodeInfo& from = nodes_[route.from];
    const NodeInfo& to = nodes_[route.to];
    // Both ends are named, unless the traversal changed between the passes.
    if (from.name.empty() || to.name.empty()) continue;
    output_->write(first ? "\nROUTE " : "ROUTE ");
    first = false;
    output_->write(from.name + '.' + route.fromEvent + " TO " + to.name + '.' + route.toEvent);
    output_->write('\n');
  }
}
