// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/Json.h"

#include <charconv>
#include <cstdint>

namespace plivexwin::serve {

namespace {

// Reads JSON text a character at a time; every read stops at the end.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  void skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  bool take(char c) {
    skipBlanks();
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  bool word(std::string_view w) {
    if (text_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  std::optional<std::string> string() {
    if (!take('"')) return std::nullopt;
    std::string out;
    while (!atEnd()) {
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (atEnd() || !escape(text_[pos_++], out)) return std::nullopt;
    }
    return std::nullopt;
  }

  // A number as written, checked against JSON's grammar by from_chars.
  std::optional<std::string> number() {
    const std::size_t start = pos_;
    while (!atEnd() && std::string_view("+-.0123456789eE").find(peek()) != std::string_view::npos)
      ++pos_;
    const std::string_view text = text_.substr(start, pos_ - start);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || text[0] == '+')
      return std::nullopt;
    return std::string(text);
  }

 private:
  bool escape(char c, std::string& out) {
    static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
    if (const auto at = kFrom.find(c); at != std::string_view::npos) {
      out += kTo[at];
      return true;
    }
    if (c != 'u' || pos_ + 4 > text_.size()) return false;
    unsigned code = 0;
    const auto [end, ec] = std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
    if (ec != std::errc() || end != text_.data() + pos_ + 4) return false;
    pos_ += 4;
    appendUtf8(code, out);  // a lone surrogate half stays a replacement
    return true;
  }
  static void appendUtf8(unsigned code, std::string& out) {
    if (code >= 0xD800 && code < 0xE000) code = 0xFFFD;
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The length of the valid UTF-8 sequence at text[i]; 0 when it is not one.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::optional<JsonObject> JsonObject::parse(std::string_view text, std::string& error) {
  Reader in(text);
  JsonObject object;
  const auto bad = [&error](const char* why) {
    error = std::string("bad JSON: ") + why;
    return std::nullopt;
  };
  if (!in.take('{')) return bad("the body is no object");
  if (!in.take('}')) {
    do {
      const std::optional<std::string> name = in.string();
      if (!name) return bad("a member name is no string");
      if (!in.take(':')) return bad("a member lacks ':'");
      in.skipBlanks();
      std::optional<std::string> value;
      if (in.peek() == '"')
        value = in.string();
      else if (in.word("true"))
        value = "true";
      else if (in.word("false"))
        value = "false";
      else if (in.word("null"))
        value = "null";
      else
        value = in.number();
      if (!value) return bad("a value is no string, number or boolean");
      object.members_[*name] = std::move(*value);
    } while (in.take(','));
    if (!in.take('}')) return bad("the object does not end with '}'");
  }
  in.skipBlanks();
  if (!in.atEnd()) return bad("text after the object");
  return object;
}

std::optional<std::string> JsonObject::get(const std::string& name) const {
  const auto at = members_.find(name);
  if (at == members_.end()) return std::nullopt;
  return at->second;
}

std::string jsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t length = utf8Length(text, i);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out + "\"";
}

}  // namespace plivexwin::serve
