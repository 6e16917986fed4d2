// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/TextReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace scenar {

namespace {

bool isDelimiter(char c) {
  return std::isspace(static_cast<unsigned char>(c)) || c == '"' || c == '#' || c == '[' ||
         c == ']' || c == '{' || c == '}' || c == ',';
}

}  // namespace

void TextReader::skip() {
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++pos_;
    } else if (c == '#') {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    } else {
      break;
    }
  }
}

bool TextReader::atEnd() {
  skip();
  return pos_ >= text_.size();
}

char TextReader::peek() {
  skip();
  return pos_ < text_.size() ? text_[pos_] : '\0';
}

bool TextReader::consume(char c) {
  if (peek() != c || c == '\0') return false;
  ++pos_;
  return true;
}

bool TextReader::readWord(std::string& word) {
  skip();
  std::size_t start = pos_;
  while (pos_ < text_.size() && !isDelimiter(text_[pos_])) ++pos_;
  if (pos_ == start) {
    error_ = pos_ >= text_.size() ? "premature end of input" : "expected a value";
    return false;
  }
  word.assign(text_.substr(start, pos_ - start));
  return true;
}

bool TextReader::readQuoted(std::string& value) {
  if (peek() != '"') {
    error_ = "expected a quoted string";
    return false;
  }
  int startLine = line_;
  ++pos_;
  value.clear();
  while (pos_ < text_.size()) {
    char c = text_[pos_++];
    if (c == '"') return true;
    if (c == '\n') ++line_;
    if (c == '\\' && pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\\'))
      c = text_[pos_++];
    value.push_back(c);
  }
  error_ = "string opened on line " + std::to_string(startLine) + " is not closed";
  return false;
}

bool TextReader::readString(std::string& value) {
  return peek() == '"' ? readQuoted(value) : readWord(value);
}

namespace {

// Parses all of word as a number of type T; a leading '+' is allowed, but not
// before another sign.
template <typename T>
std::errc parseNumber(const std::string& word, T& value) {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return std::errc::invalid_argument;
  }
  auto [end, ec] = std::from_chars(first, last, value);
  if (end != last) return std::errc::invalid_argument;
  if (ec == std::errc() && !std::isfinite(value)) return std::errc::invalid_argument;
  return ec;
}

}  // namespace

bool TextReader::readDouble(double& value) {
  std::string word;
  if (!readWord(word)) return false;
  double parsed;
  if (parseNumber(word, parsed) != std::errc()) {
    error_ = quoteInput(word) + " is not a number";
    return false;
  }
  value = parsed;
  return true;
}

bool TextReader::readFloat(float& value) {
  std::string word;
  if (!readWord(word)) return false;
  // Parsed straight as a float: through a double it would be rounded twice, and
  // the text of the largest float would read as beyond the float range.
  float parsed;
  std::errc ec = parseNumber(word, parsed);
  if (ec == std::errc::result_out_of_range) {
    double wide;
    if (parseNumber(word, wide) == std::errc() &&
        std::fabs(wide) < std::numeric_limits<float>::min()) {
      parsed = std::signbit(wide) ? -0.0f : 0.0f;  // too small for a float: zero
      ec = std::errc();
    } else {
      error_ = quoteInput(word) + " is out of range";
      return false;
    }
  }
  if (ec != std::errc()) {
    error_ = quoteInput(word) + " is not a number";
    return false;
  }
  value = parsed;
  return true;
}

bool TextReader::readInteger(long long& value, long long min, long long max) {
  std::string word;
  if (!readWord(word)) return false;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  bool negative = false;
  if (first != last && (*first == '+' || *first == '-')) negative = *first++ == '-';
  int base = 10;
  if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    first += 2;
    base = 16;
  }
  unsigned long long magnitude = 0;
  auto [end, ec] = std::from_chars(first, last, magnitude, base);
  if (ec != std::errc() || end != last || first == last) {
    error_ = quoteInput(word) + " is not an integer";
    return false;
  }
  const unsigned long long limit = negative ? static_cast<unsigned long long>(-(min + 1)) + 1
                                            : static_cast<unsigned long long>(max);
  if ((negative && min >= 0 && magnitude != 0) || magnitude > limit) {
    error_ = quoteInput(word) + " is out of range";
    return false;
  }
  value = negative ? -static_cast<long long>(magnitude - 1) - 1 : static_cast<long long>(magnitude);
  if (negative && magnitude == 0) value = 0;
  return true;
}

void appendQuoted(std::string& out, std::string_view value) {
  out.push_back('"');
  for (char c : value) {
    if (c == '"' || c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
}

std::string escapeControls(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\0':
        escaped += "\\0";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\\':
        escaped += "\\\\";
        break;
      default:
        if (byte < 0x20 || byte == 0x7f) {
          static constexpr char kHex[] = "0123456789abcdef";
          escaped += "\\x";
          escaped += kHex[byte >> 4];
          escaped += kHex[byte & 0xf];
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

std::string quoteInput(std::string_view text) {
  std::size_t length = std::min(text.size(), kQuotedLength);
  // Cut before a UTF-8 sequence that would be split, not inside it.
  if (length < text.size())
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xc0) == 0x80) --length;
  std::string quoted = '\'' + escapeControls(text.substr(0, length));
  if (length < text.size()) quoted += "...";
  quoted += '\'';
  return quoted;
}

}  // namespace scenar
