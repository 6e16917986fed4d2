// SPDX-License-Identifier: Apache-2.0
#pragma once

// How each value type reads and writes in the scene-file syntax. Numbers are
// written in the shortest form that reads back exactly, whatever the locale.
// Files hold finite numbers only: a float infinity is written as the largest
// float of its sign, NaN as 0.

#include <cstdint>
#include <string>

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbString.h"
#include "platform/scenar/fields/SoSubField.h"

namespace scenar::detail {

template <>
struct ValueIo<float> {
  static bool read(TextReader& in, float& value) { return in.readFloat(value); }
  static void write(std::string& out, float value);
};

template <>
struct ValueIo<int32_t> {
  static bool read(TextReader& in, int32_t& value);
  static void write(std::string& out, int32_t value) { out += SbString::fromInt(value).str(); }
};

template <>
struct ValueIo<uint16_t> {
  static bool read(TextReader& in, uint16_t& value);
  static void write(std::string& out, uint16_t value) { out += SbString::fromInt(value).str(); }
};

// TRUE and FALSE; 1 and 0 are read too.
struct BoolIo {
  static bool read(TextReader& in, SbBool& value);
  static void write(std::string& out, SbBool value) { out += value ? "TRUE" : "FALSE"; }
};

template <>
struct ValueIo<SbString> {
  static bool read(TextReader& in, SbString& value);
  static void write(std::string& out, const SbString& value) { appendQuoted(out, value.str()); }
};

// Vectors read and write as their components separated by blanks.
template <typename Vec, int N>
struct VectorIo {
  static bool read(TextReader& in, Vec& value) {
    for (int i = 0; i < N; ++i)
      if (!in.readFloat(value[i])) return false;
    return true;
  }
  static void write(std::string& out, const Vec& value) {
    for (int i = 0; i < N; ++i) {
      if (i) out += ' ';
      ValueIo<float>::write(out, value[i]);
    }
  }
};

template <>
struct ValueIo<SbVec2f> : VectorIo<SbVec2f, 2> {};
template <>
struct ValueIo<SbVec3f> : VectorIo<SbVec3f, 3> {};
template <>
struct ValueIo<SbVec4f> : VectorIo<SbVec4f, 4> {};
template <>
struct ValueIo<SbColor> : VectorIo<SbColor, 3> {};

}  // namespace scenar::detail
