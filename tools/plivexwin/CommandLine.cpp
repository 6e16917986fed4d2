// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

#include "PlivexWinVersion.h"
#include "platform/scenar/basic/TextReader.h"
#include "plivexwin/TextParsing.h"
#include "plivexwin/Usage.h"

namespace plivexwin::cli {

namespace {

constexpr const char* kProgramSummary =
    "Drives the axis and legend editors and, in the full build, reads scene files\n"
    "of views, converts them to VRML97 worlds and renders them into PNG pictures.";

// CLI11's help, with the program's labels and a narrower column of names. An
// option shows the name of its value alone: what options need or exclude is
// told in the command's text.
class HelpFormatter : public CLI::Formatter {
 public:
  HelpFormatter() {
    column_width(26);
    label("Usage", "usage");
    label("SUBCOMMAND", "COMMAND");
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    if (option->get_positional() || option->get_type_size() == 0) return {};
    return " " + option->get_type_name();
  }
};

// The program, its commands defined on it.
class Program {
 public:
  explicit Program(std::span<const DefineCommand> commands) : app_(kProgramSummary, "plivexwin") {
    // Set before the commands, which take the formatter and help flag over.
    app_.formatter(std::make_shared<HelpFormatter>());
    app_.set_help_flag("-h,--help", "print this help and exit");
    app_.set_version_flag("--version", std::string("plivexwin ") + PLIVEXWIN_VERSION_STRING,
                          "print the program's version and exit");
    app_.require_subcommand(0, 1);
    app_.footer(
        "'plivexwin COMMAND --help' tells what a command does and its options.\n"
        "Options come before, after or between a command's other arguments, their\n"
        "values as '--node NAME' or '--node=NAME'; after '--' every argument is a\n"
        "file, even one that starts with '-'. Bad arguments print the help of\n"
        "the command, or this one, to standard error; the exit status is then 2.");
    for (DefineCommand define : commands) {
      CommandRun run = define(app_);
      CLI::App* command = app_.get_subcommands({}).back();
      command->group("Commands");
      runs_.emplace_back(command, std::move(run));
    }
  }

  // The name of the first command.
  std::string firstName() const { return runs_.front().first->get_name(); }

  // Parses words, the arguments after the program's name, and runs the
  // command they name.
  int run(std::vector<std::string> words, const Console& console) {
    const std::string first = words.empty() ? std::string() : words.front();
    std::reverse(words.begin(), words.end());  // CLI11 takes them from the back
    try {
      app_.parse(words);
    } catch (const CLI::CallForHelp&) {
      console.out << app_.help();
      return 0;
    } catch (const CLI::CallForVersion& version) {
      console.out << version.what() << '\n';
      return 0;
    } catch (const CLI::ParseError& error) {
      return usageError(console.err, problem(error.what(), first), app_.help());
    }
    for (const auto& [command, run] : runs_)
      if (command->parsed()) return run(console);
    return usageError(console.err, "missing command", app_.help());
  }

 private:
  // What a usage error says: that the first word names no command; else the
  // words nothing took, which explain more than the positionals CLI11 finds
  // missing before it looks at them; else CLI11's words. Control characters
  // print escaped, here alone.
  std::string problem(std::string_view what, const std::string& first) const {
    if (app_.get_subcommands().empty() && !first.empty() && first[0] != '-')
      return "unknown command '" + scenar::escapeControls(first) + "'";
    std::vector<std::string> unexpected = app_.remaining(true);
    std::erase(unexpected, "--");  // where the options ended
    if (unexpected.empty()) return scenar::escapeControls(what);
    std::string text = unexpected.size() == 1 ? "unexpected argument" : "unexpected arguments";
    for (const std::string& word : unexpected) text += " '" + scenar::escapeControls(word) + "'";
    return text;
  }

  CLI::App app_;
  std::vector<std::pair<const CLI::App*, CommandRun>> runs_;
};

std::vector<std::string> wordsOf(std::span<char* const> args) {
  return std::vector<std::string>(args.begin(), args.end());
}

}  // namespace

int runProgram(std::span<const DefineCommand> commands, std::span<char* const> args,
               const Console& console) {
  return Program(commands).run(wordsOf(args), console);
}

int runCommand(DefineCommand define, std::span<char* const> args, const Console& console) {
  Program program(std::span(&define, 1));
  std::vector<std::string> words = wordsOf(args);
  words.insert(words.begin(), program.firstName());
  return program.run(std::move(words), console);
}

void addSceneInput(CLI::App& command, SceneInput& input) {
  command.add_option("IN.scn", input.path, "the scene file to read")->required();
  addMaxInputBytes(command, "IN.scn", input.mostBytes);
}

void addMaxInputBytes(CLI::App& command, const std::string& file, std::uintmax_t& bytes) {
  static_assert(SceneFile::kMostBytes == std::uintmax_t{1} << 30, "the help says 1G");
  command
      .add_option_function<std::string>(
          "--max-input-bytes",
          [&bytes](const std::string& text) { bytes = parseByteCount(text).value_or(bytes); },
          "read " + file +
              " only when it holds at most N bytes,\n"
              "1G by default: a number of bytes, or of K, M or G\n"
              "(2^10, 2^20 or 2^30 bytes) with the letter after\n"
              "it, as 512K or 2G")
      ->type_name("N")
      ->check([](const std::string& text) {
        return parseByteCount(text)
                   ? std::string()
                   : "'" + text + "' is not a number of bytes as 4096, 512K, 64M or 2G";
      });
}

}  // namespace plivexwin::cli
