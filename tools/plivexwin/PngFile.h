// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plivexwin::cli {

struct PngState;  // libpng's

// How a writer encodes its rows: Compact with libpng's defaults, for files
// kept; Quick unfiltered and lightly compressed, some four times faster for a
// file a tenth larger, for a picture sent at once and thrown away.
enum class PngEncoding { Compact, Quick };

// Writes a PNG picture of 8-bit RGBA pixels a row at a time, top row first,
// into an open stream, so that the picture never has to be in memory whole.
// The stream stays its owner's: the writer writes and flushes it, never
// closes it. A failure's reason, told in error, starts with the name the
// stream was given (its control bytes escaped); a failed write into the
// stream tells the system's reason (no space left on device, say).
class PngWriter {
 public:
  PngWriter();
  ~PngWriter();
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  // Starts a width x height picture written into stream, named name in
  // messages, encoded as encoding says; false, with the reason in error, when
  // the size is not a PNG's or the start cannot be written.
  bool open(std::FILE* stream, const std::string& name, int width, int height, std::string& error,
            PngEncoding encoding = PngEncoding::Compact);
  // Writes the next row, width * 4 bytes; false, with the reason in error,
  // when it cannot (then nothing more is written).
  bool writeRow(const unsigned char* rgba, std::string& error);
  // Ends the picture, which must have all its rows, and flushes the stream;
  // false, with the reason in error, when it cannot.
  bool finish(std::string& error);

  int rowsWritten() const { return rows_; }

 private:
  // Gives up the picture: false, with "NAME: reason" in error.
  bool fail(const std::string& reason, std::string& error);

  std::string name_;
  std::FILE* stream_ = nullptr;
  std::unique_ptr<PngState> png_;
  int height_ = 0;
  int rows_ = 0;
};

// A picture read from a PNG file: width * height * 4 bytes of 8-bit RGBA,
// top row first.
struct PngPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;
};

// Reads the PNG file at path, whatever its colour type and depth, as 8-bit
// RGBA (opaque where it has no alpha). Nothing, with the reason in error
// (starting with the path), when the file cannot be read as a PNG or a side
// is above SoOffscreenRenderer::kMaximumSide.
std::optional<PngPicture> readPng(const std::string& path, std::string& error);

}  // namespace plivexwin::cli
