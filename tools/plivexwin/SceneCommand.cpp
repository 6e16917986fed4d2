#include "plivexwin/SceneCommand.h"

#include <memory>
#include <ostream>

#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
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
// background and border are on.
void printView(PoBaseView* view, std::ostream& out) {
  const std::string name = view->getName().getString();
  out << view->getTypeId().getName().getString() << ' ' << (name.empty() ? "-" : name) << " origin "
      << textOf(view->viewportOrigin) << " size " << textOf(view->viewportSize);
  if (auto* scene = dynamic_cast<PoSceneView*>(view))
    out << " background " << (scene->isBackgroundVisible.getValue() ? "on" : "off") << " border "
        << (scene->isBorderVisible.getValue() ? "on" : "off");
  out << '\n';
}

}  // namespace

std::string sceneUsage() {
  return "usage: plivexwin scene IN.scn [OUT.scn]\n"
         "       plivexwin scene --help\n"
         "\n"
         "Reads the scene file IN.scn and prints one line per view, in the order a\n"
         "traversal meets them:\n"
         "  TYPE NAME origin X Y size W H [background on|off border on|off]\n"
         "with NAME the view's DEF name or \"-\", the rectangle in normalized window\n"
         "coordinates, and for scene views whether background and border are shown.\n"
         "Then renders the scene once into a 400x300 window and prints\n"
         "  rendered N shapes\n"
         "With OUT.scn it writes the scene there in the writer's layout (through a\n"
         "new file renamed into place, so that a failed write leaves OUT.scn as it\n"
         "was) and prints \"wrote OUT.scn\".\n"
         "\n"
         "A file that cannot be read prints one line \"plivexwin: FILE:LINE: reason\"\n"
         "(\"plivexwin: FILE: reason\" when it cannot be opened) to standard error,\n"
         "writes nothing and exits with status 1; so does a failed write. Only\n"
         "regular files of at most 1 GiB are read. An OUT.scn that is IN.scn or exists\n"
         "and is not a regular file is refused with one line and status 2; a link\n"
         "is written through.\n";
}

int runScene(std::span<char* const> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && isHelpOption(args[0])) {
    out << sceneUsage();
    return 0;
  }
  if (args.empty() || args.size() > 2)
    return usageError(err, "scene takes IN.scn and at most OUT.scn", sceneUsage());

  std::string error;
  const std::string input = args[0];
  if (args.size() == 2 && !canWriteOutput(args[1], std::span(&input, 1), error))
    return outputRefused(err, error);
  const std::unique_ptr<SceneFile> file = SceneFile::read(input, error);
  if (!file) return commandFailed(err, error);

  SoSearchAction search;
  search.setType(PoBaseView::getClassTypeId(), TRUE);
  search.setInterest(SoSearchAction::ALL);
  search.apply(file->getRoot());
  const SoPathList& views = search.getPaths();
  for (int i = 0; i < views.getLength(); ++i)
    printView(static_cast<PoBaseView*>(views[i]->getTail()), out);

  SoGLRenderAction render(SbViewportRegion(kWindowWidth, kWindowHeight));
  render.apply(file->getRoot());
  out << "rendered " << render.getRenderLog().size() << " shapes\n";

  if (args.size() == 2) {
    if (!file->write(args[1], error)) return commandFailed(err, error);
    out << "wrote " << args[1] << '\n';
  }
  return 0;
}

}  // namespace plivexwin::cli
