// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

// How the program reports what goes wrong, in one way throughout: a function
// that can fail returns what tests false on a failure (false, a null pointer,
// an empty optional) and puts the reason, a line starting with the file it is
// about where there is one, in its last parameter, std::string& error. The
// command prints it once: "plivexwin: REASON" and status 1 (commandFailed), or
// in an editing session "error: REASON" and the session goes on. Bad
// arguments print the usage text instead (usageError), status 2; an output
// the command may not write prints its reason alone (outputRefused), status 2.
namespace plivexwin::cli {

// Prints "plivexwin: problem", a blank line and usage to err; returns the
// status of a usage error, 2.
int usageError(std::ostream& err, std::string_view problem, const std::string& usage);
// Prints "plivexwin: reason" to err; returns the status of a failed command, 1.
int commandFailed(std::ostream& err, std::string_view reason);
// Prints "plivexwin: reason" to err; returns the status of an output refused
// before anything was read or written, 2.
int outputRefused(std::ostream& err, std::string_view reason);

}  // namespace plivexwin::cli
