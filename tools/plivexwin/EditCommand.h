#pragma once

#include <iosfwd>
#include <span>

namespace plivexwin::cli {

// plivexwin edit KIND, or plivexwin edit --file PLOT.scn --node NAME
// [--max-input-bytes N]: opens the editor and runs a session of commands read
// from in. Returns the exit status: the session's, 1 when the file cannot be
// read or holds no node the editors edit under that name, or when in cannot
// be read or holds too long a line (told on err), 2 for bad arguments (with
// the usage text on err).
int runEdit(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace plivexwin::cli
