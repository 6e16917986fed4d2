// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

#include "plivexwin/CommandLine.h"

namespace plivexwin::serve {

// plivexwin serve PLOT.scn [--port N] [--host ADDR] [--max-input-bytes N]:
// reads the scene file and serves its live editor page until SIGINT or
// SIGTERM, printing its address, token included. The command's run returns
// the exit status: 0 once stopped (unsaved changes told on standard error), 1
// when the file cannot be read or the address cannot be listened on. In a
// build without cpp-httplib the command's help says why it is missing, and
// its run says so too, with status 2.
cli::CommandRun defineServe(CLI::App& program);
// Why this build has no serve; empty when it has.
std::string_view serveMissingReason();

}  // namespace plivexwin::serve
