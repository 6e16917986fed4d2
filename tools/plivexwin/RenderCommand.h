// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <span>

#include "plivexwin/CommandLine.h"

namespace plivexwin::cli {

// plivexwin render IN.scn OUT.png [--size WxH] [--tiles CxR] [--render-unit]
// [--max-input-bytes N]: reads a scene file, renders it offscreen and writes
// the picture as a PNG file. Where the console's err is a terminal and there
// is more than one tile, "tile K/N" is rewritten there as the tiles are
// drawn. The command's run returns the exit status: 0, 1 when the settings
// are refused or a file cannot be read or written, 2 when OUT may not be
// written.
CommandRun defineRender(CLI::App& program);
// Runs `plivexwin render args...`, showing the tiles drawn with showProgress.
int runRender(std::span<char* const> args, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace plivexwin::cli
