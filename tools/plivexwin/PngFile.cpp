// SPDX-License-Identifier: Apache-2.0
// libpng reports errors by calling an error function that must not return.
// Ours keeps the message and jumps back with png_longjmp to the setjmp of the
// guarded call that started the libpng work: each such call is a small
// function whose frame, like libpng's own frames, holds nothing with a
// destructor, so that the jump skips no C++ object.

#include "plivexwin/PngFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"

namespace plivexwin::cli {

namespace {

// What libpng's error function keeps of the error: trivially destroyed.
struct Failure {
  char message[200] = "";
};

[[noreturn]] void keepError(png_structp png, png_const_charp message) {
  Failure* failure = static_cast<Failure*>(png_get_error_ptr(png));
  std::snprintf(failure->message, sizeof failure->message, "%s", message);
  png_longjmp(png, 1);
}

// Warnings (an odd chunk in a file read, say) do not stop the work.
void ignoreWarning(png_structp, png_const_charp) {}

std::string reasonOf(const Failure& failure) {
  return failure.message[0] ? failure.message : "an error in libpng";
}

// libpng's writes into the stream: a failure reports the system's reason
// (libpng's own functions would say only "Write Error").
void writeData(png_structp png, png_bytep data, std::size_t length) {
  auto* stream = static_cast<std::FILE*>(png_get_io_ptr(png));
  if (std::fwrite(data, 1, length, stream) != length) png_error(png, std::strerror(errno));
}

void flushData(png_structp png) {
  if (std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png))) != 0)
    png_error(png, std::strerror(errno));
}

// The guarded calls: false when libpng reported an error.

bool startWriting(png_structp png, png_infop info, std::FILE* stream, png_uint_32 width,
                  png_uint_32 height, PngEncoding encoding) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, stream, writeData, flushData);
  if (encoding == PngEncoding::Quick) {
    // Trying every filter on every row costs most of the default's time, and
    // a plot's flat colours compress well without one.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 3);
  }
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  return true;
}

bool writeOneRow(png_structp png, png_const_bytep row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_write_row(png, row);
  return true;
}

bool endWriting(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_write_end(png, info);
  return true;
}

// Reads the header and asks for 8-bit RGBA whatever the file holds.
bool startReading(png_structp png, png_infop info, std::FILE* stream, png_uint_32* width,
                  png_uint_32* height, std::size_t* rowBytes) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, stream);
  png_set_user_limits(png, SoOffscreenRenderer::kMaximumSide, SoOffscreenRenderer::kMaximumSide);
  png_read_info(png, info);
  png_set_expand(png);  // palette to RGB, gray below 8 bits to 8, tRNS to alpha
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  *rowBytes = png_get_rowbytes(png, info);
  return true;
}

bool readRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

// libpng's state for a picture written or read, with what its error function
// keeps.
struct PngState {
  Failure failure;
  png_structp png = nullptr;
  png_infop info = nullptr;
  bool reading;

  explicit PngState(bool forReading) : reading(forReading) {
    png = reading
              ? png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, keepError, ignoreWarning)
              : png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, keepError, ignoreWarning);
    if (png) info = png_create_info_struct(png);
  }
  ~PngState() {
    if (reading)
      png_destroy_read_struct(&png, &info, nullptr);
    else
      png_destroy_write_struct(&png, &info);
  }
  PngState(const PngState&) = delete;
  PngState& operator=(const PngState&) = delete;
};

PngWriter::PngWriter() = default;

PngWriter::~PngWriter() = default;

bool PngWriter::fail(const std::string& reason, std::string& error) {
  error = scenar::escapeControls(name_) + ": " + reason;
  png_.reset();
  stream_ = nullptr;
  return false;
}

bool PngWriter::open(std::FILE* stream, const std::string& name, int width, int height,
                     std::string& error, PngEncoding encoding) {
  png_.reset();
  name_ = name;
  stream_ = stream;
  height_ = height;
  rows_ = 0;
  if (width < 1 || height < 1 || width > int(PNG_USER_WIDTH_MAX / 4) ||
      height > int(PNG_USER_HEIGHT_MAX))
    return fail("a PNG cannot be " + std::to_string(width) + "x" + std::to_string(height), error);
  if (!stream) return fail("no file to write the picture into", error);
  png_ = std::make_unique<PngState>(false);
  if (!png_->info) return fail("libpng cannot start a picture", error);
  if (!startWriting(png_->png, png_->info, stream, png_uint_32(width), png_uint_32(height),
                    encoding))
    return fail(reasonOf(png_->failure), error);
  return true;
}

bool PngWriter::writeRow(const unsigned char* rgba, std::string& error) {
  if (!png_) {
    error = scenar::escapeControls(name_) + ": no picture is open";
    return false;
  }
  if (rows_ == height_) return fail("more than " + std::to_string(height_) + " rows", error);
  if (!writeOneRow(png_->png, rgba)) return fail(reasonOf(png_->failure), error);
  ++rows_;
  return true;
}

bool PngWriter::finish(std::string& error) {
  if (!png_) {
    error = scenar::escapeControls(name_) + ": no picture is open";
    return false;
  }
  if (rows_ != height_)
    return fail("the picture ended after " + std::to_string(rows_) + " of " +
                    std::to_string(height_) + " rows",
                error);
  if (!endWriting(png_->png, png_->info)) return fail(reasonOf(png_->failure), error);
  if (std::fflush(stream_) != 0) return fail(std::strerror(errno), error);
  png_.reset();
  stream_ = nullptr;
  return true;
}

namespace {

struct ClosedFile {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};

}  // namespace

std::optional<PngPicture> readPng(const std::string& path, std::string& error) {
  const std::unique_ptr<std::FILE, ClosedFile> stream(std::fopen(path.c_str(), "rb"));
  if (!stream) {
    error = scenar::escapeControls(path) + ": cannot open it: " + std::strerror(errno);
    return std::nullopt;
  }
  PngState reading(true);
  if (!reading.info) {
    error = scenar::escapeControls(path) + ": libpng cannot start reading";
    return std::nullopt;
  }
  png_uint_32 width = 0, height = 0;
  std::size_t rowBytes = 0;
  if (!startReading(reading.png, reading.info, stream.get(), &width, &height, &rowBytes)) {
    error = scenar::escapeControls(path) + ": " + reasonOf(reading.failure);
    return std::nullopt;
  }
  if (rowBytes != std::size_t(width) * 4) {
    error = scenar::escapeControls(path) + ": its pixels do not read as 8-bit RGBA";
    return std::nullopt;
  }
  PngPicture picture;
  picture.width = int(width);
  picture.height = int(height);
  picture.rgba.resize(std::size_t(width) * height * 4);
  std::vector<png_bytep> rows(height);
  for (png_uint_32 row = 0; row < height; ++row)
    rows[row] = picture.rgba.data() + std::size_t(row) * width * 4;
  if (!readRows(reading.png, rows.data())) {
    error = scenar::escapeControls(path) + ": " + reasonOf(reading.failure);
    return std::nullopt;
  }
  return picture;
}

}  // namespace plivexwin::cli
