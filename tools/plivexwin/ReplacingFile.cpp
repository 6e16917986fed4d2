// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "platform/scenar/basic/TextReader.h"
#include "plivexwin/SignalCleanup.h"

namespace plivexwin::cli {

namespace {

using scenar::escapeControls;

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
      error = escapeControls(path) + ": cannot follow the link: " + failure.message();
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  error = escapeControls(path) + ": " + std::strerror(ELOOP);
  return false;
}

// Whether what path leads to, if anything, may be replaced: a regular file.
bool isReplaceable(const std::string& path, std::string& error) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return true;
    error = systemError(escapeControls(path));
    return false;
  }
  if (S_ISREG(status.st_mode)) return true;
  error = escapeControls(path) +
          (S_ISDIR(status.st_mode) ? ": is a folder" : ": is not a regular file") +
          "; only regular files are written";
  return false;
}

// The folder that holds path.
std::string folderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return folder.empty() ? "." : folder.string();
}

// The link under /proc through which an open file is reached.
std::string linkTo(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

// A new file without a name in folder, which linkTo() can name later; -1
// where the system or the file system has no such files.
int openUnnamed(const std::string& folder, mode_t mode) {
#ifdef O_TMPFILE
  const int descriptor = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (descriptor < 0) return -1;
  if (access(linkTo(descriptor).c_str(), F_OK) == 0) return descriptor;
  close(descriptor);  // no /proc to name it through
#else
  (void)folder;
  (void)mode;
#endif
  return -1;
}

// Six letters or digits, new on every call: the tail of a temporary name.
std::string uniqueTail() {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
  std::uniform_int_distribution<int> pick(0, int(sizeof kLetters) - 2);
  std::string tail(6, ' ');
  for (char& c : tail) c = kLetters[pick(random)];
  return tail;
}

// The step made to fail, and with what errno; code 0 when none.
struct InjectedFailure {
  ReplacingFile::Step step;
  int code = 0;
};
InjectedFailure injected;

// Takes step: -1, with errno the injected code, when it is to fail; what
// call returns otherwise.
template <typename Call>
int unlessInjected(ReplacingFile::Step step, Call call) {
  if (injected.code == 0 || injected.step != step) return call();
  errno = injected.code;
  return -1;
}

// Has the system store the entries of folder, a renamed file among them. A
// folder that cannot be synced is left as it is: the rename is done.
void syncFolder(const std::string& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  unlessInjected(ReplacingFile::Step::syncFolder, [&] { return fsync(descriptor); });
  close(descriptor);
}

}  // namespace

ReplacingFile::~ReplacingFile() { discard(); }

void ReplacingFile::failStepForTesting(Step step, int code) { injected = {step, code}; }

void ReplacingFile::handleSignals() { removeKeptNamesOnSignals(); }

bool ReplacingFile::open(const std::string& path, std::string& error) {
  discard();
  std::string target;
  if (!followLinks(path, target, error) || !isReplaceable(path, error)) return false;
  path_ = path;
  target_ = target;
  const mode_t mode = permissionsFor(target);
  descriptor_ = naming_ == Naming::Late ? openUnnamed(folderOf(target), mode) : -1;
  if (descriptor_ < 0) {
    std::vector<char> name(target.begin(), target.end());
    const char suffix[] = ".XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const SignalsHeld held;
    descriptor_ = mkostemp(name.data(), O_CLOEXEC);
    if (descriptor_ < 0) return failWith("cannot make a file beside it: ", errno, error);
    temporary_ = name.data();
    keepNameForSignals(temporary_.c_str());
  }
  if (fchmod(descriptor_, mode) != 0)
    return failWith("cannot set the permissions of its new file: ", errno, error);
  stream_ = fdopen(descriptor_, "wb");
  if (!stream_) return failWith("cannot write its new file: ", errno, error);
  return true;
}

bool ReplacingFile::finish(std::string& error) {
  if (!stream_) {
    error = escapeControls(path_) + ": nothing was written";
    return false;
  }
  if (finished_) return true;
  if (unlessInjected(Step::flush, [&] { return std::fflush(stream_); }) != 0)
    return fail(errno, error);
  if (std::ferror(stream_)) return fail(EIO, error);
  if (unlessInjected(Step::syncFile, [&] { return fsync(descriptor_); }) != 0)
    return fail(errno, error);
  finished_ = true;
  return true;
}

bool ReplacingFile::name(std::string& error) {
  constexpr int kAttempts = 100;  // names already taken before giving up
  const std::string link = linkTo(descriptor_);
  int code = EEXIST;
  for (int attempt = 0; attempt < kAttempts && code == EEXIST; ++attempt) {
    std::string name = target_ + "." + uniqueTail();
    const SignalsHeld held;
    if (unlessInjected(Step::name, [&] {
          return linkat(AT_FDCWD, link.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
        }) == 0) {
      temporary_ = std::move(name);
      keepNameForSignals(temporary_.c_str());
      return true;
    }
    code = errno;
  }
  return failWith("cannot make a file beside it: ", code, error);
}

bool ReplacingFile::commit(std::string& error) {
  if (!finish(error) || (!isNamed() && !name(error))) return false;
  {
    const SignalsHeld held;
    if (unlessInjected(Step::rename,
                       [&] { return std::rename(temporary_.c_str(), target_.c_str()); }) != 0)
      return failWith("cannot replace it: ", errno, error);
    forgetNameForSignals(temporary_.c_str());
    temporary_.clear();
  }
  discard();  // closes the file, now the target
  syncFolder(folderOf(target_));
  return true;
}

bool ReplacingFile::fail(int code, std::string& error) { return failWith("", code, error); }

bool ReplacingFile::failWith(const char* what, int code, std::string& error) {
  error = escapeControls(path_) + ": " + what + std::strerror(code);
  discard();
  return false;
}

void ReplacingFile::discard() {
  if (stream_)
    std::fclose(stream_);
  else if (descriptor_ >= 0)
    close(descriptor_);
  stream_ = nullptr;
  descriptor_ = -1;
  finished_ = false;
  if (temporary_.empty()) return;
  const SignalsHeld held;
  unlink(temporary_.c_str());
  forgetNameForSignals(temporary_.c_str());
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
      error = escapeControls(output) + ": is the same file as the input " + escapeControls(input);
      return false;
    }
  return true;
}

}  // namespace plivexwin::cli
