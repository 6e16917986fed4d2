// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/scenar/basic/SoRef.h"

class SoInput;
class SoNode;
class SoSeparator;

namespace plivexwin::cli {

class ReplacingFile;

// A scene file read into memory: its top-level nodes, in order, as the
// children of one separator that the file holds a reference on.
class SceneFile {
 public:
  // The largest file read reads: 1 GiB. The reader holds the whole text.
  static constexpr std::uintmax_t kMostBytes = std::uintmax_t{1} << 30;

  // Reads the file at path with every class a scene file may name registered
  // (the toolkit's, Plivex's and, in the full build, the views), looked at
  // and read through one open file. nullptr on a failure, told in error as
  // "FILE:LINE: reason" ("FILE: reason" when the file cannot be opened, is
  // not a regular file or holds more than mostBytes), FILE with its control
  // bytes escaped.
  static std::unique_ptr<SceneFile> read(const std::string& path, std::string& error,
                                         std::uintmax_t mostBytes = kMostBytes);
  // Reads text as read reads a file, errors told as "<buffer>:LINE: reason";
  // the scene has no path.
  static std::unique_ptr<SceneFile> readText(std::string_view text, std::string& error);

  ~SceneFile();
  SceneFile(const SceneFile&) = delete;
  SceneFile& operator=(const SceneFile&) = delete;

  SoSeparator* getRoot() const { return root_.get(); }
  const std::string& getPath() const { return path_; }

  // The first node named name in traversal order, looking into groups and
  // into the parts of node kits; nullptr if none.
  SoNode* findNode(const std::string& name) const;

  // Writes the top-level nodes to path in the writer's layout; see writeNodes.
  bool write(const std::string& path, std::string& error) const;
  // Writes nodes, one top-level node each, to path in the writer's layout,
  // in one write: a node met under two of them is written once, after DEF,
  // and USEd after, as the reader shares it.
  // The text goes to a new file beside path that is then renamed into place,
  // so that a failure leaves whatever path held as it was; false, with the
  // reason in error, on a failure. A scene file the reader would refuse
  // (nesting deeper than SoInput::kMaxDepth, expanding to more than
  // SoInput::kMaxExpansion nodes) is refused before anything is written.
  static bool writeNodes(std::span<SoNode* const> nodes, const std::string& path,
                         std::string& error);
  // Writes nodes into file, open, as writeNodes does, leaving it to be
  // committed; on a failure file is discarded.
  static bool writeNodes(std::span<SoNode* const> nodes, ReplacingFile& file, std::string& error);

 private:
  SceneFile(SoSeparator* root, std::string path);
  // Whether the text of nodes would read back; false, with "PATH: reason" in
  // error, when it would nest too deep or expand to too many nodes.
  static bool fitsSceneFile(std::span<SoNode* const> nodes, const std::string& path,
                            std::string& error);
  // The scene in, whose header and text are ready.
  static std::unique_ptr<SceneFile> readFrom(SoInput& in, const std::string& path,
                                             std::string& error);

  SoRef<SoSeparator> root_;
  std::string path_;
};

}  // namespace plivexwin::cli
