#include "plivexwin/ReplacingFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
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

// What path names once the links it is are followed: path itself when it is
// no link, the file a chain of links leads to (which need not exist)
// otherwise. False, with the reason in error, for a chain that never ends.
bool followLinks(const std::string& path, std::string& target, std::string& error) {
  namespace fs = std::filesystem;
  constexpr int kMostLinks = 40;  // as the system allows in a path
  fs::path current = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    std::error_code failure;
    if (!fs::is_symlink(fs::symlink_status(current, failure))) {
      target = current.string();
      return true;
    }
    const fs::path next = fs::read_symlink(current, failure);
    if (failure) {
      error = path + ": cannot follow the link: " + failure.message();
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  error = path + ": " + std::strerror(ELOOP);
  return false;
}

// Whether what path leads to, if anything, may be replaced: a regular file.
bool isReplaceable(const std::string& path, std::string& error) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return true;
    error = systemError(path);
    return false;
  }
  if (S_ISREG(status.st_mode)) return true;
  error = path + (S_ISDIR(status.st_mode) ? ": is a folder" : ": is not a regular file") +
          "; only regular files are written";
  return false;
}

}  // namespace

ReplacingFile::~ReplacingFile() { discard(); }

bool ReplacingFile::open(const std::string& path, std::string& error) {
  discard();
  std::string target;
  if (!followLinks(path, target, error) || !isReplaceable(path, error)) return false;
  std::vector<char> name(target.begin(), target.end());
  const char suffix[] = ".XXXXXX";
  name.insert(name.end(), suffix, suffix + sizeof suffix);
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) {
    error = systemError(path + ": cannot make a file beside it");
    return false;
  }
  path_ = path;
  target_ = target;
  temporary_ = name.data();
  const bool permitted = fchmod(descriptor, permissionsFor(target)) == 0;
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
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
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

bool canWriteOutput(const std::string& output, std::span<const std::string> inputs,
                    std::string& error) {
  if (!isReplaceable(output, error)) return false;
  struct stat written, read;
  if (stat(output.c_str(), &written) != 0) return true;  // a new file
  for (const std::string& input : inputs)
    if (stat(input.c_str(), &read) == 0 && read.st_dev == written.st_dev &&
        read.st_ino == written.st_ino) {
      error = output + ": is the same file as the input " + input;
      return false;
    }
  return true;
}

}  // namespace plivexwin::cli
