// plivexwin: drives the editors, and in the full build reads scene files of
// views, converts them to VRML97 worlds and renders them into PNG pictures,
// from the command line.

#include <unistd.h>

#include <iostream>
#include <new>
#include <span>
#include <string>
#include <string_view>

#include "plivexwin/EditCommand.h"
#include "plivexwin/InputLines.h"
#include "plivexwin/ReplacingFile.h"
#include "plivexwin/Usage.h"
#ifndef PLIVEXWIN_EDITORS_ONLY
#include "plivexwin/ConvertCommand.h"
#include "plivexwin/RenderCommand.h"
#include "plivexwin/SceneCommand.h"
#include "plivexwin/serve/ServeCommand.h"
#endif

namespace {

using namespace plivexwin::cli;

// plivexwin edit KIND, or edit --file PLOT.scn --node NAME, reading standard
// input so that a failed read is told with its reason
int runEditCommand(std::span<char* const> args) {
  DescriptorInput in(STDIN_FILENO);
  return runEdit(args, in, std::cout, std::cerr);
}

struct Subcommand {
  std::string_view name;
  int (*run)(std::span<char* const> args);
};

#ifndef PLIVEXWIN_EDITORS_ONLY
// plivexwin scene IN.scn [OUT.scn]
int runSceneCommand(std::span<char* const> args) { return runScene(args, std::cout, std::cerr); }
// plivexwin convert IN.scn OUT.wrl [--navigable-first-view]
int runConvertCommand(std::span<char* const> args) {
  return runConvert(args, std::cout, std::cerr);
}
// plivexwin render IN.scn OUT.png [--size WxH] [--tiles CxR] [--render-unit],
// showing the tiles drawn where standard error is a terminal
int runRenderCommand(std::span<char* const> args) {
  return runRender(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
// plivexwin demo [OUTDIR]
int runDemoCommand(std::span<char* const> args) { return runDemo(args, std::cout, std::cerr); }
#endif

constexpr Subcommand kSubcommands[] = {
    {"edit", runEditCommand},
#ifndef PLIVEXWIN_EDITORS_ONLY
    {"scene", runSceneCommand},
    {"convert", runConvertCommand},
    {"render", runRenderCommand},
    {"demo", runDemoCommand},
    {"serve", plivexwin::serve::runServeCommand},
#endif
};

// The command args name, run.
int run(std::span<char* const> args) {
  if (args.empty()) return usageError(std::cerr, "missing command", programUsage());
  if (args.size() == 1 && isHelpOption(args[0])) {
    std::cout << programUsage();
    return 0;
  }
  for (const Subcommand& subcommand : kSubcommands)
    if (subcommand.name == args[0]) return subcommand.run(args.subspan(1));
  return usageError(std::cerr, "unknown command '" + std::string(args[0]) + "'", programUsage());
}

}  // namespace

int main(int argc, char** argv) {
  // Interrupted, the program removes the new files it was writing.
  ReplacingFile::handleSignals();
  std::span<char* const> args(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
  // Memory running out is a failed command like any other, never a crash.
  try {
    return run(args);
  } catch (const std::bad_alloc&) {
    return commandFailed(std::cerr, "out of memory");
  }
}
