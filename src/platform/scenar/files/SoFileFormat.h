// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>
#include <vector>

class SoNode;

// A format the write action (SoWriteAction) writes a graph in: the scene
// file's, or one that a layer above the actions adds for graphs whose root is
// of its kind (the VRML 2.0 nodes add VRML97 files). The write keeps its two
// passes, DEF and USE and its layout whatever the format; the format gives
// the header, the names of node types and of nodes, and the links between
// nodes that follow the root at the top level.
class SoFileFormat {
 public:
  // A connection from a field of one node into a field of another, each end
  // under the name the format gives it.
  struct Link {
    const SoNode* from;
    std::string fromEnd;
    const SoNode* to;
    std::string toEnd;
  };

  virtual ~SoFileFormat() = default;

  // Whether a graph whose root is root is written in this format.
  virtual bool writes(const SoNode* root) const = 0;
  // The line the file starts with.
  virtual const char* getHeader() const = 0;
  // The type name node is written under.
  virtual std::string getTypeName(const SoNode* node) const = 0;
  // What a node's own name own becomes in the file; empty when it is none
  // the file can hold.
  virtual std::string getNodeName(std::string_view own) const = 0;
  // Whether a node whose name is taken keeps it with a suffix "_2", "_3", ...;
  // otherwise it goes unnamed, or under a made-up "_N" when it must be named.
  virtual bool keepsTakenNames() const { return false; }
  // Appends the links into node's fields that the file holds; the nodes at
  // their ends are named even when met once.
  virtual void getLinks(const SoNode* node, std::vector<Link>& links) const {
    (void)node;
    (void)links;
  }
  // The statement that writes link, its nodes named from and to.
  virtual std::string getLinkStatement(const Link& link, const std::string& from,
                                       const std::string& to) const {
    (void)link;
    (void)from;
    (void)to;
    return {};
  }

 protected:
  SoFileFormat() = default;
  SoFileFormat(const SoFileFormat&) = default;
  SoFileFormat& operator=(const SoFileFormat&) = default;
};
