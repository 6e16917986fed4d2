// SPDX-License-Identifier: Apache-2.0
#include <CLI/CLI.hpp>

#include "plivexwin/serve/ServeCommand.h"
#include "plivexwin/serve/ServeHelp.h"

namespace plivexwin::serve {

std::string_view serveMissingReason() {
#ifdef PLIVEXWIN_SERVE
  return {};
#else
  return "this build has no 'serve': cpp-httplib was not found when it was built "
         "(Debian: apt-get install libcpp-httplib-dev)";
#endif
}

CLI::App* addServeCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand("serve", "edit a scene file live in a web browser");
  command->footer(
      "Reads the scene file IN.scn (as 'plivexwin scene' does) and serves a page\n"
      "to edit it live in a web browser: the scene's picture, where a click on an\n"
      "axis or legend opens its editor, the list of the scene's axes and legends,\n"
      "the editors' dialogs, and Save, Picture and World. It prints\n"
      "\"serving IN.scn at http://ADDR:PORT/?token=TOKEN\"; every request needs\n"
      "that token. It serves until SIGINT or SIGTERM, then says whether changes\n"
      "were left unsaved. A file that cannot be read, or an address that cannot\n"
      "be listened on, prints one line \"plivexwin: reason\"; the status is then 1." +
      std::string(serveMissingReason().empty() ? "" : "\n\n") + std::string(serveMissingReason()));
  return command;
}

}  // namespace plivexwin::serve
