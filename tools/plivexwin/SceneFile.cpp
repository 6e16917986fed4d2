// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/SceneFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/plivex/PoBase.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "plivexwin/ReplacingFile.h"
#ifndef PLIVEXWIN_EDITORS_ONLY
#include "views/PoBaseView.h"
#endif

namespace plivexwin::cli {

namespace {

void registerSceneClasses() {
  SoDB::init();
  PoBase::initClasses();
#ifndef PLIVEXWIN_EDITORS_ONLY
  PoBaseView::initClasses();
#endif
}

// Whether the file opened as path, whose status is status, may be read: a
// regular file of at most mostBytes (a pipe or device could be endless, or
// never end a read); false, with "FILE: reason" in error, when it is not.
bool isReadable(const struct stat& status, const std::string& path, std::uintmax_t mostBytes,
                std::string& error) {
  if (!S_ISREG(status.st_mode)) {
    error = scenar::escapeControls(path) +
            (S_ISDIR(status.st_mode) ? ": is a folder" : ": is not a regular file");
    return false;
  }
  if (static_cast<std::uintmax_t>(status.st_size) > mostBytes) {
    error = scenar::escapeControls(path) + ": holds " + std::to_string(status.st_size) +
            " bytes, more than the " + std::to_string(mostBytes) + " a scene file may";
    return false;
  }
  return true;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// path opened for reading, without waiting for a writer should it be a pipe;
// nullptr, with "FILE: reason" in error, when it cannot be.
std::unique_ptr<std::FILE, FileCloser> openForReading(const std::string& path, std::string& error) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "rb");
  if (!file) {
    error = scenar::escapeControls(path) + ": " + std::strerror(errno);
    if (descriptor >= 0) close(descriptor);
  }
  return std::unique_ptr<std::FILE, FileCloser>(file);
}

}  // namespace

SceneFile::SceneFile(SoSeparator* root, std::string path) : root_(root), path_(std::move(path)) {}

SceneFile::~SceneFile() = default;

std::unique_ptr<SceneFile> SceneFile::read(const std::string& path, std::string& error,
                                           std::uintmax_t mostBytes) {
  // Looked at and read through one open file, so that what is read is what
  // was looked at, whatever happens to the path meanwhile.
  const std::unique_ptr<std::FILE, FileCloser> file = openForReading(path, error);
  if (!file) return nullptr;
  struct stat status;
  if (fstat(fileno(file.get()), &status) != 0) {
    error = scenar::escapeControls(path) + ": " + std::strerror(errno);
    return nullptr;
  }
  if (!isReadable(status, path, mostBytes, error)) return nullptr;
  registerSceneClasses();
  SoInput in;
  // Bounded again: the file may grow while it is read.
  if (!in.setFilePointer(file.get(), path.c_str(), mostBytes)) {
    error = in.getErrorMessage().getString();
    return nullptr;
  }
  return readFrom(in, path, error);
}

std::unique_ptr<SceneFile> SceneFile::readText(std::string_view text, std::string& error) {
  registerSceneClasses();
  SoInput in;
  in.setBuffer(text);
  return readFrom(in, "", error);
}

std::unique_ptr<SceneFile> SceneFile::readFrom(SoInput& in, const std::string& path,
                                               std::string& error) {
  SoSeparator* root = SoDB::readAll(&in);
  if (!root) {
    error = in.getErrorMessage().getString();
    return nullptr;
  }
  // Taken before the input closes and releases the nodes it named.
  return std::unique_ptr<SceneFile>(new SceneFile(root, path));
}

namespace {

SoNode* findIn(SoNode* node, const SbName& name) {
  if (!node) return nullptr;
  if (node->getName() == name) return node;
  if (auto* group = dynamic_cast<SoGroup*>(node)) {
    for (int i = 0; i < group->getNumChildren(); ++i)
      if (SoNode* found = findIn(group->getChild(i), name)) return found;
  } else if (auto* kit = dynamic_cast<SoBaseKit*>(node)) {
    for (int i = 0; i < kit->getNumKitChildren(); ++i)
      if (SoNode* found = findIn(kit->getKitChild(i), name)) return found;
  }
  return nullptr;
}

}  // namespace

bool SceneFile::fitsSceneFile(std::span<SoNode* const> nodes, const std::string& path,
                              std::string& error) {
  const SoWriteAction::Extent text = SoWriteAction::measure(nodes);
  if (!text.sceneFile) return true;  // another format, which the reader does not read
  const std::string shown = scenar::escapeControls(path);
  if (text.depth > SoInput::kMaxDepth) {
    error = shown + ": the scene nests " + std::to_string(text.depth) +
            " levels deep, more than the " + std::to_string(SoInput::kMaxDepth) +
            " a scene file may";
    return false;
  }
  if (text.expansion > SoInput::kMaxExpansion) {
    error = shown + ": the scene expands to more than the " +
            std::to_string(SoInput::kMaxExpansion) + " nodes a scene file may hold";
    return false;
  }
  return true;
}

SoNode* SceneFile::findNode(const std::string& name) const {
  return name.empty() ? nullptr : findIn(root_.get(), SbName(name.c_str()));
}

bool SceneFile::write(const std::string& path, std::string& error) const {
  std::vector<SoNode*> nodes;
  for (int i = 0; i < root_->getNumChildren(); ++i) nodes.push_back(root_->getChild(i));
  // A first node of another format (a VRML 2.0 node) would make the file a
  // VRML97 world, which is no scene file.
  if (!nodes.empty() && !SoWriteAction::writesSceneFile(nodes.front())) {
    error = scenar::escapeControls(path) + ": the scene starts with a " +
            nodes.front()->getTypeId().getName().getString() +
            ", which would make it a file of another format; put it in a Separator";
    return false;
  }
  return writeNodes(nodes, path, error);
}

bool SceneFile::writeNodes(std::span<SoNode* const> nodes, const std::string& path,
                           std::string& error) {
  ReplacingFile file;
  return file.open(path, error) && writeNodes(nodes, file, error) && file.commit(error);
}

bool SceneFile::writeNodes(std::span<SoNode* const> nodes, ReplacingFile& file,
                           std::string& error) {
  if (!fitsSceneFile(nodes, file.path(), error)) return false;
  SoOutput out;
  out.setFilePointer(file.stream());
  if (nodes.empty()) {
    out.write(SoOutput::getHeader());
    out.write('\n');
  }
  SoWriteAction(&out).applyToTopLevel(nodes);
  return out.closeFile() || file.fail(errno, error);
}

}  // namespace plivexwin::cli
