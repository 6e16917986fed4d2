#pragma once

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
class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Makes the new file beside path; false, with the reason in error, when it
  // cannot be made or path holds what may not be replaced.
  bool open(const std::string& path, std::string& error);
  // The new file's own path, to write it by; empty when none is open.
  const std::string& temporaryPath() const { return temporary_; }
  // Renames the new file over the path; false, with the reason in error and
  // the new file removed, when it cannot.
  bool commit(std::string& error);
  // Removes the new file, if any.
  void discard();

 private:
  std::string path_;    // as given, for messages
  std::string target_;  // what is replaced: path_ with its links followed
  std::string temporary_;
};

// Whether a command may write output, before it reads anything: false, with
// the reason in error, when output exists and is not a regular file (after
// following links), or is the same file as one of inputs. The program writes
// only regular files, never to a terminal, a pipe or a device.
bool canWriteOutput(const std::string& output, std::span<const std::string> inputs,
                    std::string& error);

}  // namespace plivexwin::cli
