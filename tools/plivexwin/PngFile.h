#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plivexwin/ReplacingFile.h"

namespace plivexwin::cli {

struct PngState;  // libpng's

// Writes a PNG picture of 8-bit RGBA pixels a row at a time, top row first, so
// that the picture never has to be in memory whole. The rows go to a new file
// beside the path, renamed into place by finish(); a writer that fails, or
// that goes before finish(), removes it and leaves the path as it was. A
// failure's reason, told in error, starts with the path.
class PngWriter {
 public:
  PngWriter();
  ~PngWriter();
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  // Starts a width x height picture bound for path; false, with the reason
  // in error, when the file cannot be made or the size is not a PNG's.
  bool open(const std::string& path, int width, int height, std::string& error);
  // Writes the next row, width * 4 bytes; false, with the reason in error,
  // when it cannot (then nothing more is written).
  bool writeRow(const unsigned char* rgba, std::string& error);
  // Ends the picture, which must have all its rows, and puts it in place;
  // false, with the reason in error, when it cannot.
  bool finish(std::string& error);

  int rowsWritten() const { return rows_; }

 private:
  // Gives up the picture: false, with "PATH: reason" in error.
  bool fail(const std::string& reason, std::string& error);
  void close();

  std::string path_;
  ReplacingFile file_;
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
