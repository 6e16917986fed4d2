// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoSubNode.h"

// The base of the VRML 2.0 node classes. They are registered under names of
// their own ("VRMLGroup", "VRMLTransform", ...), apart from the toolkit's node
// classes of the same purpose; a VRML97 file names them by their VRML97 type
// names ("Group", "Transform", ...). Their fields bear their VRML97 names,
// defaults and value types. Setting the class up adds VRML97 files to the
// write action's formats: a graph whose root is a VRML 2.0 node is written as
// a VRML97 file, its connections as ROUTEs (see detail/Vrml97FileFormat.h).
class SoVRMLNode : public SoNode {
  SO_NODE_HEADER(SoVRMLNode, SoNode);

 public:
  // The node's type name in VRML97 files.
  virtual const char* getFileTypeName() const = 0;

  // The event names a ROUTE gives field, one of the node's fields or outputs:
  // into an exposed field "set_<name>", out of it "<name>_changed", out of an
  // output its own name. FALSE when VRML97 has no such event: a field that
  // files only initialise, an output as a destination, a field of another node.
  SbBool getEventInName(const SoField* field, SbName& name) const;
  SbBool getEventOutName(const SoField* field, SbName& name) const;

 protected:
  SoVRMLNode();
  ~SoVRMLNode() override = default;

  // Whether VRML97 routes to and from the field named fieldName (an
  // exposedField); by default every field is exposed.
  virtual SbBool isExposedField(const SbName& fieldName) const;
};
