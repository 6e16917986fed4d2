// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoWinComponent.h"

#include <algorithm>

SoWinComponent::SoWinComponent(HWND parent, const char* name, SbBool buildInsideParent, SbBool)
    : SoGuiComponent(parent == nullptr || !buildInsideParent), parent_(parent), widgetName_(name) {
  if (isTopLevelShell()) {
    shell_ = new SoWinWindow;
    shell_->className = "shell";
  }
}

SoWinComponent::~SoWinComponent() { delete shell_; }

void SoWinComponent::show() { setVisible(TRUE); }

void SoWinComponent::hide() { setVisible(FALSE); }

void SoWinComponent::setVisible(SbBool visible) {
  visible_ = visible;
  if (shell_) shell_->visible = visible;
  if (baseWidget_) baseWidget_->visible = visible;
  std::vector<Callback> current = visibilityCallbacks_;
  for (const Callback& c : current)
    if (std::find(visibilityCallbacks_.begin(), visibilityCallbacks_.end(), c) !=
        visibilityCallbacks_.end())
      c.function(c.userData, visible);
}

void SoWinComponent::setTitle(const char* title) {
  title_ = title;
  if (shell_) shell_->title = title_;
}

void SoWinComponent::addVisibilityChangeCallback(SoWinComponentVisibilityCB* function,
                                                 void* userData) {
  if (function) visibilityCallbacks_.push_back({function, userData});
}

void SoWinComponent::removeVisibilityChangeCallback(SoWinComponentVisibilityCB* function,
                                                    void* userData) {
  auto found = std::find(visibilityCallbacks_.begin(), visibilityCallbacks_.end(),
                         Callback{function, userData});
  if (found != visibilityCallbacks_.end()) visibilityCallbacks_.erase(found);
}

void SoWinComponent::setBaseWidget(HWND widget) { baseWidget_ = widget; }

void SoWinComponent::registerWidget(HWND widget) {
  if (widget && std::find(widgets_.begin(), widgets_.end(), widget) == widgets_.end())
    widgets_.push_back(widget);
}

void SoWinComponent::unregisterWidget(HWND widget) {
  widgets_.erase(std::remove(widgets_.begin(), widgets_.end(), widget), widgets_.end());
}
