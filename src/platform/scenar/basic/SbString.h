// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A character string with the numeric conversions the toolkit's users rely on.
// Conversions never depend on the process locale and never throw.
class SbString {
 public:
  SbString() = default;
  SbString(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit by design
  SbString(std::string text) : text_(std::move(text)) {}   // NOLINT
  SbString(std::string_view text) : text_(text) {}         // NOLINT

  const char* getString() const { return text_.c_str(); }
  int getLength() const { return static_cast<int>(text_.size()); }
  bool isEmpty() const { return text_.empty(); }
  void makeEmpty() { text_.clear(); }
  const std::string& str() const { return text_; }

  SbString& operator+=(const SbString& other) {
    text_ += other.text_;
    return *this;
  }
  SbString& operator+=(const char* other) {
    text_ += other ? other : "";
    return *this;
  }
  char operator[](int index) const { return text_[static_cast<std::size_t>(index)]; }
  friend bool operator==(const SbString& a, const SbString& b) { return a.text_ == b.text_; }
  friend bool operator==(const SbString& a, const char* b) { return a.text_ == (b ? b : ""); }

  // The leading decimal integer of the text after blanks, saturated to the int
  // range; 0 when the text does not start with one.
  int toInt() const;
  // The leading decimal number of the text after blanks ("2.5", "-1e3", ".5"),
  // clamped to the float range; 0 when the text does not start with one.
  float toFloat() const;

  // The value as C's "%g" would print it in the "C" locale (six significant digits).
  static SbString fromDouble(double value);
  // The shortest text that reads back as exactly the same float.
  static SbString fromFloatExact(float value);
  static SbString fromInt(long long value);

 private:
  std::string text_;
};
