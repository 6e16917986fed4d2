// SPDX-License-Identifier: Apache-2.0
// plivexwin: drives the editors, and in the full build reads scene files of
// views, converts them to VRML97 worlds and renders them into PNG pictures,
// from the command line.

#include <unistd.h>

#include <iostream>
#include <new>
#include <span>

#include "plivexwin/CommandLine.h"
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

// The program's commands, in the order its help lists them.
constexpr DefineCommand kCommands[] = {
    defineEdit,
#ifndef PLIVEXWIN_EDITORS_ONLY
    defineScene, defineConvert, defineRender, defineDemo, plivexwin::serve::defineServe,
#endif
};

}  // namespace

int main(int argc, char** argv) {
  // Interrupted, the program removes the new files it was writing.
  ReplacingFile::handleSignals();
  std::span<char* const> args(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
  // Standard input is read so that a failed read is told with its reason; a
  // render shows its tiles where standard error is a terminal.
  DescriptorInput in(STDIN_FILENO);
  const Console console{in, std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
  // Memory running out is a failed command like any other, never a crash.
  try {
    return runProgram(kCommands, args, console);
  } catch (const std::bad_alloc&) {
    return commandFailed(std::cerr, "out of memory");
  }
}
