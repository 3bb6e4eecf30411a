// The page in headless Chromium, opened from disk: its size, its first paint, the pace of a
// 500-point run at the fast end, and Step Back at the end of a 500-point run. Prints one
// `name: value` line per figure.
//
// node bench/web_bench.mjs [build/web/convex-hull.html]

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
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

async function open() {
  const page = await browser.newPage({ viewport: { width: 1100, height: 720 } });
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('#Cmdstart');
  return page;
}

// Random points through the page's own dialog, then START; milliseconds until the question.
async function run(page, count, shape) {
  await page.click('text=Random Points…');
  await page.fill('#random-count', String(count));
  await page.selectOption('#random-shape', shape);
  await page.click('#random button[value=ok]');
  return page.evaluate(() => new Promise((done) => {
    const box = document.getElementById('message');
    const started = performance.now();
    new MutationObserver(() => box.open && done(performance.now() - started))
      .observe(box, { attributes: true, attributeFilter: ['open'] });
    document.getElementById('Cmdstart').click();
  }));
}

const paints = [], runs = [], backs = [];
for (let i = 0; i < 5; ++i) {
  const page = await open();
  paints.push(await page.evaluate(() => new Promise((done) => {
    const seen = () => performance.getEntriesByName('first-contentful-paint')[0];
    const wait = () => (seen() ? done(seen().startTime) : setTimeout(wait, 10));
    wait();
  })));
  runs.push(await run(page, 500, '0'));
  await page.keyboard.press('Escape');
  await page.click('#Cmdreset');
  await run(page, 500, '2');
  await page.keyboard.press('Escape');
  backs.push(await page.evaluate(() => {
    const started = performance.now();
    [...document.querySelectorAll('#menus button')].find((b) => b.textContent === 'Step Back').click();
    return performance.now() - started;
  }));
  await page.close();
}
report('web_first_paint_ms', median(paints));
report('web_pacing_run_ms', median(runs));
report('web_pacing_ratio', median(runs) / 500);
report('web_step_back_ms', median(backs));
await browser.close();
