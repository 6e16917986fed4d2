#include "plivexwin/RenderCommand.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "plivexwin/CommandLine.h"
#include "plivexwin/PictureFile.h"
#include "plivexwin/ReplacingFile.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/TextParsing.h"
#include "plivexwin/Usage.h"

namespace plivexwin::cli {

namespace {

// "AxB" of two whole numbers without sign, as "800x600".
std::optional<std::pair<int, int>> parseTimes(std::string_view text) {
  const std::size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  const std::string_view first = text.substr(0, cross), second = text.substr(cross + 1);
  auto whole = [](std::string_view word) {  // no sign
    return !word.empty() && word[0] >= '0' && word[0] <= '9' ? parseInt(word) : std::nullopt;
  };
  const std::optional<int> a = whole(first), b = whole(second);
  if (!a || !b) return std::nullopt;
  return std::pair(*a, *b);
}

// Reads text, an option's value, as "AxB" into a and b; false, with the
// reason in error, when it is not that. No text leaves a and b as they are.
bool readTimes(const std::optional<std::string>& text, std::string_view option,
               std::string_view example, int& a, int& b, std::string& error) {
  if (!text) return true;
  const std::optional<std::pair<int, int>> pair = parseTimes(*text);
  if (!pair) {
    error = std::string(option) + " '" + scenar::escapeControls(*text) +
            "': not two whole numbers as " + std::string(example);
    return false;
  }
  std::tie(a, b) = *pair;
  return true;
}

}  // namespace

std::string renderUsage() {
  return "usage: plivexwin render IN.scn OUT.png [--size WxH] [--tiles CxR] [--render-unit]\n"
         "                        [--max-input-bytes N]\n"
         "       plivexwin render --help\n"
         "\n"
         "Reads the scene file IN.scn (as 'plivexwin scene' does), renders it offscreen\n"
         "on a white background and writes the picture to OUT.png, 8-bit RGBA, then\n"
         "prints\n"
         "  wrote OUT.png (WxH, CxR tiles)\n"
         "The rows go to the file as they are drawn: a tiled picture is never in\n"
         "memory whole, only one band of tiles at a time, and of a band of more than\n"
         "16M pixels (4096x4096) one strip of rows at a time, with its tiles cut to\n"
         "the strip.\n"
         "\n"
         "Options:\n"
         "  --size WxH    the picture's width and height in pixels, 1 to 16384 each\n"
         "                (800x600 by default)\n"
         "  --tiles CxR   draw the picture in C columns by R rows of tiles, each seeing\n"
         "                its part of the scene (1x1, whole, by default); at least one\n"
         "                pixel a tile. Where standard error is a terminal, \"tile K/N\"\n"
         "                shows how far the render is, a tile cut into strips\n"
         "                counting once a strip\n"
         "  --render-unit\n"
         "                the views narrow the render to the tiles in render-unit mode\n"
         "                instead of the classic way; the picture is the same\n" +
         maxInputBytesHelp("IN.scn") +
         "\n"
         "OUT.png is written through a new file beside it, renamed into place. A size\n"
         "or tiles that cannot render, a file that cannot be read (\"plivexwin:\n"
         "FILE:LINE: reason\") or written prints one line to standard error, leaves\n"
         "OUT.png as it was and exits with status 1; bad arguments print this text\n"
         "and exit with status 2. An OUT.png that is IN.scn or exists and is not a\n"
         "regular file is refused with one line and status 2; a link is written\n"
         "through.\n";
}

int runRender(std::span<char* const> args, std::ostream& out, std::ostream& err,
              bool showProgress) {
  if (args.size() == 1 && isHelpOption(args[0])) {
    out << renderUsage();
    return 0;
  }
  std::string problem;
  const std::optional<CommandLine> line = parseCommandLine(
      args, {"--size", "--tiles", kMaxInputBytesOption}, {"--render-unit"}, problem);
  if (!line) return usageError(err, problem, renderUsage());
  const std::vector<std::string>& files = line->files;
  if (files.size() != 2) return usageError(err, "render takes IN.scn and OUT.png", renderUsage());
  const std::optional<std::uintmax_t> mostBytes = maxInputBytes(*line, problem);
  if (!mostBytes) return usageError(err, problem, renderUsage());

  PictureSettings settings;
  settings.renderUnit = line->has("--render-unit");
  std::string error;
  if (!canWriteOutput(files[1], std::span(files.data(), 1), error))
    return outputRefused(err, error);
  std::unique_ptr<SceneFile> scene;
  if (readTimes(line->value("--size"), "--size", "800x600", settings.width, settings.height,
                error) &&
      readTimes(line->value("--tiles"), "--tiles", "3x2", settings.columns, settings.rows, error) &&
      canRender(settings, error))
    scene = SceneFile::read(files[0], error, *mostBytes);
  if (!scene) return commandFailed(err, error);

  bool shown = false;  // a progress line waits for its end
  TileProgress progress;
  if (showProgress && settings.columns * settings.rows > 1)
    progress = [&err, &shown](int done, int total) {
      err << "\rtile " << done << '/' << total << std::flush;
      shown = true;
    };
  const bool written = writePicture(scene->getRoot(), settings, files[1], progress, error);
  if (shown) err << '\n';
  if (!written) return commandFailed(err, error);
  out << "wrote " << scenar::escapeControls(files[1]) << " (" << settings.width << 'x'
      << settings.height << ", " << settings.columns << 'x' << settings.rows << " tiles"
      << (settings.renderUnit ? ", render-unit mode" : "") << ")\n";
  return 0;
}

}  // namespace plivexwin::cli
