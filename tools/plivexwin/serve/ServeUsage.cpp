#include <iostream>

#include "plivexwin/CommandLine.h"
#include "plivexwin/serve/ServeCommand.h"

namespace plivexwin::serve {

std::string_view serveMissingReason() {
#ifdef PLIVEXWIN_SERVE
  return {};
#else
  return "this build has no 'serve': cpp-httplib was not found when it was built "
         "(Debian: apt-get install libcpp-httplib-dev)";
#endif
}

std::string serveUsage() {
  return "usage: plivexwin serve PLOT.scn [--port N] [--host ADDR] [--max-input-bytes N]\n"
         "       plivexwin serve --help\n"
         "\n"
         "Reads the scene file PLOT.scn (as 'plivexwin scene' does) and serves a page\n"
         "to edit it live in a web browser: the scene's picture, where a click on an\n"
         "axis or legend opens its editor, the list of the scene's axes and legends,\n"
         "the editors' dialogs, and Save, Picture and World. It prints\n"
         "\"serving PLOT.scn at http://ADDR:PORT/?token=TOKEN\"; every request needs\n"
         "that token. It serves until SIGINT or SIGTERM, then says whether changes\n"
         "were left unsaved. A file that cannot be read, or an address that cannot\n"
         "be listened on, prints one line \"plivexwin: reason\"; the status is then 1.\n"
         "\n"
         "Options:\n"
         "  --port N      listen on port N, a free port by default\n"
         "  --host ADDR   listen on ADDR, 127.0.0.1 by default\n" +
         cli::maxInputBytesHelp("PLOT.scn");
}

int runServeCommand(std::span<char* const> args) { return runServe(args, std::cout, std::cerr); }

}  // namespace plivexwin::serve
