#pragma once

#include <string>

namespace plivexwin::cli {

// The text of `plivexwin --help`.
std::string programUsage();
// The text of `plivexwin edit --help`: the kinds of editor and every command.
std::string editUsage();

}  // namespace plivexwin::cli
