// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// The font of the texts that follow: a family name, looked up by the GL
// stand-in ("defaultFont" and names that match nothing give DejaVu Sans), and
// the height of an em in scene units, the texts' own coordinates. The toolkit
// keeps the name in an SFName; here it is a string field, read and written
// as a quoted string.
class SoFont : public SoNode {
  SO_NODE_HEADER(SoFont, SoNode);

 public:
  SoSFString name;  // "defaultFont"
  SoSFFloat size;   // 10

  SoFont();
  // Sets the font name and size elements for the texts that follow.
  void doAction(SoAction* action) override;

 protected:
  ~SoFont() override = default;
};
