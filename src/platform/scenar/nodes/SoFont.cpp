// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoFont.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoFontNameElement.h"
#include "platform/scenar/actions/SoFontSizeElement.h"

SO_NODE_SOURCE(SoFont)

void SoFont::initClass() { SO_NODE_INIT_CLASS(SoFont, "Font"); }

SoFont::SoFont() {
  SO_NODE_CONSTRUCTOR(SoFont);
  SO_NODE_ADD_FIELD(name, ("defaultFont"));
  SO_NODE_ADD_FIELD(size, (10.0f));
}

void SoFont::doAction(SoAction* action) {
  SoState* state = action->getState();
  SoFontNameElement::set(state, name.getValue());
  SoFontSizeElement::set(state, size.getValue());
}
