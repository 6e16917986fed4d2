// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "platform/scenar/basic/SbThreadMutex.h"
#include "platform/scenar/nodekits/SoNodekitCatalog.h"
#include "platform/scenar/nodes/SoSFNode.h"
#include "platform/scenar/nodes/SoSubNode.h"

// A node whose children are parts described by its class's catalog. Each part
// lives in a part field, an SFNode field named after the part, so parts read and
// write like fields. The kit keeps its parts linked into place: a top-level part
// (parent "this") among the kit's own children, any other part among the
// children of its parent part, a group, in the catalog's sibling order. Actions
// traverse the kit's own children in order, like a group without a separator:
// what the parts put into the state stays in force after the kit.
//
// Part names may be dotted: "inner.camera" is the part "camera" of the kit held
// in the part "inner". Whatever sets a part field (setPart, reading, copying,
// the field's own setValue) relinks the part. A part that is a list in the
// catalog is held and linked like any other part.
class SoBaseKit : public SoNode {
 public:
  using inherited = SoNode;
  static SoType getClassTypeId() { return classTypeId; }
  SoType getTypeId() const override { return classTypeId; }
  static const SoFieldData* getClassFieldData() { return fieldData; }
  const SoFieldData* getFieldData() const override { return fieldData; }
  static const SoNodekitCatalog* getClassNodekitCatalog() { return nodekitCatalog; }
  virtual const SoNodekitCatalog* getNodekitCatalog() const { return nodekitCatalog; }
  // TRUE for the base kit; classes of the kit pattern (SoSubKit.h) give their isBuiltIn.
  virtual SbBool getIsBuiltIn() const { return TRUE; }
  static void initClass();
  // Unregisters the class; call it only when no kit is alive.
  static void exitClass();

  // The part of the base kit: a separator, made only when asked for.
  SoSFNode callbackList;

  SoBaseKit();

  // The part named partName, made (with its parent parts) when it does not
  // exist and makeIfNeeded is set; nullptr when it does not exist or the name
  // is unknown.
  SoNode* getPart(const SbName& partName, SbBool makeIfNeeded);
  // Puts node into the part (nullptr removes the part and the parts below it),
  // making the parent parts when needed. The previous node is released. FALSE,
  // with nothing changed, for an unknown name or a node not of the part's type.
  SbBool setPart(const SbName& partName, SoNode* node);

  // Gets (making it) the part and sets its fields from "name value ...": FALSE,
  // with the reason posted to SoDebugError, when the part or a field fails.
  SbBool set(const char* partName, const char* parameters);
  using SoFieldContainer::set;

  // Turns what ties the parts together on or off; returns the previous state.
  // Nothing is done when the state is onOff already, unless doItAlways. The base
  // kit only records the state: subclasses do their work and call it.
  virtual SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE);
  SbBool connectionsSetUp() const { return connectionsSetUp_; }

  // Marks the part fields that need not be written as holding their default.
  virtual void setDefaultOnNonWritingFields();

  // The kit's own children: the top-level parts that exist, in sibling order.
  int getNumKitChildren() const { return static_cast<int>(children_.size()); }
  SoNode* getKitChild(int index) const;

  void doAction(SoAction* action) override;
  // Searching does not look inside kits; the kit itself may still be found.
  void search(SoSearchAction* action) override;
  // Marks the parts that are not to be written as default first, then writes.
  void write(SoWriteAction* action) override;
  // Reads the fields by name, then links every part read into place and sets
  // up the connections. FALSE also when a part field holds a node of a type
  // the part cannot hold (the part is then left as it was).
  SbBool readInstance(SoInput* in, unsigned short flags) override;

  // Part fields relink their part when they change.
  void notify(SoField* field) override;

  // Posts "<kit>: catalog refused part '<part>': <reason>" to SoDebugError.
  static void catalogError(const char* kitTypeName, const char* partName, const char* reason);

 protected:
  // A copy holds the same part nodes as other, linked into its own place.
  SoBaseKit(const SoBaseKit& other);
  SoBaseKit& operator=(const SoBaseKit&) = delete;
  ~SoBaseKit() override;

  // The address of the class's catalog pointer, for subclasses that clone it.
  static const SoNodekitCatalog** getClassNodekitCatalogPtr() { return &nodekitCatalog; }
  static SoFieldData** getFieldDataPtr() { return &fieldData; }

  // Records field under name in data (when firstInstance) and gives the field
  // this kit as container, holding its default (no node).
  void addPartField(SoFieldData* data, const char* name, SoSFNode* field, bool firstInstance);
  // Finds the part fields of the kit's catalog; call it after the entries are
  // added, in every constructor of a kit class.
  void createNodekitPartsList();
  // Makes every part that is not null by default and does not exist yet.
  void createDefaultParts();
  // Copies the field values of from and links the parts they hold; subclass
  // copy constructors call it after their own set-up.
  void copyContents(const SoBaseKit* from);

 private:
  static SoType classTypeId;
  static SoFieldData* fieldData;
  static const SoNodekitCatalog* nodekitCatalog;
  static SbThreadMutex classMutex;

  void setUpBaseKit();
  // The part number of a part field, -1 for other fields.
  int partNumberOf(const SoField* field) const;
  SoSFNode* partField(int partNumber) const;
  // Makes the part from its default type, with its parents; nullptr if it cannot.
  SoNode* makePart(int partNumber);
  // Puts node (already checked) into the part field and links it.
  void setPartNode(int partNumber, SoNode* node);
  // Brings the linked node of the part in line with its field; false when the
  // field holds a node of a type the part cannot hold, which is then undone and
  // told in reason, or posted to SoDebugError without one.
  bool syncPart(int partNumber, std::string* reason = nullptr);
  bool syncEveryPart(std::string* reason = nullptr);
  void unlink(int partNumber);
  void link(int partNumber, SoNode* node);
  // The place a part's node is linked into: the kit's children or a group part.
  int containerFind(int parentPartNumber, const SoNode* node) const;
  void containerInsert(int parentPartNumber, SoNode* node, int index);
  void containerRemove(int parentPartNumber, SoNode* node);
  int containerSize(int parentPartNumber) const;

  std::vector<SoSFNode*> partFields_;  // by part number; nullptr for "this"
  std::vector<SoNode*> linked_;        // by part number: the node linked into place, referenced
  std::vector<SoNode*> children_;      // the top-level parts, referenced
  SbBool connectionsSetUp_ = FALSE;
  int syncDepth_ = 0;  // while the kit relinks, part field changes are its own
};
