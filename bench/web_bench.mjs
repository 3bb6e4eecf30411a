// The page in headless Chromium, opened from disk: its size, its first paint (alone, and against a
// bare page with one canvas loaded side by side), the pace of a 500-point run at the fast end, and
// Step Back at the end of a 500-point run. Prints one `name: value` line per figure.
//
// node bench/web_bench.mjs [build/web/convex-hull.html]

import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const require = createRequire(resolve('tests/web/package.json'));
const { chromium } = require('playwright-core');
const pagePath = resolve(process.argv[2] || 'build/web/convex-hull.html');
const report = (name, value) => console.log(`${name}: ${value.toFixed(3)}`);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const file = readFileSync(pagePath);
report('web_file_kib', file.length / 1024);
report('web_file_gzip_kib', gzipSync(file, { level: 9 }).length / 1024);

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-sync',
         '--disable-component-update', '--no-first-run'],
});

async function open(path = pagePath) {
  const page = await browser.newPage({ viewport: { width: 1100, height: 720 } });
  await page.goto(pathToFileURL(path).href);
  return page;
}

// Milliseconds from navigation to the first paint with content.
const firstPaint = (page) => page.evaluate(() => new Promise((done) => {
  const seen = () => performance.getEntriesByName('first-contentful-paint')[0];
  const wait = () => (seen() ? done(seen().startTime) : setTimeout(wait, 10));
  wait();
}));

// Random points through the page's own dialog, then START; milliseconds until the question. The
// points arrive once the dialog has closed, so START waits for them; a run that never ends fails
// instead of waiting for ever.
async function run(page, count, shape) {
  await page.click('text=Random Points…');
  await page.fill('#random-count', String(count));
  await page.selectOption('#random-shape', shape);
  await page.click('#random button[value=ok]');
  await page.waitForFunction((n) => document.getElementById('Lblcount').textContent.trim() === n,
                             String(count));
  // Until the run asks its question, not until the box opens: it waits for a screen reader.
  return page.evaluate(() => new Promise((done, fail) => {
    const started = performance.now();
    new MutationObserver(() => document.body.hasAttribute('data-asking') && done(performance.now() - started))
      .observe(document.body, { attributes: true, attributeFilter: ['data-asking'] });
    setTimeout(() => fail(new Error('the run had not ended after 60 s')), 60000);
    document.getElementById('Cmdstart').click();
  }));
}

// The question opens once its last sentence has been heard; Escape answers No.
async function answerNo(page) {
  await page.waitForSelector('#message[open]');
  await page.keyboard.press('Escape');
}

// The least a page that paints can cost: one canvas, filled.
const bare = join(mkdtempSync(join(tmpdir(), 'bench-')), 'bare.html');
writeFileSync(bare, '<!doctype html><html><body><canvas width="525" height="469"></canvas><script>' +
  'document.querySelector("canvas").getContext("2d").fillRect(0, 0, 525, 469);</script></body></html>');

const paints = [], barePaints = [], runs = [], comparedRuns = [], backs = [], intos = [], scrubs = [], drags = [];
for (let i = 0; i < 7; ++i) {
  const plain = await open(bare);
  barePaints.push(await firstPaint(plain));
  await plain.close();
  const page = await open();
  await page.waitForSelector('#Cmdstart');
  paints.push(await firstPaint(page));
  if (i >= 5) {
    await page.close();
    continue;
  }
  runs.push(await run(page, 500, '0'));
  await answerNo(page);
  await page.click('#Cmdreset');
  // The same run with gift wrapping drawn beside it, in a view wide enough for both.
  await page.setViewportSize({ width: 1400, height: 900 });
  const compareWith = (id) => page.selectOption('#menus select[aria-label="Compare With"]', id);
  await compareWith('compare-with-gift-wrapping');
  comparedRuns.push(await run(page, 500, '0'));
  await answerNo(page);
  await page.click('#Cmdreset');
  await compareWith('compare-with-none');
  await page.setViewportSize({ width: 1100, height: 720 });
  await run(page, 500, '2');
  await answerNo(page);
  backs.push(await page.evaluate(() => {
    const started = performance.now();
    [...document.querySelectorAll('#menus button')].find((b) => b.textContent === 'Step Back').click();
    return performance.now() - started;
  }));
  // One test at a time inside the step before the last, its marks and code shown.
  await page.keyboard.press('Control+e');
  await page.keyboard.press('c');
  intos.push(await page.evaluate(() => {
    const into = [...document.querySelectorAll('#menus button')].find((b) => b.textContent === 'Step Into');
    const times = [];
    for (let test = 0; test < 21; ++test) {
      const started = performance.now();
      into.click();
      times.push(performance.now() - started);
    }
    return times.sort((a, b) => a - b)[10];
  }));
  // The timeline dragged from the first triangle to the last step and back, per position.
  await page.keyboard.press('t');
  scrubs.push(await page.evaluate(() => new Promise((done) => {
    const timeline = document.getElementById('timeline');
    const last = Number(timeline.max);
    const positions = [...Array(last + 1).keys(), ...Array(last).keys()].map((k, i) => i <= last ? k : last - 1 - k);
    const started = performance.now();
    for (const step of positions) {
      timeline.value = step;
      timeline.dispatchEvent(new Event('input'));
    }
    requestAnimationFrame(() => done((performance.now() - started) / positions.length));
  })));
  // A point of the run at its last step dragged by the mouse: each move works the run out again.
  await page.focus('#timeline');
  await page.keyboard.press('End');
  drags.push(await page.evaluate(() => new Promise((done) => {
    const state = JSON.parse(Module.cwrap('hull_state', 'string', [])());
    const [, , x, y] = state.marks.find(([kind]) => kind === 'square');
    const box = document.getElementById('picture').getBoundingClientRect();
    // The drawing may stand smaller than its own size beside the panels.
    const scale = box.width / JSON.parse(Module.cwrap('hull_layout', 'string', [])()).area.width;
    const at = (dx) => ({ clientX: box.left + (x + dx) * scale, clientY: box.top + y * scale, pointerId: 1, pointerType: 'mouse', bubbles: true });
    const surface = document.getElementById('Pichull');
    surface.dispatchEvent(new PointerEvent('pointerdown', at(0)));
    const started = performance.now();
    for (let move = 1; move <= 20; ++move) surface.dispatchEvent(new PointerEvent('pointermove', at(move % 5)));
    requestAnimationFrame(() => {
      const each = (performance.now() - started) / 20;
      surface.dispatchEvent(new PointerEvent('pointerup', at(0)));
      done(each);
    });
  })));
  await page.close();
}
report('web_first_paint_ms', median(paints));
report('web_first_paint_ratio', median(paints) / median(barePaints));
report('web_pacing_run_ms', median(runs));
report('web_pacing_ratio', median(runs) / 500);
report('web_compare_pacing_ratio', median(comparedRuns) / 500);
report('web_step_back_ms', median(backs));
report('web_step_into_ms', median(intos));
report('web_scrub_ms', median(scrubs));
report('web_drag_ms', median(drags));
await browser.close();
