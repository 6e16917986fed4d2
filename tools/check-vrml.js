// SPDX-License-Identifier: Apache-2.0
"use strict";
// Loads each file named on the command line in a headless x_ite browser and
// prints "x_ite OK FILE" or "x_ite FAIL FILE: reason"; exits 1 when one fails.
// Run by tools/check-vrml with NODE_PATH at the npm packages.

// The fallback x_ite applies to its window, for a node without it.
if (typeof Float16Array === "undefined") globalThis.Float16Array = Uint16Array;
// Parsing never draws: a stand-in for the drawing library that the packages
// were installed without.
const Module = require("module"), originalLoad = Module._load;
class FakeCanvas {
  getContext() { return new Proxy({}, { get: (t, k) => (k in t ? t[k] : () => undefined) }); }
  toURLSync() { return "data:,"; }
}
Module._load = function (request, ...rest) {
  return request === "skia-canvas" ? { Canvas: FakeCanvas } : originalLoad.call(this, request, ...rest);
};
// What the browser reports while loading a file is a refusal.
const problems = [];
console.warn = console.error = (...a) => problems.push(a.map(String).join(" "));
const url = require("url"), path = require("path"), X3D = require("x_ite-node");
(async () => {
  const browser = X3D.createBrowser().browser;
  browser.setBrowserOption("LoadUrlObjects", false);
  browser.setBrowserOption("Mute", true);
  browser.endUpdate();
  await browser.loadComponents(browser.getProfile("Full"));
  let bad = 0;
  for (const file of process.argv.slice(2)) {
    problems.length = 0;
    let error = null;
    try {
      const scene = await browser.createX3DFromURL(
        new X3D.MFString(url.pathToFileURL(path.resolve(file)).href));
      scene.dispose();
    } catch (e) { error = (e && e.message) || String(e); }
    const message = [...new Set([error, ...problems].filter(Boolean))].join(" | ")
      .replace(/\*{5,}/g, "").replace(/\s+/g, " ").trim();
    if (message) { bad++; console.log(`x_ite FAIL ${file}: ${message}`); } else console.log(`x_ite OK ${file}`);
  }
  process.exit(bad ? 1 : 0);
})().catch(e => { console.log(`x_ite FAIL (internal): ${(e && e.stack) || e}`); process.exit(2); });
