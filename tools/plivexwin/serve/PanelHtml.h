// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

class PoXtDialog;

namespace plivexwin::serve {

// What a panel shows beside its dialog.
struct PanelHeading {
  int id = 0;                // the panel's number, which requests name
  std::string editorClass;   // "PoXtLinearAxisEditor"
  std::string nodeName;      // "linearX"
  bool afterAccept = false;  // the editor's update frequency
  int presentation = 0;      // folded, unfolded, without toggles
};

// text with &, <, >, " and ' written as entities.
std::string htmlText(std::string_view text);

// The editor panel as HTML: its heading, its frequency and presentation
// switches, then the dialog's elements in dialog order, each control carrying
// data-index, the element's index in the dialog. Elements closed in a folded
// section are there but hidden.
std::string panelHtml(const PanelHeading& heading, const PoXtDialog& dialog);

}  // namespace plivexwin::serve
