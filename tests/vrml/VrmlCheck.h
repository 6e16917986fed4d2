// SPDX-License-Identifier: Apache-2.0
#pragma once

// Runs the two VRML97 parsers on files through tools/check-vrml, as programs,
// and tells what each said of each file.

#include <string>
#include <vector>

struct VrmlVerdict {
  // False when a parser is not installed; output then tells which.
  bool installed = false;
  // What tools/check-vrml printed: a line per file and parser.
  std::string output;

  bool acceptedByBoth(const std::string& file) const;
  bool refusedByBoth(const std::string& file) const;
};

VrmlVerdict checkVrml(const std::vector<std::string>& files);

// Whether a missing parser fails a test rather than skipping it: when the
// environment sets PLIVEXWIN_REQUIRE_VRML_PARSERS, as .ci/run does.
bool vrmlParsersRequired();

// Skips the test when the parsers are not installed, or fails it when they
// are required.
#define SKIP_WITHOUT_VRML_PARSERS(verdict)                                                  \
  do {                                                                                      \
    if (!(verdict).installed) {                                                             \
      if (vrmlParsersRequired()) FAIL() << "VRML97 parsers required: " << (verdict).output; \
      GTEST_SKIP() << (verdict).output;                                                     \
    }                                                                                       \
  } while (false)
