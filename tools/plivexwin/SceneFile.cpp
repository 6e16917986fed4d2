#include "plivexwin/SceneFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/plivex/PoBase.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoWriteAction.h"
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

// Whether path is a regular file of at most mostBytes, looked at without
// reading it (a pipe or device could be endless, or never end a read); false,
// with "FILE: reason" in error, when it is not.
bool isReadable(const std::string& path, std::uintmax_t mostBytes, std::string& error) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status;
  const bool known = descriptor >= 0 && fstat(descriptor, &status) == 0;
  if (!known) error = path + ": " + std::strerror(errno);
  if (descriptor >= 0) close(descriptor);
  if (!known) return false;
  if (!S_ISREG(status.st_mode)) {
    error = path + (S_ISDIR(status.st_mode) ? ": is a folder" : ": is not a regular file");
    return false;
  }
  if (static_cast<std::uintmax_t>(status.st_size) > mostBytes) {
    error = path + ": holds " + std::to_string(status.st_size) + " bytes, more than the " +
            std::to_string(mostBytes) + " a scene file may";
    return false;
  }
  return true;
}

}  // namespace

SceneFile::SceneFile(SoSeparator* root, std::string path) : root_(root), path_(std::move(path)) {}

SceneFile::~SceneFile() = default;

std::unique_ptr<SceneFile> SceneFile::read(const std::string& path, std::string& error,
                                           std::uintmax_t mostBytes) {
  if (!isReadable(path, mostBytes, error)) return nullptr;
  registerSceneClasses();
  SoInput in;
  if (!in.openFile(path.c_str())) {
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

SoNode* SceneFile::findNode(const std::string& name) const {
  return name.empty() ? nullptr : findIn(root_.get(), SbName(name.c_str()));
}

bool SceneFile::write(const std::string& path, std::string& error) const {
  std::vector<SoNode*> nodes;
  for (int i = 0; i < root_->getNumChildren(); ++i) nodes.push_back(root_->getChild(i));
  return writeNodes(nodes, path, error);
}

bool SceneFile::writeNodes(std::span<SoNode* const> nodes, const std::string& path,
                           std::string& error) {
  ReplacingFile file;
  if (!file.open(path, error)) return false;
  SoOutput out;
  bool written = out.openFile(file.temporaryPath().c_str());
  if (written) {
    if (nodes.empty()) {
      out.write(SoOutput::getHeader());
      out.write('\n');
    }
    for (SoNode* node : nodes) SoWriteAction(&out).apply(node);
    written = out.closeFile();
  }
  if (!written) {
    error = path + ": cannot write " + file.temporaryPath();
    return false;
  }
  return file.commit(error);
}

}  // namespace plivexwin::cli
