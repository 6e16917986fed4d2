#include "platform/scenar/SbString.h"

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
    // from_chars leaves the value alone: tell overflow from underflow by the exponent sign.
    std::size_t e = number.find_first_of("eE");
    bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
    bool negative = number[0] == '-';
    if (tiny) return negative ? -0.0f : 0.0f;
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
