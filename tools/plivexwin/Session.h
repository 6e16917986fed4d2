// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace plivexwin::cli {

class EditorHarness;
class SceneFile;

// Drives an editor from a stream of commands, one a line, as a user and the
// application would: every command line is echoed after "> ", followed by
// what it prints. A bad command prints one "error: ..." line and the session
// goes on. Blank lines and lines starting with '#' are skipped silently.
class Session {
 public:
  // scene: the scene file the edited node comes from, written by "save";
  // nullptr for a fresh node.
  Session(EditorHarness& harness, std::istream& in, std::ostream& out,
          const SceneFile* scene = nullptr);

  // Prints the dialog, then runs the commands until "quit" or the end of the
  // input. Returns the program's exit status: 1 when a command failed or the
  // input could not be read (see inputError), else 0.
  int run();
  // Why run stopped before the end of the input: it could not be read, or a
  // line was longer than kMostLineBytes. Empty when it could be read.
  const std::string& inputError() const { return inputError_; }
  // Runs one command line; false once the session should end.
  bool execute(std::string_view line);

  // The commands with their arguments and what they do, for the usage text.
  static std::string commandHelp();

 private:
  struct Command;
  static std::span<const Command> commands();
  // Runs the command called name on args; false, with the reason in error.
  bool runCommand(std::string_view name, std::string_view args, std::string& error);

  // The commands: false, with the reason in error, when one cannot run.
  bool show(std::string_view args, std::string& error);
  bool printNode(std::string_view args, std::string& error);
  bool set(std::string_view args, std::string& error);
  bool press(std::string_view args, std::string& error);
  bool frequency(std::string_view args, std::string& error);
  bool presentation(std::string_view args, std::string& error);
  bool filter(std::string_view args, std::string& error);
  bool app(std::string_view args, std::string& error);
  bool hide(std::string_view args, std::string& error);
  bool showEditor(std::string_view args, std::string& error);
  bool save(std::string_view args, std::string& error);
  bool help(std::string_view args, std::string& error);
  bool quit(std::string_view args, std::string& error);
  // Takes the element index that starts args; nothing, with the reason in
  // error, when it is no index of the dialog.
  std::optional<int> elementIndex(std::string_view& args, std::string& error) const;

  EditorHarness& harness_;
  std::istream& in_;
  std::ostream& out_;
  const SceneFile* scene_;
  bool ended_ = false;
  bool failed_ = false;  // a command printed an error line
  std::string inputError_;
};

}  // namespace plivexwin::cli
