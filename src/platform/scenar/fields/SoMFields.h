// SPDX-License-Identifier: Apache-2.0
#pragma once

// The multiple-value field classes.

#include <cstdint>

#include "platform/scenar/fields/SoFieldValueIo.h"

class SoMFFloat : public SoMFieldOf<float> {
 public:
  const char* getTypeName() const override { return "MFFloat"; }
};

class SoMFInt32 : public SoMFieldOf<int32_t> {
 public:
  const char* getTypeName() const override { return "MFInt32"; }
};

class SoMFUShort : public SoMFieldOf<uint16_t> {
 public:
  const char* getTypeName() const override { return "MFUShort"; }
};

class SoMFString : public SoMFieldOf<SbString> {
 public:
  const char* getTypeName() const override { return "MFString"; }
};

class SoMFColor : public SoMFieldOf<SbColor> {
 public:
  const char* getTypeName() const override { return "MFColor"; }
};

class SoMFVec3f : public SoMFieldOf<SbVec3f> {
 public:
  const char* getTypeName() const override { return "MFVec3f"; }
};
