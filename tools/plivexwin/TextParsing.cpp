// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/TextParsing.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/scenar/basic/SbString.h"

namespace plivexwin::cli {

namespace {

// Reads all of word as a T with from_chars; nothing when anything is left over.
template <typename T, typename... Format>
std::optional<T> parseWhole(std::string_view word, Format... format) {
  if (word.empty()) return std::nullopt;
  T value{};
  const char* end = word.data() + word.size();
  auto [stop, error] = std::from_chars(word.data(), end, value, format...);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view takeWord(std::string_view& text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  std::size_t stop = start;
  while (stop < text.size() && !isBlank(text[stop])) ++stop;
  std::string_view word = text.substr(start, stop - start);
  text.remove_prefix(stop);
  return word;
}

std::optional<int> parseInt(std::string_view word) { return parseWhole<int>(word, 10); }

std::optional<float> parseReal(std::string_view word) {
  std::optional<float> value = parseWhole<float>(word, std::chars_format::general);
  if (value && !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<uint32_t> parseMask(std::string_view word) {
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
    return parseWhole<uint32_t>(word.substr(2), 16);
  return parseWhole<uint32_t>(word, 10);
}

std::optional<std::uint64_t> parseByteCount(std::string_view word) {
  struct Suffix {
    char letter;
    int shift;
  };
  static constexpr Suffix kSuffixes[] = {{'K', 10}, {'M', 20}, {'G', 30}};
  int shift = 0;
  for (const Suffix& suffix : kSuffixes)
    if (!word.empty() && word.back() == suffix.letter) {
      shift = suffix.shift;
      word.remove_suffix(1);
      break;
    }
  // Digits only: from_chars would take a '-' too.
  if (word.empty() || word.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const std::optional<std::uint64_t> count = parseWhole<std::uint64_t>(word, 10);
  if (!count || *count > (std::numeric_limits<std::uint64_t>::max() >> shift)) return std::nullopt;
  return *count << shift;
}

std::string formatNumber(double value) { return SbString::fromDouble(value).str(); }

}  // namespace plivexwin::cli
