// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodekits/SoBaseKit.h"

#include <string>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/basic/SoDebugError.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoGroup.h"

SoType SoBaseKit::classTypeId;
SoFieldData* SoBaseKit::fieldData = nullptr;
const SoNodekitCatalog* SoBaseKit::nodekitCatalog = nullptr;
SbThreadMutex SoBaseKit::classMutex;

namespace {

// Splits "head.rest" at the first dot; false when there is none.
bool splitDotted(const SbName& name, std::string& head, std::string& rest) {
  const std::string full = name.getString();
  const std::size_t dot = full.find('.');
  if (dot == std::string::npos) return false;
  head = full.substr(0, dot);
  rest = full.substr(dot + 1);
  return true;
}

SoNode* makeNode(SoType type) {
  // Every node class registers a factory returning its own pointer as void*;
  // the node is its first base.
  return static_cast<SoNode*>(type.createInstance());
}

}  // namespace

void SoBaseKit::initClass() {
  SbThreadAutoLock lock(&classMutex);
  if (classTypeId.isBad())
    classTypeId = SoType::createType(SoNode::getClassTypeId(), "BaseKit",
                                     [] { return static_cast<void*>(new SoBaseKit); });
}

void SoBaseKit::exitClass() {
  SbThreadAutoLock lock(&classMutex);
  SoType::removeType(classTypeId);
  classTypeId = SoType::badType();
  delete nodekitCatalog;
  nodekitCatalog = nullptr;
  delete fieldData;
  fieldData = nullptr;
}

void SoBaseKit::catalogError(const char* kitTypeName, const char* partName, const char* reason) {
  std::string message = kitTypeName ? kitTypeName : "";
  message += ": catalog refused part '";
  message += partName ? partName : "";
  message += "': ";
  message += reason ? reason : "";
  SoDebugError::post("SoBaseKit::catalogError", message.c_str());
}

SoBaseKit::SoBaseKit() { setUpBaseKit(); }

SoBaseKit::SoBaseKit(const SoBaseKit& other) : SoNode(other) {
  setUpBaseKit();
  copyContents(&other);
}

void SoBaseKit::setUpBaseKit() {
  SbThreadAutoLock lock(&classMutex);
  const bool firstInstance = fieldData == nullptr;
  bool accepted = false;
  if (firstInstance) {
    fieldData = new SoFieldData(SoNode::getClassFieldData());
    auto* catalog = new SoNodekitCatalog(classTypeId);
    accepted = catalog->addEntry("callbackList", SoSeparator::getClassTypeId(),
                                 SoSeparator::getClassTypeId(), TRUE, "this", "", FALSE,
                                 SoType::badType(), SoType::badType(), TRUE);
    nodekitCatalog = catalog;
  }
  addPartField(fieldData, "callbackList", &callbackList, accepted);
  createNodekitPartsList();
  createDefaultParts();
}

SoBaseKit::~SoBaseKit() {
  // The part fields of subclasses are gone already; only the kit's own
  // references are left to release.
  std::vector<SoNode*> children;
  children.swap(children_);
  for (SoNode* child : children) child->unref();
  std::vector<SoNode*> linked;
  linked.swap(linked_);
  for (SoNode* node : linked)
    if (node) node->unref();
  partFields_.clear();
}

void SoBaseKit::addPartField(SoFieldData* data, const char* name, SoSFNode* field,
                             bool firstInstance) {
  if (firstInstance && data) data->addField(this, name, field);
  field->setContainer(this);
  field->setDefault(TRUE);
}

void SoBaseKit::createNodekitPartsList() {
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  const int count = catalog ? catalog->getNumEntries() : 0;
  partFields_.assign(static_cast<std::size_t>(count), nullptr);
  for (int i = 1; i < count; ++i)
    partFields_[static_cast<std::size_t>(i)] =
        dynamic_cast<SoSFNode*>(getField(catalog->getName(i)));
  // What a parent class made keeps its part numbers: subclasses only append.
  if (linked_.size() < partFields_.size()) linked_.resize(partFields_.size(), nullptr);
}

void SoBaseKit::createDefaultParts() {
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  for (int i = 1; i < static_cast<int>(partFields_.size()); ++i)
    if (!catalog->isNullByDefault(i) && partField(i) && !linked_[static_cast<std::size_t>(i)])
      makePart(i);
}

void SoBaseKit::copyContents(const SoBaseKit* from) {
  if (!from || from == this) return;
  ++syncDepth_;
  copyFieldValues(from);
  --syncDepth_;
  syncEveryPart();
}

SoSFNode* SoBaseKit::partField(int partNumber) const {
  if (partNumber <= 0 || partNumber >= static_cast<int>(partFields_.size())) return nullptr;
  return partFields_[static_cast<std::size_t>(partNumber)];
}

int SoBaseKit::partNumberOf(const SoField* field) const {
  if (!field) return -1;
  for (std::size_t i = 1; i < partFields_.size(); ++i)
    if (partFields_[i] == field) return static_cast<int>(i);
  return -1;
}

SoNode* SoBaseKit::getKitChild(int index) const {
  if (index < 0 || index >= getNumKitChildren()) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

// ---- where parts are linked

int SoBaseKit::containerFind(int parentPartNumber, const SoNode* node) const {
  if (parentPartNumber == 0) {
    for (std::size_t i = 0; i < children_.size(); ++i)
      if (children_[i] == node) return static_cast<int>(i);
    return -1;
  }
  auto* group = dynamic_cast<SoGroup*>(linked_[static_cast<std::size_t>(parentPartNumber)]);
  return group ? group->findChild(node) : -1;
}

int SoBaseKit::containerSize(int parentPartNumber) const {
  if (parentPartNumber == 0) return getNumKitChildren();
  auto* group = dynamic_cast<SoGroup*>(linked_[static_cast<std::size_t>(parentPartNumber)]);
  return group ? group->getNumChildren() : 0;
}

void SoBaseKit::containerInsert(int parentPartNumber, SoNode* node, int index) {
  if (parentPartNumber == 0) {
    node->ref();
    children_.insert(children_.begin() + index, node);
    touch();
    return;
  }
  if (auto* group = dynamic_cast<SoGroup*>(linked_[static_cast<std::size_t>(parentPartNumber)]))
    group->insertChild(node, index);
}

void SoBaseKit::containerRemove(int parentPartNumber, SoNode* node) {
  const int index = containerFind(parentPartNumber, node);
  if (index < 0) return;
  if (parentPartNumber == 0) {
    children_.erase(children_.begin() + index);
    node->unref();
    touch();
    return;
  }
  if (auto* group = dynamic_cast<SoGroup*>(linked_[static_cast<std::size_t>(parentPartNumber)]))
    group->removeChild(index);
}

void SoBaseKit::unlink(int partNumber) {
  SoNode* node = linked_[static_cast<std::size_t>(partNumber)];
  if (!node) return;
  linked_[static_cast<std::size_t>(partNumber)] = nullptr;
  const int parent = getNodekitCatalog()->getParentPartNumber(partNumber);
  if (parent >= 0) containerRemove(parent, node);
  node->unref();
}

void SoBaseKit::link(int partNumber, SoNode* node) {
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  const int parent = catalog->getParentPartNumber(partNumber);
  if (parent > 0 && !linked_[static_cast<std::size_t>(parent)]) makePart(parent);
  node->ref();
  linked_[static_cast<std::size_t>(partNumber)] = node;
  if (parent < 0 || (parent > 0 && !linked_[static_cast<std::size_t>(parent)])) return;
  // A node already in place (a parent read with its children) stays where it is.
  if (containerFind(parent, node) >= 0) return;
  // Before the nearest right sibling that is in place, else last.
  int index = containerSize(parent);
  for (int sibling = catalog->getRightSiblingPartNumber(partNumber); sibling > 0;
       sibling = catalog->getRightSiblingPartNumber(sibling)) {
    SoNode* siblingNode = linked_[static_cast<std::size_t>(sibling)];
    const int at = siblingNode ? containerFind(parent, siblingNode) : -1;
    if (at >= 0) {
      index = at;
      break;
    }
  }
  containerInsert(parent, node, index);
}

bool SoBaseKit::syncPart(int partNumber, std::string* reason) {
  SoSFNode* field = partField(partNumber);
  if (!field) return true;
  SoNode* wanted = field->getValue();
  SoNode* current = linked_[static_cast<std::size_t>(partNumber)];
  if (wanted == current) return true;
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  ++syncDepth_;
  bool ok = true;
  if (wanted && (wanted == this || !wanted->isOfType(catalog->getType(partNumber)))) {
    std::string message = getTypeId().getName().getString();
    message += ": part '";
    message += catalog->getName(partNumber).getString();
    message += "' cannot hold a node of type '";
    message += wanted->getTypeId().getName().getString();
    message += "'";
    if (reason)
      *reason = message;
    else
      SoDebugError::post("SoBaseKit", message.c_str());
    field->setValue(current);
    if (!current) field->setDefault(TRUE);
    ok = false;
  } else {
    const std::vector<int> children = catalog->getChildPartNumbers(partNumber);
    if (!wanted) {
      for (int child : children) setPartNode(child, nullptr);
      unlink(partNumber);
    } else {
      // The parts below move from the old node into the new one.
      std::vector<SoNode*> moving;
      for (int child : children) {
        SoNode* childNode = linked_[static_cast<std::size_t>(child)];
        if (childNode) {  // the reference of linked_ goes with it
          containerRemove(partNumber, childNode);
          linked_[static_cast<std::size_t>(child)] = nullptr;
        }
        moving.push_back(childNode);
      }
      unlink(partNumber);
      link(partNumber, wanted);
      for (std::size_t i = 0; i < children.size(); ++i) {
        if (!moving[i]) continue;
        link(children[i], moving[i]);
        moving[i]->unref();
      }
    }
  }
  --syncDepth_;
  return ok;
}

bool SoBaseKit::syncEveryPart(std::string* reason) {
  // Parents come before their children in the catalog.
  bool ok = true;
  for (int i = 1; i < static_cast<int>(partFields_.size()); ++i) {
    std::string why;
    if (!syncPart(i, reason ? &why : nullptr)) {
      if (ok && reason) *reason = why;
      ok = false;
    }
  }
  return ok;
}

void SoBaseKit::setPartNode(int partNumber, SoNode* node) {
  SoSFNode* field = partField(partNumber);
  if (!field) return;
  ++syncDepth_;
  field->setValue(node);
  if (!node) field->setDefault(TRUE);
  --syncDepth_;
  syncPart(partNumber);
}

SoNode* SoBaseKit::makePart(int partNumber) {
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  SoNode* node = makeNode(catalog->getDefaultType(partNumber));
  if (!node) return nullptr;
  node->ref();
  if (node->isOfType(catalog->getType(partNumber))) setPartNode(partNumber, node);
  SoNode* made = linked_[static_cast<std::size_t>(partNumber)] == node ? node : nullptr;
  node->unref();
  return made;
}

// ---- parts by name

SoNode* SoBaseKit::getPart(const SbName& partName, SbBool makeIfNeeded) {
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  std::string head, rest;
  if (splitDotted(partName, head, rest)) {
    const int part = catalog->getPartNumber(head.c_str());
    if (part <= 0 || !catalog->getType(part).isDerivedFrom(getClassTypeId())) return nullptr;
    syncPart(part);
    if (auto* kit = static_cast<SoBaseKit*>(linked_[static_cast<std::size_t>(part)]))
      return kit->getPart(rest.c_str(), makeIfNeeded);
    if (!makeIfNeeded) return nullptr;
    // Make the inner kit aside, so that a bad inner name leaves this kit as it was.
    SoNode* made = makeNode(catalog->getDefaultType(part));
    if (!made) return nullptr;
    made->ref();
    SoNode* found = static_cast<SoBaseKit*>(made)->getPart(rest.c_str(), TRUE);
    if (found) setPartNode(part, made);
    made->unref();
    return found;
  }
  const int part = catalog->getPartNumber(partName);
  if (part <= 0) return nullptr;
  syncPart(part);
  SoNode* node = linked_[static_cast<std::size_t>(part)];
  if (node || !makeIfNeeded) return node;
  return makePart(part);
}

SbBool SoBaseKit::setPart(const SbName& partName, SoNode* node) {
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  std::string head, rest;
  if (splitDotted(partName, head, rest)) {
    const int part = catalog->getPartNumber(head.c_str());
    if (part <= 0 || !catalog->getType(part).isDerivedFrom(getClassTypeId())) return FALSE;
    syncPart(part);
    if (auto* kit = static_cast<SoBaseKit*>(linked_[static_cast<std::size_t>(part)]))
      return kit->setPart(rest.c_str(), node);
    SoNode* made = makeNode(catalog->getDefaultType(part));
    if (!made) return FALSE;
    made->ref();
    const SbBool ok = static_cast<SoBaseKit*>(made)->setPart(rest.c_str(), node);
    if (ok && node) setPartNode(part, made);
    made->unref();
    return ok;
  }
  const int part = catalog->getPartNumber(partName);
  if (part <= 0) return FALSE;
  if (node && (node == this || !node->isOfType(catalog->getType(part)))) {
    std::string message = getTypeId().getName().getString();
    message += ": part '";
    message += partName.getString();
    message += "' cannot hold a node of type '";
    message += node->getTypeId().getName().getString();
    message += "'";
    SoDebugError::post("SoBaseKit::setPart", message.c_str());
    return FALSE;
  }
  syncPart(part);
  if (node != linked_[static_cast<std::size_t>(part)]) setPartNode(part, node);
  return TRUE;
}

SbBool SoBaseKit::set(const char* partName, const char* parameters) {
  const char* name = partName ? partName : "";
  SoNode* part = getPart(name, TRUE);
  std::string message = getTypeId().getName().getString();
  if (!part) {
    message += ": no part '" + std::string(name) + "'";
    SoDebugError::post("SoBaseKit::set", message.c_str());
    return FALSE;
  }
  SbString reason;
  if (part->set(parameters, &reason)) return TRUE;
  message += ": part '" + std::string(name) + "': " + reason.str();
  SoDebugError::post("SoBaseKit::set", message.c_str());
  return FALSE;
}

SbBool SoBaseKit::setUpConnections(SbBool onOff, SbBool doItAlways) {
  const SbBool was = connectionsSetUp_;
  if (!doItAlways && connectionsSetUp_ == onOff) return was;
  connectionsSetUp_ = onOff;
  return was;
}

void SoBaseKit::setDefaultOnNonWritingFields() { callbackList.setDefault(TRUE); }

void SoBaseKit::write(SoWriteAction* action) {
  setDefaultOnNonWritingFields();
  SoNode::write(action);
}

void SoBaseKit::notify(SoField* field) {
  if (syncDepth_ == 0) {
    const int part = partNumberOf(field);
    if (part > 0) syncPart(part);
  }
  SoNode::notify(field);
}

// ---- actions and reading

void SoBaseKit::doAction(SoAction* action) { action->traverseChildren(children_); }

void SoBaseKit::search(SoSearchAction*) {}

SbBool SoBaseKit::readInstance(SoInput* in, unsigned short flags) {
  ++syncDepth_;
  SbBool ok = SoNode::readInstance(in, flags);
  --syncDepth_;
  std::string reason;
  if (!syncEveryPart(&reason) && ok) ok = in->reportError(reason);
  setUpConnections(TRUE, TRUE);
  return ok;
}
