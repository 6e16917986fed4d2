// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <span>

#include "plivexwin/CommandLine.h"

namespace plivexwin::cli {

// plivexwin scene IN.scn [OUT.scn] [--max-input-bytes N]: reads a scene file,
// prints a line per view and how many shapes one render of it draws, and
// writes it back to OUT. The command's run returns the exit status: 0, 1 when
// a file cannot be read or written, 2 when OUT may not be written.
CommandRun defineScene(CLI::App& program);
// Runs `plivexwin scene args...`.
int runScene(std::span<char* const> args, std::ostream& out, std::ostream& err);

}  // namespace plivexwin::cli
