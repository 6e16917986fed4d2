// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The little JSON the editor's page and server exchange: request bodies are
// flat objects of strings, numbers and booleans; answers are written by hand
// with the quoting here.
namespace plivexwin::serve {

// A flat JSON object read: each member's value as text (a string unquoted, a
// number or true/false as written).
class JsonObject {
 public:
  // Reads text, which must hold one object whose values are strings,
  // numbers, true, false or null (nested objects and arrays are refused);
  // nothing, with a one-line reason in error, otherwise.
  static std::optional<JsonObject> parse(std::string_view text, std::string& error);

  // The member's value; nothing when the object has no such member.
  std::optional<std::string> get(const std::string& name) const;

 private:
  std::map<std::string, std::string> members_;
};

// text as a JSON string, quotes included; bytes that are not valid UTF-8
// become U+FFFD so that the answer always parses.
std::string jsonString(std::string_view text);

}  // namespace plivexwin::serve
