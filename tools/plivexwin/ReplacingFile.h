// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace plivexwin::cli {

// A new file beside a path that takes the path's place once it is written:
// made empty, with the permissions the path has (or those of a new file), and
// renamed over the path by commit(). Until then the path keeps what it held;
// a file never committed is removed when the object goes. A path that is a
// symbolic link is written through: the file the link leads to is replaced
// and the link stays. Only regular files are replaced; anything else that
// exists at the path (a folder, a device, a pipe) is refused.
//
// Where the file system allows, the new file has no name until commit(), so
// that even a killed program leaves nothing behind; elsewhere it is named
// PATH.XXXXXX at once, and a program that handleSignals() set up removes it
// on SIGINT or SIGTERM. Messages start with the path as given, its control
// bytes escaped.
class ReplacingFile {
 public:
  // How the new file is made: unnamed where the file system allows, or named
  // at once as where it does not.
  enum class Naming { Late, AtOnce };

  explicit ReplacingFile(Naming naming = Naming::Late) : naming_(naming) {}
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Makes the new file beside path; false, with the reason in error, when it
  // cannot be made or path holds what may not be replaced.
  bool open(const std::string& path, std::string& error);
  // The new file, open for writing; nullptr when none is open. It stays this
  // object's: writers write and flush, never close it.
  std::FILE* stream() const { return stream_; }
  // The path as given to open().
  const std::string& path() const { return path_; }
  // Whether the new file has a name yet, PATH.XXXXXX beside the target.
  bool isNamed() const { return !temporary_.empty(); }

  // Ends the writing: flushes the stream and has the system store the file.
  // False, with "PATH: reason" in error and the new file removed, when what
  // was written cannot be stored (a full disk, say).
  bool finish(std::string& error);
  // Finishes the file if that was not done, then renames it over the path;
  // false, with the reason in error and the new file removed, when it cannot.
  bool commit(std::string& error);
  // Gives the file up for a writer whose write into the stream failed with
  // errno code: false, with "PATH: reason" in error, the new file removed.
  bool fail(int code, std::string& error);
  // Removes the new file, if any.
  void discard();

  // The steps of commit(), in their order: the stream flushed, the file
  // stored, named beside the target (when it has no name yet), renamed over
  // the target, and the folder stored.
  enum class Step { flush, syncFile, name, rename, syncFolder };
  // For tests: has step fail with errno code in the next commits, until it
  // is called with code 0.
  static void failStepForTesting(Step step, int code);

  // Has SIGINT and SIGTERM remove every named new file and end the program
  // with status 128 + the signal (signals ignored stay ignored). The program
  // calls it once, first thing.
  static void handleSignals();

 private:
  // Gives the unnamed file its temporary name beside the target.
  bool name(std::string& error);
  // fail() with what, a text before the reason.
  bool failWith(const char* what, int code, std::string& error);

  Naming naming_;
  std::string path_;       // as given, for messages
  std::string target_;     // what is replaced: path_ with its links followed
  std::string temporary_;  // the new file's name, empty while it has none
  int descriptor_ = -1;
  std::FILE* stream_ = nullptr;
  bool finished_ = false;
};

// Whether a command may write output, before it reads anything: false, with
// the reason in error, when output exists and is not a regular file (after
// following links), or is the same file as one of inputs. The program writes
// only regular files, never to a terminal, a pipe or a device.
bool canWriteOutput(const std::string& output, std::span<const std::string> inputs,
                    std::string& error);

}  // namespace plivexwin::cli
