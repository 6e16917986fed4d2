// SPDX-License-Identifier: Apache-2.0
// Feeds any bytes to every field class as value text. Text a field refuses must
// leave a message of bounded length; text it accepts must write a text that
// reads back into a fresh field of the class as the same value and writes
// again as the same text.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSFNode.h"

namespace {

[[noreturn]] void fail(const SoField& field, const char* what, std::string_view text,
                       std::string_view written = {}) {
  std::fprintf(stderr, "field text fuzzer: %s: %s\n", field.getTypeName(), what);
  std::fprintf(stderr, "--- text\n%.*s\n", int(text.size()), text.data());
  if (!written.empty())
    std::fprintf(stderr, "--- written\n%.*s\n", int(written.size()), written.data());
  std::abort();
}

const SoEnumEntry kEnums[] = {{"LEFT", 0}, {"RIGHT", 1}, {"CENTER", 2}};

template <typename Field>
void check(std::string_view text) {
  Field field;
  Field back;
  if constexpr (std::is_same_v<Field, SoSFEnum>) {
    field.setEnums(kEnums, 3);
    back.setEnums(kEnums, 3);
  }
  scenar::TextReader in(text);
  if (!field.read(in, true)) {
    if (in.error().empty() || in.error().size() > 300)
      fail(field, "refused without a proper message", text, in.error());
    return;
  }
  std::string written;
  field.write(written);
  scenar::TextReader again(written);
  if (!back.read(again, true))
    fail(field, ("its written text is refused: " + again.error()).c_str(), text, written);
  if (!back.isSame(field)) fail(field, "its written text reads as another value", text, written);
  std::string rewritten;
  back.write(rewritten);
  if (rewritten != written) fail(field, "the value read back writes otherwise", written, rewritten);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SoDB::init();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check<SoSFFloat>(text);
  check<SoSFInt32>(text);
  check<SoSFUShort>(text);
  check<SoSFBool>(text);
  check<SoSFString>(text);
  check<SoSFVec2f>(text);
  check<SoSFVec3f>(text);
  check<SoSFVec4f>(text);
  check<SoSFColor>(text);
  check<SoSFEnum>(text);
  check<SoSFRotation>(text);
  check<SoSFNode>(text);
  check<SoMFFloat>(text);
  check<SoMFInt32>(text);
  check<SoMFUShort>(text);
  check<SoMFString>(text);
  check<SoMFColor>(text);
  check<SoMFVec3f>(text);
  return 0;
}
