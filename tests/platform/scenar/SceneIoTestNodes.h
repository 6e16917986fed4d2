#pragma once

// Node classes the scene-file tests read and write.

#include <string>

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFNode.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// A node with a field of each kind of value.
class IoTestNode : public SoNode {
  SO_NODE_HEADER(IoTestNode, SoNode);

 public:
  enum Style { SOLID, WIRE, POINTS };
  SoSFFloat size;
  SoSFVec3f position;
  SoSFString label;
  SoSFBool visible;
  SoSFEnum style;
  SoMFFloat values;
  IoTestNode();

 protected:
  ~IoTestNode() override = default;
};

// A node holding nodes in fields, as node kits hold their parts.
class IoTestHolder : public SoNode {
  SO_NODE_HEADER(IoTestHolder, SoNode);

 public:
  SoSFNode part;
  SoSFNode other;
  IoTestHolder();

 protected:
  ~IoTestHolder() override = default;
};

// Runs SoDB::init and registers the classes above.
void initSceneIoTestNodes();

// The text a write action applied to node writes.
std::string writeScene(SoNode* node);
// Reads text, a scene file that must read, and returns its node referenced
// (nullptr when it does not read).
SoNode* readScene(const std::string& text);
