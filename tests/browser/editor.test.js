// SPDX-License-Identifier: Apache-2.0
"use strict";
// Drives the page of `plivexwin serve` in a headless chromium through the
// DevTools protocol: load the page, click the linear plot's x axis, change
// "Step :" and see the picture change, switch to after-accept, change the
// title and press "Accept", save, and check the saved file holds both
// changes. Writes docs/editor.png, the screenshot the README shows.
//
//   node editor.test.js PLIVEXWIN [BROWSER]
//
// Without a browser (none given, no /usr/bin/chromium) it says so and passes,
// unless PLIVEXWIN_REQUIRE_BROWSER is set.
const {spawn} = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const assert = require("node:assert/strict");

const program = path.resolve(process.argv[2] || "build/bin/plivexwin");
const browserPath = process.argv[3] || "/usr/bin/chromium";
const screenshot = path.resolve(__dirname, "../../docs/editor.png");

function skip(reason) {
  if (process.env.PLIVEXWIN_REQUIRE_BROWSER) throw new Error(reason);
  console.log("browser test skipped: " + reason);
  process.exit(0);
}

// Starts `serve` on the file and resolves with its address once printed.
function serve(file) {
  const child = spawn(program, ["serve", file], {stdio: ["ignore", "pipe", "inherit"]});
  return new Promise((resolve, reject) => {
    let out = "";
    child.stdout.on("data", data => {
      out += data;
      const found = out.match(/ at (http:\/\/\S+)/);
      if (found) resolve({child, url: found[1]});
    });
    child.on("exit", code => reject(new Error("serve ended with status " + code)));
  });
}

async function main() {
  if (!fs.existsSync(browserPath)) skip("no browser at " + browserPath);
  const puppeteer = require("puppeteer-core");
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "plivexwin-browser-"));
  const file = path.join(folder, "demo.scn");
  const demo = spawn(program, ["demo", folder], {stdio: "ignore"});
  await new Promise(resolve => demo.on("exit", resolve));
  const {child, url} = await serve(file);
  const browser = await puppeteer.launch({
    executablePath: browserPath, headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--window-size=1400,900"]});
  try {
    const page = await browser.newPage();
    await page.setViewport({width: 1400, height: 900});
    await page.goto(url);
    await page.waitForFunction(() => document.querySelector("#picture").complete &&
                               document.querySelector("#picture").naturalWidth > 0);
    const pictureBytes = () => page.evaluate(async () => {
      const bytes = new Uint8Array(await (await fetch(document.querySelector("#picture").src)).arrayBuffer());
      return Array.from(bytes).join(",");
    });

    // No request of the page in flight: the panels show the latest answers.
    const settled = () => page.waitForFunction(() => (document.body.dataset.busy ?? "0") === "0");

    // The x axis of the linear plot (upper left) is at (220, 303) of 800 x 800.
    const box = await (await page.$("#picture")).boundingBox();
    await page.mouse.click(box.x + box.width * 220 / 800, box.y + box.height * 303 / 800);
    await page.waitForSelector(".panel h2");
    const heading = await page.$eval(".panel h2", h => h.textContent);
    assert.match(heading, /^PoXtLinearAxisEditor — linearX$/);

    // "Step :" changes the picture.
    const before = await pictureBytes();
    const srcBefore = await page.$eval("#picture", img => img.src);
    const step = await page.evaluateHandle(() => [...document.querySelectorAll(".row")]
      .find(row => row.querySelector(".label").textContent === "Step :").querySelector("input.number"));
    await step.evaluate(input => {
      input.value = "0.5";
      input.dispatchEvent(new Event("change", {bubbles: true}));
    });
    await page.waitForFunction(src => document.querySelector("#picture").src !== src, {}, srcBefore);
    await page.waitForFunction(() => document.querySelector("#picture").complete);
    assert.notEqual(await pictureBytes(), before, "the picture follows the step");
    await settled();

    // After accept: the title changes only when "Accept" is pressed.
    await page.select(".panel select[name=frequency]", "after-accept");
    await page.waitForFunction(() => [...document.querySelectorAll(".panel button")]
      .some(button => button.textContent === "Accept"));
    await page.evaluate(() => {
      const title = [...document.querySelectorAll(".row")].find(row =>
        row.querySelector(".label").textContent === "String :" &&
        row.querySelector("input").value === "time (s)").querySelector("input");
      title.value = "seconds";
      title.dispatchEvent(new Event("change", {bubbles: true}));
    });
    await page.waitForFunction(() => [...document.querySelectorAll(".panel input[type=text]")]
      .some(input => input.value === "seconds"));
    await settled();
    await page.evaluate(() => [...document.querySelectorAll(".panel button")]
      .find(button => button.textContent === "Accept").click());
    await page.waitForFunction(() => !document.querySelector("#status").classList.contains("error"));

    await settled();
    await page.click("#save");
    await page.waitForFunction(() => document.querySelector("#status").textContent.startsWith("saved"));
    const saved = fs.readFileSync(file, "utf8");
    assert.match(saved, /step 0\.5/);
    assert.match(saved, /"seconds"/);

    await page.waitForFunction(() => document.querySelector("#picture").complete);
    await page.screenshot({path: screenshot});
    console.log("browser test passed; wrote " + screenshot);
  } finally {
    await browser.close();
    child.kill("SIGTERM");
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

main().catch(error => {
  console.error("browser test failed: " + (error.stack || error));
  process.exit(1);
});
