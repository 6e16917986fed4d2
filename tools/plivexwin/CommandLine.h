#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The words of a command's arguments sorted into files and options, and the
// option every command that reads a scene file takes.
namespace plivexwin::cli {

// --max-input-bytes N: the most bytes a scene file the command reads may hold.
inline constexpr std::string_view kMaxInputBytesOption = "--max-input-bytes";

// A command's arguments, sorted out.
struct CommandLine {
  std::vector<std::string> files;  // the words that are no options, in order
  std::vector<std::pair<std::string_view, std::string>> values;  // option, its value
  std::vector<std::string_view> flags;                           // options without a value

  // The value given to option; nothing when it was not given.
  std::optional<std::string> value(std::string_view option) const;
  bool has(std::string_view flag) const;
};

// Sorts args out: a word of valueOptions takes the word after it as its
// value, a word of flagOptions stands alone, any other word that starts with
// '-' (but "-" alone) is an unknown option. Nothing, with the problem for a
// usage error in problem, when an option is unknown, given twice or lacks its
// value.
std::optional<CommandLine> parseCommandLine(std::span<char* const> args,
                                            std::initializer_list<std::string_view> valueOptions,
                                            std::initializer_list<std::string_view> flagOptions,
                                            std::string& problem);

// The most bytes the scene file of line may hold: the value of
// --max-input-bytes, or SceneFile::kMostBytes when it is not given. Nothing,
// with the problem for a usage error in problem, when the value is not a byte
// count.
std::optional<std::uintmax_t> maxInputBytes(const CommandLine& line, std::string& problem);
// The lines that tell of --max-input-bytes in a usage text's options, for the
// file named input.
std::string maxInputBytesHelp(std::string_view input);

}  // namespace plivexwin::cli
