// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/SceneCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "plivexwin/ReplacingFile.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/Usage.h"
#include "views/PoSceneView.h"

namespace plivexwin::cli {

namespace {

// The window the scene is rendered into once.
constexpr short kWindowWidth = 400;
constexpr short kWindowHeight = 300;

std::string textOf(const SoField& field) {
  SbString text;
  field.get(text);
  return text.getString();
}

// "TYPE NAME origin X Y size W H", then for scene views whether their
// background and border are on; indent blanks before it.
void printView(PoBaseView* view, std::size_t indent, std::ostream& out) {
  const std::string name = view->getName().getString();
  out << std::string(indent, ' ') << view->getTypeId().getName().getString() << ' '
      << (name.empty() ? "-" : scenar::escapeControls(name)) << " origin "
      << textOf(view->viewportOrigin) << " size " << textOf(view->viewportSize);
  if (auto* scene = dynamic_cast<PoSceneView*>(view))
    out << " background " << (scene->isBackgroundVisible.getValue() ? "on" : "off") << " border "
        << (scene->isBorderVisible.getValue() ? "on" : "off");
  out << '\n';
}

// Prints a line per view under root in the order a traversal meets them,
// each scene view followed by the views of its scene, two blanks further in.
// enclosing: the scene views whose scenes hold root, which a scene that
// holds its own view does not enter again.
void printViews(SoNode* root, std::vector<const SoNode*>& enclosing, std::ostream& out) {
  SoSearchAction search;
  search.setType(PoBaseView::getClassTypeId(), TRUE);
  search.setInterest(SoSearchAction::ALL);
  search.apply(root);
  const SoPathList& views = search.getPaths();
  for (int i = 0; i < views.getLength(); ++i) {
    auto* view = static_cast<PoBaseView*>(views[i]->getTail());
    printView(view, 2 * enclosing.size(), out);
    auto* sceneView = dynamic_cast<PoSceneView*>(view);
    SoNode* scene = sceneView ? sceneView->scene.getValue() : nullptr;
    if (!scene || std::find(enclosing.begin(), enclosing.end(), view) != enclosing.end()) continue;
    enclosing.push_back(view);
    printViews(scene, enclosing, out);
    enclosing.pop_back();
  }
}

// Reads input, lists its views, renders it and writes it to output, if
// there is one.
int runScene(const SceneInput& input, const std::string& output, const Console& console) {
  std::string error;
  if (!output.empty() && !canWriteOutput(output, std::span(&input.path, 1), error))
    return outputRefused(console.err, error);
  const std::unique_ptr<SceneFile> file = SceneFile::read(input.path, error, input.mostBytes);
  if (!file) return commandFailed(console.err, error);

  std::vector<const SoNode*> enclosing;
  printViews(file->getRoot(), enclosing, console.out);

  SoGLRenderAction render(SbViewportRegion(kWindowWidth, kWindowHeight));
  render.apply(file->getRoot());
  console.out << "rendered " << render.getRenderLog().size() << " shapes\n";

  if (!output.empty()) {
    if (!file->write(output, error)) return commandFailed(console.err, error);
    console.out << "wrote " << scenar::escapeControls(output) << '\n';
  }
  return 0;
}

}  // namespace

CommandRun defineScene(CLI::App& program) {
  struct Arguments {
    SceneInput input;
    std::string output;
  };
  auto args = std::make_shared<Arguments>();
  CLI::App* scene =
      program.add_subcommand("scene", "list a scene file's views, render it, write it back");
  addSceneInput(*scene, args->input);
  scene->add_option("OUT.scn", args->output, "the file to write the scene to");
  scene->footer(
      "Reads the scene file IN.scn and prints one line per view, in the order a\n"
      "traversal meets them:\n"
      "  TYPE NAME origin X Y size W H [background on|off border on|off]\n"
      "with NAME the view's DEF name or \"-\", the rectangle in normalized window\n"
      "coordinates, and for scene views whether background and border are shown.\n"
      "The views in a scene view's scene follow its line, two blanks further in.\n"
      "Then renders the scene once into a " +
      std::to_string(kWindowWidth) + "x" + std::to_string(kWindowHeight) +
      " window and prints\n"
      "  rendered N shapes\n"
      "With OUT.scn it writes the scene there in the writer's layout (through a\n"
      "new file renamed into place, so that a failed write leaves OUT.scn as it\n"
      "was) and prints \"wrote OUT.scn\".\n"
      "\n"
      "A file that cannot be read prints one line \"plivexwin: FILE:LINE: reason\"\n"
      "(\"plivexwin: FILE: reason\" when it cannot be opened) to standard error,\n"
      "writes nothing and exits with status 1; so does a failed write. Only\n"
      "regular files are read. An OUT.scn that is IN.scn or exists and is not a\n"
      "regular file is refused with one line and status 2; a link is written\n"
      "through. Control characters in a path print escaped, as \\n. Bad\n"
      "arguments print this help and exit with status 2.");
  return [args](const Console& console) { return runScene(args->input, args->output, console); };
}

int runScene(std::span<char* const> args, std::ostream& out, std::ostream& err) {
  std::istringstream none;
  return runCommand(defineScene, args, {none, out, err});
}

}  // namespace plivexwin::cli
