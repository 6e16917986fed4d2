// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/RenderCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"
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

// Adds the option name, whose value is "AxB" as example, into a and b.
void addTimesOption(CLI::App& command, const std::string& name, const std::string& valueName,
                    const std::string& example, const std::string& description, int& a, int& b) {
  command
      .add_option_function<std::string>(
          name,
          [&a, &b](const std::string& text) {
            if (const std::optional<std::pair<int, int>> pair = parseTimes(text))
              std::tie(a, b) = *pair;
          },
          description)
      ->type_name(valueName)
      ->check([example](const std::string& text) {
        return parseTimes(text) ? std::string()
                                : "'" + text + "' is not two whole numbers as " + example;
      });
}

// Whether path names a PNG file: it ends in .png, in either case.
bool isPngName(std::string_view path) {
  constexpr std::string_view kSuffix = ".png";
  if (path.size() < kSuffix.size()) return false;
  const std::string_view end = path.substr(path.size() - kSuffix.size());
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::equal(end.begin(), end.end(), kSuffix.begin(),
                    [&lower](char c, char suffix) { return lower(c) == suffix; });
}

// Reads input, renders it as settings say and writes the picture to output.
int runRender(const SceneInput& input, const std::string& output, const PictureSettings& settings,
              const Console& console) {
  std::ostream& err = console.err;
  std::string error;
  if (!canWriteOutput(output, std::span(&input.path, 1), error)) return outputRefused(err, error);
  std::unique_ptr<SceneFile> scene;
  if (canRender(settings, error)) scene = SceneFile::read(input.path, error, input.mostBytes);
  if (!scene) return commandFailed(err, error);

  bool shown = false;  // a progress line waits for its end
  TileProgress progress;
  if (console.errIsTerminal && settings.columns * settings.rows > 1)
    progress = [&err, &shown](int done, int total) {
      err << "\rtile " << done << '/' << total << std::flush;
      shown = true;
    };
  const bool written = writePicture(scene->getRoot(), settings, output, progress, error);
  if (shown) err << '\n';
  if (!written) return commandFailed(err, error);
  console.out << "wrote " << scenar::escapeControls(output) << " (" << settings.width << 'x'
              << settings.height << ", " << settings.columns << 'x' << settings.rows << " tiles"
              << (settings.renderUnit ? ", render-unit mode" : "") << ")\n";
  return 0;
}

}  // namespace

CommandRun defineRender(CLI::App& program) {
  struct Arguments {
    SceneInput input;
    std::string output;
    PictureSettings settings;
  };
  auto args = std::make_shared<Arguments>();
  PictureSettings& settings = args->settings;
  CLI::App* render = program.add_subcommand("render", "render a scene file into a PNG picture");
  addSceneInput(*render, args->input);
  render->add_option("OUT.png", args->output, "the PNG file to write, its name ending in .png")
      ->required()
      ->check([](const std::string& path) {
        return isPngName(path) ? std::string() : "'" + path + "' does not end in .png";
      });
  addTimesOption(*render, "--size", "WxH", "800x600",
                 "the picture's width and height in pixels, 1 to\n" +
                     std::to_string(SoOffscreenRenderer::kMaximumSide) + " each (" +
                     std::to_string(settings.width) + "x" + std::to_string(settings.height) +
                     " by default)",
                 settings.width, settings.height);
  addTimesOption(*render, "--tiles", "CxR", "3x2",
                 "draw the picture in C columns by R rows of tiles,\n"
                 "each seeing its part of the scene (1x1, whole, by\n"
                 "default); at least one pixel a tile. Where\n"
                 "standard error is a terminal, \"tile K/N\" shows\n"
                 "how far the render is, a tile cut into strips\n"
                 "counting once a strip",
                 settings.columns, settings.rows);
  render->add_flag("--render-unit", settings.renderUnit,
                   "the views narrow the render to the tiles in\n"
                   "render-unit mode instead of the classic way; the\n"
                   "picture is the same");
  render->footer(
      "Reads the scene file IN.scn (as 'plivexwin scene' does), renders it offscreen\n"
      "on a white background and writes the picture to OUT.png, 8-bit RGBA, then\n"
      "prints\n"
      "  wrote OUT.png (WxH, CxR tiles)\n"
      "The rows go to the file as they are drawn: a tiled picture is never in\n"
      "memory whole, only one band of tiles at a time, and of a band of more than\n"
      "16M pixels (4096x4096) one strip of rows at a time, with its tiles cut to\n"
      "the strip.\n"
      "\n"
      "OUT.png is written through a new file beside it, renamed into place. A size\n"
      "or tiles that cannot render (a side out of range, more tiles than\n"
      "pixels), a file that cannot be read (\"plivexwin: FILE:LINE: reason\") or\n"
      "written prints one line to standard error, leaves OUT.png as it was and\n"
      "exits with status 1; bad arguments (a size or tiles that are not two\n"
      "whole numbers, an OUT.png whose name does not end in .png) print this\n"
      "help and exit with status 2. An OUT.png that is IN.scn or exists and is\n"
      "not a regular file is refused with one line and status 2; a link is\n"
      "written through.");
  return [args](const Console& console) {
    return runRender(args->input, args->output, args->settings, console);
  };
}

int runRender(std::span<char* const> args, std::ostream& out, std::ostream& err,
              bool showProgress) {
  std::istringstream none;
  return runCommand(defineRender, args, {none, out, err, showProgress});
}

}  // namespace plivexwin::cli
