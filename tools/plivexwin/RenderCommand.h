#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace plivexwin::cli {

// plivexwin render IN.scn OUT.png [--size WxH] [--tiles CxR] [--render-unit]:
// reads a scene file, renders it offscreen and writes the picture as a PNG
// file. With showProgress and more than one tile, "tile K/N" is rewritten on
// err as the tiles are drawn. Returns the exit status: 0, 1 when the settings
// are refused or a file cannot be read or written, 2 for bad arguments (with
// the usage text on err).
int runRender(std::span<char* const> args, std::ostream& out, std::ostream& err, bool showProgress);
// The text of `plivexwin render --help`.
std::string renderUsage();

}  // namespace plivexwin::cli
