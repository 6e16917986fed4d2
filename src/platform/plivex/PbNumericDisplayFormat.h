// SPDX-License-Identifier: Apache-2.0
#pragma once

// How the numbers of a graduation are written: the notation, the number of
// digits after the decimal separator and the separator itself.
class PbNumericDisplayFormat {
 public:
  enum class Type {
    AUTOMATIC,   // fixed or scientific, whichever is shorter
    FIXED,       // 1234.50
    SCIENTIFIC,  // 1.23e+03
  };
  static constexpr int kMaxDigits = 15;

  PbNumericDisplayFormat();

  Type getType() const { return type_; }
  void setType(Type type) { type_ = type; }

  int getNumDigits() const { return numDigits_; }
  // Clamped to [0, kMaxDigits].
  void setNumDigits(int numDigits);

  char getDecimalSeparator() const { return decimalSeparator_; }
  // A separator of '\0' is taken as '.'.
  void setDecimalSeparator(char separator);

  friend bool operator==(const PbNumericDisplayFormat&, const PbNumericDisplayFormat&) = default;

 private:
  Type type_;
  int numDigits_;
  char decimalSeparator_;
};
