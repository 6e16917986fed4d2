#include "plivexwin/EditCommand.h"

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/nodes/SoNode.h"
#include "plivexwin/CommandLine.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/Session.h"
#include "plivexwin/Usage.h"

namespace plivexwin::cli {

namespace {

// Runs session, then tells on err why the input could not be read, if it
// could not.
int runSession(Session&& session, std::ostream& err) {
  const int status = session.run();
  if (!session.inputError().empty())
    return commandFailed(err, "standard input: " + session.inputError());
  return status;
}

// plivexwin edit --file PLOT.scn --node NAME [--max-input-bytes N]: the
// options in any order.
int runEditOfFile(std::span<char* const> args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
  std::string problem;
  const std::optional<CommandLine> line =
      parseCommandLine(args, {"--file", "--node", kMaxInputBytesOption}, {}, problem);
  if (!line) return usageError(err, problem, editUsage());
  const std::optional<std::string> path = line->value("--file"), name = line->value("--node");
  if (!line->files.empty() || !path || path->empty() || !name || name->empty())
    return usageError(err, "edit takes --file PLOT.scn and --node NAME", editUsage());
  const std::optional<std::uintmax_t> mostBytes = maxInputBytes(*line, problem);
  if (!mostBytes) return usageError(err, problem, editUsage());

  std::string error;
  const std::unique_ptr<SceneFile> scene = SceneFile::read(*path, error, *mostBytes);
  if (!scene) return commandFailed(err, error);
  SoNode* node = scene->findNode(*name);
  const std::string quotedName = "'" + scenar::escapeControls(*name) + "'";
  if (!node)
    return commandFailed(err, scenar::escapeControls(*path) + ": no node named " + quotedName);
  std::unique_ptr<EditorHarness> harness = openEditorOn(*node);
  if (!harness)
    return commandFailed(err, "node " + quotedName + " is a " +
                                  node->getTypeId().getName().getString() +
                                  ", which no editor edits");
  return runSession(Session(*harness, in, out, scene.get()), err);
}

}  // namespace

int runEdit(std::span<char* const> args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && isHelpOption(args[0])) {
    out << editUsage();
    return 0;
  }
  if (!args.empty() && std::string_view(args[0]).starts_with("--"))
    return runEditOfFile(args, in, out, err);
  if (args.size() != 1) return usageError(err, "edit takes one KIND", editUsage());
  std::unique_ptr<EditorHarness> harness = openEditor(args[0]);
  if (!harness)
    return usageError(err, "unknown editor kind '" + scenar::escapeControls(args[0]) + "'",
                      editUsage());
  return runSession(Session(*harness, in, out), err);
}

}  // namespace plivexwin::cli
