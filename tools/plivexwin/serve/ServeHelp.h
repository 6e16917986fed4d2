// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace CLI {
class App;
}

namespace plivexwin::serve {

// Adds the subcommand serve to program, with its description and help text,
// whether or not this build can serve.
CLI::App* addServeCommand(CLI::App& program);

}  // namespace plivexwin::serve
