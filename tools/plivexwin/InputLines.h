// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

// Reading an editing session's commands: a stream over a file descriptor
// whose read errors keep their reason, and lines of bounded length.
namespace plivexwin::cli {

// The most bytes a command line may hold, its '\n' aside.
inline constexpr std::size_t kMostLineBytes = std::size_t{1} << 20;

// An input stream reading the file descriptor it is given (standard input
// for the program), which it does not close. A failed read throws
// std::system_error with the reason from the buffer, so that the stream goes
// bad and readLine can tell why.
class DescriptorInput : public std::istream {
 public:
  explicit DescriptorInput(int descriptor);

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(int descriptor) : descriptor_(descriptor), bytes_(1 << 16) {}

   protected:
    int_type underflow() override;

   private:
    int descriptor_;
    std::vector<char> bytes_;
  };
  Buffer buffer_;
};

enum class LineRead { Line, End, Failed };

// Reads the next line of in into line, without its '\n' (a last line may
// lack one). End when nothing is left; Failed, with the reason in error,
// when in cannot be read or the line holds more than kMostLineBytes, of which
// no more is read.
LineRead readLine(std::istream& in, std::string& line, std::string& error);

}  // namespace plivexwin::cli
