// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/fields/SoFieldContainer.h"

class SoAction;
class SoCallbackAction;
class SoGLRenderAction;
class SoGetBoundingBoxAction;
class SoGetMatrixAction;
class SoHandleEventAction;
class SoInput;
class SoNode;
class SoPickAction;
class SoRayPickAction;
class SoSearchAction;
class SoWriteAction;

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
  // A plain node has no outputs; see SO_NODE_OUTPUT_HEADER.
  static const SoFieldData* getClassOutputData() { return nullptr; }

  // Each takes constant time however many auditors the node has.
  void addAuditor(SoNodeAuditor* auditor);
  void removeAuditor(SoNodeAuditor* auditor);
  int getNumAuditors() const { return numAuditors_; }

  // Tells every auditor that field changed.
  void notify(SoField* field) override;
  // Tells every auditor the node changed in a way no field shows.
  void touch() { notify(nullptr); }

  // What the node does when an action traverses it. Each action's method list
  // calls the virtual of its kind; by default they all do what doAction does,
  // and doAction does nothing. Groups traverse their children in doAction.
  virtual void doAction(SoAction* action);
  virtual void callback(SoCallbackAction* action);
  virtual void GLRender(SoGLRenderAction* action);
  virtual void getBoundingBox(SoGetBoundingBoxAction* action);
  virtual void getMatrix(SoGetMatrixAction* action);
  virtual void handleEvent(SoHandleEventAction* action);
  virtual void pick(SoPickAction* action);
  virtual void rayPick(SoRayPickAction* action);
  virtual void search(SoSearchAction* action);
  virtual void write(SoWriteAction* action);

  // The node's children in order, which a path goes down by index; nullptr
  // for a node that has none of its own (groups have).
  virtual const std::vector<SoNode*>* getChildren() const { return nullptr; }

  // Reads the node's body from a scene file, after its type name and opening
  // brace up to and without the closing brace: by default its fields by name.
  // FALSE on an error, which in then tells.
  virtual SbBool readInstance(SoInput* in, unsigned short flags);

 protected:
  SoNode() = default;
  SoNode(const SoNode& other) : SoFieldContainer(other) {}
  SoNode& operator=(const SoNode&) { return *this; }
  ~SoNode() override;

 private:
  struct AuditorIndex;
  bool hasAuditor(const SoNodeAuditor* auditor) const;
  // Closes the holes removals left and renumbers the index.
  void compactAuditors();

  // The auditors in the order they came. In a long list a removed auditor
  // leaves a hole (nullptr), closed once holes outnumber the auditors, and an
  // index tells where each auditor stands.
  std::vector<SoNodeAuditor*> auditors_;
  AuditorIndex* auditorIndex_ = nullptr;  // owned; from kIndexedAuditors on
  int numAuditors_ = 0;
  static SoType classTypeId_;
};
