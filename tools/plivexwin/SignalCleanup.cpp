// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/SignalCleanup.h"

#include <unistd.h>

#include <atomic>

namespace plivexwin::cli {

namespace {

using KeptName = std::atomic<const char*>;
static_assert(KeptName::is_always_lock_free, "read in a signal handler");

KeptName keptNames[kMostKeptNames];

constexpr int kHandledSignals[] = {SIGINT, SIGTERM};

sigset_t handledSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : kHandledSignals) sigaddset(&signals, signal);
  return signals;
}

extern "C" void removeKeptNamesAndExit(int signal) {
  for (KeptName& kept : keptNames)
    if (const char* name = kept.load()) unlink(name);
  _exit(128 + signal);
}

}  // namespace

void removeKeptNamesOnSignals() {
  struct sigaction action = {};
  action.sa_handler = removeKeptNamesAndExit;
  action.sa_mask = handledSignals();  // one signal at a time
  for (const int signal : kHandledSignals) {
    struct sigaction before = {};
    if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}

bool keepNameForSignals(const char* name) {
  for (KeptName& kept : keptNames) {
    const char* empty = nullptr;
    if (kept.compare_exchange_strong(empty, name)) return true;
  }
  return false;
}

void forgetNameForSignals(const char* name) {
  for (KeptName& kept : keptNames) {
    const char* same = name;
    if (kept.compare_exchange_strong(same, nullptr)) return;
  }
}

SignalsHeld::SignalsHeld() {
  const sigset_t signals = handledSignals();
  pthread_sigmask(SIG_BLOCK, &signals, &before_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

}  // namespace plivexwin::cli
