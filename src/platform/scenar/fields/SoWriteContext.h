// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

class SoNode;

// The write a field's text is part of, handed to SoField::write by the write
// under way (SoWriteAction). A field that holds nodes writes them through it:
// the write knows the nodes it has met, so that a node met before is written
// as "USE name", and nests what it writes at its own indentation. It names
// nodes by declaration alone: the fields holding nodes (SoSFNode, SoMFNode)
// and the write lie in layers above the fields.
class SoWriteContext {
 public:
  // Writes node into out as a field value: NULL for nullptr, "USE name" for a
  // node written before, else the node in full.
  virtual void writeNode(SoNode* node, std::string& out) = 0;
  // Writes nodes into out as a list value: "[", a line per node, "]".
  virtual void writeNodeList(const std::vector<SoNode*>& nodes, std::string& out) = 0;

 protected:
  SoWriteContext() = default;
  SoWriteContext(const SoWriteContext&) = default;
  SoWriteContext& operator=(const SoWriteContext&) = default;
  ~SoWriteContext() = default;
};
