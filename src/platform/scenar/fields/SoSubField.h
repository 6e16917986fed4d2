// SPDX-License-Identifier: Apache-2.0
#pragma once

// The templates every concrete field class is made of: a single value or a list
// of values of one type, read and written through that type's ValueIo.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoField.h"

namespace scenar::detail {

// Reads and writes one value of type T in the scene-file syntax. Specialised per
// value type in SoFieldValueIo.h.
template <typename T>
struct ValueIo;

// Checks that nothing but blanks and comments follows a whole-text value.
bool expectEnd(TextReader& in);

// Field classes are told apart by their type name: an enum field holds an int32
// as an SFInt32 does, yet it is another type of field.
inline bool sameFieldType(const SoField& a, const SoField& b) {
  return std::strcmp(a.getTypeName(), b.getTypeName()) == 0;
}

}  // namespace scenar::detail

// A field holding one value of type T.
template <typename T, typename Io = scenar::detail::ValueIo<T>>
class SoSFieldOf : public SoField {
 public:
  using ValueType = T;

  const T& getValue() const { return value_; }
  void setValue(const T& value) {
    value_ = value;
    valueChanged();
  }
  const T& operator=(const T& value) {
    setValue(value);
    return value_;
  }
  bool operator==(const SoSFieldOf& other) const { return value_ == other.value_; }

  SbBool isSame(const SoField& other) const override {
    auto* same = dynamic_cast<const SoSFieldOf*>(&other);
    return same && scenar::detail::sameFieldType(*this, other) && same->value_ == value_;
  }
  void copyFrom(const SoField& other) override {
    auto* same = dynamic_cast<const SoSFieldOf*>(&other);
    if (same && scenar::detail::sameFieldType(*this, other)) setValue(same->value_);
  }
  bool read(scenar::TextReader& in, bool wholeText = false) override {
    T value{};
    if (!readValue(in, value)) return false;
    if (wholeText && !scenar::detail::expectEnd(in)) return false;
    setValue(value);
    return true;
  }

 protected:
  SoSFieldOf() = default;
  explicit SoSFieldOf(const T& initial) : value_(initial) {}
  virtual bool readValue(scenar::TextReader& in, T& value) const { return Io::read(in, value); }
  void writeValue(std::string& out, SoWriteContext*) const override { Io::write(out, value_); }

  T value_{};
};

// A field holding a list of values of type T. In files a list stands in
// brackets with commas ("[1, 3]"); a single value may stand alone.
template <typename T, typename Io = scenar::detail::ValueIo<T>>
class SoMFieldOf : public SoField {
 public:
  using ValueType = T;

  int getNum() const { return static_cast<int>(values_.size()); }
  // Values from start on; valid until the field changes.
  const T* getValues(int start) const { return values_.data() + start; }
  const T& operator[](int index) const { return values_[static_cast<std::size_t>(index)]; }

  // Sets values start to start + num - 1, growing the list when needed.
  void setValues(int start, int num, const T* values) {
    if (start < 0 || num < 0) return;
    std::size_t end = static_cast<std::size_t>(start) + static_cast<std::size_t>(num);
    if (end > values_.size()) values_.resize(end);
    std::copy(values, values + num, values_.begin() + start);
    valueChanged();
  }
  void set1Value(int index, const T& value) {
    if (index < 0) return;
    if (static_cast<std::size_t>(index) >= values_.size())
      values_.resize(static_cast<std::size_t>(index) + 1);
    values_[static_cast<std::size_t>(index)] = value;
    valueChanged();
  }
  // Makes the list the one value.
  void setValue(const T& value) {
    values_.assign(1, value);
    valueChanged();
  }
  void setNum(int num) {
    values_.resize(static_cast<std::size_t>(std::max(num, 0)));
    valueChanged();
  }
  // Deletes num values from start on; num -1 deletes up to the end.
  void deleteValues(int start, int num = -1) {
    if (start < 0 || start >= getNum()) return;
    int end = num < 0 ? getNum() : std::min(getNum(), start + num);
    values_.erase(values_.begin() + start, values_.begin() + end);
    valueChanged();
  }
  bool operator==(const SoMFieldOf& other) const { return values_ == other.values_; }

  SbBool isSame(const SoField& other) const override {
    auto* same = dynamic_cast<const SoMFieldOf*>(&other);
    return same && scenar::detail::sameFieldType(*this, other) && same->values_ == values_;
  }
  void copyFrom(const SoField& other) override {
    auto* same = dynamic_cast<const SoMFieldOf*>(&other);
    if (same && scenar::detail::sameFieldType(*this, other)) {
      values_ = same->values_;
      valueChanged();
    }
  }
  bool read(scenar::TextReader& in, bool wholeText = false) override {
    std::vector<T> values;
    if (in.consume('[')) {
      while (!in.consume(']')) {
        if (in.atEnd()) {
          in.setError("list is not closed with ']'");
          return false;
        }
        T value{};
        if (!Io::read(in, value)) return false;
        values.push_back(value);
        if (!in.consume(',') && in.peek() != ']') {
          in.setError("expected ',' or ']' in a list");
          return false;
        }
      }
    } else {
      T value{};
      if (!Io::read(in, value)) return false;
      values.push_back(value);
    }
    if (wholeText && !scenar::detail::expectEnd(in)) return false;
    values_ = std::move(values);
    valueChanged();
    return true;
  }

 protected:
  SoMFieldOf() = default;
  void writeValue(std::string& out, SoWriteContext*) const override {
    if (values_.size() == 1) {
      Io::write(out, values_[0]);
      return;
    }
    out += '[';
    for (std::size_t i = 0; i < values_.size(); ++i) {
      if (i) out += ", ";
      Io::write(out, values_[i]);
    }
    out += ']';
  }

  std::vector<T> values_;
};
