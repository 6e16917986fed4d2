// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodekits/SoNodekitCatalog.h"

#include <cstring>
#include <string>

#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoNode.h"

namespace {

const SbName& emptyName() {
  static const SbName empty("");
  return empty;
}

std::string quoted(const SbName& name) { return std::string("'") + name.getString() + "'"; }

std::string typeText(SoType type) {
  return type.isBad() ? std::string("a bad type") : quoted(type.getName());
}

}  // namespace

SoNodekitCatalog::SoNodekitCatalog(SoType kitType) : kitType_(kitType) {
  Entry root;
  root.name = "this";
  root.type = kitType;
  root.defaultType = kitType;
  entries_.push_back(root);
}

SoNodekitCatalog* SoNodekitCatalog::clone(SoType typeId) const {
  auto* copy = new SoNodekitCatalog(*this);
  copy->kitType_ = typeId;
  copy->entries_[0].type = typeId;
  copy->entries_[0].defaultType = typeId;
  return copy;
}

const SoNodekitCatalog::Entry* SoNodekitCatalog::entry(int partNumber) const {
  if (partNumber < 0 || partNumber >= getNumEntries()) return nullptr;
  return &entries_[static_cast<std::size_t>(partNumber)];
}

int SoNodekitCatalog::getPartNumber(const SbName& name) const {
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].name == name) return static_cast<int>(i);
  return -1;
}

const SbName& SoNodekitCatalog::getName(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->name : emptyName();
}

SoType SoNodekitCatalog::getType(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->type : SoType::badType();
}

SoType SoNodekitCatalog::getDefaultType(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->defaultType : SoType::badType();
}

SbBool SoNodekitCatalog::isNullByDefault(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->nullByDefault : FALSE;
}

const SbName& SoNodekitCatalog::getParentName(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->parentName : emptyName();
}

int SoNodekitCatalog::getParentPartNumber(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e && partNumber != 0 ? getPartNumber(e->parentName) : -1;
}

const SbName& SoNodekitCatalog::getRightSiblingName(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->rightSiblingName : emptyName();
}

int SoNodekitCatalog::getRightSiblingPartNumber(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e && e->rightSiblingName.getLength() > 0 ? getPartNumber(e->rightSiblingName) : -1;
}

SbBool SoNodekitCatalog::isList(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->isList : FALSE;
}

SoType SoNodekitCatalog::getListContainerType(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->listContainerType : SoType::badType();
}

SoType SoNodekitCatalog::getListItemType(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->listItemType : SoType::badType();
}

SbBool SoNodekitCatalog::isPublic(int partNumber) const {
  const Entry* e = entry(partNumber);
  return e ? e->isPublic : FALSE;
}

std::vector<int> SoNodekitCatalog::getChildPartNumbers(int parentPartNumber) const {
  std::vector<int> children;
  const Entry* parent = entry(parentPartNumber);
  if (!parent) return children;
  // The first child is the one that is no sibling's right sibling; the chain
  // of right siblings gives the rest.
  int first = -1;
  for (int i = 1; i < getNumEntries() && first < 0; ++i) {
    if (!(entries_[static_cast<std::size_t>(i)].parentName == parent->name)) continue;
    bool isRightOfAnother = false;
    for (int j = 1; j < getNumEntries() && !isRightOfAnother; ++j)
      isRightOfAnother = j != i &&
                         entries_[static_cast<std::size_t>(j)].parentName == parent->name &&
                         entries_[static_cast<std::size_t>(j)].rightSiblingName ==
                             entries_[static_cast<std::size_t>(i)].name;
    if (!isRightOfAnother) first = i;
  }
  for (int i = first; i > 0 && static_cast<int>(children.size()) < getNumEntries();
       i = getRightSiblingPartNumber(i))
    children.push_back(i);
  return children;
}

SbBool SoNodekitCatalog::isLeaf(int partNumber) const {
  const Entry* e = entry(partNumber);
  if (!e) return FALSE;
  for (const Entry& other : entries_)
    if (other.parentName == e->name) return FALSE;
  return TRUE;
}

SbString SoNodekitCatalog::refusal(const Entry& candidate) const {
  const SoType nodeType = SoNode::getClassTypeId();
  const SoType groupType = SoGroup::getClassTypeId();
  if (candidate.name.getLength() == 0) return "the part name is empty";
  if (std::strchr(candidate.name.getString(), '.'))
    return "a part name may not contain '.', which separates the names of nested parts";
  if (getPartNumber(candidate.name) >= 0) return "the catalog has a part of that name already";
  if (candidate.type.isBad() || !candidate.type.isDerivedFrom(nodeType))
    return "its type is " + typeText(candidate.type) + ", not a node type";
  if (!candidate.defaultType.isDerivedFrom(candidate.type))
    return "its default type " + typeText(candidate.defaultType) + " is not derived from " +
           typeText(candidate.type);
  if (!candidate.defaultType.canCreateInstance())
    return "its default type " + typeText(candidate.defaultType) + " cannot make instances";
  const int parent = getPartNumber(candidate.parentName);
  if (parent < 0) return "its parent " + quoted(candidate.parentName) + " is not in the catalog";
  if (parent > 0 && (!getType(parent).isDerivedFrom(groupType) || isList(parent)))
    return "its parent " + quoted(candidate.parentName) + " is not a group part";
  if (candidate.rightSiblingName.getLength() > 0) {
    const int sibling = getPartNumber(candidate.rightSiblingName);
    if (sibling <= 0 || getParentPartNumber(sibling) != parent)
      return "its right sibling " + quoted(candidate.rightSiblingName) + " is not a child of " +
             quoted(candidate.parentName);
  }
  if (candidate.isList) {
    if (!candidate.listContainerType.isDerivedFrom(groupType) ||
        !candidate.listContainerType.isDerivedFrom(candidate.type))
      return "its list container type " + typeText(candidate.listContainerType) +
             " is not a group type derived from its type";
    if (!candidate.listItemType.isDerivedFrom(nodeType))
      return "its list item type " + typeText(candidate.listItemType) + " is not a node type";
  }
  return SbString();
}

SbBool SoNodekitCatalog::addEntry(const SbName& name, SoType type, SoType defaultType,
                                  SbBool nullByDefault, const SbName& parentName,
                                  const SbName& rightSiblingName, SbBool isList,
                                  SoType listContainerType, SoType listItemType, SbBool isPublic) {
  Entry candidate{name,         type,
                  defaultType,  nullByDefault,
                  parentName,   rightSiblingName,
                  isList,       listContainerType,
                  listItemType, isPublic};
  const SbString reason = refusal(candidate);
  if (!reason.isEmpty()) {
    SoBaseKit::catalogError(kitType_.getName().getString(), name.getString(), reason.getString());
    return FALSE;
  }
  // The sibling that stood just left of the new part's place now has it on its right.
  for (std::size_t i = 1; i < entries_.size(); ++i) {
    Entry& sibling = entries_[i];
    if (sibling.parentName == parentName && sibling.rightSiblingName == rightSiblingName) {
      sibling.rightSiblingName = name;
      break;
    }
  }
  entries_.push_back(candidate);
  return TRUE;
}
