// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/nodes/SoNode.h"

// A field holding one node, or none, with one reference on it. A change of the
// node counts as a change of the field.
class SoSFNode : public SoField, private SoNodeAuditor {
 public:
  SoSFNode() = default;
  ~SoSFNode() override;

  SoNode* getValue() const { return node_; }
  void setValue(SoNode* node);
  SoNode* operator=(SoNode* node) {
    setValue(node);
    return node_;
  }

  const char* getTypeName() const override { return "SFNode"; }
  SbBool isSame(const SoField& other) const override;
  void copyFrom(const SoField& other) override;
  // In a scene file the value is NULL or a node; outside a file only NULL reads.
  bool read(scenar::TextReader& in, bool wholeText = false) override;

 protected:
  void writeValue(std::string& out, SoWriteContext* context) const override;

 private:
  void nodeChanged(SoNode* node, SoField* field) override;
  void nodeDying(SoNode* node) override;

  SoNode* node_ = nullptr;
};
