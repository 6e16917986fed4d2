#include "plivexwin/EditCommand.h"

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/scenar/nodes/SoNode.h"
#include "plivexwin/EditorHarness.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/Session.h"
#include "plivexwin/Usage.h"

namespace plivexwin::cli {

namespace {

// plivexwin edit --file PLOT.scn --node NAME: the options in any order.
int runEditOfFile(std::span<char* const> args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
  std::string_view path, name;
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    const std::string_view option = args[i];
    std::string_view* value = option == "--file" ? &path : option == "--node" ? &name : nullptr;
    if (!value || !value->empty())
      return usageError(err, "unexpected '" + std::string(option) + "'", editUsage());
    *value = args[i + 1];
  }
  if (args.size() != 4 || path.empty() || name.empty())
    return usageError(err, "edit takes --file PLOT.scn and --node NAME", editUsage());

  std::string error;
  const std::unique_ptr<SceneFile> scene = SceneFile::read(std::string(path), error);
  if (!scene) return commandFailed(err, error);
  SoNode* node = scene->findNode(std::string(name));
  if (!node)
    return commandFailed(err, std::string(path) + ": no node named '" + std::string(name) + "'");
  std::unique_ptr<EditorHarness> harness = openEditorOn(*node);
  if (!harness)
    return commandFailed(err, "node '" + std::string(name) + "' is a " +
                                  node->getTypeId().getName().getString() +
                                  ", which no editor edits");
  return Session(*harness, in, out, scene.get()).run();
}

// plivexwin edit KIND, or a node of a scene file.
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
    return usageError(err, "unknown editor kind '" + std::string(args[0]) + "'", editUsage());
  return Session(*harness, in, out).run();
}

}  // namespace plivexwin::cli
