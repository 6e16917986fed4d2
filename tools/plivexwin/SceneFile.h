#pragma once

#include <memory>
#include <string>

class SoSeparator;

namespace plivexwin::cli {

// A scene file read into memory: its top-level nodes, in order, as the
// children of one separator that the file holds a reference on.
class SceneFile {
 public:
  // Reads the file at path with every class a scene file may name registered
  // (the toolkit's, Plivex's and, in the full build, the views). nullptr on a
  // failure, told in error as "FILE:LINE: reason" ("FILE: reason" when the
  // file cannot be opened).
  static std::unique_ptr<SceneFile> read(const std::string& path, std::string& error);

  ~SceneFile();
  SceneFile(const SceneFile&) = delete;
  SceneFile& operator=(const SceneFile&) = delete;

  SoSeparator* getRoot() const { return root_; }
  const std::string& getPath() const { return path_; }

  // Writes the top-level nodes to path in the writer's layout. The text goes
  // to a new file beside path that is then renamed into place, so that a
  // failure leaves whatever path held as it was; false, with the reason in
  // error, on a failure.
  bool write(const std::string& path, std::string& error) const;

 private:
  SceneFile(SoSeparator* root, std::string path);

  SoSeparator* root_;
  std::string path_;
};

}  // namespace plivexwin::cli
