// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <span>

#include "plivexwin/CommandLine.h"

namespace plivexwin::cli {

// plivexwin edit KIND, or plivexwin edit --file PLOT.scn --node NAME
// [--max-input-bytes N]: opens the editor and runs a session of commands read
// from the console's in. The command's run returns the exit status: the
// session's, or 1 when the file cannot be read or holds no node the editors
// edit under that name, or when in cannot be read or holds too long a line
// (told on err).
CommandRun defineEdit(CLI::App& program);
// Runs `plivexwin edit args...` on the commands read from in.
int runEdit(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace plivexwin::cli
