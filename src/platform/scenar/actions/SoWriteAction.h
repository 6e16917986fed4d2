// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/fields/SoWriteContext.h"
#include "platform/scenar/files/SoFileFormat.h"
#include "platform/scenar/files/SoOutput.h"

// Writes a scene graph as a scene file that SoInput reads back. Applied to a
// node it goes over the graph twice: first it counts how often each node is
// met, then it writes. A node met more than once is written in full the first
// time, after "DEF name", and as "USE name" afterwards; the name is the node's
// own when that is a valid DEF name not taken yet, else a made-up "_N". A node
// with a valid name of its own is written after "DEF name" even when met once,
// so that its name reads back.
//
// Node classes write themselves in their write virtual with beginNode,
// writeFields, startBodyLine (before each nested item such as a child) and
// endNode; both passes run through them. Fields holding nodes write them
// through the action, which they are handed as their write context.
//
// A graph whose root one of the file formats added with addFileFormat writes
// is written in that format instead: with its header, type names and node
// names, and after the root, at the top level, a statement per link between
// two nodes of the graph; the nodes at either end of a link are DEF-named even
// when met once. The VRML 2.0 nodes add VRML97 files so (see SoVRMLNode).
//
// The counting pass also measures what the text asks of a reader (getExtent,
// or measure alone before writing), as SoInput counts it, so that a caller can
// refuse to write a scene file that would not read back.
class SoWriteAction : public SoAction, public SoWriteContext {
  SO_ACTION_HEADER(SoWriteAction);

 public:
  // Writes into an output of its own, to its buffer.
  SoWriteAction();
  explicit SoWriteAction(SoOutput* out);
  ~SoWriteAction() override;

  SoOutput* getOutput() const { return output_; }
  // Has every graph whose root format writes be written in format, which
  // must live as long as the program; the formats added last are asked
  // first, the scene file's format writes what none of them does. Formats
  // are added as classes are set up (initClass); adding one again changes
  // nothing.
  static void addFileFormat(const SoFileFormat* format);
  // Whether a graph with root is written as a scene file, in no added format.
  static bool writesSceneFile(const SoNode* root);
  // Whether this is the first pass, that only counts the nodes.
  SbBool isCounting() const { return counting_; }

  // What the text of a write asks of a reader, counted as SoInput counts:
  // depth, how deep the nodes written in full nest (a top-level node is
  // 1 deep; USE and NULL add none), and expansion, how many nodes a
  // traversal of what reads back visits, each USE counting what its node
  // expands to (saturating). sceneFile tells whether the text is a scene
  // file, which SoInput reads, rather than another format's.
  struct Extent {
    int depth = 0;
    std::uint64_t expansion = 0;
    bool sceneFile = true;
  };
  // The extent of the text written by the last apply.
  const Extent& getExtent() const { return extent_; }
  // The extent of the text a write applied to node would give, measured by
  // the counting pass alone: nothing is written.
  static Extent measure(SoNode* node);
  static Extent measure(std::span<SoNode* const> nodes);

  // Writes nodes as the top-level nodes of one file, in the format of the
  // first: one write, so that a node met under two of them is written once,
  // after DEF, and USEd after. Nothing for no nodes.
  void applyToTopLevel(std::span<SoNode* const> nodes);

  // Starts writing node: FALSE when it has been written already, as "USE name"
  // (in the counting pass: met already), so that its body must not be written.
  // After TRUE the body follows and endNode closes it.
  SbBool beginNode(SoNode* node);
  // Writes every field of node that does not hold its default, one per line;
  // fields holding lists of nodes come last.
  void writeFields(SoNode* node);
  // Starts a new line of the body of the node being written.
  void startBodyLine();
  void endNode(SoNode* node);
  // What fields holding nodes write them with while the action runs: nested
  // at the current indentation, "USE name" for a node written already.
  void writeNode(SoNode* node, std::string& out) override;
  void writeNodeList(const std::vector<SoNode*>& nodes, std::string& out) override;

  // Appends node, or the list nodes, as a field value written alone: by a
  // write of its own, without header, that names the nodes it meets twice.
  static void writeAlone(SoNode* node, std::string& out);
  static void writeAlone(const std::vector<SoNode*>& nodes, std::string& out);

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  struct NodeInfo {
    int count = 0;
    std::uint64_t expansion = 0;  // once its body was counted
    bool written = false;
    bool linked = false;  // at an end of a link written
    std::string name;     // the DEF name, empty if none
  };
  static void callWrite(SoAction* action, SoNode* node);
  static const SoFileFormat* findFileFormat(const SoNode* root);
  // The name node is written under when it is free: its own as the format
  // has it; empty if none.
  std::string fileNameOf(const SoNode* node) const;
  std::string chooseName(const SoNode* node, const NodeInfo& info);
  // prefix and the first number from number on that gives a name neither
  // written yet nor any node's own; number moves past it.
  std::string freeName(const std::string& prefix, int& number) const;
  // Keeps the links both of whose nodes were met and marks those nodes.
  void keepLinksInGraph();
  void writeLinks();

  std::unique_ptr<SoOutput> ownOutput_;
  SoOutput* output_;
  const SoFileFormat* format_ = nullptr;  // the format of the write under way
  bool counting_ = false;
  bool measureOnly_ = false;
  std::span<SoNode* const> topLevel_;  // during applyToTopLevel
  Extent extent_;
  std::vector<std::uint64_t> countedBefore_;  // per node counted: extent_.expansion when begun
  std::vector<SoFileFormat::Link> links_;
  std::unordered_map<const SoNode*, NodeInfo> nodes_;
  std::unordered_set<std::string> ownNames_;   // valid names of the nodes met
  std::unordered_set<std::string> usedNames_;  // DEF names written
  int nextNameNumber_ = 0;
  std::unordered_map<std::string, int> nextSuffixes_;  // by own name, where taken names are kept
  std::vector<bool> bodyHasLines_;                     // per node being written
};
