#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace plivexwin::serve {

// plivexwin serve PLOT.scn [--port N] [--host ADDR] [--max-input-bytes N]:
// reads the scene file and serves its live editor page until SIGINT or
// SIGTERM, printing its address, token included, on out. Returns the exit
// status: 0 once stopped (unsaved changes told on err), 1 when the file
// cannot be read or the address cannot be listened on, 2 for bad arguments
// (with the usage text on err). In a build without cpp-httplib it only says
// so, with status 2.
int runServe(std::span<char* const> args, std::ostream& out, std::ostream& err);
// runServe on the standard streams, for the program's command table.
int runServeCommand(std::span<char* const> args);
// The text of `plivexwin serve --help`.
std::string serveUsage();
// Why this build has no serve; empty when it has.
std::string_view serveMissingReason();

}  // namespace plivexwin::serve
