// SPDX-License-Identifier: Apache-2.0
// Traverses a scene of 10,000 framed cubes and reports what narrowing each
// frame to its view costs, per kind of traversal. Each frame starts with one of
// four nodes:
//   view        a PoView;
//   floor       a callback node that makes the same state changes by hand,
//               written for that traversal alone;
//   view+floor  a PoView whose callback part runs the floor's function instead
//               of the view's: what the kit costs without the view's narrowing;
//   nothing     a callback node that does nothing.
// After the usual table it prints, per traversal, the fastest traversal of
// each scene, view/floor (what a view costs over narrowing by hand),
// view/(view+floor) (what the view's narrowing costs over the floor's, in the
// same kit) and view/nothing (what a view costs in all).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/gl/GL.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGLUpdateAreaElement.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbViewportRegion.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "views/PoBaseView.h"
#include "views/PoView.h"

namespace {

constexpr int kFrames = 10000;
constexpr int kColumns = 100;
constexpr short kWindow = 1000;
// Tiles draw the lower-left quarter of an image twice the window's size.
constexpr short kLogical = 2 * kWindow;
const SbVec4f kTile(0, 0, 0.5f, 0.5f);

struct Rect {
  SbVec2f origin;
  SbVec2f size;
};

const Rect& rectOf(void* data) { return *static_cast<const Rect*>(data); }

// ---- the floors, one per traversal

void floorRender(void* data, SoAction* action) {
  const Rect& r = rectOf(data);
  auto* render = static_cast<SoGLRenderAction*>(action);
  SoState* state = render->getState();
  SbViewportRegion region = render->getViewportRegion();
  region.setViewport(r.origin, r.size);
  SoViewportRegionElement::set(state, region, 1);
  const SbVec2s window = region.getWindowSize();
  SoGLUpdateAreaElement::set(
      state, r.origin,
      SbVec2f(r.size[0] + 1.0f / float(window[0]), r.size[1] + 1.0f / float(window[1])));
}

void floorTile(void* data, SoAction* action) {
  const Rect& r = rectOf(data);
  auto* render = static_cast<SoGLRenderAction*>(action);
  SoState* state = render->getState();
  const SbViewportRegion& region = render->getViewportRegion();
  const SbVec2s origin = region.getViewportOriginPixels();
  const SbVec2s size = region.getViewportSizePixels();
  glEnable(GL_SCISSOR_TEST);
  glScissor(origin[0], origin[1], size[0], size[1]);
  const SbVec4f& p = render->getVVPortion();
  SoModifyViewVolumeElement::set(
      state, SbVec4f((p[0] - r.origin[0]) / r.size[0], (p[1] - r.origin[1]) / r.size[1],
                     (p[2] - r.origin[0]) / r.size[0], (p[3] - r.origin[1]) / r.size[1]));
  const SbVec2s l = render->getLogicalViewportRegion().getViewportSizePixels();
  SbViewportRegion logical(l);
  logical.setViewportPixels(short(l[0] * r.origin[0]), short(l[1] * r.origin[1]),
                            short(l[0] * r.size[0]), short(l[1] * r.size[1]));
  SoLogicalViewportElement::set(state, logical);
}

void floorRenderUnit(void* data, SoAction* action) {
  const Rect& r = rectOf(data);
  auto* render = static_cast<SoGLRenderAction*>(action);
  SoState* state = render->getState();
  const SbVec2i32& tile = render->getViewportRegion().getViewportSizePixels_i32();
  const SbVec2i32& l = render->getLogicalViewportRegion().getViewportSizePixels_i32();
  const SbVec4f& p = render->getVVPortion();
  // The view in logical pixels relative to the tile, then its visible part.
  const float sx = float(l[0]) * r.size[0], sy = float(l[1]) * r.size[1];
  const float vx = float(l[0]) * (r.origin[0] - p[0]), vy = float(l[1]) * (r.origin[1] - p[1]);
  const float x0 = std::max(vx, 0.0f), y0 = std::max(vy, 0.0f);
  const float w = std::max(std::min(vx + sx, float(tile[0])) - x0, 0.0f);
  const float h = std::max(std::min(vy + sy, float(tile[1])) - y0, 0.0f);
  SbBox3f visible;
  visible.setBounds((x0 - vx) / sx, (y0 - vy) / sy, 0, (x0 - vx + w) / sx, (y0 - vy + h) / sy, 1);
  SoModifyViewVolumeElement::set(state, visible);
  SbViewportRegion region = render->getViewportRegion();
  SbViewportRegion logical(0, 0, 1);
  if (w == 0 || h == 0) {
    region.setViewportPixels(0, 0, 0, 0);
  } else {
    region.setViewportPixels(short(x0), short(y0), short(w), short(h));
    logical = SbViewportRegion(short(sx), short(sy), h / w);
  }
  SoViewportRegionElement::set(state, region, 1);
  SoLogicalViewportElement::set(state, logical);
}

// Bounding boxes and picks: the action's region narrowed to the view.
template <typename Action>
void floorRegion(void* data, SoAction* action) {
  const Rect& r = rectOf(data);
  auto* narrowed = static_cast<Action*>(action);
  SbViewportRegion region = narrowed->getViewportRegion();
  region.setViewport(r.origin, r.size);
  SoViewportRegionElement::set(narrowed->getState(), region, 1);
}

void doNothing(void*, SoAction*) {}

// ---- the traversals

struct Traversal {
  const char* name;
  SoCallbackCB* floor;
  bool renderUnit;
  std::unique_ptr<SoAction> (*makeAction)();
};

std::unique_ptr<SoAction> makeRender() {
  auto render = std::make_unique<SoGLRenderAction>(SbViewportRegion(kWindow, kWindow));
  render->setRenderLogEnabled(false);
  return render;
}

std::unique_ptr<SoAction> makeTile() {
  auto render = std::make_unique<SoGLRenderAction>(SbViewportRegion(kWindow, kWindow));
  render->setRenderLogEnabled(false);
  render->setLogicalViewportRegion(SbViewportRegion(kLogical, kLogical));
  render->setVVPortion(kTile);
  return render;
}

std::unique_ptr<SoAction> makeBoundingBox() {
  return std::make_unique<SoGetBoundingBoxAction>(SbViewportRegion(kWindow, kWindow));
}

std::unique_ptr<SoAction> makePick() {
  auto pick = std::make_unique<SoRayPickAction>(SbViewportRegion(kWindow, kWindow));
  pick->setPoint(SbVec2s(kWindow / 2 + 5, kWindow / 2 + 5));
  return pick;
}

const Traversal kTraversals[] = {
    {"render", floorRender, false, makeRender},
    {"tile", floorTile, false, makeTile},
    {"render-unit", floorRenderUnit, true, makeTile},
    {"bounding-box", floorRegion<SoGetBoundingBoxAction>, false, makeBoundingBox},
    // Without narrowing every cube holds the picked point: "nothing" picks
    // all of them and is the slowest.
    {"pick", floorRegion<SoRayPickAction>, false, makePick},
};

enum Stand { kView, kFloor, kKitFloor, kNothing, kStands };

// kFrames separators, each the stand-in for a view then a cube, tiled over
// the window.
SoSeparator* makeScene(Stand stand, SoCallbackCB* floor, std::vector<Rect>& rects) {
  auto* root = new SoSeparator;
  root->ref();
  rects.resize(kFrames);
  for (int i = 0; i < kFrames; ++i) {
    Rect& r = rects[static_cast<std::size_t>(i)];
    r.origin.setValue(float(i % kColumns) / kColumns, float(i / kColumns) / kColumns);
    r.size.setValue(1.0f / kColumns, 1.0f / kColumns);
    auto* frame = new SoSeparator;
    if (stand == kView || stand == kKitFloor) {
      auto* view = new PoView;
      view->viewportOrigin.setValue(r.origin);
      view->viewportSize.setValue(r.size);
      if (stand == kKitFloor)
        static_cast<SoCallback*>(view->getPart("catchActionCallback", FALSE))
            ->setCallback(floor, &r);
      frame->addChild(view);
    } else {
      auto* callback = new SoCallback;
      callback->setCallback(stand == kFloor ? floor : doNothing, &r);
      frame->addChild(callback);
    }
    frame->addChild(new SoCube);
    root->addChild(frame);
  }
  return root;
}

// The fastest traversal of each scene, in milliseconds of processor time, by
// traversal name.
std::map<std::string, std::array<double, kStands>> fastest;

double processorMilliseconds() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

// Each iteration applies the action to the three scenes in turn, so that the
// three see the same machine; the fastest traversal of each is the one least
// disturbed by whatever else runs.
void traverse(benchmark::State& state, const Traversal& traversal) {
  std::vector<Rect> rects[kStands];
  SoSeparator* scenes[kStands];
  for (int s = 0; s < kStands; ++s) scenes[s] = makeScene(Stand(s), traversal.floor, rects[s]);
  SoDB::setRenderUnitMode(traversal.renderUnit ? 1 : 0);
  std::unique_ptr<SoAction> action = traversal.makeAction();
  for (SoSeparator* scene : scenes) action->apply(scene);  // the state's element pools fill
  auto& best = fastest.try_emplace(traversal.name).first->second;
  if (best[kView] == 0) best.fill(std::numeric_limits<double>::max());
  for (auto _ : state)
    for (int s = 0; s < kStands; ++s) {
      const double start = processorMilliseconds();
      action->apply(scenes[s]);
      best[s] = std::min(best[s], processorMilliseconds() - start);
    }
  state.counters["view"] = best[kView];
  state.counters["floor"] = best[kFloor];
  state.counters["view+floor"] = best[kKitFloor];
  state.counters["nothing"] = best[kNothing];
  SoDB::setRenderUnitMode(0);
  action.reset();
  for (SoSeparator* scene : scenes) scene->unref();
}

}  // namespace

int main(int argc, char** argv) {
  SoDB::init();
  PoBaseView::initClasses();
  for (const Traversal& t : kTraversals)
    benchmark::RegisterBenchmark(t.name, [&t](benchmark::State& state) {
      traverse(state, t);
    })->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::printf("\n%-13s %28s   %10s %18s %13s\n", "fastest, ms:", "view  floor  view+floor  nothing",
              "view/floor", "view/(view+floor)", "view/nothing");
  for (const Traversal& t : kTraversals) {
    auto found = fastest.find(t.name);
    if (found == fastest.end()) continue;
    const auto& ms = found->second;
    std::printf("%-13s %5.3f %6.3f %11.3f %8.3f   %10.2f %18.2f %13.2f\n", t.name, ms[kView],
                ms[kFloor], ms[kKitFloor], ms[kNothing], ms[kView] / ms[kFloor],
                ms[kView] / ms[kKitFloor], ms[kView] / ms[kNothing]);
  }
  return 0;
}
