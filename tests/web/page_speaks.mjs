// A blind student in the page, in Chromium with a window, Orca at its defaults and real keys: a
// lesson opened from a link, a point added by keyboard, the run started paused and stepped forward
// and back to its end, the question answered, the hull read, then the timeline taken back to the
// first triangle, then a step with quickhull compared. Orca's log must hold each step's sentence
// once each time it is reached, the last one before the question, the point added, the hull in
// order and both sentences of the compared step with their names.
//
// with_orca.sh LOG node page_speaks.mjs PAGE.html LOG

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, log] = process.argv.slice(2);
const lesson = '#v1;p=900,900,900,6000,6900,6000,6900,900,3900,3000,7500,3500';
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium', headless: false,
  args: ['--no-sandbox', '--force-renderer-accessibility', '--no-first-run', '--disable-sync',
         '--disable-background-networking', '--disable-component-update', '--start-maximized'],
});
const page = await browser.newPage({ viewport: null });
await page.goto(pathToFileURL(resolve(pagePath)).href + lesson);
await page.waitForSelector('#Cmdstart');

// What Orca said, one line each, without its markup.
const said = () => readFileSync(log, 'latin1').split('\n')
  .filter((line) => line.includes("SPEECH OUTPUT: '"))
  .map((line) => line.replace(/^.*SPEECH OUTPUT: '/, '').replace(/' *\{'established.*$|'$/, ''));
const times = (text) => said().filter((line) => line.includes(text)).length;
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const failures = [];

// A key through the X server, as a keyboard gives it, then a wait until Orca says the text.
async function press(key, text) {
  if (failures.length) return;
  const before = times(text);
  execFileSync('xdotool', ['key', key]);
  for (let i = 0; i < 150 && times(text) <= before; ++i) await sleep(100);
  if (times(text) <= before) failures.push(`not heard after ${key}: ${text}`);
}
function type(text) { execFileSync('xdotool', ['type', '--delay', '80', text]); }
function check(actual, expected, what) {
  if (actual !== expected) failures.push(`${what}: ${actual}, not ${expected}`);
}

// Orca now and then takes the page's "busy" after its "loaded" and holds the page as loading for
// good, passing over what changes in it: a student then reloads the page, as the test does.
async function loadedWithin(ms) {
  const loaded = () => {
    const lines = said();
    const last = (text) => lines.findLastIndex((line) => line.startsWith(text));
    return last('Finished loading') > last('Loading.  Please wait.');
  };
  for (let waited = 0; waited < ms && !loaded(); waited += 100) await sleep(100);
  return loaded();
}
for (let reloads = 0; !await loadedWithin(5000); ++reloads) {
  if (reloads === 2) {
    failures.push('Orca held the page as loading after two reloads');
    break;
  }
  console.log('Orca held the page as loading: reloaded it');
  execFileSync('xdotool', ['key', 'F5']);
  await page.waitForSelector('#Cmdstart');
}
// A click on the instructions takes the keyboard from the address bar to the page. The page may
// already have put the focus on the drawing before Orca looked, which Orca then takes in silence,
// staying in browse mode: the focus goes to START and back to the drawing, as a student's Tab and
// Shift+Tab would take it, so that Orca says the drawing and passes the keys on.
const heading = await page.locator('#Lblinstr').boundingBox();
const [left, top] = await page.evaluate(() =>
  [window.screenX + window.outerWidth - window.innerWidth, window.screenY + window.outerHeight - window.innerHeight]);
execFileSync('xdotool', ['mousemove', String(Math.round(left + heading.x + 10)),
                         String(Math.round(top + heading.y + heading.height / 2)), 'click', '1']);
// Each move waits until Orca has said where the focus went: on a busy machine two moves at once
// reach it as one, and it stays in browse mode.
const startSaid = times('START');
await page.focus('#Cmdstart');
for (let i = 0; i < 100 && times('START') === startSaid; ++i) await sleep(100);
await page.focus('#Pichull');
for (let i = 0; i < 100 && times('drawing') === 0; ++i) await sleep(100);
if (times('drawing') === 0) failures.push('the drawing was not heard as it took the focus');
await press('ctrl+shift+p', 'Start Paused');
await press('a', 'Add Point');
type('7000');
await press('Tab', 'Y, 0 to 7020');
type('6500');
await press('Return', 'point 7, lower right');
await press('Tab', 'START');
await press('space', 'step 0 of 4');
await press('period', 'step 1 of 4');
await press('comma', 'step 0 of 4');
await press('i', 'The walk begins with the last edge');
for (const step of [1, 2, 3]) await press('period', `step ${step} of 4`);
await press('period', 'Done! Reset and start again?');
await press('Escape', 'Speed');
await press('h', 'The hull');
await press('k', 'Cost of the Run on. This run: 20 orientation tests for 7 points so far.');
await press('t', 'Timeline on');
await press('Tab', 'step 4 of 4');
await press('Home', 'Paused at step 0 of 4');
// Quickhull compared beside the run: a step is heard as both sentences, each with its name.
await page.selectOption('#menus select[aria-label="Compare With"]', 'compare-with-quickhull');
await page.focus('#timeline');
await press('period', 'Quickhull, step 1 of');
await browser.close();

check(said().filter((line) => line.startsWith('point 7, lower right')).length, 1,
      'the point added by keyboard, said once');
// Step 0 is reached three times, going forward, back and on the timeline; step 1 twice.
for (const step of [0, 1, 2, 3])
  check(said().filter((line) => line.startsWith(`Paused at step ${step} of 4: `)).length,
        step === 0 ? 3 : step === 1 ? 2 : 1, `step ${step}, said once each time it was reached`);
check(said().filter((line) => line.startsWith('Step 4 of 4: point 7, lower right, lies outside')).length,
      1, 'the last step');
const lineOf = (text) => said().findIndex((line) => line.includes(text));
check(lineOf('Step 4 of 4') < lineOf('Done! Reset and start again?'), true,
      'the last step before the question');
check(times('The hull: points 1, 2, 7, 6 and 4, counter-clockwise from point 1.'), 1,
      'the hull read in order');
check(said().filter((line) => line.startsWith('The walk begins with the last edge')).length, 1,
      'a test stepped into, said without its counts');
check(times('For 7 points on a circle: 22;'), 1, 'the cost of the run said with its plot');
check(said().filter((line) => line.startsWith('Incremental: Paused at step 1 of ') && line.includes('. Quickhull, step 1 of ')).length,
      1, 'a compared step, both sentences with their names');
if (failures.length) console.log(said().join('\n'));
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(failures.length ? '0 passed, 1 failed' : '1 passed, 0 failed');
process.exit(failures.length ? 1 : 0);
