// SPDX-License-Identifier: Apache-2.0
#include "VrmlCheck.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The text in single quotes for the shell.
std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

bool saidOf(const std::string& output, const std::string& file, const char* verdict) {
  for (const char* parser : {"tovrmlx3d", "x_ite"}) {
    const std::string line = std::string(parser) + ' ' + verdict + ' ' + file;
    // The line, followed by its end or by ": reason".
    bool found = false;
    for (std::size_t at = output.find(line); at != std::string::npos && !found;
         at = output.find(line, at + 1)) {
      const bool lineStart = at == 0 || output[at - 1] == '\n';
      const std::size_t end = at + line.size();
      const bool lineEnd = end == output.size() || output[end] == '\n' || output[end] == ':';
      found = lineStart && lineEnd;
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace

bool VrmlVerdict::acceptedByBoth(const std::string& file) const {
  return saidOf(output, file, "OK");
}

bool VrmlVerdict::refusedByBoth(const std::string& file) const {
  return saidOf(output, file, "FAIL");
}

VrmlVerdict checkVrml(const std::vector<std::string>& files) {
  std::string command = shellQuoted(PLIVEXWIN_CHECK_VRML);
  for (const std::string& file : files) command += ' ' + shellQuoted(file);
  command += " 2>&1";
  VrmlVerdict verdict;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    verdict.output = "cannot run " + command;
    return verdict;
  }
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    verdict.output.append(buffer, n);
  const int status = pclose(pipe);
  // Status 3: a parser is missing.
  verdict.installed = !(WIFEXITED(status) && WEXITSTATUS(status) == 3);
  return verdict;
}

bool vrmlParsersRequired() { return std::getenv("PLIVEXWIN_REQUIRE_VRML_PARSERS") != nullptr; }
