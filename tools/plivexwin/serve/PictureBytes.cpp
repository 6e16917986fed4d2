// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/PictureBytes.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/scenar/rendering/SoOffscreenRenderer.h"
#include "plivexwin/PictureFile.h"

namespace plivexwin::serve {

namespace {

// A stream writing into memory; the bytes are read once it is closed.
class MemoryStream {
 public:
  MemoryStream() : stream_(open_memstream(&data_, &size_)) {}
  ~MemoryStream() {
    close();
    std::free(data_);
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  std::FILE* get() const { return stream_; }
  // Closes the stream and gives what was written.
  std::string take() {
    close();
    return data_ ? std::string(data_, size_) : std::string();
  }

 private:
  void close() {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
  }

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* stream_;
};

}  // namespace

bool renderPng(SoNode* scene, int width, int height, std::string& png, std::string& error,
               cli::PngEncoding encoding) {
  const cli::PictureSettings settings{width, height};
  if (!cli::canRender(settings, error)) return false;
  MemoryStream stream;
  if (!stream.get()) {
    error = "no memory for the picture";
    return false;
  }
  SoOffscreenRenderer renderer{
      SbViewportRegion(static_cast<short>(width), static_cast<short>(height))};
  renderer.setBackgroundColor(cli::kPaperColor);
  cli::PngWriter writer;
  if (!writer.open(stream.get(), "picture", width, height, error, encoding)) return false;
  std::string rowError;
  const bool rendered = renderer.render(scene, [&](int row, const unsigned char* rgba) {
    return row == writer.rowsWritten() && writer.writeRow(rgba, rowError);
  });
  if (!rendered) {
    error = rowError.empty() ? "the scene could not be rendered" : rowError;
    return false;
  }
  if (!writer.finish(error)) return false;
  png = stream.take();
  return true;
}

}  // namespace plivexwin::serve
