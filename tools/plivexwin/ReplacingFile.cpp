#include "plivexwin/ReplacingFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace plivexwin::cli {

namespace {

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

ReplacingFile::~ReplacingFile() { discard(); }

bool ReplacingFile::open(const std::string& path, std::string& error) {
  discard();
  std::vector<char> name(path.begin(), path.end());
  const char suffix[] = ".XXXXXX";
  name.insert(name.end(), suffix, suffix + sizeof suffix);
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) {
    error = systemError(path + ": cannot make a file beside it");
    return false;
  }
  path_ = path;
  temporary_ = name.data();
  const bool permitted = fchmod(descriptor, permissionsFor(path)) == 0;
  if (!permitted) error = systemError(path + ": cannot set the permissions of " + temporary_);
  close(descriptor);
  if (!permitted) discard();
  return permitted;
}

bool ReplacingFile::commit(std::string& error) {
  if (temporary_.empty()) {
    error = path_ + ": nothing was written";
    return false;
  }
  if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
    error = systemError(path_ + ": cannot replace it");
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void ReplacingFile::discard() {
  if (!temporary_.empty()) std::remove(temporary_.c_str());
  temporary_.clear();
}

}  // namespace plivexwin::cli
