// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace scenar {

// Reads the tokens of the scene-file value syntax from a text held in memory:
// words, numbers, quoted strings and the punctuation [ ] { } ,. Blanks and
// comments ('#' to the end of the line) separate tokens. Tracks the line number
// for error messages. Never reads past the end.
class TextReader {
 public:
  explicit TextReader(std::string_view text, int firstLine = 1) : text_(text), line_(firstLine) {}
  // Scene-file inputs derive from the reader; fields tell them apart by type.
  virtual ~TextReader() = default;
  TextReader(const TextReader&) = default;
  TextReader& operator=(const TextReader&) = default;

  // Skips blanks and comments; true when nothing but them is left.
  bool atEnd();
  // The next character after blanks and comments, or '\0' at the end.
  char peek();
  // Consumes c when it is the next character after blanks and comments.
  bool consume(char c);
  // A run of characters up to a blank, a quote, '#' or one of [ ] { } ,.
  bool readWord(std::string& word);
  // A string in double quotes, with \" and \\ escapes; false when unterminated.
  bool readQuoted(std::string& value);
  // A quoted string, or else a word.
  bool readString(std::string& value);

  bool readFloat(float& value);
  bool readDouble(double& value);
  // A decimal integer, or a hexadecimal one with 0x, within [min, max].
  bool readInteger(long long& value, long long min, long long max);

  int line() const { return line_; }
  std::size_t position() const { return pos_; }
  std::string_view rest() const { return text_.substr(pos_); }
  // The message of the last failed read, empty if none.
  const std::string& error() const { return error_; }
  void setError(std::string message) { error_ = std::move(message); }

 private:
  void skip();

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_;
  std::string error_;
};

// Writes a string in double quotes with the escapes TextReader::readQuoted reads.
void appendQuoted(std::string& out, std::string_view value);

// How an error message quotes a piece of the input: in single quotes, at most
// kQuotedLength bytes of it followed by "..." when cut, control bytes and '\'
// escaped (\0, \t, \n, \r, \\, \xNN), so that a message is one printable line
// of bounded length even for a file of binary junk.
constexpr std::size_t kQuotedLength = 60;
std::string quoteInput(std::string_view text);
// text with control bytes and '\' escaped as quoteInput escapes them, whole:
// how a message prints a file's path.
std::string escapeControls(std::string_view text);

}  // namespace scenar
