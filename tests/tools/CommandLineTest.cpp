// SPDX-License-Identifier: Apache-2.0
// The program's command line as a whole, each command defined once: the
// help, the version and the usage errors of every command.

#include "plivexwin/CommandLine.h"

#include <sstream>

#include "CommandTestSupport.h"
#include "PlivexWinVersion.h"
#include "plivexwin/EditCommand.h"
#ifndef PLIVEXWIN_EDITORS_ONLY
#include "plivexwin/ConvertCommand.h"
#include "plivexwin/RenderCommand.h"
#include "plivexwin/SceneCommand.h"
#endif

namespace {

using plivexwin::cli::DefineCommand;

constexpr DefineCommand kCommands[] = {
    plivexwin::cli::defineEdit,
#ifndef PLIVEXWIN_EDITORS_ONLY
    plivexwin::cli::defineScene,  plivexwin::cli::defineConvert,
    plivexwin::cli::defineRender, plivexwin::cli::defineDemo,
#endif
};

const std::vector<std::string> kNames = {"edit",
#ifndef PLIVEXWIN_EDITORS_ONLY
                                         "scene", "convert", "render", "demo"
#endif
};

// Runs `plivexwin ARGS...` with every command of the build.
class CommandLineTest : public CommandTest {
 protected:
  int run(std::vector<std::string> words) {
    std::istringstream in;
    return plivexwin::cli::runProgram(kCommands, argsOf(words), {in, out, err});
  }
};

TEST_F(CommandLineTest, versionAndHelpGoToStandardOutput) {
  EXPECT_EQ(run({"--version"}), 0);
  EXPECT_EQ(out.str(), "plivexwin " PLIVEXWIN_VERSION_STRING "\n");
  EXPECT_EQ(run({"--help"}), 0);
  const std::string help = out.str();
  for (const std::string& name : kNames) {
    EXPECT_NE(help.find("\n  " + name + "  "), std::string::npos) << name << " listed:\n" << help;
    EXPECT_EQ(run({name, "--help"}), 0);
    EXPECT_NE(out.str().find("usage: plivexwin " + name + " "), std::string::npos) << out.str();
    EXPECT_EQ(err.str(), "");
  }
  // The session's own commands and the editors' kinds are told with edit's options.
  EXPECT_EQ(run({"edit", "-h"}), 0);
  for (const char* told : {"--max-input-bytes N", "nonlinear3", "save [PATH]", "status 2"})
    EXPECT_NE(out.str().find(told), std::string::npos) << told;
}

TEST_F(CommandLineTest, badArgumentsAreUsageErrorsWithTheCommandsHelp) {
  struct Case {
    std::vector<std::string> words;
    std::string problem;
  };
  std::vector<Case> cases = {
      {{}, "missing command"},
      {{"frob"}, "unknown command 'frob'"},
      {{"--frob"}, "unexpected argument '--frob'"},
      {{"edit", "linear", "--foo"}, "unexpected argument '--foo'"},
      {{"edit", "-x", "linear", "more"}, "unexpected arguments '-x' 'more'"},
      {{"edit"}, "edit takes KIND, or --file PLOT.scn and --node NAME"},
      {{"edit", "no\nkind"}, "KIND: unknown editor kind 'no\\nkind'"},
      {{"edit", "--node", "x"}, "--node requires --file"},
      {{"edit", "--max-input-bytes", "1K", "linear"}, "--max-input-bytes requires --file"},
#ifndef PLIVEXWIN_EDITORS_ONLY
      {{"scene", "--foo"}, "unexpected argument '--foo'"},
      {{"scene", "--\x01"}, "unexpected argument '--\\x01'"},
      {{"convert", "in.scn"}, "OUT.wrl is required"},
      {{"render", "in.scn", "out.jpg"}, "OUT.png: 'out.jpg' does not end in .png"},
      {{"render", "in.scn", "out.png", "--size", "800"},
       "--size: '800' is not two whole numbers as 800x600"},
      {{"render", "--tiles=3x", "in.scn", "out.png"},
       "--tiles: '3x' is not two whole numbers as 3x2"},
      {{"render", "in.scn", "out\n.jpg"}, "OUT.png: 'out\\n.jpg' does not end in .png"},
      {{"demo", "--fast"}, "unexpected argument '--fast'"},
#endif
  };
  for (const Case& bad : cases) {
    const std::string command =
        bad.words.empty() || bad.words[0][0] == '-' || bad.words[0] == "frob" ? ""
                                                                              : " " + bad.words[0];
    EXPECT_EQ(run(bad.words), 2) << bad.problem;
    EXPECT_EQ(err.str().rfind("plivexwin: " + bad.problem + "\n\n", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("\nusage: plivexwin" + command + " [OPTIONS]"), std::string::npos)
        << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(entries(), 0);
}

}  // namespace
