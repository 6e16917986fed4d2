// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Splitting command lines into words and reading numbers from them, the same
// whatever the process locale.
namespace plivexwin::cli {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Removes the blanks at both ends.
std::string_view trimBlanks(std::string_view text);

// Returns the first word of text after any blanks and leaves in text what
// follows the word, blanks included. Empty when text holds only blanks.
std::string_view takeWord(std::string_view& text);

// A whole word as a decimal int, with an optional '-'.
std::optional<int> parseInt(std::string_view word);
// A whole word as a finite decimal number ("2", "-0.5", "1e-3").
std::optional<float> parseReal(std::string_view word);
// A whole word as an unsigned 32-bit mask, decimal or hexadecimal with 0x.
std::optional<uint32_t> parseMask(std::string_view word);
// A whole word as a number of bytes: decimal digits, then optionally K, M or
// G for 2^10, 2^20 or 2^30 of them ("4096", "64M"); nothing when it does not
// fit in 64 bits.
std::optional<std::uint64_t> parseByteCount(std::string_view word);

// A number as the dialog prints it.
std::string formatNumber(double value);

}  // namespace plivexwin::cli
