// plivexwin: drives the editors from the command line.

#include <iostream>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "plivexwin/EditorHarness.h"
#include "plivexwin/Session.h"
#include "plivexwin/Usage.h"

namespace {

using namespace plivexwin::cli;

constexpr int kUsageError = 2;

bool isHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

int usageError(std::string_view problem, const std::string& usage) {
  std::cerr << "plivexwin: " << problem << "\n\n" << usage;
  return kUsageError;
}

// plivexwin edit KIND
int runEdit(std::span<char* const> args) {
  if (args.size() == 1 && isHelp(args[0])) {
    std::cout << editUsage();
    return 0;
  }
  if (args.size() != 1) return usageError("edit takes one KIND", editUsage());
  std::unique_ptr<EditorHarness> harness = openEditor(args[0]);
  if (!harness)
    return usageError("unknown editor kind '" + std::string(args[0]) + "'", editUsage());
  return Session(*harness, std::cin, std::cout).run();
}

struct Subcommand {
  std::string_view name;
  int (*run)(std::span<char* const> args);
};

constexpr Subcommand kSubcommands[] = {
    {"edit", runEdit},
};

}  // namespace

int main(int argc, char** argv) {
  std::span<char* const> args(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
  if (args.empty()) return usageError("missing command", programUsage());
  if (args.size() == 1 && isHelp(args[0])) {
    std::cout << programUsage();
    return 0;
  }
  for (const Subcommand& subcommand : kSubcommands)
    if (subcommand.name == args[0]) return subcommand.run(args.subspan(1));
  return usageError("unknown command '" + std::string(args[0]) + "'", programUsage());
}
