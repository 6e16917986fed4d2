// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/PictureFile.h"

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"
#include "plivexwin/PngFile.h"
#include "plivexwin/ReplacingFile.h"

namespace plivexwin::cli {

namespace {

// Sets SoDB's render-unit mode for its lifetime.
class RenderUnitMode {
 public:
  explicit RenderUnitMode(bool on) : before_(SoDB::getRenderUnitMode()) {
    SoDB::setRenderUnitMode(on ? TRUE : FALSE);
  }
  ~RenderUnitMode() { SoDB::setRenderUnitMode(before_); }
  RenderUnitMode(const RenderUnitMode&) = delete;
  RenderUnitMode& operator=(const RenderUnitMode&) = delete;

 private:
  int before_;
};

std::string sizeText(int first, int second) {
  return std::to_string(first) + "x" + std::to_string(second);
}

// The renderer for settings; its region takes sides up to kMaximumSide only.
SoOffscreenRenderer rendererFor(const PictureSettings& settings) {
  SoOffscreenRenderer renderer(SbViewportRegion(short(settings.width), short(settings.height)));
  renderer.setTiles(settings.columns, settings.rows);
  renderer.setBackgroundColor(kPaperColor);
  return renderer;
}

}  // namespace

bool canRender(const PictureSettings& settings, std::string& error) {
  constexpr int kLargest = SoOffscreenRenderer::kMaximumSide;
  const std::string what = "cannot render " + sizeText(settings.width, settings.height) + " in " +
                           sizeText(settings.columns, settings.rows) + " tiles: ";
  if (settings.width < 1 || settings.height < 1 || settings.width > kLargest ||
      settings.height > kLargest) {
    error = what + "each side takes 1 to " + std::to_string(kLargest) + " pixels";
    return false;
  }
  if (const char* reason = rendererFor(settings).checkSettings()) {
    error = what + reason;
    return false;
  }
  return true;
}

bool writePicture(SoNode* scene, const PictureSettings& settings, const std::string& path,
                  const TileProgress& progress, std::string& error) {
  if (!canRender(settings, error)) return false;
  ReplacingFile file;
  return file.open(path, error) && writePicture(scene, settings, file, progress, error) &&
         file.commit(error);
}

bool writePicture(SoNode* scene, const PictureSettings& settings, ReplacingFile& file,
                  const TileProgress& progress, std::string& error) {
  const auto failed = [&file] {
    file.discard();
    return false;
  };
  if (!canRender(settings, error)) return failed();
  SoOffscreenRenderer renderer = rendererFor(settings);
  const RenderUnitMode mode(settings.renderUnit);
  PngWriter png;
  if (!png.open(file.stream(), file.path(), settings.width, settings.height, error))
    return failed();
  std::string rowError;  // why the writer stopped the render, if it did
  const bool rendered = renderer.render(
      scene,
      [&png, &rowError](int row, const unsigned char* rgba) {
        return row == png.rowsWritten() && png.writeRow(rgba, rowError);
      },
      progress);
  if (!rendered) {
    error = rowError.empty()
                ? scenar::escapeControls(file.path()) + ": the scene could not be rendered"
                : rowError;
    return failed();
  }
  return png.finish(error) || failed();
}

}  // namespace plivexwin::cli
