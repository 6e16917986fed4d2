// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/ConvertCommand.h"

#include <CLI/CLI.hpp>

#include <array>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/vrml/SoVRMLBackground.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenar/vrml/SoVRMLProximitySensor.h"
#include "platform/scenar/vrml/SoVRMLViewpoint.h"
#include "plivexwin/DemoScene.h"
#include "plivexwin/PictureFile.h"
#include "plivexwin/ReplacingFile.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/Usage.h"
#include "vrml/PoToVRML2Action.h"

namespace plivexwin::cli {

namespace {

// The demo's picture: rendered whole, square as the window its scene is made
// for.
constexpr PictureSettings kDemoPicture{800, 800};

// "WxH" of the picture settings' size.
std::string sizeOf(const PictureSettings& settings) {
  return std::to_string(settings.width) + "x" + std::to_string(settings.height);
}

// The axes of the demo's plots, by DEF name.
constexpr const char* kDemoAxes =
    "linearX, linearY, decadesX, valuesY, radius, angles, days, events";

// How many scene views the world shows: each placed view has a proximity
// sensor or, the navigable one, a viewpoint.
int placedViewsIn(SoNode* world) {
  int count = 0;
  for (SoType type : {SoVRMLProximitySensor::getClassTypeId(), SoVRMLViewpoint::getClassTypeId()}) {
    SoSearchAction search;
    search.setType(type);
    search.setInterest(SoSearchAction::ALL);
    search.apply(world);
    count += search.getPaths().getLength();
  }
  return count;
}

// Says on out that world was written to path.
void tellWorldWritten(SoNode* world, const std::string& path, std::ostream& out) {
  const int views = placedViewsIn(world);
  out << "wrote " << scenar::escapeControls(path) << " (" << views << " scene view"
      << (views == 1 ? "" : "s") << " placed)\n";
}

// Writes world to path and says so on out; false, with the reason in error.
bool writeWorld(SoNode* world, const std::string& path, std::ostream& out, std::string& error) {
  if (!SceneFile::writeNodes(std::span(&world, 1), path, error)) return false;
  tellWorldWritten(world, path, out);
  return true;
}

// The demo's three files, each written into its new file; then, once all
// three are written and stored, each takes its place. False, with the reason
// in error and every path as it was, when one cannot be written.
bool writeDemoFiles(const SceneFile& scene, SoNode* world, const std::array<std::string, 3>& paths,
                    std::string& error) {
  std::array<ReplacingFile, 3> files;
  for (std::size_t i = 0; i < files.size(); ++i)
    if (!files[i].open(paths[i], error)) return false;
  std::vector<SoNode*> nodes;
  for (int i = 0; i < scene.getRoot()->getNumChildren(); ++i)
    nodes.push_back(scene.getRoot()->getChild(i));
  if (!SceneFile::writeNodes(nodes, files[0], error) ||
      !SceneFile::writeNodes(std::span(&world, 1), files[1], error) ||
      !writePicture(scene.getRoot(), kDemoPicture, files[2], {}, error))
    return false;
  for (ReplacingFile& file : files)
    if (!file.finish(error)) return false;
  for (ReplacingFile& file : files)
    if (!file.commit(error)) return false;
  return true;
}

// Reads input, converts it and writes the world to output.
int runConvert(const SceneInput& input, const std::string& output, bool navigableFirstView,
               const Console& console) {
  std::string error;
  if (!canWriteOutput(output, std::span(&input.path, 1), error))
    return outputRefused(console.err, error);
  const std::unique_ptr<SceneFile> scene = SceneFile::read(input.path, error, input.mostBytes);
  if (!scene) return commandFailed(console.err, error);
  const SoRef world = worldOf(scene->getRoot(), navigableFirstView);
  if (!writeWorld(world.get(), output, console.out, error))
    return commandFailed(console.err, error);
  return 0;
}

// Writes the demo's files into folder and tells how to go on.
int runDemo(const std::filesystem::path& folder, const Console& console) {
  std::error_code failure;
  std::filesystem::create_directories(folder, failure);
  if (failure)
    return commandFailed(console.err, scenar::escapeControls(folder.string()) +
                                          ": cannot make the folder: " + failure.message());
  std::string error;
  const std::array<std::string, 3> paths = {(folder / "demo.scn").string(),
                                            (folder / "demo.wrl").string(),
                                            (folder / "demo.png").string()};
  for (const std::string& path : paths)
    if (!canWriteOutput(path, {}, error)) return outputRefused(console.err, error);
  const std::unique_ptr<SceneFile> scene = SceneFile::readText(demoScene(), error);
  if (!scene) return commandFailed(console.err, "the demo's scene: " + error);
  const SoRef world = worldOf(scene->getRoot(), false);
  if (!writeDemoFiles(*scene, world.get(), paths, error)) return commandFailed(console.err, error);
  const std::string scenePath = scenar::escapeControls(paths[0]);
  const std::string worldPath = scenar::escapeControls(paths[1]);
  const std::string picturePath = scenar::escapeControls(paths[2]);
  const std::string size = sizeOf(kDemoPicture);
  std::ostream& out = console.out;
  out << "wrote " << scenePath << '\n';
  tellWorldWritten(world.get(), paths[1], out);
  out << "wrote " << picturePath << " (" << size << ")\n";
  out << "Open " << worldPath
      << " in a VRML97 browser. To change a plot, edit one of its axes\n"
         "("
      << kDemoAxes
      << "),\n"
         "save the scene, convert it and render it again:\n"
         "  plivexwin edit --file "
      << scenePath
      << " --node linearX\n"
         "  plivexwin convert "
      << scenePath << ' ' << worldPath << "\n  plivexwin render " << scenePath << ' ' << picturePath
      << " --size " << size << '\n';
  return 0;
}

}  // namespace

// The paper is the program's, not the conversion's: it goes beside the
// action's result, in a group of its own.
SoRef<SoVRMLGroup> worldOf(SoNode* root, bool navigableFirstView) {
  PoToVRML2Action action;
  action.setFirstSceneViewSensitive(navigableFirstView ? 1 : 0);
  action.apply(root);
  auto* paper = new SoVRMLBackground;
  paper->skyColor.setValue(kPaperColor);
  SoRef world(new SoVRMLGroup);
  world->addChild(paper);
  world->addChild(action.getVRML2SceneGraph());
  return world;
}

CommandRun defineConvert(CLI::App& program) {
  struct Arguments {
    SceneInput input;
    std::string output;
    bool navigableFirstView = false;
  };
  auto args = std::make_shared<Arguments>();
  CLI::App* convert = program.add_subcommand("convert", "convert a scene file to a VRML97 world");
  addSceneInput(*convert, args->input);
  convert->add_option("OUT.wrl", args->output, "the VRML97 file to write")->required();
  convert->add_flag("--navigable-first-view", args->navigableFirstView,
                    "the first scene view is the part of the world\n"
                    "the user moves through instead, with a viewpoint\n"
                    "made from its camera");
  convert->footer(
      "Reads the scene file IN.scn (as 'plivexwin scene' does), converts it to a\n"
      "VRML 2.0 world and writes it to OUT.wrl as a VRML97 file, then prints\n"
      "  wrote OUT.wrl (N scene views placed)\n"
      "Plotting nodes convert to the geometry they draw. Each scene view keeps\n"
      "its place on the screen: its scene, seen through its own camera, is\n"
      "placed at its rectangle and follows the browser's viewer wherever the user\n"
      "moves, with its background behind it and its border around it when it\n"
      "shows them. The world's background is white, as in the picture 'plivexwin\n"
      "render' draws, and the scene's DEF names are kept, made VRML97 names. A\n"
      "view without a camera or a scene, or one that cannot be placed (a camera\n"
      "whose focal distance is not positive, a rectangle without area), stays\n"
      "empty.\n"
      "\n"
      "OUT.wrl is written through a new file beside it, renamed into place, so\n"
      "that a failure leaves OUT.wrl as it was. A file that cannot be read\n"
      "prints one line \"plivexwin: FILE:LINE: reason\" (\"plivexwin: FILE: reason\"\n"
      "when it cannot be opened) to standard error, writes nothing and exits with\n"
      "status 1; so does a failed write. An OUT.wrl that is IN.scn or exists and\n"
      "is not a regular file is refused with one line and status 2; a link is\n"
      "written through. Bad arguments print this help and exit with status 2.");
  return [args](const Console& console) {
    return runConvert(args->input, args->output, args->navigableFirstView, console);
  };
}

int runConvert(std::span<char* const> args, std::ostream& out, std::ostream& err) {
  std::istringstream none;
  return runCommand(defineConvert, args, {none, out, err});
}

CommandRun defineDemo(CLI::App& program) {
  auto folder = std::make_shared<std::string>(".");
  CLI::App* demo =
      program.add_subcommand("demo", "write a scene of four plots, its world and picture");
  demo->add_option("OUTDIR", *folder,
                   "the folder to write into, made when it does not\n"
                   "exist; the current folder by default");
  demo->footer(
      "Writes a plot scene of four scene views into OUTDIR: linear, logarithmic,\n"
      "polar and time plots, each with a background, a border and its own\n"
      "camera. It writes the scene file demo.scn, converts it as 'plivexwin\n"
      "convert' does and writes the VRML97 world demo.wrl, in which each plot\n"
      "opens where it was in its window (a square browser window shows them as\n"
      "the scene's square window did), and renders it as 'plivexwin render' does\n"
      "into the picture demo.png, " +
      sizeOf(kDemoPicture) +
      " pixels. It prints a line per file\n"
      "written and how to go on: the axes, by DEF name, are\n" +
      kDemoAxes +
      ";\n"
      "'plivexwin edit --file OUTDIR/demo.scn --node NAME' edits one of them and\n"
      "its \"save\" command writes the scene back; 'plivexwin convert\n"
      "OUTDIR/demo.scn OUTDIR/demo.wrl' converts the edited scene and 'plivexwin\n"
      "render OUTDIR/demo.scn OUTDIR/demo.png --size " +
      sizeOf(kDemoPicture) +
      "' renders it again.\n"
      "\n"
      "Each file is written through a new file beside it; the three are renamed\n"
      "into place only once all are written, so that a failure leaves all three\n"
      "as they were. A folder that cannot be made or a file that cannot be\n"
      "written prints one line \"plivexwin: PATH: reason\" to standard error and\n"
      "exits with status 1; a file in the way that is not a regular file is\n"
      "refused with one line and status 2. Bad arguments print this help and\n"
      "exit with status 2.");
  return [folder](const Console& console) { return runDemo(*folder, console); };
}

int runDemo(std::span<char* const> args, std::ostream& out, std::ostream& err) {
  std::istringstream none;
  return runCommand(defineDemo, args, {none, out, err});
}

}  // namespace plivexwin::cli
