// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbString.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Length of the leading number of text: optional sign, digits with an optional
// fraction, optional exponent. 0 when there is no digit before the exponent.
std::size_t numberLength(std::string_view text, bool allowFraction) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (allowFraction && i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (allowFraction && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

// Whether number, which from_chars found out of the double range, is too large
// rather than too small. The power of ten of its first nonzero digit plus the
// exponent decides; neither a long mantissa nor the exponent's sign alone does.
bool isTooLarge(std::string_view number) {
  auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  std::size_t i = number[0] == '-' ? 1 : 0;
  while (i < number.size() && number[i] == '0') ++i;
  long long magnitude = -1;
  for (; i < number.size() && isDigit(number[i]); ++i) ++magnitude;
  if (magnitude < 0 && i < number.size() && number[i] == '.')
    for (++i; i < number.size() && number[i] == '0'; ++i) --magnitude;
  long long exponent = 0;
  std::size_t e = number.find_first_of("eE");
  if (e != std::string_view::npos) {
    i = e + 1;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') ++i;
    for (; i < number.size(); ++i)
      exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000LL);
    if (negative) exponent = -exponent;
  }
  return magnitude + exponent > 0;
}

std::string_view skipBlanks(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  return std::string_view(text).substr(i);
}

}  // namespace

int SbString::toInt() const {
  std::string_view text = skipBlanks(text_);
  std::size_t length = numberLength(text, false);
  if (length == 0) return 0;
  bool negative = text[0] == '-';
  std::size_t start = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
  for (std::size_t i = start; i < length; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value >= limit) {
      value = limit;
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

float SbString::toFloat() const {
  std::string_view text = skipBlanks(text_);
  std::size_t length = numberLength(text, true);
  if (length == 0) return 0.0f;
  std::string_view number = text.substr(0, length);
  if (number[0] == '+') number.remove_prefix(1);
  double value = 0.0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // from_chars leaves the value alone: tell overflow from underflow by the magnitude.
    bool negative = number[0] == '-';
    if (!isTooLarge(number)) return negative ? -0.0f : 0.0f;
    return negative ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
  }
  if (error != std::errc()) return 0.0f;
  const double maxFloat = std::numeric_limits<float>::max();
  if (value > maxFloat) return std::numeric_limits<float>::max();
  if (value < -maxFloat) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

SbString SbString::fromDouble(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return SbString(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

SbString SbString::fromFloatExact(float value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return SbString(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

SbString SbString::fromInt(long long value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return SbString(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}
