// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/files/SoInput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "SceneIoTestNodes.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "support/TestFolder.h"

namespace {

std::string scene(const std::string& body) { return std::string("#Scenar V1.0 ascii\n") + body; }

class SoInputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { initSceneIoTestNodes(); }
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live); }

  // The first node of text, held; empty with the message in error on failure.
  SoRef<SoNode> read(const std::string& text, std::string* error = nullptr) {
    SoInput in;
    in.setBuffer(text);
    SoNode* root = nullptr;
    if (!SoDB::read(&in, root)) {
      if (error) *error = in.getErrorMessage().str();
      EXPECT_EQ(SoBase::getLiveCount(), live);  // released at once, not when in closes
      return {};
    }
    return SoRef(root);
  }

  long live = 0;
};

SoNode* child(SoNode* group, int index) { return static_cast<SoGroup*>(group)->getChild(index); }

}  // namespace

TEST_F(SoInputTest, readsFieldsChildrenPartsAndSharing) {
  const SoRef root = read(scene(R"(# a comment
Separator {
  DEF cam IoTestNode {
    size 2.5
    position 0 0 5   # a comment
    label "say \"hi\""
    visible FALSE
    style WIRE
    values [1, -2.5]
  }
  Group { USE cam }
  IoTestHolder {
    part IoTestHolder { part USE cam }
    other DEF cam IoTestNode { }
  }
  USE cam
}
)"));
  ASSERT_TRUE(root);
  ASSERT_EQ(root->getTypeId(), SoSeparator::getClassTypeId());
  auto* node = static_cast<IoTestNode*>(child(root.get(), 0));
  ASSERT_EQ(node->getTypeId(), IoTestNode::getClassTypeId());
  EXPECT_EQ(node->size.getValue(), 2.5f);
  EXPECT_EQ(node->position.getValue(), SbVec3f(0, 0, 5));
  EXPECT_EQ(node->label.getValue(), "say \"hi\"");
  EXPECT_FALSE(node->visible.getValue());
  EXPECT_EQ(node->style.getValue(), IoTestNode::WIRE);
  EXPECT_EQ(node->values.getNum(), 2);
  EXPECT_TRUE(node->getName() == "cam");

  EXPECT_EQ(child(child(root.get(), 1), 0), node);
  auto* holder = static_cast<IoTestHolder*>(child(root.get(), 2));
  EXPECT_EQ(static_cast<IoTestHolder*>(holder->part.getValue())->part.getValue(), node);
  // a later DEF of a name hides the earlier one
  EXPECT_NE(holder->other.getValue(), node);
  EXPECT_EQ(child(root.get(), 3), holder->other.getValue());
  EXPECT_EQ(node->getRefCount(), 3);
}

TEST_F(SoInputTest, errorsTellFileLineAndReasonAndLeakNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"Separator {\n  IoTestNod { }\n}\n", "<buffer>:3: unknown node type 'IoTestNod'"},
      {"SearchAction { }", "<buffer>:2: 'SearchAction' is not a node type"},
      {"Group {\n  Node { }\n}", "<buffer>:3: 'Node' cannot be created"},
      {"IoTestNode {\n  size 1\n  sise 2\n}", "<buffer>:4: no field 'sise' in IoTestNode"},
      {"IoTestNode {\n  position 1 2 x\n}", "<buffer>:3: field 'position': 'x' is not a number"},
      {"IoTestNode { style DOTTED }",
       "<buffer>:2: field 'style': 'DOTTED' is not a value of this field"},
      {"IoTestNode {\n  style 7\n}", "<buffer>:3: field 'style': 7 is not a value of this field"},
      {"IoTestNode {\n  label \"open\n}\n",
       "<buffer>:5: field 'label': string opened on line 3 is not closed"},
      {"Separator {\n  IoTestNode { }\n", "<buffer>:4: missing '}' for Separator opened on line 2"},
      {"IoTestNode { size", "<buffer>:2: field 'size': premature end of input"},
      {"Group", "<buffer>:2: expected '{' after Group, found end of file"},
      {"Group IoTestNode { }", "<buffer>:2: expected '{' after Group, found 'IoTestNode'"},
      {"Group {\n  USE nowhere\n}", "<buffer>:3: USE of undefined name 'nowhere'"},
      {"DEF self Group { USE self }", "<buffer>:2: USE of undefined name 'self'"},  // no cycles
      {"DEF 1abc Group { }", "<buffer>:2: invalid DEF name '1abc'"},
      {"DEF NULL Group { }", "<buffer>:2: invalid DEF name 'NULL'"},
      {"DEF a", "<buffer>:2: expected a node type after DEF 'a', found end of file"},
      {"IoTestNode { [ }", "<buffer>:2: expected a field name or '}' in IoTestNode, found '['"},
      {"Group { NULL }", "<buffer>:2: NULL cannot be a child of Group"},
      {"}", "<buffer>:2: expected a node, found '}'"},
      // a bad node inside a part is told as it is, not as a bad field value
      {"IoTestHolder {\n  part IoTestHolder {\n    part IoTestNod { }\n  }\n}",
       "<buffer>:4: unknown node type 'IoTestNod'"},
      // fails after shared nodes, parts and children were made
      {"Separator {\n  DEF a IoTestNode { size 2 }\n"
       "  IoTestHolder { part USE a other DEF b IoTestNode { } }\n"
       "  Group { USE a USE b IoTestNode { size x } }\n}",
       "<buffer>:5: field 'size': 'x' is not a number"},
  };
  for (const auto& [body, message] : cases) {
    SCOPED_TRACE(body);
    SoInput in;
    in.setBuffer(scene(body));
    SoNode* root = nullptr;
    EXPECT_FALSE(SoDB::read(&in, root));
    EXPECT_EQ(root, nullptr);
    EXPECT_EQ(in.getErrorMessage().str(), message);
    EXPECT_EQ(SoBase::getLiveCount(), live);
    // the error sticks
    EXPECT_FALSE(SoDB::read(&in, root));
    EXPECT_EQ(SoDB::readAll(&in), nullptr);
    EXPECT_EQ(in.getErrorMessage().str(), message);
  }
}

TEST_F(SoInputTest, errorsQuoteInputCutAndEscaped) {
  using namespace std::string_literals;
  const std::string longName(1 << 20, 'P');
  const std::string cut = "'" + longName.substr(0, 60) + "...'";
  const std::pair<std::string, std::string> cases[] = {
      {longName + " { }", "<buffer>:2: unknown node type " + cut},
      {"DEF " + longName,
       "<buffer>:2: expected a node type after DEF " + cut + ", found end of file"},
      // a NUL does not cut a word short to a name that exists
      {"Group\0 { }"s, "<buffer>:2: unknown node type 'Group\\0'"},
      {"Group { DEF a Group { } USE a\0b }"s, "<buffer>:2: USE of undefined name 'a\\0b'"},
      {"IoTestNode { size\0 1 }"s, "<buffer>:2: no field 'size\\0' in IoTestNode"},
      {"IoTestNode {\n  size 1\x01\n}", "<buffer>:3: field 'size': '1\\x01' is not a number"},
  };
  for (const auto& [body, message] : cases) {
    std::string error;
    EXPECT_FALSE(read(scene(body), &error));
    EXPECT_EQ(error, message);
  }
}

TEST_F(SoInputTest, headerLineMustComeFirstAndExactly) {
  for (const char* text : {"", "Group { }", "\n#Scenar V1.0 ascii\n", "#Scenar V1.0 ascii x\n",
                           "#Scenar V2.0 ascii\n"}) {
    std::string error;
    EXPECT_FALSE(read(text, &error));
    EXPECT_EQ(error, "<buffer>:1: not a Scenar V1.0 ascii file") << text;
  }
  // the header alone is an empty file; lines may end in CR LF
  EXPECT_FALSE(read("#Scenar V1.0 ascii"));
  EXPECT_TRUE(read("#Scenar V1.0 ascii\r\nGroup {\r\n}\r\n"));
}

TEST_F(SoInputTest, truncatedFileFailsAtEveryCut) {
  const std::string text = scene(R"(Separator {
  DEF shared IoTestNode { size 2 label "a b" values [1, 2] }
  IoTestHolder { part IoTestHolder { part USE shared other IoTestNode { } } }
  Group { USE shared DEF g Group { IoTestNode { } } }
  USE g
}
)");
  for (std::size_t cut = text.find("Separator") + 1; cut <= text.rfind('}'); ++cut) {
    std::string error;
    EXPECT_FALSE(read(text.substr(0, cut), &error)) << cut;
    EXPECT_EQ(error.rfind("<buffer>:", 0), 0u) << error;
  }
  EXPECT_TRUE(read(text));
}

TEST_F(SoInputTest, nestingDepthIsLimited) {
  auto nested = [](const std::string& open, const std::string& inner, int depth) {
    std::string body;
    for (int i = 0; i < depth; ++i) body += open + "\n";
    body += inner;
    for (int i = 0; i < depth; ++i) body += " }";
    return scene(body);
  };
  EXPECT_TRUE(read(nested("Group {", "", SoInput::kMaxDepth)));
  std::string error;
  EXPECT_FALSE(read(nested("Group {", "", SoInput::kMaxDepth + 1), &error));
  EXPECT_EQ(error, "<buffer>:1002: nesting deeper than 1000 levels");
  // parts count as levels too; far deeper than the stack could take
  EXPECT_FALSE(read(nested("IoTestHolder { part", "NULL", 100000), &error));
  EXPECT_EQ(error, "<buffer>:1002: nesting deeper than 1000 levels");
}

TEST_F(SoInputTest, expansionCountsChildrenPartsFieldsAndUsesUpToTheBound) {
  // text, what it expands to
  const std::pair<std::string, std::uint64_t> cases[] = {
      // each group uses the one before twice: 1 + 3 + 7
      {scene("DEF g0 Group { }\nDEF g1 Group { USE g0 USE g0 }\nDEF g2 Group { USE g1 USE g1 }"),
       11},
      // parts and nodes in fields count, NULL counts none
      {scene("DEF a IoTestNode { }\nIoTestHolder { part USE a other IoTestHolder { part USE a } }"),
       5},
      {scene("IoTestHolder { part NULL }"), 1},
      // top-level nodes add up
      {scene("DEF a Group { Group { } }\nDEF b Group { USE a USE a }\n"
             "Separator { USE b USE b USE a }"),
       2 + 5 + 13},
  };
  for (const auto& [text, nodes] : cases) {
    SCOPED_TRACE(text);
    SoInput in;
    in.setMaxExpansion(nodes);
    in.setBuffer(text);
    SoSeparator* all = SoDB::readAll(&in);
    ASSERT_NE(all, nullptr) << in.getErrorMessage().str();
    SoRef held(all);
    EXPECT_EQ(in.getExpansion(), nodes);
    in.setMaxExpansion(nodes - 1);  // one less and it is refused
    in.setBuffer(text);
    EXPECT_EQ(SoDB::readAll(&in), nullptr);
    EXPECT_NE(in.getErrorMessage().str().find(": the scene expands to more than " +
                                              std::to_string(nodes - 1) + " nodes"),
              std::string::npos)
        << in.getErrorMessage().str();
  }
}

TEST_F(SoInputTest, readsTopLevelNodesOneByOneOrAll) {
  const std::string text = scene("DEF a IoTestNode { }\nNULL\nGroup { USE a }\n");
  SoInput in;
  in.setBuffer(text);
  SoNode *a = nullptr, *none = nullptr, *group = nullptr, *end = nullptr;
  ASSERT_TRUE(SoDB::read(&in, a));
  a->ref();
  EXPECT_EQ(a->getRefCount(), 2);  // the caller's and the DEF table's
  ASSERT_TRUE(SoDB::read(&in, none));
  EXPECT_EQ(none, nullptr);
  ASSERT_TRUE(SoDB::read(&in, group));
  EXPECT_EQ(group->getRefCount(), 0);
  group->ref();
  EXPECT_EQ(child(group, 0), a);
  EXPECT_TRUE(SoDB::read(&in, end));  // the end: TRUE without a node
  EXPECT_EQ(end, nullptr);
  in.closeFile();
  EXPECT_EQ(a->getRefCount(), 2);  // the caller's and the group's
  group->unref();
  a->unref();

  in.setBuffer(text);
  SoSeparator* all = SoDB::readAll(&in);
  ASSERT_NE(all, nullptr);
  all->ref();
  ASSERT_EQ(all->getNumChildren(), 2);
  EXPECT_EQ(child(all->getChild(1), 0), all->getChild(0));
  all->unref();

  // a failing readAll drops the top-level nodes read before too
  in.setBuffer(scene("DEF a IoTestNode { }\nDEF b Group { USE a }\nBogus { }\n"));
  EXPECT_EQ(SoDB::readAll(&in), nullptr);
  EXPECT_EQ(in.getErrorMessage().str(), "<buffer>:4: unknown node type 'Bogus'");
  EXPECT_EQ(SoBase::getLiveCount(), live);
  EXPECT_EQ(in.findReference("a"), nullptr);
}

TEST_F(SoInputTest, defTableHoldsItsNodesUntilANewText) {
  SoInput in;
  in.setBuffer(scene("Group { USE n }"));
  auto* node = new IoTestNode;
  in.addReference("n", node);
  SoNode* root = nullptr;
  ASSERT_TRUE(SoDB::read(&in, root));
  root->ref();
  EXPECT_EQ(child(root, 0), node);
  EXPECT_EQ(node->getRefCount(), 2);
  in.setBuffer(scene(""));
  EXPECT_EQ(in.findReference("n"), nullptr);
  EXPECT_EQ(node->getRefCount(), 1);
  root->unref();
}

TEST_F(SoInputTest, readsFilesAndNamesThemInErrors) {
  const TestFolder folder("scenar");
  const std::filesystem::path& dir = folder.path();
  const std::string good = (dir / "good.scn").string();
  const std::string bad = (dir / "bad.scn").string();
  for (const auto& [path, text] :
       {std::pair{good, scene("Separator {\n  DEF x IoTestNode { size 7 }\n  USE x\n}\n")},
        std::pair{bad, scene("Separator {\n  PoVew { }\n}\n")}}) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
  SoInput in;
  ASSERT_TRUE(in.openFile(good.c_str()));
  EXPECT_EQ(in.getFileName().str(), good);
  SoNode* root = nullptr;
  ASSERT_TRUE(SoDB::read(&in, root));
  root->ref();
  EXPECT_EQ(static_cast<IoTestNode*>(child(root, 1))->size.getValue(), 7.0f);
  EXPECT_EQ(child(root, 0), child(root, 1));
  root->unref();

  ASSERT_TRUE(in.openFile(bad.c_str()));
  EXPECT_FALSE(SoDB::read(&in, root));
  EXPECT_EQ(in.getErrorMessage().str(), bad + ":3: unknown node type 'PoVew'");

  // what cannot be read says why
  const std::string missing = (dir / "none" / "none.scn").string();
  const std::string loop = (dir / "loop").string();
  std::filesystem::create_symlink(loop, loop);
  for (const auto& [path, reason] :
       {std::pair{missing, "cannot open file: No such file or directory"},
        std::pair{dir.string(), "cannot read file: Is a directory"},
        std::pair{loop, "cannot open file: Too many levels of symbolic links"}}) {
    EXPECT_FALSE(in.openFile(path.c_str()));
    EXPECT_EQ(in.getErrorMessage().str(), path + ": " + reason);
    EXPECT_FALSE(SoDB::read(&in, root));
  }
}

TEST_F(SoInputTest, readsAnOpenFileAndEscapesItsPathInMessages) {
  const TestFolder folder("scenar");
  const std::string path = (folder.path() / "a\nb\x01.scn").string();
  const std::string shown = (folder.path() / "a\\nb\\x01.scn").string();
  const std::string text = scene("Group {\n  Bogus { }\n}\n");
  std::FILE* file = std::fopen(path.c_str(), "w+b");
  ASSERT_NE(file, nullptr);
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);

  SoInput in;
  EXPECT_FALSE(in.setFilePointer(file, path.c_str(), text.size() - 1));
  EXPECT_EQ(in.getErrorMessage().str(),
            shown + ": holds more than " + std::to_string(text.size() - 1) + " bytes");
  std::rewind(file);
  ASSERT_TRUE(in.setFilePointer(file, path.c_str(), text.size()));
  EXPECT_EQ(in.getFileName().str(), path);
  SoNode* root = nullptr;
  EXPECT_FALSE(SoDB::read(&in, root));
  EXPECT_EQ(in.getErrorMessage().str(), shown + ":3: unknown node type 'Bogus'");
  EXPECT_EQ(std::fclose(file), 0) << "the file stays open, the caller's";
}

TEST_F(SoInputTest, readsNodeKitParts) {
  SoRef root = read(scene(R"(Separator {
  DEF cam OrthographicCamera { height 2 }
  CameraKit { camera USE cam }
}
)"));
  ASSERT_TRUE(root);
  auto* kit = static_cast<SoCameraKit*>(child(root.get(), 1));
  ASSERT_EQ(kit->getTypeId(), SoCameraKit::getClassTypeId());
  EXPECT_EQ(kit->camera.getValue(), child(root.get(), 0));
  EXPECT_EQ(kit->getPart("camera", FALSE), child(root.get(), 0));
  EXPECT_EQ(static_cast<SoOrthographicCamera*>(child(root.get(), 0))->height.getValue(), 2.0f);
  root.reset();
  // what the kit refuses fails the read
  std::string error;
  EXPECT_FALSE(read(scene("CameraKit {\n  camera Group { }\n}"), &error));
  EXPECT_EQ(error.rfind("<buffer>:4: ", 0), 0u) << error;
}
