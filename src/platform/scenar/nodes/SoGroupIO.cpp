// SPDX-License-Identifier: Apache-2.0
// How groups read and write themselves in a scene file: their fields, then
// their children in order.

#include <string>

#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoGroup.h"

SbBool SoGroup::readInstance(SoInput* in, unsigned short) {
  std::string word;
  while (in->peek() != '}' && !in->atEnd()) {
    if (!in->readBodyWord(word, this, "a field name, a child node")) return FALSE;
    if (getField(SoInput::nameOf(word))) {
      if (!in->readField(this, word)) return FALSE;
      continue;
    }
    SoNode* child = nullptr;
    if (!in->readNode(word, child)) return FALSE;
    if (!child)
      return in->reportError(std::string("NULL cannot be a child of ") +
                             getTypeId().getName().getString());
    addChild(child);
  }
  return TRUE;
}

void SoGroup::write(SoWriteAction* action) {
  if (!action->beginNode(this)) return;
  action->writeFields(this);
  // Applied to a path, the write goes down the path only.
  int pathIndex = -1;
  const SoAction::PathCode code = action->getPathCode(pathIndex);
  for (int i = 0; i < getNumChildren(); ++i) {
    if (code == SoAction::IN_PATH && i != pathIndex) continue;
    SoNode* child = children_[static_cast<std::size_t>(i)];
    action->startBodyLine();
    action->pushCurPath(i, child);
    action->traverse(child);
    action->popCurPath();
  }
  action->endNode(this);
}
