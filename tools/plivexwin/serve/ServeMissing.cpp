#include <ostream>

#include "plivexwin/Usage.h"
#include "plivexwin/serve/ServeCommand.h"

namespace plivexwin::serve {

// A build without cpp-httplib: the command only says why it is missing.
int runServe(std::span<char* const>, std::ostream&, std::ostream& err) {
  return cli::outputRefused(err, serveMissingReason());
}

}  // namespace plivexwin::serve
