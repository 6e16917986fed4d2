#include "plivexwin/CommandLine.h"

#include <algorithm>

#include "platform/scenar/basic/TextReader.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/TextParsing.h"
#include "plivexwin/Usage.h"

namespace plivexwin::cli {

namespace {

// The option of options that word names; nothing when none does.
std::optional<std::string_view> find(std::initializer_list<std::string_view> options,
                                     std::string_view word) {
  const auto found = std::find(options.begin(), options.end(), word);
  if (found == options.end()) return std::nullopt;
  return *found;
}

}  // namespace

std::optional<std::string> CommandLine::value(std::string_view option) const {
  for (const auto& [name, text] : values)
    if (name == option) return text;
  return std::nullopt;
}

bool CommandLine::has(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<CommandLine> parseCommandLine(std::span<char* const> args,
                                            std::initializer_list<std::string_view> valueOptions,
                                            std::initializer_list<std::string_view> flagOptions,
                                            std::string& problem) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view word = args[i];
    const std::optional<std::string_view> valueOption = find(valueOptions, word);
    const std::optional<std::string_view> option =
        valueOption ? valueOption : find(flagOptions, word);
    if (!option) {
      if (isOption(word)) {
        problem = "unknown option '" + scenar::escapeControls(word) + "'";
        return std::nullopt;
      }
      line.files.emplace_back(word);
      continue;
    }
    if (line.value(word) || line.has(word)) {
      problem = std::string(word) + " given twice";
      return std::nullopt;
    }
    if (!valueOption) {
      line.flags.push_back(*option);
    } else if (i + 1 < args.size()) {
      line.values.emplace_back(*option, args[++i]);
    } else {
      problem = std::string(word) + " takes a value";
      return std::nullopt;
    }
  }
  return line;
}

std::optional<std::uintmax_t> maxInputBytes(const CommandLine& line, std::string& problem) {
  const std::optional<std::string> text = line.value(kMaxInputBytesOption);
  if (!text) return SceneFile::kMostBytes;
  const std::optional<std::uint64_t> bytes = parseByteCount(*text);
  if (!bytes)
    problem = std::string(kMaxInputBytesOption) + " '" + scenar::escapeControls(*text) +
              "': not a number of bytes as 4096, 512K, 64M or 2G";
  return bytes;
}

std::string maxInputBytesHelp(std::string_view input) {
  static_assert(SceneFile::kMostBytes == std::uintmax_t{1} << 30, "the text says 1G");
  const std::string file(input);
  return "  --max-input-bytes N\n"
         "                read " +
         file +
         " only when it holds at most N bytes, 1G by\n"
         "                default: a number of bytes, or of K, M or G (2^10, 2^20 or\n"
         "                2^30 bytes) with the letter after it, as 512K or 2G\n";
}

}  // namespace plivexwin::cli
