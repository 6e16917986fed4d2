// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SoType.h"

// The element kinds an action class's state holds: the ones enabled in the
// class's own list and those of its parent class's list, which the list is
// chained to. An action class enables its elements when it is registered;
// an application may enable more. An action's state made before a change of
// any list is made again when the action is next applied.
class SoEnabledElementsList {
 public:
  explicit SoEnabledElementsList(SoEnabledElementsList* parent = nullptr) : parent_(parent) {}
  SoEnabledElementsList(const SoEnabledElementsList&) = delete;
  SoEnabledElementsList& operator=(const SoEnabledElementsList&) = delete;

  // Enables the element of elementType, whose stack index is stackIndex.
  // FALSE, and nothing enabled, for a bad type or a negative stack index.
  SbBool enable(SoType elementType, int stackIndex);
  // Forgets the elements enabled in this list; the parent's stay.
  void clear();

  // The stack indices enabled here or in a parent, ascending, each once.
  const std::vector<int>& getElements() const;
  SbBool isEnabled(int stackIndex) const;
  SoEnabledElementsList* getParent() const { return parent_; }

  // Changes with every change of any list.
  static int getCounter();

 private:
  SoEnabledElementsList* parent_;
  std::vector<int> own_;
  mutable std::vector<int> merged_;
  mutable int mergedAt_ = -1;  // the counter merged_ was made at
};
