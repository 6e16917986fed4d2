#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace plivexwin::cli {

// Whether arg asks for the usage text: --help or -h.
bool isHelpOption(std::string_view arg);
// Whether arg is an option: '-' and more.
bool isOption(std::string_view arg);
// Prints "plivexwin: problem", a blank line and usage to err; returns the
// status of a usage error, 2.
int usageError(std::ostream& err, std::string_view problem, const std::string& usage);

// The text of `plivexwin --help`.
std::string programUsage();
// The text of `plivexwin edit --help`: the kinds of editor and every command.
std::string editUsage();

}  // namespace plivexwin::cli
