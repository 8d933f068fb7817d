// Serves a small screen with `zelmo-panel serve`, opens it in the installed Chromium and edits the
// file as a person would: a saved change shows without losing the view, a mistake shows at its
// line, and the fix brings the picture back where the person left it.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { chromium } from "playwright-core";

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, "../..");
const panel = process.env.ZELMO_PANEL || path.join(root, "build/bin/zelmo-panel");
// A cross-built zelmo-panel starts through its emulator ("qemu-arm -L ..."), named by the build.
const emulator = (process.env.ZELMO_EMULATOR || "").split(" ").filter((w) => w);
const chromiumFlags = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];

// The served folder sits inside the work folder, beside a file it must never hand out.
const work = fs.mkdtempSync(path.join(os.tmpdir(), "zelmo-serve-test-"));
const folder = path.join(work, "screen");
const screenFile = path.join(folder, "bars.json");
const secret = "not for the browser";
// One call a line, so that a test can name the line it breaks. Call #1 paints the box the view
// looks at; call #2, after the step the view stands at, paints a box that must not show there.
const bar = (x, y, w, h, colour) =>
  `    {"on": "ink", "call": "fillRect(IIIIIIBI)V", "args": [${x}, ${y}, ${w}, ${h}, "${colour}", "none", 1, 1]}`;
const screenText = (boxColour) => `{
  "width": 160, "height": 96, "background": "#D5DBE1",
  "objects": [
    {"id": "ink", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 0, "color": "#000000", "fillPattern": 1}}
  ],
  "calls": [
${[bar(0, 0, 160, 16, "#1F3A5F"), bar(88, 48, 40, 32, boxColour), bar(16, 48, 40, 32, "#7B241C"),
    bar(0, 88, 160, 8, "#F4F6F8")].join(",\n")}
  ]
}
`;
const brokenLine = 9;  // call #2
const pixel = { x: 100, y: 60 };  // in call #1's box
const later = { x: 30, y: 60 };   // in call #2's box
const view = { zoom: 8, step: 2 };  // after call #1

let server, url, context, page, stopAsked = false, stopMs;
let savedView;  // the view the person set up, which every later render must keep
let serverOut = "";
const consoleErrors = [];
const measured = [];

before(async () => {
  fs.mkdirSync(folder);
  fs.writeFileSync(screenFile, screenText("#2E7DD7"));
  fs.writeFileSync(path.join(work, "secret.txt"), secret);
  fs.symlinkSync(path.join(work, "secret.txt"), path.join(folder, "link.txt"));
  const [program, ...words] = [...emulator, panel, "serve", screenFile, "--port", "0"];
  server = spawn(program, words, { stdio: ["ignore", "pipe", "inherit"] });
  url = await new Promise((resolve, reject) => {
    server.stdout.on("data", (chunk) => {
      serverOut += chunk;
      const m = serverOut.match(/^zelmo-panel: serving .* at (http:\/\/127\.0\.0\.1:\d+\/) \(Ctrl-C stops\)$/m);
      if (m) resolve(m[1]);
    });
    server.once("exit", (code) => reject(new Error(`serve ended (${code}) before serving:\n${serverOut}`)));
  });
  context = await chromium.launchPersistentContext(path.join(work, "profile"), {
    executablePath: process.env.ZELMO_CHROMIUM || "/usr/bin/chromium",
    headless: true, args: chromiumFlags, viewport: { width: 1400, height: 1000 },
  });
  page = context.pages()[0] || (await context.newPage());
  const record = (text, where = "") => consoleErrors.push({ text, where, stopAsked });
  page.on("console", (m) => { if (m.type() === "error") record(m.text(), m.location().url); });
  page.on("pageerror", (e) => record(String(e)));
  page.on("requestfailed", (r) => record("request failed: " + r.failure()?.errorText, r.url()));
  await page.goto(url);
});

after(async () => {
  if (context) await context.close();
  if (server && server.exitCode === null) server.kill("SIGTERM");
  for (const m of measured) console.log(`serve: ${m.what} shown ${m.ms} ms after the save`);
  if (stopMs !== undefined) console.log(`serve: stopped ${stopMs} ms after Ctrl-C`);
  fs.rmSync(work, { recursive: true, force: true });
});

const waitForLive = (version) => page.waitForFunction(
  (v) => document.body?.dataset.live === v, String(version), { timeout: 20000 });

async function colourAt(p) {
  return page.evaluate(({ x, y }) => {
    const d = document.getElementById("actual").getContext("2d").getImageData(x, y, 1, 1).data;
    return "#" + [d[0], d[1], d[2]].map((v) => v.toString(16).padStart(2, "0")).join("").toUpperCase();
  }, p);
}

// Saves the screen and waits for the page to show `version`, noting how long that took.
async function save(text, version, what) {
  const start = Date.now();
  fs.writeFileSync(screenFile, text);
  await waitForLive(version);
  measured.push({ what, ms: Date.now() - start });
}

function rawGet(rawPath) {
  return new Promise((resolve, reject) => {
    http.get(url + rawPath.slice(1), { path: rawPath }, (response) => {
      let body = "";
      response.on("data", (c) => { body += c; }).on("end", () => resolve({ status: response.statusCode, body }));
    }).on("error", reject);
  });
}

async function checkViewKept(colour) {
  const shown = await page.evaluate(() => window.reportView.get());
  assert.deepEqual(shown, savedView);
  assert.equal(await page.inputValue("#zoom-level"), String(view.zoom));
  assert.equal(await page.inputValue("#step"), String(view.step));
  assert.match(await page.textContent("#step-label"), /^after call #1: fillRect$/);
  assert.equal(await colourAt(pixel), colour);
  assert.equal(await colourAt(later), "#D5DBE1");  // call #2 comes after the step shown
  assert.match(await page.textContent("#who-pixel"), new RegExp(`^Pixel ${pixel.x}, ${pixel.y} \\(${colour}\\), up to the current step`));
}

test("the served report is live from its first render", async () => {
  await waitForLive(1);
  assert.equal(await page.evaluate(() => document.body.dataset.ready), "true");
  await page.selectOption("#zoom-level", String(view.zoom));
  await page.$eval("#step", (slider, n) => {
    slider.value = String(n);
    slider.dispatchEvent(new Event("input", { bubbles: true }));
  }, view.step);
  await page.waitForFunction((n) => document.getElementById("step").dataset.shown === String(n), view.step);
  await page.click("#actual", { position: { x: pixel.x + 0.5, y: pixel.y + 0.5 } });
  savedView = await page.evaluate(() => window.reportView.get());
  const { scroll, ...rest } = savedView;
  assert.deepEqual(rest, { zoom: 8, step: 2, atEnd: false, pixel });
  // At 8x the pixel's box is out of the zoomed view's first sight: clicking scrolled to it.
  assert.ok(scroll[0] > 0 && scroll[1] > 0, String(scroll));
  await checkViewKept("#2E7DD7");
});

test("a saved change shows in the page, which keeps its zoom, step, pixel and scroll", async () => {
  await save(screenText("#27AE60"), 2, "a changed colour");
  await checkViewKept("#27AE60");
  // The served picture is the finished one.
  const served = await page.evaluate(async ({ x, y }) => {
    const bitmap = await createImageBitmap(await (await fetch("/picture.png")).blob());
    const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
    c.drawImage(bitmap, 0, 0);
    return [...c.getImageData(x, y, 1, 1).data.slice(0, 3)];
  }, later);
  assert.deepEqual(served, [0x7B, 0x24, 0x1C]);
});

test("a mistake shows as an error page at its line and column", async () => {
  const lines = screenText("#27AE60").split("\n");
  assert.match(lines[brokenLine - 1], /"args"/);
  lines[brokenLine - 1] = lines[brokenLine - 1].replace('"args"', '"argz"');
  const column = lines[brokenLine - 1].indexOf('"argz"') + 1;
  await save(lines.join("\n"), 3, "an error");
  const errors = await page.$$eval("#errors li.error", (items) => items.map((li) => ({
    message: li.querySelector(".message").textContent,
    line: li.querySelector("pre.source")?.dataset.line,
    column: li.querySelector("pre.source")?.dataset.column,
    source: li.querySelector("pre.source")?.textContent,
  })));
  assert.equal(errors.length, 1, JSON.stringify(errors));
  const [error] = errors;
  assert.ok(error.message.startsWith(`${screenFile}:${brokenLine}:${column}: `), error.message);
  assert.match(error.message, /unknown key "argz" \(did you mean "args"\?\)/);
  assert.deepEqual([error.line, error.column], [String(brokenLine), String(column)]);
  // The excerpt is the line as written, the caret under the column the message names.
  const [shown, caret] = error.source.split("\n");
  assert.equal(shown, `${brokenLine} | ${lines[brokenLine - 1]}`);
  assert.equal(caret.indexOf("^"), `${brokenLine} | `.length + column - 1);
  assert.equal((await fetch(url + "picture.png")).status, 404);
});

test("the fix brings the picture back with the view the person left", async () => {
  await save(screenText("#27AE60"), 4, "the fixed screen");
  assert.equal(await page.evaluate(() => document.body.dataset.ready), "true");
  await checkViewKept("#27AE60");
  assert.equal((await fetch(url + "picture.png")).status, 200);
});

test("only files inside the screen's folder are served", async () => {
  const own = await rawGet("/files/bars.json");
  assert.equal(own.status, 200);
  assert.equal(own.body, screenText("#27AE60"));
  // Up and out, spelt plainly or encoded, through a link, or as an absolute path.
  for (const way of ["/files/../secret.txt", "/files/%2e%2e/secret.txt", "/files/..%2Fsecret.txt",
    "/files/link.txt", `/files/${encodeURIComponent(path.join(work, "secret.txt"))}`]) {
    const { status, body } = await rawGet(way);
    assert.equal(status, 403, way);
    assert.ok(!body.includes(secret), way);
  }
  assert.equal((await rawGet("/files/nothing.txt")).status, 404);
});

test("Ctrl-C stops the server cleanly", async () => {
  // "close" comes once the output is read to its end, too.
  const exited = new Promise((resolve) => server.once("close", (code, signal) => resolve({ code, signal })));
  stopAsked = true;
  const start = Date.now();
  server.kill("SIGINT");
  assert.deepEqual(await exited, { code: 0, signal: null });
  stopMs = Date.now() - start;
  assert.match(serverOut, /^zelmo-panel: stopped$/m);
});

// A reload ends the open event stream, which the browser counts as an aborted request; once the
// server is stopped, the stream's attempts to reconnect fail.
test("no console errors, but for the event stream's ends", () => {
  const unexpected = consoleErrors.filter((e) => !(/\/events$/.test(e.where) &&
    (e.stopAsked || e.text === "request failed: net::ERR_ABORTED")));
  assert.deepEqual(unexpected, []);
});
