// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/vrml/SoConvertGutsVRML2.h"

class PoConvertGuts;

// Plivex's worker of the VRML 2.0 pass: the toolkit's (with its six
// settings, setSettings), which moreover tells the first pass's worker which
// VRML group it made of each scene view the first pass recorded.
class PoConvertGutsVRML2 : public SoConvertGutsVRML2 {
 public:
  // firstPass: the worker of the first pass over the graph this one
  // converts; nullptr tells nobody.
  explicit PoConvertGutsVRML2(PoConvertGuts* firstPass) : firstPass_(firstPass) {}

 protected:
  void groupConverted(const SoNode* from, SoVRMLGroup* to) override;

 private:
  PoConvertGuts* firstPass_;
};
