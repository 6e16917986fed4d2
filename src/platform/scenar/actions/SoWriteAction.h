#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbBasic.h"
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
// endNode; both passes run through them.
//
// A graph whose root is a VRML 2.0 node (SoVRMLNode) is written as a VRML97
// file: the header "#VRML V2.0 utf8", the nodes under their VRML97 type names,
// and after the root, at the top level, a ROUTE statement for each connection
// between two VRML 2.0 nodes of the graph that VRML97 can express
// ("ROUTE A.position_changed TO B.set_translation"). The nodes at either end
// of a route are DEF-named even when met once. There every node with a name
// of its own keeps it, made a VRML97 name (each byte but ASCII letters,
// digits and '_' becomes '_'; a leading digit or a VRML97 keyword gets a '_'
// ahead) and unique in the file: a name taken already gets a suffix "_2",
// "_3", ... that no node of the graph has for its own, as made-up names.
class SoWriteAction : public SoAction {
  SO_ACTION_HEADER(SoWriteAction);

 public:
  // Writes into an output of its own, to its buffer.
  SoWriteAction();
  explicit SoWriteAction(SoOutput* out);
  ~SoWriteAction() override;

  SoOutput* getOutput() const { return output_; }
  // The write action being applied on this thread, nullptr if none.
  static SoWriteAction* getCurrent();
  // Whether this is the first pass, that only counts the nodes.
  SbBool isCounting() const { return counting_; }

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
  // Writes node as a field value into out, nested at the current indentation:
  // what a node-valued field writes while the action runs.
  void writeNodeValue(SoNode* node, std::string& out);
  // The same for a list of nodes: "[", a line per node, "]".
  void writeNodeListValue(const std::vector<SoNode*>& nodes, std::string& out);

  // What node-valued fields write into out: inside a write on this thread,
  // writeNodeValue or writeNodeListValue of that write; elsewhere the nodes
  // are written by a write of their own, without header.
  static void writeFieldValue(SoNode* node, std::string& out);
  static void writeFieldValue(const std::vector<SoNode*>& nodes, std::string& out);

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  struct NodeInfo {
    int count = 0;
    bool written = false;
    bool routed = false;  // at an end of a route written
    std::string name;     // the DEF name, empty if none
  };
  struct Route {
    const SoNode* from;
    std::string fromEvent;
    const SoNode* to;
    std::string toEvent;
  };

  static void writeNode(SoAction* action, SoNode* node);
  static void writeAlone(SoNode* node, std::string& out);
  // The name node is written under when it is free: its own, made a VRML97
  // name in a VRML97 file, kept when valid in a scene file; empty if none.
  std::string fileNameOf(const SoNode* node) const;
  std::string chooseName(const SoNode* node, const NodeInfo& info);
  // prefix and the first number from number on that gives a name neither
  // written yet nor any node's own; number moves past it.
  std::string freeName(const std::string& prefix, int& number) const;
  // Counting pass: records the routes into node's fields.
  void collectRoutes(const SoNode* node);
  // Keeps the routes both of whose nodes were met and marks those nodes.
  void keepRoutesInGraph();
  void writeRoutes();

  std::unique_ptr<SoOutput> ownOutput_;
  SoOutput* output_;
  bool counting_ = false;
  bool vrml2_ = false;
  std::vector<Route> routes_;
  std::unordered_map<const SoNode*, NodeInfo> nodes_;
  std::unordered_set<std::string> ownNames_;   // valid names of the nodes met
  std::unordered_set<std::string> usedNames_;  // DEF names written
  int nextNameNumber_ = 0;
  std::unordered_map<std::string, int> nextSuffixes_;  // by own name, in VRML97 files
  std::vector<bool> bodyHasLines_;                     // per node being written
};
