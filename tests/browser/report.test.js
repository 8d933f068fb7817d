// Opens the report of the pump-station example in the installed Chromium, as a person would
// from disk, and checks what it shows against the trace written by the same run. The report of
// the gauges example, whose calls have the longest signatures, is opened beside it for layout.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, "../..");
const panel = process.env.ZELMO_PANEL || path.join(root, "build/bin/zelmo-panel");
// A cross-built zelmo-panel starts through its emulator ("qemu-arm -L ..."), named by the build.
const emulator = (process.env.ZELMO_EMULATOR || "").split(" ").filter((w) => w);
const runPanel = (args) => {
  const [program, ...words] = [...emulator, panel, ...args];
  execFileSync(program, words);
};
const screenFile = path.join(root, "examples/screens/pump-station.json");
const work = fs.mkdtempSync(path.join(os.tmpdir(), "zelmo-report-"));
const reportFile = path.join(work, "report.html");
const traceFile = path.join(work, "trace.jsonl");
// The width of a laptop screen, at which no call's arguments may be out of sight.
const viewport = { width: 1400, height: 1000 };

// The flags this machine's Chromium needs: no sandbox as root, and no background connections,
// which the closed network would refuse.
const chromiumFlags = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];

// The pixel and call the checks look at: call 47 fills the valve's hand wheel, a 25 x 5 box at
// (408, 57) in #7B241C, over the process area that call 7 filled in #F4F6F8.
const wheelCall = 47;
const wheelBox = { x1: 408, y1: 57, x2: 432, y2: 61 };
const pixel = { x: 410, y: 59 };

let context, page, gaugesPage, screen, trace;
const consoleErrors = [];
const measured = {};

function listenForErrors(p) {
  p.on("console", (m) => { if (m.type() === "error") consoleErrors.push(m.text()); });
  p.on("pageerror", (e) => consoleErrors.push(String(e)));
  p.on("requestfailed", (r) => consoleErrors.push("request failed: " + r.url()));
}

before(async () => {
  runPanel([screenFile, "-o", path.join(work, "out.png"), "--trace", traceFile,
    "--report", reportFile]);
  screen = JSON.parse(fs.readFileSync(screenFile, "utf8"));
  trace = fs.readFileSync(traceFile, "utf8").trim().split("\n").map((l) => JSON.parse(l));
  context = await chromium.launchPersistentContext(path.join(work, "profile"), {
    executablePath: process.env.ZELMO_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: chromiumFlags,
    viewport,
  });
  page = context.pages()[0] || (await context.newPage());
  listenForErrors(page);
  const start = Date.now();
  await page.goto(pathToFileURL(reportFile).href);
  await page.waitForFunction(() => window.reportReady !== undefined, null, { timeout: 20000 });
  measured.openMs = Date.now() - start;
  measured.readyInPageMs = await page.evaluate(() => window.reportReady);
  measured.bytes = fs.statSync(reportFile).size;
  const gaugesReport = path.join(work, "gauges.html");
  runPanel([path.join(root, "examples/screens/gauges.json"), "-o", path.join(work, "gauges.png"),
    "--report", gaugesReport]);
  gaugesPage = await context.newPage();
  listenForErrors(gaugesPage);
  await gaugesPage.goto(pathToFileURL(gaugesReport).href);
  await gaugesPage.waitForFunction(() => window.reportReady !== undefined, null, { timeout: 20000 });
  // A page in the background gets few animation frames, which slows every click on it.
  await page.bringToFront();
});

after(async () => {
  if (page && process.env.ZELMO_REPORT_SCREENSHOT) {
    // The picture for the README: a pixel's history listed and a call's box outlined.
    await page.click("#actual", { position: { x: pixel.x + 0.5, y: pixel.y + 0.5 } });
    await page.$eval(`details.call[data-call="${wheelCall}"]`, (d) => {
      d.open = true;
      const calls = document.getElementById("calls");  // the call at the list's top, in sight
      calls.scrollTop = d.offsetTop - calls.offsetTop;
    });
    await page.hover(`details.call[data-call="${wheelCall}"] > summary`);
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: process.env.ZELMO_REPORT_SCREENSHOT });
  }
  if (context) await context.close();
  console.log(`report of pump-station: ${measured.bytes} bytes, opened in ${measured.openMs} ms ` +
    `(ready ${Math.round(measured.readyInPageMs)} ms after navigation start)`);
  fs.rmSync(work, { recursive: true, force: true });
});

// Where the step slider stands after a screen call: one step per call that runs.
function stepAfter(callIndex) {
  return screen.calls.filter((c, i) => i <= callIndex && c.call !== undefined).length;
}

async function colourAt(p) {
  return page.evaluate(({ x, y }) => {
    const d = document.getElementById("actual").getContext("2d").getImageData(x, y, 1, 1).data;
    return "#" + [d[0], d[1], d[2]].map((v) => v.toString(16).padStart(2, "0")).join("").toUpperCase();
  }, p);
}

// How many pixels of the page's picture differ from a PNG file, and the file's colour at `p`.
async function compareWithPicture(file, p) {
  const address = "data:image/png;base64," + fs.readFileSync(file).toString("base64");
  return page.evaluate(async ({ address, x, y }) => {
    const image = new Image();
    image.src = address;
    await image.decode();
    const shown = document.getElementById("actual");
    const c = document.createElement("canvas");
    c.width = shown.width; c.height = shown.height;
    const cx = c.getContext("2d");
    cx.drawImage(image, 0, 0);
    const want = cx.getImageData(0, 0, c.width, c.height).data;
    const got = shown.getContext("2d").getImageData(0, 0, c.width, c.height).data;
    let differing = 0;
    for (let i = 0; i < want.length; i += 4)
      if (want[i] !== got[i] || want[i + 1] !== got[i + 1] || want[i + 2] !== got[i + 2]) ++differing;
    const at = (y * c.width + x) * 4;
    const colour = "#" + [want[at], want[at + 1], want[at + 2]]
      .map((v) => v.toString(16).padStart(2, "0")).join("").toUpperCase();
    return { differing, colour };
  }, { address, ...p });
}

async function setStep(n) {
  await page.$eval("#step", (slider, value) => {
    slider.value = String(value);
    slider.dispatchEvent(new Event("input", { bubbles: true }));
  }, n);
  await page.waitForFunction((value) => document.getElementById("step").dataset.shown === String(value), n);
}

test("the report is one small file that needs nothing else", () => {
  assert.ok(measured.bytes < 2 * 1024 * 1024, `${measured.bytes} bytes`);
  const html = fs.readFileSync(reportFile, "utf8");
  assert.doesNotMatch(html, /\b(src|href)=["'](?!data:|#)/i, "refers to another file");
  assert.doesNotMatch(html, /https?:\/\//i, "names an address on the network");
});

test("hovering a call outlines the box its drawing-service calls can touch", async () => {
  const bounds = trace.filter((l) => l.call === wheelCall && l.bounds).map((l) => l.bounds);
  const expected = bounds.reduce((a, b) => ({ x1: Math.min(a.x1, b.x1), y1: Math.min(a.y1, b.y1),
    x2: Math.max(a.x2, b.x2), y2: Math.max(a.y2, b.y2) }));
  assert.deepEqual(expected, wheelBox);
  await page.hover(`details.call[data-call="${wheelCall}"] > summary`);
  const box = await page.$eval("#outline", (o) => o.dataset.box);
  assert.equal(box, [wheelBox.x1, wheelBox.y1, wheelBox.x2, wheelBox.y2].join(","));
  // Drawn where those pixels are on the zoomed picture.
  const placed = await page.evaluate(() => {
    const z = document.getElementById("zoom").getBoundingClientRect();
    const o = document.getElementById("outline").getBoundingClientRect();
    const scale = z.width / document.getElementById("zoom").width;
    return { x1: (o.left - z.left) / scale, y1: (o.top - z.top) / scale,
      x2: (o.right - z.left) / scale - 1, y2: (o.bottom - z.top) / scale - 1,
      shown: getComputedStyle(document.getElementById("outline")).display !== "none" };
  });
  assert.ok(placed.shown);
  for (const k of ["x1", "y1", "x2", "y2"]) assert.ok(Math.abs(placed[k] - wheelBox[k]) < 0.01, k);
  await page.mouse.move(0, 0);
  assert.equal(await page.$eval("#outline", (o) => getComputedStyle(o).display), "none");
});

test("clicking a pixel lists the calls that changed it, last first", async () => {
  await page.click("#actual", { position: { x: pixel.x + 0.5, y: pixel.y + 0.5 } });
  assert.match(await page.textContent("#readout"), /x 410, y 59\s+#7B241C/);
  const listed = await page.$$eval("#who-list li.who-line",
    (items) => items.map((i) => ({ call: Number(i.dataset.call), fn: i.dataset.fn })));
  assert.deepEqual(listed[0], { call: wheelCall, fn: "osGXfillRectangle" });
  assert.deepEqual(listed.at(-1), { call: 7, fn: "osGXfillRectangle" });
  const order = listed.map((l) => l.call);
  assert.deepEqual(order, [...order].sort((a, b) => b - a));
  // Every listed call can touch the pixel.
  for (const { call } of listed)
    assert.ok(trace.some((l) => l.call === call && l.bounds && l.bounds.x1 <= pixel.x &&
      pixel.x <= l.bounds.x2 && l.bounds.y1 <= pixel.y && pixel.y <= l.bounds.y2), `call ${call}`);
});

test("the step slider shows the picture before and after the call that paints a pixel", async () => {
  await setStep(stepAfter(wheelCall - 1));
  assert.equal(await colourAt(pixel), "#F4F6F8");
  await setStep(stepAfter(wheelCall));
  assert.equal(await colourAt(pixel), "#7B241C");
  await setStep(0);
  assert.equal(await colourAt(pixel), "#D5DBE1");  // the background, before any call
  await setStep(stepAfter(screen.calls.length));
});

test("filtering out a service function hides its lines and history, and the page says its pixels stay", async () => {
  await page.uncheck('#filter-fn input[data-fn="osGXfillRectangle"]');
  assert.ok(await page.$eval(`details.call[data-call="${wheelCall}"] li.line`,
    (li) => li.classList.contains("hidden")));
  await page.click("#actual", { position: { x: pixel.x + 0.5, y: pixel.y + 0.5 } });
  const fns = await page.$$eval("#who-list li.who-line", (items) => items.map((i) => i.dataset.fn));
  assert.ok(!fns.includes("osGXfillRectangle"));
  assert.equal(await colourAt(pixel), "#7B241C");
  assert.match(await page.innerText("#filter-note"), /service-function and layer filters .* the picture keeps their pixels/);
  await page.check('#filter-fn input[data-fn="osGXfillRectangle"]');
});

test("the screen's own calls, by native name, are the first filter", async () => {
  const natives = [...new Set(screen.calls.filter((c) => c.call).map((c) => c.call.split("(")[0]))].sort();
  assert.deepEqual(await page.$$eval("#filter-native input", (boxes) => boxes.map((b) => b.dataset.native)), natives);
  assert.equal(await page.$eval("#filters input", (b) => b.dataset.native), natives[0]);
});

test("unticking a screen call hides its calls, lines and pixels, as if the screen had not made them", async () => {
  // The screen with every fillRect call turned into a comment: what the picture must show.
  const without = structuredClone(screen);
  without.calls = without.calls.map((c) => (c.call && c.call.startsWith("fillRect(") ? { comment: "fillRect" } : c));
  const withoutFile = path.join(work, "without-fillRect.json");
  const withoutPng = path.join(work, "without-fillRect.png");
  fs.writeFileSync(withoutFile, JSON.stringify(without));
  runPanel([withoutFile, "-o", withoutPng]);
  await page.uncheck('#filter-native input[data-native="fillRect"]');
  await page.waitForFunction(() => document.getElementById("actual").dataset.without === "fillRect");
  assert.ok(await page.$eval(`details.call[data-call="${wheelCall}"]`, (d) => getComputedStyle(d).display === "none"));
  const { differing, colour } = await compareWithPicture(withoutPng, pixel);
  assert.notEqual(colour, "#7B241C");
  assert.equal(await colourAt(pixel), colour);
  // Only where a shown call's anti-aliased edge blends over a hidden fill may a trace stay.
  assert.ok(differing < 200, `${differing} pixels differ`);
  await page.click("#actual", { position: { x: pixel.x + 0.5, y: pixel.y + 0.5 } });
  const calls = await page.$$eval("#who-list li.who-line", (items) => items.map((i) => Number(i.dataset.call)));
  assert.ok(!calls.includes(wheelCall));
  await page.check('#filter-native input[data-native="fillRect"]');
  await page.waitForFunction(() => document.getElementById("actual").dataset.without === "");
  assert.equal(await colourAt(pixel), "#7B241C");
});

test("the header, the call list and the slider number the calls one way", async () => {
  const subtitle = await page.textContent("#subtitle");
  const [, count, first, last] = subtitle.match(/(\d+) screen calls, numbered #(\d+) to #(\d+)/);
  assert.equal(Number(count), screen.calls.filter((c) => c.call).length);
  assert.equal(Number(count), await page.$$eval("details.call", (d) => d.length));
  const comments = screen.calls.flatMap((c, i) => (c.call ? [] : ["#" + i]));
  assert.ok(comments.length > 0);
  assert.ok(subtitle.includes("(" + comments.join(", ") + " only comments)"), subtitle);
  const listed = await page.$$eval("#calls [data-call]", (entries) => entries.map((e) => Number(e.dataset.call)));
  assert.deepEqual(listed, [...Array(screen.calls.length).keys()]);
  assert.deepEqual([Number(first), Number(last)], [0, screen.calls.length - 1]);
  await setStep(stepAfter(screen.calls.length));
  assert.match(await page.textContent("#step-label"), new RegExp(`after call #${last}:`));
  await setStep(stepAfter(wheelCall));
  assert.match(await page.textContent("#step-label"), new RegExp(`after call #${wheelCall}: fillRect$`));
  await setStep(stepAfter(screen.calls.length));
});

test("at 1400 px every call's arguments are in sight without scrolling sideways", async () => {
  for (const p of [page, gaugesPage]) {
    const outside = await p.evaluate(() => {
      for (const d of document.querySelectorAll("details.call")) d.open = true;
      const box = document.getElementById("calls").getBoundingClientRect();
      const out = [];
      for (const e of document.querySelectorAll("#calls summary .text, #calls li.line"))
        for (const r of e.getClientRects())
          if (r.left < box.left - 0.5 || r.right > box.right + 0.5) out.push(e.textContent);
      const calls = document.getElementById("calls");
      if (calls.scrollWidth > calls.clientWidth) out.push("the call list scrolls sideways");
      if (document.documentElement.scrollWidth > innerWidth) out.push("the page scrolls sideways");
      for (const d of document.querySelectorAll("details.call")) d.open = false;
      return out;
    });
    assert.deepEqual(outside, []);
  }
  // The value of a drawNumber comes right after its name, before the long signature.
  const summary = await gaugesPage.$eval('details.call[data-native="drawNumber"] > summary', (s) => s.textContent);
  assert.match(summary, /\.drawNumber\(-?\d+, .*\) \(IIIIIII/);
});

test("no console errors", () => {
  assert.deepEqual(consoleErrors, []);
});
