// SPDX-License-Identifier: Apache-2.0
// How a node reads and writes itself in a scene file by default: its fields by
// name.

#include <string>

#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoNode.h"

SbBool SoNode::readInstance(SoInput* in, unsigned short) {
  std::string name;
  while (in->peek() != '}' && !in->atEnd())
    if (!in->readBodyWord(name, this, "a field name") || !in->readField(this, name)) return FALSE;
  return TRUE;
}

void SoNode::write(SoWriteAction* action) {
  if (!action->beginNode(this)) return;
  action->writeFields(this);
  action->endNode(this);
}
