// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/PageAssets.h"

namespace plivexwin::serve {

namespace {

// The page reads its token from its own address and sends it with every
// request; the server draws the picture at the size the page shows it and
// every panel's HTML. Changes, the page's own and others', arrive on the
// event stream, after which the page fetches its panels and picture again.
constexpr std::string_view kPage = R"PAGE(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>plivexwin serve</title>
<style>
  body { font: 14px system-ui, sans-serif; margin: 0; color: #222; background: #f4f4f2; }
  header { display: flex; gap: .5em; align-items: center; padding: .5em 1em;
           background: #2b3a4a; color: #fff; }
  header h1 { font-size: 16px; margin: 0 1em 0 0; font-weight: 600; }
  header a, header button { color: #fff; background: #44586c; border: 0; padding: .35em .8em;
           border-radius: 3px; text-decoration: none; font: inherit; cursor: pointer; }
  #status { margin-left: auto; font-size: 13px; }
  #status.error { color: #ffb4a8; }
  main { display: flex; gap: 1em; padding: 1em; align-items: flex-start; }
  #plot { flex: none; }
  #picture { width: min(78vh, 56vw); height: min(78vh, 56vw); display: block; background: #fff;
             border: 1px solid #bbb; cursor: crosshair; }
  #nodes { margin-top: .5em; display: flex; flex-wrap: wrap; gap: .3em; max-width: min(78vh, 56vw); }
  #nodes button { font: 12px monospace; }
  #panels { flex: 1; display: flex; flex-direction: column; gap: 1em; min-width: 22em; }
  .panel { background: #fff; border: 1px solid #ccc; border-radius: 4px; padding: .5em 1em; }
  .panel h2 { font-size: 15px; margin: .2em 0 .5em; }
  .switches { display: flex; gap: 1em; margin-bottom: .5em; font-size: 13px; }
  .switches .close { margin-left: auto; }
  .section { display: block; width: 100%; text-align: left; margin-top: .4em; font-weight: 600;
             background: #e8ecf0; border: 0; padding: .25em .5em; cursor: pointer; }
  .row { display: grid; grid-template-columns: 14em 1fr auto; gap: .5em; align-items: center;
         padding: .15em .5em; }
  .row .label { white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
  .row input[type=range] { width: 100%; }
  .row input.number { width: 7em; }
  .row input[type=text], .row select { grid-column: 2 / 4; }
  .row button { grid-column: 2 / 3; justify-self: start; }
  [hidden] { display: none !important; }
</style>
</head>
<body>
<header>
  <h1>plivexwin serve</h1>
  <button id="save" type="button">Save</button>
  <a id="download-picture" download="picture.png">Picture</a>
  <a id="download-world" download="world.wrl">World</a>
  <span id="status"></span>
</header>
<main>
  <div id="plot">
    <img id="picture" alt="the scene's picture">
    <div id="nodes"></div>
  </div>
  <div id="panels"></div>
</main>
<script>
"use strict";
const token = new URLSearchParams(location.search).get("token") || "";
const withToken = (path, query = "") => path + (path.includes("?") ? "&" : "?") +
  "token=" + encodeURIComponent(token) + (query ? "&" + query : "");
const picture = document.getElementById("picture");
const panels = document.getElementById("panels");
const statusLine = document.getElementById("status");
let changes = 0;

function tell(text, isError) {
  statusLine.textContent = text;
  statusLine.className = isError ? "error" : "";
}

// Requests in flight, shown as the body's data-busy; and the requests made,
// each answer of a panel numbered by its request so that an answer overtaken
// by a later one is dropped.
let inFlight = 0;
let asked = 0;
const shownAsked = new Map();  // panel id: the request its panel shows the answer to

async function api(path, body) {
  document.body.dataset.busy = ++inFlight;
  try {
    const response = await fetch(withToken(path), body === undefined ? {} : {
      method: "POST", headers: {"Content-Type": "application/json"}, body: JSON.stringify(body)});
    const text = await response.text();
    if (!response.ok) throw new Error(text.trim() || response.statusText);
    return text ? JSON.parse(text) : {};
  } finally {
    document.body.dataset.busy = --inFlight;
  }
}

function pictureSize() {
  return [Math.max(1, Math.round(picture.clientWidth)), Math.max(1, Math.round(picture.clientHeight))];
}

function drawPicture() {
  const [width, height] = pictureSize();
  picture.src = withToken("/api/picture.png", `width=${width}&height=${height}&v=${changes}`);
}

function showPanel(answer, ticket) {
  if (ticket < (shownAsked.get(answer.panel) ?? 0)) return;
  shownAsked.set(answer.panel, ticket);
  let panel = panels.querySelector(`[data-panel="${answer.panel}"]`);
  const holder = document.createElement("div");
  holder.innerHTML = answer.html;
  const fresh = holder.firstElementChild;
  if (panel) panel.replaceWith(fresh); else panels.prepend(fresh);
}

async function refresh() {
  drawPicture();
  for (const panel of panels.querySelectorAll(".panel")) {
    try {
      const ticket = ++asked;
      showPanel(await api("/api/panel?panel=" + panel.dataset.panel), ticket);
    } catch (error) {
      panel.remove();
    }
  }
}

// Runs a request, giving done its answer and number; a refusal shows its
// reason and the panels show the truth again.
async function run(path, body, done) {
  try {
    const ticket = ++asked;
    const answer = await api(path, body);
    if (done) done(answer, ticket);
  } catch (error) {
    tell(error.message, true);
    await refresh();
  }
}

picture.addEventListener("click", event => {
  const [width, height] = pictureSize();
  const x = Math.min(width - 1, Math.floor(event.offsetX * width / picture.clientWidth));
  const y = Math.min(height - 1, Math.floor(event.offsetY * height / picture.clientHeight));
  run("/api/click", {x, y, width, height}, (answer, ticket) => {
    showPanel(answer, ticket);
    tell(`${answer.editor} on ${answer.node}`);
  });
});

function panelOf(element) {
  const panel = element.closest(".panel");
  return panel ? Number(panel.dataset.panel) : 0;
}

panels.addEventListener("change", event => {
  const control = event.target;
  const panel = panelOf(control);
  if (control.name === "frequency" || control.name === "presentation")
    return run("/api/" + control.name, {panel, value: control.value}, refresh);
  if (!control.dataset.index) return;
  const value = control.type === "checkbox" ? (control.checked ? "0" : "1") : control.value;
  run("/api/set", {panel, index: Number(control.dataset.index), value}, refresh);
});

panels.addEventListener("input", event => {
  // A range and its number box show the same value.
  const control = event.target;
  if (control.type !== "range" && control.type !== "number") return;
  for (const twin of control.parentElement.querySelectorAll(`[data-index="${control.dataset.index}"]`))
    if (twin !== control) twin.value = control.value;
});

panels.addEventListener("click", event => {
  const button = event.target.closest("button");
  if (!button) return;
  const panel = panelOf(button);
  if (button.classList.contains("close"))
    return run("/api/close", {panel}, () => button.closest(".panel").remove());
  if (button.dataset.index)
    run("/api/press", {panel, index: Number(button.dataset.index)}, refresh);
});

document.getElementById("save").addEventListener("click", () =>
  run("/api/save", {}, answer => tell("saved " + answer.saved)));

async function listNodes() {
  const list = document.getElementById("nodes");
  for (const node of await api("/api/nodes")) {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = node.name;
    button.title = node.editor;
    button.addEventListener("click", () => run("/api/open", {node: node.name}, showPanel));
    list.append(button);
  }
}

document.getElementById("download-picture").href =
  withToken("/api/picture.png", "width=800&height=800&download=1");
document.getElementById("download-world").href = withToken("/api/world.wrl");
window.addEventListener("resize", drawPicture);
new EventSource(withToken("/api/events")).onmessage = event => {
  const count = Number(event.data);
  if (count === changes) return;
  changes = count;
  refresh();
};
drawPicture();
listNodes().catch(error => tell(error.message, true));
</script>
</body>
</html>
)PAGE";

}  // namespace

std::string_view pageHtml() { return kPage; }

}  // namespace plivexwin::serve
