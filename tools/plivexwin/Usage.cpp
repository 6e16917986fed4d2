#include "plivexwin/Usage.h"

#include <ostream>

#include "plivexwin/CommandLine.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/InputLines.h"
#include "plivexwin/Session.h"
#ifndef PLIVEXWIN_EDITORS_ONLY
#include "plivexwin/serve/ServeCommand.h"
#endif

namespace plivexwin::cli {

bool isHelpOption(std::string_view arg) { return arg == "--help" || arg == "-h"; }

bool isOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

int usageError(std::ostream& err, std::string_view problem, const std::string& usage) {
  err << "plivexwin: " << problem << "\n\n" << usage;
  return 2;
}

int commandFailed(std::ostream& err, std::string_view reason) {
  err << "plivexwin: " << reason << '\n';
  return 1;
}

int outputRefused(std::ostream& err, std::string_view reason) {
  commandFailed(err, reason);
  return 2;
}

std::string programUsage() {
  return "usage: plivexwin COMMAND [ARGUMENTS...]\n"
         "       plivexwin --help\n"
         "\n"
         "Commands:\n"
         "  edit KIND     open an editor of KIND on a fresh node and drive it with\n"
         "                commands read from standard input; see 'plivexwin edit --help'\n"
#ifndef PLIVEXWIN_EDITORS_ONLY
         "  scene IN [OUT]\n"
         "                list the views of a scene file, render it once and write it\n"
         "                back to OUT; see 'plivexwin scene --help'\n"
         "  convert IN OUT\n"
         "                convert a scene file to a VRML97 world in which each scene\n"
         "                view keeps its place; see 'plivexwin convert --help'\n"
         "  render IN OUT.png\n"
         "                render a scene file offscreen, whole or in tiles, into a PNG\n"
         "                picture; see 'plivexwin render --help'\n"
         "  demo [OUTDIR]\n"
         "                write a scene of four plots, its VRML97 world and its\n"
         "                picture; see 'plivexwin demo --help'\n"
         "  serve PLOT.scn\n"
         "                edit a scene file live in a web browser; see\n"
         "                'plivexwin serve --help'\n" +
         std::string(serve::serveMissingReason().empty()
                         ? ""
                         : "                (" + std::string(serve::serveMissingReason()) + ")\n") +
#endif
         "\n"
         "Options:\n"
         "  -h, --help    print this text and exit\n"
         "\n"
         "Any other argument prints this text to standard error; the exit status\n"
         "is then 2.\n";
}

std::string editUsage() {
  std::string text =
      "usage: plivexwin edit KIND < SCRIPT\n"
      "       plivexwin edit --file PLOT.scn --node NAME [--max-input-bytes N] < SCRIPT\n"
      "       plivexwin edit --help\n"
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
      "\n"
      "Options:\n" +
      maxInputBytesHelp("PLOT.scn") +
      "\n"
      "Kinds:\n";
  for (const EditorKind& kind : editorKinds()) {
    text += "  " + std::string(kind.name) + "  " + summaryOf(kind) + "\n";
    text += "  " + std::string(kind.name.size(), ' ') + "  filter levels:";
    for (const FilterLevel& level : kind.levels) text += " " + std::string(level.name);
    text += "\n";
  }
  text +=
      "\n"
      "Commands:\n" +
      Session::commandHelp() +
      "\n"
      "Numbers are read and written with '.' as the decimal point whatever the\n"
      "locale. Dialog indexes are those \"show\" prints; they move when a filter,\n"
      "the presentation or the update frequency adds or removes elements.\n";
  return text;
}

}  // namespace plivexwin::cli
