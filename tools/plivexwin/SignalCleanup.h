// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <signal.h>

// The names of files a signal that ends the program removes first: the new
// files the program writes beside its outputs, while they have a name. The
// handler only reads a fixed table of pointers and calls unlink and _exit,
// which is safe in a signal handler.
namespace plivexwin::cli {

// Has SIGINT and SIGTERM remove every kept name and end the program with
// status 128 + the signal. A signal the program inherited as ignored stays
// ignored.
void removeKeptNamesOnSignals();

// Keeps name, which must stay as it is until forgotten, for removal on a
// signal; false when the table is full (kMostKeptNames names), the name then
// left behind by a signal.
constexpr int kMostKeptNames = 32;
bool keepNameForSignals(const char* name);
void forgetNameForSignals(const char* name);

// Holds SIGINT and SIGTERM back for its lifetime, so that a file gets or
// loses its name and the table follows before a signal can look at it.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

}  // namespace plivexwin::cli
