// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/FieldValue.h"

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodes/SoNode.h"
#include "plivexwin/TextParsing.h"

namespace plivexwin::cli {

namespace {

std::string quote(std::string_view text) { return "'" + std::string(text) + "'"; }

// Replaces line breaks so that a message stays on one line.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

bool setNodeField(SoNode& node, std::string_view name, std::string_view value, std::string& error) {
  const SoFieldData* fields = node.getFieldData();
  const std::string wanted(name);
  SoField* field = nullptr;
  for (int i = 0; fields && i < fields->getNumFields() && !field; ++i)
    if (fields->getFieldName(i) == wanted.c_str()) field = fields->getField(&node, i);
  if (!field) {
    error = "the node has no field " + quote(name);
    return false;
  }
  const std::string text(trimBlanks(value));
  if (text.empty()) {
    error = "missing value for field " + quote(name);
    return false;
  }
  SbString reason;
  if (!field->set(text.c_str(), &reason)) {
    error = "bad value for field " + quote(name);
    if (!reason.isEmpty()) error += ": " + oneLine(reason.str());
    return false;
  }
  return true;
}

}  // namespace plivexwin::cli
