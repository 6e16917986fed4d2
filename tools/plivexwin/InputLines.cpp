// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/InputLines.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace plivexwin::cli {

DescriptorInput::DescriptorInput(int descriptor) : std::istream(nullptr), buffer_(descriptor) {
  rdbuf(&buffer_);
}

DescriptorInput::Buffer::int_type DescriptorInput::Buffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  ssize_t count;
  do count = ::read(descriptor_, bytes_.data(), bytes_.size());
  while (count < 0 && errno == EINTR);
  if (count < 0) throw std::system_error(errno, std::generic_category());
  if (count == 0) return traits_type::eof();
  setg(bytes_.data(), bytes_.data(), bytes_.data() + count);
  return traits_type::to_int_type(*gptr());
}

LineRead readLine(std::istream& in, std::string& line, std::string& error) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  if (!buffer || !in.good()) return LineRead::End;
  // The buffer is read directly, so that a failure comes with its reason
  // rather than as a bad stream alone.
  try {
    for (auto c = buffer->sbumpc(); c != std::streambuf::traits_type::eof(); c = buffer->sbumpc()) {
      if (c == '\n') return LineRead::Line;
      if (line.size() == kMostLineBytes) {
        error = "a line holds more than " + std::to_string(kMostLineBytes) + " bytes";
        return LineRead::Failed;
      }
      line.push_back(std::streambuf::traits_type::to_char_type(c));
    }
  } catch (const std::system_error& failure) {
    in.setstate(std::ios_base::badbit);
    error = failure.code().message();
    return LineRead::Failed;
  }
  in.setstate(std::ios_base::eofbit);
  return line.empty() ? LineRead::End : LineRead::Line;
}

}  // namespace plivexwin::cli
