// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>

#include "plivexwin/SceneFile.h"

// The program's command line. Each command defines itself once, as a CLI11
// subcommand of the program with its options, positionals and help; the
// program parses its arguments with those definitions and runs the command
// they name. Only the .cpp files see CLI11's headers.
namespace CLI {
class App;
}

namespace plivexwin::cli {

// Where a command reads and writes.
struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;  // a render shows how far it is there
};

// A command as parsed, ready to run; returns the exit status.
using CommandRun = std::function<int(const Console&)>;
// Adds a command to program as a subcommand and returns what runs it with the
// values the parse puts into its options.
using DefineCommand = CommandRun (*)(CLI::App& program);

// Runs `plivexwin args...` with commands defined: parses args and runs the
// command they name. --help prints the help of the program or of the command
// named and --version the program's version, on console.out, status 0. Bad
// arguments print "plivexwin: PROBLEM", a blank line and the help of the
// command (or of the program) on console.err: status 2.
int runProgram(std::span<const DefineCommand> commands, std::span<char* const> args,
               const Console& console);
// Runs `plivexwin NAME args...` for the command define adds, named NAME.
int runCommand(DefineCommand define, std::span<char* const> args, const Console& console);

// The scene file a command reads: its path and the most bytes it may hold.
struct SceneInput {
  std::string path;
  std::uintmax_t mostBytes = SceneFile::kMostBytes;
};
// Adds IN.scn, the command's first positional, into input.path, and
// --max-input-bytes N into input.mostBytes.
void addSceneInput(CLI::App& command, SceneInput& input);
// Adds --max-input-bytes N, the most bytes of the scene file named file, into
// bytes: a number of bytes, or of K, M or G with the letter after it.
void addMaxInputBytes(CLI::App& command, const std::string& file, std::uintmax_t& bytes);

}  // namespace plivexwin::cli
