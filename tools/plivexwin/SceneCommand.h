#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace plivexwin::cli {

// plivexwin scene IN.scn [OUT.scn]: reads a scene file, prints a line per view
// and how many shapes one render of it draws, and writes it back to OUT.
// Returns the exit status: 0, 1 when a file cannot be read or written, 2 for
// bad arguments (with the usage text on err).
int runScene(std::span<char* const> args, std::ostream& out, std::ostream& err);

// The text of `plivexwin scene --help`.
std::string sceneUsage();

}  // namespace plivexwin::cli
