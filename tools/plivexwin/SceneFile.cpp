#include "plivexwin/SceneFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/plivex/PoBase.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/nodekits/SoBaseKit.h"
#include "platform/scenar/nodes/SoGroup.h"
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

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// The permissions path has, or those of a new file.
mode_t permissionsFor(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) == 0) return status.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

SceneFile::SceneFile(SoSeparator* root, std::string path) : root_(root), path_(std::move(path)) {
  root_->ref();
}

SceneFile::~SceneFile() { root_->unref(); }

std::unique_ptr<SceneFile> SceneFile::read(const std::string& path, std::string& error) {
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
  return name.empty() ? nullptr : findIn(root_, SbName(name.c_str()));
}

bool SceneFile::write(const std::string& path, std::string& error) const {
  std::vector<SoNode*> nodes;
  for (int i = 0; i < root_->getNumChildren(); ++i) nodes.push_back(root_->getChild(i));
  return writeNodes(nodes, path, error);
}

bool SceneFile::writeNodes(std::span<SoNode* const> nodes, const std::string& path,
                           std::string& error) {
  std::vector<char> temporary(path.begin(), path.end());
  const char suffix[] = ".XXXXXX";
  temporary.insert(temporary.end(), suffix, suffix + sizeof suffix);
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) {
    error = systemError(path + ": cannot make a file beside it");
    return false;
  }
  if (fchmod(descriptor, permissionsFor(path)) != 0) {
    error = systemError(path + ": cannot set the permissions of " + temporary.data());
    close(descriptor);
    std::remove(temporary.data());
    return false;
  }
  close(descriptor);

  SoOutput out;
  bool written = out.openFile(temporary.data());
  if (written) {
    if (nodes.empty()) {
      out.write(SoOutput::getHeader());
      out.write('\n');
    }
    for (SoNode* node : nodes) SoWriteAction(&out).apply(node);
    written = out.closeFile();
  }
  if (!written) {
    error = path + ": cannot write " + temporary.data();
    std::remove(temporary.data());
    return false;
  }
  if (std::rename(temporary.data(), path.c_str()) != 0) {
    error = systemError(path + ": cannot replace it");
    std::remove(temporary.data());
    return false;
  }
  return true;
}

}  // namespace plivexwin::cli
