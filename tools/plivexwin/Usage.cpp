// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/Usage.h"

#include <ostream>

namespace plivexwin::cli {

int usageError(std::ostream& err, std::string_view problem, const std::string& usage) {
  err << "plivexwin: " << problem << "\n\n" << usage;
  return 2;
}

int commandFailed(std::ostream& err, std::string_view reason) {
  err << "plivexwin: " << reason << '\n';
  return 1;
}

int outputRefused(std::ostream& err, std::string_view reason) {
  commandFailed(err, reason);
  return 2;
}

}  // namespace plivexwin::cli
