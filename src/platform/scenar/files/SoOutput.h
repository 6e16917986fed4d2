// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/scenar/basic/SbBasic.h"

class SoWriteAction;

// Where a scene file is written: a string buffer (the default) or a file. The
// header line goes first, before the first node written; nested lines are
// indented two blanks per level.
class SoOutput {
 public:
  SoOutput() = default;
  ~SoOutput();
  SoOutput(const SoOutput&) = delete;
  SoOutput& operator=(const SoOutput&) = delete;

  // Writes into the buffer from now on, emptied; closes a file being written.
  void setBuffer();
  // What was written into the buffer.
  const std::string& getBuffer() const { return buffer_; }
  // Writes into the file at path from now on, replacing what it held. FALSE
  // when it cannot be opened; the output then writes into the buffer.
  SbBool openFile(const char* path);
  // Writes into stream from now on, an open file that stays its owner's: the
  // output never closes it. nullptr writes into the buffer.
  void setFilePointer(std::FILE* stream);
  // Finishes the file, closed if openFile opened it, flushed if it was given,
  // and writes into the buffer from now on. FALSE when writing the file
  // failed; errno then tells why (the first failure's reason).
  SbBool closeFile();
  SbBool isToBuffer() const { return file_ == nullptr; }

  // Whether the header line is written before the first node (on by default).
  // It is getHeader(), or the header of the format the first node is written
  // in (see SoWriteAction::addFileFormat).
  void setHeaderEnabled(SbBool on) { headerEnabled_ = on; }
  static const char* getHeader() { return "#Scenar V1.0 ascii"; }

  void write(std::string_view text);
  void write(char c) { write(std::string_view(&c, 1)); }
  // Writes the blanks of the current indentation level.
  void indent();
  void incrementIndent(int levels = 1) { indentLevel_ += levels; }
  void decrementIndent(int levels = 1) {
    indentLevel_ = indentLevel_ > levels ? indentLevel_ - levels : 0;
  }
  int getIndentLevel() const { return indentLevel_; }

 private:
  friend class SoWriteAction;

  // Called by the write action before each top-level node, with the header
  // line that goes first when nothing was written yet.
  void beginTopLevelNode(const char* header);
  // Sends what is written to capture (nullptr: to the buffer or file again)
  // or, with discard, nowhere. Returns the previous capture.
  std::string* capture(std::string* target) {
    std::string* previous = capture_;
    capture_ = target;
    return previous;
  }
  void setDiscard(bool discard) { discard_ = discard; }
  bool isDiscarding() const { return discard_; }
  void reset();

  std::string buffer_;
  std::FILE* file_ = nullptr;
  bool ownsFile_ = false;
  int fileError_ = 0;  // errno of the first failed write, 0 while none failed
  std::string* capture_ = nullptr;
  bool discard_ = false;
  SbBool headerEnabled_ = TRUE;
  bool startedWriting_ = false;
  int indentLevel_ = 0;
};
