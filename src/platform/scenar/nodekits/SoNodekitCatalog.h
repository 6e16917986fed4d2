// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbName.h"
#include "platform/scenar/basic/SoType.h"

// The description of the parts of one node-kit class, shared by its instances.
// Entry 0 is the kit itself, named "this"; every other entry is a part with a
// type, the type made when the part is made (its default type), a parent entry
// (the kit or a group part) and a right sibling among the parent's children,
// which fixes the order of the parts inside their parent. A subclass starts from
// a clone of its parent class's catalog and appends its own entries, so the
// part numbers of the parent class stay valid in the subclass.
class SoNodekitCatalog {
 public:
  // A catalog holding only the "this" entry, of type kitType.
  explicit SoNodekitCatalog(SoType kitType);

  // A new catalog with the same entries for the kit class typeId.
  SoNodekitCatalog* clone(SoType typeId) const;
  SoType getKitType() const { return kitType_; }

  // Appends a part. It goes among parentName's children just before
  // rightSiblingName, or last when rightSiblingName is empty. Refused (FALSE, and
  // the reason posted through SoBaseKit::catalogError) for an empty, dotted or
  // known name, a type that is not a node type, a default type not derived from
  // type or not instantiable, a parent that is not in the catalog or not a group,
  // a right sibling that is not a child of the parent, or a list part without a
  // group container or an item type. A refused entry leaves the catalog as it was.
  SbBool addEntry(const SbName& name, SoType type, SoType defaultType, SbBool nullByDefault,
                  const SbName& parentName, const SbName& rightSiblingName, SbBool isList,
                  SoType listContainerType, SoType listItemType, SbBool isPublic);

  int getNumEntries() const { return static_cast<int>(entries_.size()); }
  // -1 when no entry has that name.
  int getPartNumber(const SbName& name) const;

  // Out-of-range part numbers give an empty name, the bad type, -1 or FALSE.
  const SbName& getName(int partNumber) const;
  SoType getType(int partNumber) const;
  SoType getType(const SbName& name) const { return getType(getPartNumber(name)); }
  SoType getDefaultType(int partNumber) const;
  SoType getDefaultType(const SbName& name) const { return getDefaultType(getPartNumber(name)); }
  SbBool isNullByDefault(int partNumber) const;
  SbBool isNullByDefault(const SbName& name) const { return isNullByDefault(getPartNumber(name)); }
  // Empty for "this".
  const SbName& getParentName(int partNumber) const;
  const SbName& getParentName(const SbName& name) const {
    return getParentName(getPartNumber(name));
  }
  int getParentPartNumber(int partNumber) const;
  int getParentPartNumber(const SbName& name) const {
    return getParentPartNumber(getPartNumber(name));
  }
  // Empty for the last child of a parent.
  const SbName& getRightSiblingName(int partNumber) const;
  const SbName& getRightSiblingName(const SbName& name) const {
    return getRightSiblingName(getPartNumber(name));
  }
  int getRightSiblingPartNumber(int partNumber) const;
  SbBool isList(int partNumber) const;
  SoType getListContainerType(int partNumber) const;
  SoType getListItemType(int partNumber) const;
  SbBool isPublic(int partNumber) const;
  SbBool isPublic(const SbName& name) const { return isPublic(getPartNumber(name)); }

  // The parts whose parent is parentPartNumber, in sibling order.
  std::vector<int> getChildPartNumbers(int parentPartNumber) const;
  // Whether no part has partNumber as its parent.
  SbBool isLeaf(int partNumber) const;

 private:
  struct Entry {
    SbName name;
    SoType type;
    SoType defaultType;
    SbBool nullByDefault = FALSE;
    SbName parentName;
    SbName rightSiblingName;
    SbBool isList = FALSE;
    SoType listContainerType;
    SoType listItemType;
    SbBool isPublic = FALSE;
  };

  const Entry* entry(int partNumber) const;
  // Why the entry cannot be added; empty when it can.
  SbString refusal(const Entry& candidate) const;

  SoType kitType_;
  std::vector<Entry> entries_;
};
