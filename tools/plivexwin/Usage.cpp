#include "plivexwin/Usage.h"

#include <ostream>

#include "plivexwin/EditorHarness.h"
#include "plivexwin/Session.h"

namespace plivexwin::cli {

bool isHelpOption(std::string_view arg) { return arg == "--help" || arg == "-h"; }

int usageError(std::ostream& err, std::string_view problem, const std::string& usage) {
  err << "plivexwin: " << problem << "\n\n" << usage;
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
      "       plivexwin edit --help\n"
      "\n"
      "Opens an editor of KIND with no parent, named \"plivexwin\", attaches a fresh\n"
      "node of its kind, shows the editor and prints its dialog. Then reads commands\n"
      "from standard input, one a line. Each command line is echoed after \"> \",\n"
      "followed by what the command prints; commands that only change the state\n"
      "print nothing. A bad command, index or value prints one line \"error: ...\"\n"
      "to standard output and the session goes on. Blank lines and lines starting\n"
      "with '#' are skipped. The session ends at \"quit\" or at the end of the input;\n"
      "the exit status is then 1 if any command printed an error line, else 0.\n"
      "\n"
      "Kinds:\n";
  for (const EditorKind& kind : editorKinds()) {
    text += "  " + std::string(kind.name) + "  " + std::string(kind.summary) + "\n";
    text += "  " + std::string(kind.name.size(), ' ') + "  filter levels:";
    for (const FilterLevel& level : kind.filterLevels()) text += " " + std::string(level.name);
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
