// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoPath.h"

#include <algorithm>

#include "platform/scenar/nodes/SoNode.h"

SoType SoPath::classTypeId_;

void SoPath::initClass() {
  if (classTypeId_.isBad()) classTypeId_ = SoType::createType(SoBase::getClassTypeId(), "Path");
}

SoPath::SoPath(SoNode* head) {
  if (head) setHead(head);
}

SoPath::SoPath(const SoPath& other) : SoBase(other) {
  for (int i = 0; i < other.getLength(); ++i) append(other.getNode(i), other.getIndex(i));
}

SoPath::~SoPath() { truncate(0); }

SoPath* SoPath::makeTemporary() {
  auto* path = new SoPath;
  path->referencing_ = false;
  return path;
}

void SoPath::setHead(SoNode* head) {
  truncate(0);
  if (head) append(head, -1);
}

void SoPath::append(int childIndex) {
  const SoNode* tail = getTail();
  const std::vector<SoNode*>* children = tail ? tail->getChildren() : nullptr;
  if (!children || childIndex < 0 || childIndex >= static_cast<int>(children->size())) return;
  append((*children)[static_cast<std::size_t>(childIndex)], childIndex);
}

void SoPath::append(SoNode* node, int childIndex) {
  if (!node) return;
  if (referencing_) node->ref();
  nodes_.push_back(node);
  indices_.push_back(nodes_.size() == 1 ? -1 : childIndex);
}

void SoPath::truncate(int length) {
  while (getLength() > std::max(length, 0)) {
    SoNode* node = nodes_.back();
    nodes_.pop_back();
    indices_.pop_back();
    if (referencing_) node->unref();
  }
}

bool SoPath::containsNode(const SoNode* node) const {
  return std::find(nodes_.begin(), nodes_.end(), node) != nodes_.end();
}

void SoPathList::append(SoPath* path) {
  if (!path) return;
  path->ref();
  paths_.push_back(path);
}

void SoPathList::truncate(int length) {
  while (getLength() > std::max(length, 0)) {
    SoPath* path = paths_.back();
    paths_.pop_back();
    path->unref();
  }
}
