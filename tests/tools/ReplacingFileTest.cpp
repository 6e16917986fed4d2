// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "CommandTestSupport.h"

namespace {

using plivexwin::cli::ReplacingFile;
using Naming = ReplacingFile::Naming;

class ReplacingFileTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    std::ofstream(kept, std::ios::binary) << "kept";
  }
  // Opens file for path and writes text into it.
  static void openAndWrite(ReplacingFile& file, const fs::path& path, const std::string& text) {
    std::string error;
    ASSERT_TRUE(file.open(path.string(), error)) << error;
    ASSERT_EQ(std::fputs(text.c_str(), file.stream()), 1);
  }
  // Whether the new files made in the test's folder are unnamed: where the
  // system makes unnamed files there and has /proc to name them through.
  bool unnamedFilesWork() {
    bool systemMakesThem = false;
#ifdef O_TMPFILE
    const int unnamed = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    systemMakesThem = unnamed >= 0 && fs::exists("/proc/self/fd");
    if (unnamed >= 0) close(unnamed);
#endif
    ReplacingFile probe;
    std::string error;
    EXPECT_TRUE(probe.open((folder / "probe").string(), error)) << error;
    EXPECT_EQ(probe.isNamed(), !systemMakesThem);
    return !probe.isNamed();
  }

  const fs::path kept = folder / "kept.scn";  // a file the tests replace, or fail to
};

TEST_F(ReplacingFileTest, theNewFileTakesThePathsPlaceWhetherNamedLateOrAtOnce) {
  for (const Naming naming : {Naming::Late, Naming::AtOnce}) {
    ReplacingFile file(naming);
    openAndWrite(file, kept, "new");
    EXPECT_EQ(entries(), file.isNamed() ? 2 : 1);
    std::string error;
    ASSERT_TRUE(file.commit(error)) << error;
    EXPECT_EQ(contentsOf(kept), "new");
    EXPECT_EQ(entries(), 1) << "no temporary file left";
  }
}

// A full disk: the path, control bytes escaped, and the system's reason; the
// path keeps what it held and no new file is left.
TEST_F(ReplacingFileTest, aFullDiskIsToldWithThePathAndLeavesItAsItWas) {
  const fs::path odd = folder / "odd\nname.scn";
  std::ofstream(odd, std::ios::binary) << "kept";
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (full < 0) GTEST_SKIP() << "no /dev/full";
  for (const Naming naming : {Naming::Late, Naming::AtOnce}) {
    ReplacingFile file(naming);
    openAndWrite(file, odd, "new");
    ASSERT_GE(dup2(full, fileno(file.stream())), 0);  // the disk is full from now on
    std::string error;
    EXPECT_FALSE(file.commit(error));
    EXPECT_EQ(error, (folder / "odd\\nname.scn").string() + ": " + std::strerror(ENOSPC));
    EXPECT_EQ(contentsOf(odd), "kept");
    EXPECT_EQ(entries(), 2) << "the kept files only";
    EXPECT_FALSE(file.commit(error)) << "nothing left to commit";
  }
  close(full);
}

// A step of commit() that fails before the rename leaves the path whole and
// no new file; once the file is renamed into place, the folder not stored
// changes nothing.
TEST_F(ReplacingFileTest, aFailedStepBeforeTheRenameLeavesThePathWhole) {
  using Step = ReplacingFile::Step;
  struct Failure {
    Naming naming;
    Step step;
    const char* told;  // before the system's reason
  };
  const Failure failures[] = {{Naming::Late, Step::flush, ""},
                              {Naming::Late, Step::syncFile, ""},
                              {Naming::Late, Step::name, "cannot make a file beside it: "},
                              {Naming::Late, Step::rename, "cannot replace it: "},
                              {Naming::AtOnce, Step::syncFile, ""},
                              {Naming::AtOnce, Step::rename, "cannot replace it: "}};
  const bool unnamed = unnamedFilesWork();
  for (const Failure& failure : failures) {
    if (failure.step == Step::name && !unnamed) continue;  // named at once anyway
    ReplacingFile file(failure.naming);
    openAndWrite(file, kept, "new");
    ReplacingFile::failStepForTesting(failure.step, EIO);
    std::string error;
    EXPECT_FALSE(file.commit(error)) << int(failure.step);
    ReplacingFile::failStepForTesting(failure.step, 0);
    EXPECT_EQ(error, kept.string() + ": " + failure.told + std::strerror(EIO));
    EXPECT_EQ(contentsOf(kept), "kept") << int(failure.step);
    EXPECT_EQ(entries(), 1) << int(failure.step);
  }
  ReplacingFile file;
  openAndWrite(file, kept, "new");
  ReplacingFile::failStepForTesting(Step::syncFolder, EIO);
  std::string error;
  EXPECT_TRUE(file.commit(error)) << error;
  ReplacingFile::failStepForTesting(Step::syncFolder, 0);
  EXPECT_EQ(contentsOf(kept), "new");
}

// Killed or interrupted before commit(), a program leaves the paths as they
// were and no new file beside them, however many it was writing.
struct Interruption {
  Naming naming;
  int signal;
  int status;  // the exit status of an interrupted program; 0: killed
};

TEST_F(ReplacingFileTest, anInterruptedProgramLeavesNoNewFileBehind) {
  const Interruption interruptions[] = {{Naming::Late, SIGKILL, 0},
                                        {Naming::Late, SIGTERM, 128 + SIGTERM},
                                        {Naming::AtOnce, SIGTERM, 128 + SIGTERM},
                                        {Naming::AtOnce, SIGINT, 128 + SIGINT}};
  const bool unnamed = unnamedFilesWork();
  for (const Interruption& interruption : interruptions) {
    if (interruption.status == 0 && !unnamed) continue;  // named files outlive a kill
    const auto interrupted = [&] {
      ReplacingFile::handleSignals();
      ReplacingFile first(interruption.naming), second(interruption.naming);
      openAndWrite(first, kept, "new");
      openAndWrite(second, folder / "new.scn", "new");
      std::fflush(nullptr);
      std::raise(interruption.signal);
    };
    if (interruption.status == 0)
      EXPECT_EXIT(interrupted(), ::testing::KilledBySignal(SIGKILL), "");
    else
      EXPECT_EXIT(interrupted(), ::testing::ExitedWithCode(interruption.status), "");
    EXPECT_EQ(contentsOf(kept), "kept") << interruption.signal;
    EXPECT_EQ(entries(), 1) << interruption.signal;
  }
}

}  // namespace
