// SPDX-License-Identifier: Apache-2.0
#pragma once

// The single-value field classes.

#include <cstdint>

#include "platform/scenar/fields/SoFieldValueIo.h"

class SoSFFloat : public SoSFieldOf<float> {
 public:
  using SoSFieldOf::operator=;
  const char* getTypeName() const override { return "SFFloat"; }
};

class SoSFInt32 : public SoSFieldOf<int32_t> {
 public:
  using SoSFieldOf::operator=;
  const char* getTypeName() const override { return "SFInt32"; }
};

class SoSFUShort : public SoSFieldOf<uint16_t> {
 public:
  using SoSFieldOf::operator=;
  const char* getTypeName() const override { return "SFUShort"; }
};

class SoSFBool : public SoSFieldOf<SbBool, scenar::detail::BoolIo> {
 public:
  using SoSFieldOf::operator=;
  const char* getTypeName() const override { return "SFBool"; }
};

class SoSFString : public SoSFieldOf<SbString> {
 public:
  using SoSFieldOf::operator=;
  void setValue(const char* text) { SoSFieldOf::setValue(SbString(text)); }
  using SoSFieldOf::setValue;
  const char* getTypeName() const override { return "SFString"; }
};

class SoSFVec2f : public SoSFieldOf<SbVec2f> {
 public:
  using SoSFieldOf::operator=;
  using SoSFieldOf::setValue;
  void setValue(float x, float y) { setValue(SbVec2f(x, y)); }
  const char* getTypeName() const override { return "SFVec2f"; }
};

class SoSFVec3f : public SoSFieldOf<SbVec3f> {
 public:
  using SoSFieldOf::operator=;
  using SoSFieldOf::setValue;
  void setValue(float x, float y, float z) { setValue(SbVec3f(x, y, z)); }
  const char* getTypeName() const override { return "SFVec3f"; }
};

class SoSFVec4f : public SoSFieldOf<SbVec4f> {
 public:
  using SoSFieldOf::operator=;
  using SoSFieldOf::setValue;
  void setValue(float x, float y, float z, float w) { setValue(SbVec4f(x, y, z, w)); }
  const char* getTypeName() const override { return "SFVec4f"; }
};

class SoSFColor : public SoSFieldOf<SbColor> {
 public:
  using SoSFieldOf::operator=;
  using SoSFieldOf::setValue;
  void setValue(float r, float g, float b) { setValue(SbColor(r, g, b)); }
  const char* getTypeName() const override { return "SFColor"; }
};

// One name of an enumerated field's value.
struct SoEnumEntry {
  const char* name;
  int value;
};

// An integer naming one of a set of choices. When the field knows the names of
// its values it writes them, and it reads names as well as integers, but only
// the integers that are its values.
class SoSFEnum : public SoSFieldOf<int32_t> {
 public:
  using SoSFieldOf::operator=;
  const char* getTypeName() const override { return "SFEnum"; }

  // entries must outlive the field; nodes hand in static tables.
  void setEnums(const SoEnumEntry* entries, int count) {
    enums_ = entries;
    enumCount_ = count;
  }
  int getNumEnums() const { return enumCount_; }
  const SoEnumEntry* getEnums() const { return enums_; }

 protected:
  bool readValue(scenar::TextReader& in, int32_t& value) const override;
  void writeValue(std::string& out, SoWriteContext* context) const override;

 private:
  const SoEnumEntry* enums_ = nullptr;
  int enumCount_ = 0;
};
