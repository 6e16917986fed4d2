// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/menuColumn.h"

#include <cassert>

#include "platform/scenarwin/PoXtDialog.h"

namespace {
constexpr int kElementBits = 27;
}

void menuColumn::setCreationArray(const PoXtCreateElementFn* table, int count) {
  create_ = table;
  createCount_ = table ? count : 0;
}

void menuColumn::setUpdateArray(const PoXtUpdateElementFn* table, int count) {
  update_ = table;
  updateCount_ = table ? count : 0;
}

void menuColumn::setData(SoNode* node) {
  node_ = node;
  if (!node_) return;
  for (const Member& m : members_)
    if (m.position < updateCount_ && update_[m.position]) update_[m.position](node_, m.element);
}

int menuColumn::locate(int first) const {
  if (elementCount == 0 || !dialog_) return first;
  const PoXtElementData* expected =
      head_ ? static_cast<const PoXtElementData*>(head_) : members_.front().element;
  if (dialog_->get1Value(first) == expected) return first;
  assert(false && "menuColumn: the first index is not the section's first entry");
  for (int i = 0; i < dialog_->getNum(); ++i)
    if (dialog_->get1Value(i) == expected) return i;
  return first;
}

void menuColumn::build(int first, uint32_t showMask, uint32_t hideMask) {
  if (!dialog_) return;
  if (built) destroy(first);
  int index = first;
  if (withToggle) {
    head_ = new PoXtSectionToggleData(toggleName_.getString());
    dialog_->insert1Value(index++, head_);
  }
  const uint32_t shown = elementMask & showMask & ~hideMask;
  for (int p = 0; p < kElementBits && p < createCount_; ++p) {
    const uint32_t bit = 1u << p;
    if (!(shown & bit) || !create_[p]) continue;
    PoXtElementData* element = create_[p](static_cast<int32_t>(bit), groupBits);
    if (!element) continue;
    dialog_->insert1Value(index++, element);
    members_.push_back({p, element});
    if (node_ && p < updateCount_ && update_[p]) update_[p](node_, element);
  }
  elementCount = index - first;
  built = 1;
  if (head_) {
    head_->setMemberCount(static_cast<int>(members_.size()));
    setFolded(first, !unfolded);
  }
}

void menuColumn::destroy(int first) {
  if (dialog_ && elementCount > 0) {
    int at = locate(first);
    for (int i = 0; i < elementCount; ++i) dialog_->delete1Value(at);
  }
  head_ = nullptr;
  members_.clear();
  elementCount = 0;
  built = 0;
}

void menuColumn::setFolded(int at, bool folded) {
  if (head_) {
    dialog_->setSectionFolded(at, folded);
  } else {
    for (const Member& m : members_) m.element->setFolded(false);
  }
}

void menuColumn::fold(int first) {
  if (dialog_ && elementCount > 0) setFolded(locate(first), true);
}

void menuColumn::unfold(int first) {
  if (dialog_ && elementCount > 0) setFolded(locate(first), false);
}

void menuColumn::changeToggleAspect(int first) {
  if (!dialog_ || !built) return;
  int at = locate(first);
  if (withToggle && !head_) {
    head_ = new PoXtSectionToggleData(toggleName_.getString());
    head_->setMemberCount(static_cast<int>(members_.size()));
    dialog_->insert1Value(at, head_);
    ++elementCount;
  } else if (!withToggle && head_) {
    head_ = nullptr;
    dialog_->delete1Value(at);
    --elementCount;
  }
  setFolded(at, withToggle && !unfolded);
}
