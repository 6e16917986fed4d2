// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

namespace plivexwin::serve {

// The editor's page: plain HTML with its style and script inline, so that it
// needs nothing but the server that serves it.
std::string_view pageHtml();

}  // namespace plivexwin::serve
