// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/files/SoOutput.h"

#include <cerrno>

SoOutput::~SoOutput() { closeFile(); }

void SoOutput::reset() {
  capture_ = nullptr;
  discard_ = false;
  startedWriting_ = false;
  indentLevel_ = 0;
}

void SoOutput::setBuffer() {
  closeFile();
  buffer_.clear();
  reset();
}

SbBool SoOutput::openFile(const char* path) {
  setBuffer();
  if (!path || !*path) return FALSE;
  file_ = std::fopen(path, "wb");
  ownsFile_ = file_ != nullptr;
  return file_ ? TRUE : FALSE;
}

void SoOutput::setFilePointer(std::FILE* stream) {
  setBuffer();
  file_ = stream;
}

SbBool SoOutput::closeFile() {
  if (!file_) return TRUE;
  int failure = fileError_;
  if (std::fflush(file_) != 0 && failure == 0) failure = errno;
  if (std::ferror(file_) && failure == 0) failure = EIO;  // a failure without a reason
  if (ownsFile_ && std::fclose(file_) != 0 && failure == 0) failure = errno;
  file_ = nullptr;
  ownsFile_ = false;
  fileError_ = 0;
  reset();
  if (failure == 0) return TRUE;
  errno = failure;
  return FALSE;
}

void SoOutput::write(std::string_view text) {
  if (discard_ || text.empty()) return;
  if (capture_) {
    capture_->append(text);
  } else if (file_) {
    errno = 0;  // a short write without a reason is told as EIO
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() && fileError_ == 0)
      fileError_ = errno != 0 ? errno : EIO;
  } else {
    buffer_.append(text);
  }
}

void SoOutput::indent() {
  static constexpr std::string_view blanks = "                                ";
  for (std::size_t left = 2 * static_cast<std::size_t>(indentLevel_); left > 0 && !discard_;) {
    const std::size_t now = left < blanks.size() ? left : blanks.size();
    write(blanks.substr(0, now));
    left -= now;
  }
}

void SoOutput::beginTopLevelNode(const char* header) {
  if (!startedWriting_) {
    if (headerEnabled_) {
      write(header);
      write("\n\n");
    }
    startedWriting_ = true;
  } else {
    write('\n');  // a blank line between top-level nodes
  }
}
