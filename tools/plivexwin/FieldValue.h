// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

class SoNode;

namespace plivexwin::cli {

// Sets the field called name of node to value, in the scene-file syntax, as
// the application would (the node then tells its auditors). False, with a
// one-line reason in error and the field as it was, when the node has no such
// field or the value does not read.
bool setNodeField(SoNode& node, std::string_view name, std::string_view value, std::string& error);

}  // namespace plivexwin::cli
