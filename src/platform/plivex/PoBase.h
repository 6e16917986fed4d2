#pragma once

#include "platform/scenar/nodes/SoSubNode.h"

// The root of the plotting nodes. Not creatable.
class PoBase : public SoNode {
  SO_NODE_HEADER(PoBase, SoNode);

 public:
  // While true, plotting nodes keep their geometry as it is instead of
  // rebuilding it after a change; process-wide.
  static bool m_isRebuildBlocked;

  // Registers the toolkit's classes, then every plotting node class, parents
  // first. Running it again does nothing.
  static void initClasses();

 protected:
  PoBase();
  ~PoBase() override;
};
