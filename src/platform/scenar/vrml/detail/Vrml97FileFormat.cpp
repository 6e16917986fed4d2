// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/detail/Vrml97FileFormat.h"

#include <algorithm>
#include <array>

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/files/SoFileFormat.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

namespace {

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

class Vrml97FileFormat final : public SoFileFormat {
 public:
  bool writes(const SoNode* root) const override {
    return root && root->isOfType(SoVRMLNode::getClassTypeId());
  }
  const char* getHeader() const override { return "#VRML V2.0 utf8"; }
  std::string getTypeName(const SoNode* node) const override {
    // A node of the toolkit's classes inside the graph keeps its own type name.
    const auto* vrmlNode = dynamic_cast<const SoVRMLNode*>(node);
    return vrmlNode ? vrmlNode->getFileTypeName() : node->getTypeId().getName().getString();
  }
  std::string getNodeName(std::string_view own) const override {
    std::string made;
    made.reserve(own.size() + 1);
    for (char c : own) made += isAsciiIdentChar(c) ? c : '_';
    if (!made.empty() && (isAsciiDigit(made[0]) || isVRMLKeyword(made))) made.insert(0, 1, '_');
    return made;
  }
  bool keepsTakenNames() const override { return true; }
  void getLinks(const SoNode* node, std::vector<Link>& links) const override {
    const auto* to = dynamic_cast<const SoVRMLNode*>(node);
    const SoFieldData* data = to ? node->getFieldData() : nullptr;
    for (int i = 0; data && i < data->getNumFields(); ++i) {
      const SoField* field = data->getField(node, i);
      const SoField* source = field->getConnectedField();
      const auto* from = source ? dynamic_cast<const SoVRMLNode*>(source->getContainer()) : nullptr;
      SbName fromEvent, toEvent;
      if (from && from->getEventOutName(source, fromEvent) && to->getEventInName(field, toEvent))
        links.push_back({from, fromEvent.getString(), to, toEvent.getString()});
    }
  }
  std::string getLinkStatement(const Link& link, const std::string& from,
                               const std::string& to) const override {
    return "ROUTE " + from + '.' + link.fromEnd + " TO " + to + '.' + link.toEnd;
  }
};

}  // namespace

namespace scenar::detail {

const SoFileFormat& vrml97FileFormat() {
  static const Vrml97FileFormat format;
  return format;
}

}  // namespace scenar::detail
