// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/vrml/SoVRMLIndexedShape.h"

// Polylines through indexed points.
class SoVRMLIndexedLineSet : public SoVRMLIndexedShape {
  SO_NODE_HEADER(SoVRMLIndexedLineSet, SoVRMLIndexedShape);

 public:
  SoVRMLIndexedLineSet();
  const char* getFileTypeName() const override { return "IndexedLineSet"; }

 protected:
  ~SoVRMLIndexedLineSet() override = default;
};
