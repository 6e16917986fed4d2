// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "plivexwin/serve/Json.h"

namespace {

using plivexwin::serve::JsonObject;
using plivexwin::serve::jsonString;

TEST(ServeJsonTest, readsFlatObjectsAndRefusesTheRest) {
  std::string error;
  const auto object =
      JsonObject::parse(R"( {"a": "x\"\u00e9\n", "b": -1.5e2, "c": true, "d": null} )", error);
  ASSERT_TRUE(object) << error;
  EXPECT_EQ(object->get("a"), "x\"\xC3\xA9\n");
  EXPECT_EQ(object->get("b"), "-1.5e2");
  EXPECT_EQ(object->get("c"), "true");
  EXPECT_FALSE(object->get("e"));
  for (const char* bad : {"", "[]", "{", R"({"a":})", R"({"a":{}})", R"({"a":[1]})", R"({"a":1} x)",
                          R"({"a":"\u12"})", R"({"a":+1})", R"({"a":1e999})", "{\"a\":\"\x01\"}",
                          R"({a:1})", R"({"a":nan})"}) {
    EXPECT_FALSE(JsonObject::parse(bad, error)) << bad;
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(ServeJsonTest, writesStringsThatAlwaysParse) {
  EXPECT_EQ(jsonString("a\"b\\c\n\x7F"), R"("a\"b\\c\u000a\u007f")");
  EXPECT_EQ(jsonString("\xC3\xA9 \xFF"), "\"\xC3\xA9 \xEF\xBF\xBD\"");  // a bad byte replaced
  std::string error;
  EXPECT_EQ(JsonObject::parse("{\"k\":" + jsonString("\xE2\x82") + "}", error)->get("k"),
            "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
