// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/PngFile.h"

#include <cerrno>
#include <cstring>

#include "CommandTestSupport.h"
#include "plivexwin/ReplacingFile.h"

namespace {

using plivexwin::cli::PngEncoding;
using plivexwin::cli::PngWriter;
using plivexwin::cli::readPng;
using plivexwin::cli::ReplacingFile;

class PngFileTest : public CommandTest {
 protected:
  // A picture whose every byte differs from its neighbours', alpha included.
  static std::vector<unsigned char> pattern(int width, int height) {
    std::vector<unsigned char> rgba(std::size_t(width) * height * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<unsigned char>(i * 37 + 11);
    return rgba;
  }
  // Writes rows of rgba, width wide, into writer; false at the first refusal,
  // whose reason is in error.
  bool writeRows(PngWriter& writer, const std::vector<unsigned char>& rgba, int width, int rows) {
    for (int row = 0; row < rows; ++row)
      if (!writer.writeRow(rgba.data() + std::size_t(row) * width * 4, error)) return false;
    return true;
  }
  // Opens writer on a new file for path, which file holds.
  bool open(ReplacingFile& file, PngWriter& writer, const std::string& path, int width, int height,
            PngEncoding encoding = PngEncoding::Compact) {
    return file.open(path, error) &&
           writer.open(file.stream(), path, width, height, error, encoding);
  }

  std::string error;  // why the last call failed
};

TEST_F(PngFileTest, rowsWrittenReadBackAsTheyWere) {
  const std::vector<unsigned char> rgba = pattern(7, 5);
  for (const PngEncoding encoding : {PngEncoding::Compact, PngEncoding::Quick}) {
    const std::string path = (folder / "picture.png").string();
    ReplacingFile file;
    PngWriter writer;
    ASSERT_TRUE(open(file, writer, path, 7, 5, encoding)) << error;
    ASSERT_TRUE(writeRows(writer, rgba, 7, 5)) << error;
    ASSERT_TRUE(writer.finish(error)) << error;
    EXPECT_FALSE(fs::exists(path)) << "in place only once committed";
    ASSERT_TRUE(file.commit(error)) << error;

    const auto picture = readPng(path, error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->width, 7);
    EXPECT_EQ(picture->height, 5);
    EXPECT_EQ(picture->rgba, rgba);
    EXPECT_EQ(entries(), 1) << "no temporary file left";
    fs::remove(path);
  }
}

TEST_F(PngFileTest, failedOrUnfinishedPicturesLeaveThePathAsItWas) {
  const std::vector<unsigned char> rgba = pattern(4, 3);
  const fs::path kept = folder / "kept.png";
  std::ofstream(kept, std::ios::binary) << "kept";
  {
    ReplacingFile file;
    PngWriter writer;
    ASSERT_TRUE(open(file, writer, kept.string(), 4, 3));
    ASSERT_TRUE(writeRows(writer, rgba, 4, 3));
    ASSERT_TRUE(writer.finish(error));
  }  // gone before commit()
  {
    ReplacingFile file;
    PngWriter writer;
    ASSERT_TRUE(open(file, writer, kept.string(), 4, 3));
    ASSERT_TRUE(writeRows(writer, rgba, 4, 2));
    EXPECT_FALSE(writer.finish(error));
    EXPECT_EQ(error, kept.string() + ": the picture ended after 2 of 3 rows");
    EXPECT_FALSE(writer.writeRow(rgba.data(), error)) << "nothing more after a failure";
    EXPECT_EQ(error, kept.string() + ": no picture is open");
  }
  EXPECT_EQ(contentsOf(kept), "kept");

  ReplacingFile file;
  PngWriter writer;
  const std::string missing = (folder / "none" / "x.png").string();
  EXPECT_FALSE(open(file, writer, missing, 4, 3));
  EXPECT_EQ(error.rfind(missing + ": ", 0), 0u) << error;
  const std::string empty = (folder / "empty.png").string();
  EXPECT_FALSE(open(file, writer, empty, 0, 3));
  EXPECT_EQ(error, empty + ": a PNG cannot be 0x3");
  file.discard();

  const fs::path taken = folder / "taken";  // a folder is not replaced by the picture
  fs::create_directories(taken);
  EXPECT_FALSE(open(file, writer, taken.string(), 4, 3));
  EXPECT_EQ(error, taken.string() + ": is a folder; only regular files are written");
  EXPECT_TRUE(fs::is_directory(taken));
  EXPECT_EQ(entries(), 2) << "the kept file and the folder, no temporary file";
}

TEST_F(PngFileTest, filesThatAreNoWholePngAreRefused) {
  const std::string path = (folder / "picture.png").string();
  ReplacingFile file;
  PngWriter writer;
  ASSERT_TRUE(open(file, writer, path, 64, 64));
  ASSERT_TRUE(writeRows(writer, pattern(64, 64), 64, 64));
  ASSERT_TRUE(writer.finish(error));
  ASSERT_TRUE(file.commit(error));
  const std::string whole = contentsOf(path);

  const std::string text = (folder / "text.png").string();
  std::ofstream(text, std::ios::binary) << "not a picture at all";
  const std::string cut = (folder / "cut.png").string();  // header fine, pixels missing
  std::ofstream(cut, std::ios::binary) << whole.substr(0, whole.size() / 2);
  for (const std::string& bad : {text, cut, (folder / "missing.png").string()}) {
    EXPECT_FALSE(readPng(bad, error)) << bad;
    EXPECT_EQ(error.rfind(bad + ": ", 0), 0u) << error;
  }
}

// A write that fails tells the system's reason, not libpng's bare one.
TEST_F(PngFileTest, aFullDiskIsToldWithTheName) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  if (!full) GTEST_SKIP() << "no /dev/full";
  PngWriter writer;
  const bool written = writer.open(full, "full\t.png", 64, 64, error) &&
                       writeRows(writer, pattern(64, 64), 64, 64) && writer.finish(error);
  std::fclose(full);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, std::string("full\\t.png: ") + std::strerror(ENOSPC));
}

}  // namespace
