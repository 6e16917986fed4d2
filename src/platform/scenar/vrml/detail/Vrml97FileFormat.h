// SPDX-License-Identifier: Apache-2.0
#pragma once

class SoFileFormat;

namespace scenar::detail {

// The format of VRML97 files, in which the write action writes a graph whose
// root is a VRML 2.0 node: the header "#VRML V2.0 utf8", the nodes under
// their VRML97 type names, and after the root a ROUTE statement for each
// connection between two VRML 2.0 nodes that VRML97 can express ("ROUTE
// A.position_changed TO B.set_translation"). Every node with a name of its
// own keeps it, made a VRML97 name (each byte but ASCII letters, digits and
// '_' becomes '_'; a leading digit or a VRML97 keyword gets a '_' ahead) and
// unique in the file with a suffix.
const SoFileFormat& vrml97FileFormat();

}  // namespace scenar::detail
