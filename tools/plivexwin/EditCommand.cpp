// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/EditCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/nodes/SoNode.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/InputLines.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/Session.h"
#include "plivexwin/Usage.h"

namespace plivexwin::cli {

namespace {

// What `edit` was given: a kind, or a file and a node's name.
struct Arguments {
  std::string kind;
  std::string path;
  std::string name;
  std::uintmax_t mostBytes = SceneFile::kMostBytes;
};

// Runs session, then tells on err why the input could not be read, if it
// could not.
int runSession(Session&& session, std::ostream& err) {
  const int status = session.run();
  if (!session.inputError().empty())
    return commandFailed(err, "standard input: " + session.inputError());
  return status;
}

// Opens the editor of the node named args.name in the file args.path.
int runEditOfFile(const Arguments& args, const Console& console) {
  std::string error;
  const std::unique_ptr<SceneFile> scene = SceneFile::read(args.path, error, args.mostBytes);
  if (!scene) return commandFailed(console.err, error);
  SoNode* node = scene->findNode(args.name);
  const std::string quotedName = "'" + scenar::escapeControls(args.name) + "'";
  if (!node)
    return commandFailed(console.err,
                         scenar::escapeControls(args.path) + ": no node named " + quotedName);
  std::unique_ptr<EditorHarness> harness = openEditorOn(*node);
  if (!harness)
    return commandFailed(console.err, "node " + quotedName + " is a " +
                                          node->getTypeId().getName().getString() +
                                          ", which no editor edits");
  return runSession(Session(*harness, console.in, console.out, scene.get()), console.err);
}

int runEdit(const Arguments& args, const Console& console) {
  if (args.kind.empty()) return runEditOfFile(args, console);
  std::unique_ptr<EditorHarness> harness = openEditor(args.kind);
  if (!harness)  // the kind was checked as it was parsed
    return commandFailed(console.err, "no editor of kind " + scenar::escapeControls(args.kind));
  return runSession(Session(*harness, console.in, console.out), console.err);
}

// Why kind names no editor kind; empty when it names one.
std::string checkKind(const std::string& kind) {
  const auto kinds = editorKinds();
  if (std::any_of(kinds.begin(), kinds.end(),
                  [&kind](const EditorKind& known) { return known.name == kind; }))
    return {};
  return "unknown editor kind '" + kind + "'";
}

// Why a path or a name is refused: it is empty.
std::string checkNotEmpty(const std::string& text) {
  return text.empty() ? "the value is empty" : std::string();
}

// The help after the options: what the command does, the kinds of editor
// and the session's commands.
std::string editFooter() {
  std::string text =
      "  plivexwin edit KIND < SCRIPT\n"
      "  plivexwin edit --file PLOT.scn --node NAME [--max-input-bytes N] < SCRIPT\n"
      "--file and --node go together, without KIND; --max-input-bytes needs --file.\n"
      "\n"
      "Opens an editor of KIND with no parent, named \"plivexwin\", attaches a fresh\n"
      "node of its kind, shows the editor and prints its dialog. With --file and\n"
      "--node it reads the scene file PLOT.scn instead (as 'plivexwin scene' does)\n"
      "and attaches the editor to the node whose DEF name is NAME, the first one in\n"
      "traversal order, looking into groups and node kits; the editor is the one of\n"
      "the node's kind. A file that cannot be read prints\n"
      "\"plivexwin: FILE:LINE: reason\"; a name no node has, or a node no editor\n"
      "edits, prints what is wrong; the exit status is then 1. \"save\" writes the\n"
      "whole scene back, with the node as the session left it.\n"
      "\n"
      "Then it reads commands from standard input, one a line. Each command line\n"
      "is echoed after \"> \", followed by what the command prints; commands that\n"
      "only change the state print nothing. A bad command, index or value prints\n"
      "one line \"error: ...\" to standard output and the session goes on. Blank\n"
      "lines and lines starting with '#' are skipped. The session ends at \"quit\"\n"
      "or at the end of the input; the exit status is then 1 if any command\n"
      "printed an error line, else 0. Standard input that cannot be read (a\n"
      "folder), or a line of more than " +
      std::to_string(kMostLineBytes) +
      " bytes, ends the session with one\n"
      "line \"plivexwin: standard input: reason\" on standard error and status 1.\n"
      "Bad arguments print this help and exit with status 2.\n"
      "\n"
      "Kinds:\n";
  for (const EditorKind& kind : editorKinds()) {
    text += "  " + std::string(kind.name) + "  " + summaryOf(kind) + "\n";
    text += "  " + std::string(kind.name.size(), ' ') + "  filter levels:";
    for (const FilterLevel& level : kind.levels) text += " " + std::string(level.name);
    text += "\n";
  }
  return text +
         "\n"
         "Commands:\n" +
         Session::commandHelp() +
         "\n"
         "Numbers are read and written with '.' as the decimal point whatever the\n"
         "locale. Dialog indexes are those \"show\" prints; they move when a filter,\n"
         "the presentation or the update frequency adds or removes elements.";
}

}  // namespace

CommandRun defineEdit(CLI::App& program) {
  auto args = std::make_shared<Arguments>();
  CLI::App* edit =
      program.add_subcommand("edit", "open an editor, driven by commands on standard input");
  CLI::Option* kind = edit->add_option("KIND", args->kind,
                                       "the kind of editor to open on a fresh node\n(Kinds below)")
                          ->check(checkKind);
  CLI::Option* file = edit->add_option("--file", args->path, "the scene file to read instead")
                          ->type_name("PLOT.scn")
                          ->check(checkNotEmpty);
  CLI::Option* node =
      edit->add_option("--node", args->name, "the DEF name of the node to edit in PLOT.scn")
          ->type_name("NAME")
          ->check(checkNotEmpty);
  addMaxInputBytes(*edit, "PLOT.scn", args->mostBytes);
  kind->excludes(file)->excludes(node);
  file->needs(node);
  node->needs(file);
  edit->get_option("--max-input-bytes")->needs(file);
  // Neither form given: checked once the options are.
  edit->callback([kind, file] {
    if (kind->count() == 0 && file->count() == 0)
      throw CLI::ValidationError("edit takes KIND, or --file PLOT.scn and --node NAME");
  });
  edit->footer(editFooter());
  return [args](const Console& console) { return runEdit(*args, console); };
}

int runEdit(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err) {
  return runCommand(defineEdit, args, {in, out, err});
}

}  // namespace plivexwin::cli
