// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenarwin/SoGuiComponent.h"
#include "platform/scenarwin/Win32.h"

class SoWinComponent;
using SoWinComponentVisibilityCB = void(void* userData, SbBool visible);

// A reusable piece of user interface that lives in a window: inside its parent's
// window, or in a shell window of its own. Headless: showing and hiding set a
// flag and tell the visibility callbacks.
class SoWinComponent : public SoGuiComponent {
 public:
  ~SoWinComponent() override;

  virtual void show();
  virtual void hide();
  SbBool isVisible() const { return visible_; }

  HWND getWidget() const { return baseWidget_; }
  HWND getBaseWidget() const { return baseWidget_; }
  HWND getShellWidget() const { return shell_; }
  HWND getParentWidget() const { return parent_; }
  const char* getWidgetName() const { return widgetName_.getString(); }
  void setTitle(const char* title);
  const char* getTitle() const { return title_.getString(); }
  void setIconTitle(const char* title) { iconTitle_ = title; }
  const char* getIconTitle() const { return iconTitle_.getString(); }

  // fn(userData, visible) runs on every show and every hide.
  void addVisibilityChangeCallback(SoWinComponentVisibilityCB* function, void* userData = nullptr);
  void removeVisibilityChangeCallback(SoWinComponentVisibilityCB* function,
                                      void* userData = nullptr);

  // Windows registered with the component, in order.
  const std::vector<HWND>& getRegisteredWidgets() const { return widgets_; }

 protected:
  // name becomes the widget name; embed is kept for the window system's sake.
  SoWinComponent(HWND parent = nullptr, const char* name = nullptr, SbBool buildInsideParent = TRUE,
                 SbBool embed = TRUE);

  void setBaseWidget(HWND widget);
  void registerWidget(HWND widget);
  void unregisterWidget(HWND widget);
  using SoGuiComponent::setClassName;

  virtual const char* getDefaultWidgetName() const { return "SoWinComponent"; }
  virtual const char* getDefaultTitle() const { return "Win Component"; }
  virtual const char* getDefaultIconTitle() const { return "Win Component"; }
  virtual void windowCloseAction() { hide(); }
  virtual void afterRealizeHook() {}
  virtual void widgetDestroyed() {}

 private:
  struct Callback {
    SoWinComponentVisibilityCB* function;
    void* userData;
    bool operator==(const Callback&) const = default;
  };
  void setVisible(SbBool visible);

  HWND parent_;
  HWND shell_ = nullptr;  // owned when the component is a top-level shell
  HWND baseWidget_ = nullptr;
  SbString widgetName_, title_, iconTitle_;
  SbBool visible_ = FALSE;
  std::vector<HWND> widgets_;
  std::vector<Callback> visibilityCallbacks_;
};
