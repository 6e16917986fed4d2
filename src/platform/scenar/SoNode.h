#pragma once

#include <vector>

#include "platform/scenar/SoFieldContainer.h"

class SoNode;

// Something that wants to hear of a node's changes: node sensors, and parents
// that pass the change on upward.
class SoNodeAuditor {
 public:
  virtual ~SoNodeAuditor() = default;
  // node changed; field is the changed field, or nullptr for other changes.
  virtual void nodeChanged(SoNode* node, SoField* field) = 0;
  // node is being deleted; the auditor must forget it.
  virtual void nodeDying(SoNode* node) = 0;
};

// The base of every scene-graph node.
class SoNode : public SoFieldContainer {
 public:
  static SoType getClassTypeId() { return classTypeId_; }
  SoType getTypeId() const override { return classTypeId_; }
  static void initClass();
  static const SoFieldData* getClassFieldData();
  const SoFieldData* getFieldData() const override { return getClassFieldData(); }

  void addAuditor(SoNodeAuditor* auditor);
  void removeAuditor(SoNodeAuditor* auditor);
  int getNumAuditors() const { return static_cast<int>(auditors_.size()); }

  // Tells every auditor that field changed.
  void notify(SoField* field) override;
  // Tells every auditor the node changed in a way no field shows.
  void touch() { notify(nullptr); }

 protected:
  SoNode() = default;
  SoNode(const SoNode& other) : SoFieldContainer(other) {}
  SoNode& operator=(const SoNode&) { return *this; }
  ~SoNode() override;

 private:
  std::vector<SoNodeAuditor*> auditors_;
  static SoType classTypeId_;
};
