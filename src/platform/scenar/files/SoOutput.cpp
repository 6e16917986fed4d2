#include "platform/scenar/files/SoOutput.h"

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
  fileFailed_ = false;
  return file_ ? TRUE : FALSE;
}

SbBool SoOutput::closeFile() {
  if (!file_) return TRUE;
  bool ok = !fileFailed_ && !std::ferror(file_);
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  reset();
  return ok ? TRUE : FALSE;
}

void SoOutput::write(std::string_view text) {
  if (discard_ || text.empty()) return;
  if (capture_) {
    capture_->append(text);
  } else if (file_) {
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) fileFailed_ = true;
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
