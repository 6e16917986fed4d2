// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "views/PoBaseView.h"

class SoInput;

/// The light view: a view made of only the callback part that applies the
/// view's rectangle and a camera kit. With no separator of its own, its
/// rectangle and camera stay in force for the nodes after it under the same
/// parent: place it ahead of the sub-scene it frames, in a separator of its own.
class PoView : public PoBaseView {
  SO_KIT_HEADER(PoView, PoBaseView);

 public:
  PoView();
  PoView(const PoView& other);
  PoView& operator=(const PoView& other) = default;

 protected:
  ~PoView() override = default;

 private:
  /// The class set-up of both constructors.
  void setUpInstance();
  SbBool readInstance(SoInput* in, unsigned short flags) override;
};
