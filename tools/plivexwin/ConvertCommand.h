// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <iosfwd>
#include <span>

#include "platform/scenar/basic/SoRef.h"
#include "plivexwin/CommandLine.h"

class SoNode;
class SoVRMLGroup;

namespace plivexwin::cli {

// The VRML97 world of root: what PoToVRML2Action makes of it, on white paper
// as `render` draws it; with navigableFirstView, the first scene view can be
// walked through.
SoRef<SoVRMLGroup> worldOf(SoNode* root, bool navigableFirstView);

// plivexwin convert IN.scn OUT.wrl [--navigable-first-view]
// [--max-input-bytes N]: reads a scene file, converts it to a VRML97 world and
// writes it to OUT. The command's run returns the exit status: 0, 1 when a
// file cannot be read or written, 2 when OUT may not be written.
CommandRun defineConvert(CLI::App& program);
// Runs `plivexwin convert args...`.
int runConvert(std::span<char* const> args, std::ostream& out, std::ostream& err);

// plivexwin demo [OUTDIR]: writes the demo's scene file demo.scn, its VRML97
// world demo.wrl and its picture demo.png into OUTDIR, the current folder by
// default, making the folder when needed. Its run returns the exit status as
// convert's does.
CommandRun defineDemo(CLI::App& program);
// Runs `plivexwin demo args...`.
int runDemo(std::span<char* const> args, std::ostream& out, std::ostream& err);

}  // namespace plivexwin::cli
