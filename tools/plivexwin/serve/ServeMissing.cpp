// SPDX-License-Identifier: Apache-2.0
#include <CLI/CLI.hpp>

#include "plivexwin/Usage.h"
#include "plivexwin/serve/ServeCommand.h"
#include "plivexwin/serve/ServeHelp.h"

namespace plivexwin::serve {

// A build without cpp-httplib: the command takes anything and says why it is
// missing.
cli::CommandRun defineServe(CLI::App& program) {
  addServeCommand(program)->allow_extras();
  return [](const cli::Console& console) {
    return cli::outputRefused(console.err, serveMissingReason());
  };
}

}  // namespace plivexwin::serve
