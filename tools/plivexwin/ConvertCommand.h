#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "platform/scenar/basic/SoRef.h"

class SoNode;
class SoVRMLGroup;

namespace plivexwin::cli {

// The VRML97 world of root: what PoToVRML2Action makes of it, on white paper
// as `render` draws it; with navigableFirstView, the first scene view can be
// walked through.
SoRef<SoVRMLGroup> worldOf(SoNode* root, bool navigableFirstView);

// plivexwin convert IN.scn OUT.wrl [--navigable-first-view]: reads a scene
// file, converts it to a VRML97 world and writes it to OUT. Returns the exit
// status: 0, 1 when a file cannot be read or written, 2 for bad arguments
// (with the usage text on err).
int runConvert(std::span<char* const> args, std::ostream& out, std::ostream& err);
// The text of `plivexwin convert --help`.
std::string convertUsage();

// plivexwin demo [OUTDIR]: writes the demo's scene file demo.scn, its VRML97
// world demo.wrl and its picture demo.png into OUTDIR, the current folder by
// default, making the folder when needed. Returns the exit status as runConvert does.
int runDemo(std::span<char* const> args, std::ostream& out, std::ostream& err);
// The text of `plivexwin demo --help`.
std::string demoUsage();

}  // namespace plivexwin::cli
