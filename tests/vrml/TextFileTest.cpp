// SPDX-License-Identifier: Apache-2.0
// Texts converted to VRML 2.0 Text, written as a file that two VRML97
// parsers check.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ToolkitTestSupport.h"

namespace {

class TextFileTest : public VrmlFileFixture {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
};

// Texts in every justification and family, with the odd strings a scene
// holds (a quote, a backslash, a line break, bytes that are not UTF-8),
// lines going up, a turned text, and texts the conversion leaves out (of no
// size, of no strings).
const std::string kScene = std::string(R"(#Scenar V1.0 ascii
Separator {
  Material { diffuseColor 0.2 0.4 1 }
  Font { name "DejaVu Serif" size 0.5 }
  Text3 { string ["say \"hi\" \\ now", "two
lines"] }
  Transform { rotation 0 0 1 0.5 }
  Font { name "DejaVu Sans Mono" size 0.25 }
  Text3 { string "bad )") + "\xff\xfe" +
                           R"( bytes" justification RIGHT spacing -2 }
  Text3 { string ["a", "b"] justification CENTER }
  Font { size 0 }
  Text3 { string "of no size" }
  Text3 { }
}
)";

}  // namespace

TEST_F(TextFileTest, textsConvertToTextShapesBothParsersAccept) {
  SoRef scene = readNode(kScene);
  ASSERT_TRUE(scene);
  SoToVRML2Action action;
  action.apply(scene.get());
  const std::string path = writeFile(action.getVRML2SceneGraph(), "texts.wrl");
  scene.reset();

  const std::string text = contentsOf(path);
  std::size_t texts = 0;
  for (std::size_t at = text.find("Text {"); at != std::string::npos;
       at = text.find("Text {", at + 1))
    ++texts;
  EXPECT_EQ(texts, 3u) << text;
  EXPECT_NE(text.find("family \"TYPEWRITER\""), std::string::npos) << text;
  EXPECT_NE(text.find("topToBottom FALSE"), std::string::npos) << text;
  EXPECT_EQ(text.find("nan"), std::string::npos) << text;
  EXPECT_EQ(text.find('\xff'), std::string::npos) << text;

  const VrmlVerdict verdict = checkVrml({path});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  EXPECT_TRUE(verdict.acceptedByBoth(path)) << verdict.output << "\n" << text;
}
