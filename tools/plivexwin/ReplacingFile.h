#pragma once

#include <string>

namespace plivexwin::cli {

// A new file beside a path that takes the path's place once it is written:
// made empty, with the permissions the path has (or those of a new file), and
// renamed over the path by commit(). Until then the path keeps what it held;
// a file never committed is removed when the object goes.
class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Makes the new file beside path; false, with the reason in error, when it
  // cannot be made.
  bool open(const std::string& path, std::string& error);
  // The new file's own path, to write it by; empty when none is open.
  const std::string& temporaryPath() const { return temporary_; }
  // Renames the new file over the path; false, with the reason in error and
  // the new file removed, when it cannot.
  bool commit(std::string& error);
  // Removes the new file, if any.
  void discard();

 private:
  std::string path_;
  std::string temporary_;
};

}  // namespace plivexwin::cli
