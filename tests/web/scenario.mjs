// A lesson in the page, opened from disk in Debian's Chromium and driven with real mouse, keyboard
// and touch events: points clicked, a run paused, stepped, sent back and run again, the picture
// read back from the canvas against an exact hull and against the desktop core's drawing, files
// opened, refused and saved, the question answered both ways, the 501st point refused, links to a
// step, broken, huge and changed, a phone, a laptop, a projector and browser zoom, and what a
// screen reader is given.
//
// node scenario.mjs PAGE.html SVG_OF_CLICKS SCREENS_OF_LESSON

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, svgOfClicks, screensOfLesson] = process.argv.slice(2);
const address = pathToFileURL(resolve(pagePath)).href;
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-sync',
         '--disable-component-update', '--no-first-run'],
});
const [Width, Height, PerPixel] = [525, 469, 15];
let passed = 0, failed = 0;

async function open(options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  // Playwright catches file choosers only once it listens for them: it listens from the start, so
  // that a chooser opened by a key press is never missed.
  page.on('filechooser', () => {});
  await page.goto(options.address || address);
  await page.waitForSelector('#Cmdstart');
  return page;
}

// The layout pixel (x, y) of the drawing, clicked or tapped where the page shows it.
async function at(page, x, y) {
  const box = await page.locator('#picture').boundingBox();
  return [box.x + (x + 0.5) * box.width / Width, box.y + (y + 0.5) * box.height / Height];
}
async function click(page, x, y) { await page.mouse.click(...await at(page, x, y)); }

const text = (page, selector) => page.locator(selector).textContent();
const count = async (page) => Number((await text(page, '#Lblcount')).trim());
const status = (page) => text(page, '#status');
async function statusBecomes(page, expected) {
  await page.waitForFunction((e) => document.getElementById('status').textContent.startsWith(e),
                             expected, { timeout: 10000 })
    .catch(async () => assert.fail(`the status reads "${await status(page)}", not "${expected}…"`));
}
async function question(page) {
  await page.waitForSelector('#message[open]', { timeout: 20000 });
  return { title: await text(page, '#message-title'), text: await text(page, '#message-text'),
           buttons: await page.locator('#message .buttons button').allTextContents() };
}
// The focus where the page moves it once a box has closed.
async function focusMovesTo(page, id, why) {
  await page.waitForFunction((id) => document.activeElement.id === id, id, { timeout: 5000 })
    .catch(async () => assert.fail(`${why}: the focus is on "${await page.evaluate(() => document.activeElement.outerHTML.slice(0, 60))}"`));
}
async function answer(page, key) {
  await page.keyboard.press(key);
  await page.waitForFunction(() => !document.getElementById('message').hasAttribute('open'));
}
// The canvas as the next frame leaves it, one pixel for each pixel of the drawing: the page
// copies its picture there once per frame, at a whole scale where the drawing stands larger, and
// the middle of each pixel's block is taken.
async function pixels(page) {
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  return page.evaluate(([width, height]) => {
    const canvas = document.getElementById('picture');
    const scale = canvas.width / width;
    const whole = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const data = [];
    for (let y = 0; y < height; ++y)
      for (let x = 0; x < width; ++x) {
        const at = ((y * scale + (scale >> 1)) * canvas.width + x * scale + (scale >> 1)) * 4;
        data.push(whole[at], whole[at + 1], whole[at + 2], whole[at + 3]);
      }
    return data;
  }, [Width, Height]);
}
const colour = (data, x, y) => data.slice((y * Width + x) * 4, (y * Width + x) * 4 + 3).join(',');
const Blue = '0,0,255', Magenta = '255,0,255';
async function download(page, trigger) {
  const [file] = await Promise.all([page.waitForEvent('download'), trigger()]);
  const bytes = readFileSync(await file.path());
  return { name: file.suggestedFilename(), text: bytes.toString('utf8'), bytes };
}

// The corners of the exact hull, in integers: a chain that turns one way only.
function exactHull(points) {
  const sorted = [...new Map(points.map((p) => [p.join(), p])).values()]
    .sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  const cross = (o, a, b) => (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
  const half = (list) => list.reduce((chain, p) => {
    while (chain.length >= 2 && cross(chain[chain.length - 2], chain[chain.length - 1], p) <= 0)
      chain.pop();
    return [...chain, p];
  }, []);
  const lower = half(sorted), upper = half([...sorted].reverse());
  return [...lower.slice(0, -1), ...upper.slice(0, -1)];
}

async function scenario(name, body) {
  try {
    await body();
    console.log(`ok ${name}`);
    ++passed;
  } catch (error) {
    console.log(`FAILED ${name}\n${error.stack}`);
    ++failed;
  }
}

// Corners, a point inside, a repeat, one on an edge and one outside.
const clicks = [[60, 60], [460, 80], [420, 400], [80, 380], [250, 220], [460, 80], [260, 70],
                [500, 250]];

await scenario('a lesson: paused, stepped both ways, run again, finished and checked', async () => {
  const page = await open({ viewport: { width: 1280, height: 720 },
                            permissions: ['clipboard-read', 'clipboard-write'] });
  for (const [x, y] of clicks) await click(page, x, y);
  assert.equal(await count(page), 8);
  await page.focus('#Hsbspeed');
  await page.keyboard.press('End');                    // the slow end: a step a second
  assert.match(await page.getAttribute('text=Step Forward', 'title'), /turn on Run > Start Paused/);
  await page.keyboard.press('Control+Shift+P');
  await page.click('#Cmdstart');
  await focusMovesTo(page, 'Hsbspeed', 'START');
  const swapped = 'Points 2 and 3 swapped places so that the first triangle runs counter-clockwise ' +
                  'on the screen. ';
  await statusBecomes(page, swapped + 'Paused at step 0 of 5.');
  await page.keyboard.press('Control+e');
  await statusBecomes(page, swapped + 'Paused at step 0 of 5: the first triangle is points 1, 2 and 3.');
  assert.equal(await page.textContent('#beside'), await status(page), 'the sentence beside the drawing');
  const beside = await page.locator('#beside').boundingBox();
  assert.ok(beside.x > 769 && beside.width >= 240, `beside the controls: ${JSON.stringify(beside)}`);
  await page.keyboard.press('.');
  await page.keyboard.press('.');
  await statusBecomes(page, 'Paused at step 2 of 5: point 5 lies inside the hull');
  // L lists the points, right of the controls under the sentence, as the run stands.
  await page.keyboard.press('l');
  const listed = () => page.locator('#pointlist tbody tr').evaluateAll((rows) =>
    rows.map((row) => Array.from(row.cells, (cell) => cell.textContent)));
  await page.waitForFunction(() => document.querySelectorAll('#pointlist tbody tr').length === 8);
  assert.deepEqual((await listed()).map((row) => row[3]),
                   ['corner', 'corner', 'corner', 'corner', 'inside', 'not yet inserted',
                    'not yet inserted', 'not yet inserted']);
  assert.deepEqual((await listed())[4], ['5', '3750', '3300', 'inside']);
  const list = await page.locator('#panels').boundingBox();
  const sentence = await page.locator('#beside').boundingBox();
  assert.ok(list.x > 769 && list.y >= sentence.y + sentence.height,
            `beside the controls, under the sentence: ${JSON.stringify([list, sentence])}`);
  const atTwo = await pixels(page);
  await page.keyboard.press('.');
  await statusBecomes(page, 'Paused at step 3 of 5: point 6 repeats point 3');
  assert.equal((await listed())[5][3], 'on a side', 'a repeat of a corner, listed');
  await page.keyboard.press(',');
  await statusBecomes(page, 'Paused at step 2 of 5');
  assert.deepEqual(await pixels(page), atTwo, 'a step back shows the picture of that step');
  const orange = (await pixels(page)).some((_, i, d) => i % 4 === 0 && d[i] === 255 && d[i + 1] === 128);
  assert.ok(!orange, 'the marks stay out of the picture');

  await page.keyboard.press('Control+r');
  await statusBecomes(page, 'Step 0 of 5');
  await page.keyboard.press('p');
  await statusBecomes(page, 'Paused at step 0 of 5');
  await page.keyboard.press('p');
  // Step Into during the run pauses it inside the next step, at its first test; Resume runs on.
  await page.keyboard.press('i');
  await page.waitForFunction(() => /^Paused at step [1-5] of 5, test 1 of \d: The walk begins with the last edge/
    .test(document.getElementById('status').textContent));
  assert.equal(await page.textContent('[data-command="pause-or-resume"]'), 'Resume');
  // Through its tests to the step's end, where the run stays paused.
  for (let i = 0; i < 12 && (await status(page)).includes(', test '); ++i) await page.keyboard.press('i');
  await page.waitForTimeout(1200);                     // longer than a step at the slow end
  assert.match(await status(page), /^Paused at step [1-5] of 5: /, 'the run stays paused');
  await page.keyboard.press('p');
  await page.waitForFunction(() => /^Step [1-5] of 5/.test(document.getElementById('status').textContent));
  await page.focus('#Hsbspeed');
  await page.keyboard.press('Home');                   // the fast end: the run finishes
  const asked = await question(page);
  assert.deepEqual(asked, { title: 'Convex Hull', text: 'Done! Reset and start again?',
                            buttons: ['Yes', 'No'] });
  assert.match(await status(page), /^Step 5 of 5: point 8 lies outside 1 edge; it is replaced by 2 edges to it\./);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Yes');
  await answer(page, 'Escape');                        // No: the points stay
  assert.equal(await count(page), 8);

  const picture = await pixels(page);
  const hull = exactHull(clicks);
  for (let k = 0; k < hull.length; ++k) {
    const [a, b] = [hull[k], hull[(k + 1) % hull.length]];
    const middle = [Math.round((a[0] + b[0]) / 2), Math.round((a[1] + b[1]) / 2)];
    const near = [-1, 0, 1].flatMap((dx) => [-1, 0, 1].map((dy) =>
      colour(picture, middle[0] + dx, middle[1] + dy)));
    assert.ok(near.includes(Blue), `hull edge ${a} to ${b}`);
  }
  assert.equal(colour(picture, 250, 220), Magenta, 'the point inside stays a dot');
  assert.equal(colour(picture, 250, 150), '255,255,192', 'no line crosses the inside');
  const drawn = picture.filter((_, i) => i % 4 === 2 && picture[i] === 255 && picture[i - 1] === 0
                                         && picture[i - 2] === 0).length;
  assert.ok(drawn > 1000, 'the hull is drawn');

  await page.keyboard.press(',');                      // back from the end of a finished run
  await statusBecomes(page, 'Paused at step 4 of 5: point 7 lies on the edge from point');
  const tree = await page.locator('body').ariaSnapshot();
  // The status line is shown, not a live region whose text Orca would take as said already.
  assert.ok(!tree.includes('- status:'), `the status line is no live region:\n${tree}`);
  for (const part of ['text: "Paused at step 4 of 5', 'toolbar "Run"', 'button "START"', 'listbox "Drawing area"',
                      'slider "Speed"', 'button "Step Back"', 'text: Instructions 1.'])
    assert.ok(tree.includes(part), `the accessibility tree has ${part}:\n${tree}`);
  // Opened from disk, the page offers the lesson's part alone, and says why.
  await page.click('text=Copy Link to This Step');
  await page.waitForSelector('dialog#linkbox[open]');
  assert.match(await text(page, '#link-text'), /^The lesson's part of the link is on the clipboard\. .*Students need the page too/);
  const part = await page.evaluate(() => navigator.clipboard.readText());
  assert.equal(await page.inputValue('#link'), part);
  assert.match(part, /^#v1;p=900,900,.*;s=4;e=1;l=1$/, 'the link keeps the point list open');
  await page.keyboard.press('Escape');
  const second = await open({ viewport: { width: 1280, height: 720 }, address: address + part });
  await statusBecomes(second, 'Paused at step 4 of 5: point 7 lies on the edge from point');
  assert.deepEqual(await pixels(second), await pixels(page), 'the link opens the same step');

  assert.deepEqual(page.errors, []);
});

await scenario('one lesson in both faces: the same status, marks, code, cost, timeline, commands and moved points at each step', async () => {
  const page = await open({ viewport: { width: 1280, height: 720 } });
  const script = [...clicks.map(([x, y]) => `click ${x * PerPixel} ${y * PerPixel}`),
                  'undo-last-point', `click ${500 * PerPixel} ${250 * PerPixel}`, 'start-paused',
                  'show-the-code', 'cost-of-the-run', 'start', 'show-each-step', 'show-point-numbers', 'step-forward', 'step-forward',
                  'step-back', 'step-into', 'step-into', 'step-back', 'step-into', 'step-forward',
                  'step-forward', 'read-the-hull', 'show-point-list', 'show-each-step', 'timeline',
                  'key:End', 'key:Shift+ArrowLeft', 'key:Shift+ArrowLeft', 'key:Home',
                  'key:Shift+ArrowRight', 'key:ArrowRight', 'key:ArrowRight',
                  // The first point dragged by the mouse while paused, then the drag undone.
                  `press ${60 * PerPixel} ${60 * PerPixel}`, `drag ${120 * PerPixel} ${60 * PerPixel}`,
                  `drag ${200 * PerPixel} ${30 * PerPixel}`, `release ${200 * PerPixel} ${30 * PerPixel}`,
                  'undo-last-point',
                  // Quickhull on the same points from its first step, test by test, and back.
                  'algorithm-quickhull', 'step-forward', 'step-into', 'step-into',
                  'step-forward', 'step-back', 'key:End', 'key:Home',
                  // Gift wrapping beside it, test by test, then step by step.
                  'compare-with-gift-wrapping', 'step-into', 'step-forward', 'step-forward', 'compare-by-steps',
                  'step-forward', 'step-back',
                  // The incremental method beside it needs more steps: past quickhull's end and back.
                  'compare-with-incremental', 'key:End', 'step-back', 'key:Shift+ArrowLeft', 'step-forward',
                  'compare-with-none'];
  const desktop = execFileSync(screensOfLesson, { input: script.join('\n') + '\n' })
    .toString().trim().split('\n').map((line) => JSON.parse(line));
  const ids = desktop[0].commands.map((c) => c.id);
  for (const [i, action] of script.entries()) {
    const [verb, x, y] = action.split(' ');
    if (verb === 'click') await click(page, x / PerPixel, y / PerPixel);
    else if (verb === 'press') {
      await page.mouse.move(...await at(page, x / PerPixel, y / PerPixel));
      assert.equal(await page.$eval('#Pichull', (el) => el.style.cursor), 'grab', 'an open hand over a dot');
      await page.mouse.down();
    }
    else if (verb === 'drag') await page.mouse.move(...await at(page, x / PerPixel, y / PerPixel));
    else if (verb === 'release') await page.mouse.up();
    else if (verb === 'start') await page.click('#Cmdstart');
    else if (verb.startsWith('algorithm-')) await page.selectOption('#menus select[aria-label=Algorithm]', verb);
    else if (verb.startsWith('compare-with-')) await page.selectOption('#menus select[aria-label="Compare With"]', verb);
    else if (verb.startsWith('key:')) await page.press('#timeline', verb.slice(4));
    else await page.click(`[data-command="${verb}"]`);
    const shown = await page.evaluate((table) => ({
      status: document.getElementById('status').textContent,
      enabled: table.filter((id) => !document.querySelector(`[data-command="${id}"]`).disabled),
      marks: JSON.parse(Module.cwrap('hull_state', 'string', [])()).marks,
      code: document.getElementById('code').hidden ? null : {
        // Whose code the page shows, known by its first line.
        algorithm: JSON.parse(Module.cwrap('hull_layout', 'string', [])()).code
          .findIndex((lines) => lines[0] === document.querySelector('#code li').textContent),
        lit: Array.from(document.querySelectorAll('#code li')).flatMap((li, line) => li.classList.contains('lit') ? [line] : []),
        words: Array.from(document.querySelectorAll('#codewords p'), (p) => p.textContent) },
      cost: document.getElementById('cost').hidden ? null : document.getElementById('costwords').textContent,
      timeline: document.getElementById('timelinebar').hidden ? null : document.getElementById('timeline').getAttribute('aria-valuetext'),
      compared: document.getElementById('compared').hidden ? null : {
        title: document.getElementById('comparedtitle').textContent,
        sentence: document.getElementById('comparedwords').textContent,
        marks: JSON.parse(Module.cwrap('hull_state', 'string', [])()).compared.marks },
    }), ids);
    assert.deepEqual(shown, { status: desktop[i].status,
                              enabled: desktop[i].commands.filter((c) => c.enabled).map((c) => c.id),
                              marks: desktop[i].marks, code: desktop[i].code,
                              cost: desktop[i].cost && desktop[i].cost.words,
                              timeline: desktop[i].timeline && desktop[i].timeline.words,
                              compared: desktop[i].compared && { title: desktop[i].compared.title + ', ' + desktop[i].compared.sides,
                                                                 sentence: desktop[i].compared.sentence,
                                                                 marks: desktop[i].compared.marks } }, `after ${action}`);
  }
  assert.ok(desktop.some((screen) => screen.marks.some(([kind]) => kind === 'ring')), 'a step with its marks compared');
  assert.ok(desktop.some((screen) => screen.status.startsWith('Point 1 moved, ')), 'a move compared');
  assert.ok(desktop.some((screen) => screen.compared && screen.compared.sentence.includes(', test ')), 'a comparison inside a step');
  assert.ok(desktop.some((screen) => screen.status.endsWith('Quickhull is done.')), 'a compared step past the run\'s end');
  assert.deepEqual(page.errors, []);
});

await scenario('the desktop core\'s picture, files, both answers, the 501st point and END', async () => {
  const page = await open({ viewport: { width: 1100, height: 720 } });
  for (const [x, y] of clicks) await click(page, x, y);
  await page.click('#Cmdstart');
  await question(page);
  await answer(page, 'Escape');
  const svg = await download(page, async () => {
    await page.click('text=Export Picture…');
    await page.selectOption('#export-kind', { label: 'SVG drawing' });
    await page.click('#export button[value=ok]');
  });
  const desktop = execFileSync(svgOfClicks, {
    input: clicks.map(([x, y]) => `${x * PerPixel} ${y * PerPixel}`).join('\n') });
  assert.equal(svg.text, desktop.toString(), 'the desktop core draws the same picture');
  assert.equal(svg.name, 'hull-step-5.svg');
  await page.keyboard.press('n');
  const numbered = await download(page, async () => {
    await page.click('text=Export Picture…');
    await page.check('#export-marks');
    await page.click('#export button[value=ok]');
  });
  assert.equal(numbered.text.match(/<text /g).length, 8, 'each point\'s number in the slide');
  assert.match(numbered.text, />8<\/text>\n<\/svg>/);
  const slide = await download(page, async () => {
    await page.click('text=Export Picture…');
    await page.selectOption('#export-kind', { label: 'PNG picture, twice the size' });
    await page.click('#export button[value=ok]');
  });
  assert.equal(slide.name, 'hull-step-5-2x.png');
  // The cost of the run as the core plots it: a drawing with its curves named, and a picture twice
  // its size.
  const exportCost = (label) => download(page, async () => {
    await page.click('text=Export Picture…');
    await page.selectOption('#export-kind', { label });
    await page.click('#export button[value=ok]');
  });
  const costDrawing = await exportCost('Cost of the Run, SVG drawing');
  assert.equal(costDrawing.name, 'cost-of-the-run-step-5.svg');
  for (const name of ['this run', 'on a circle', 'in a disk', 'spread over the area', 'points inserted'])
    assert.ok(costDrawing.text.includes(`>${name}</text>`), name);
  const costPicture = await exportCost('Cost of the Run, PNG picture');
  assert.equal(costPicture.name, 'cost-of-the-run-step-5-2x.png');
  assert.deepEqual([costPicture.bytes.readUInt32BE(16), costPicture.bytes.readUInt32BE(20)], [960, 640]);
  // Quickhull compared at the run's end: both drawings in one, each under its name, the run's as
  // its own export draws it. The page is made larger first, or the panel sends it to the small
  // screen's arrangement, its menus behind a button.
  await page.setViewportSize({ width: 1400, height: 900 });
  await page.selectOption('#menus select[aria-label="Compare With"]', 'compare-with-quickhull');
  const both = await exportCost('SVG drawing, both algorithms side by side');
  assert.equal(both.name, 'hull-step-5-side-by-side.svg');
  assert.ok(both.text.includes('>Incremental</text>') && both.text.includes('>Quickhull</text>'), both.text);
  assert.ok(both.text.includes(numbered.text.slice(numbered.text.indexOf('<svg ') + 5)), 'the run\'s drawing whole, numbered');
  assert.equal(both.text.match(/<svg /g).length, 3);
  await page.selectOption('#menus select[aria-label="Compare With"]', 'compare-with-none');

  await page.keyboard.press('Control+r');              // Run Again, enabled after a run
  await question(page);
  await answer(page, 'Escape');
  await focusMovesTo(page, 'Hsbspeed', 'No');
  await page.click('#Cmdreset');
  for (const [x, y] of clicks.slice(0, 3)) await click(page, x, y);
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'),
                                       page.keyboard.press('Control+o')]);
  await chooser.setFiles({ name: 'bad.txt', mimeType: 'text/plain', buffer: Buffer.from('10 20\n30x 40\n') });
  const refused = await question(page);
  assert.equal(refused.text, 'Cannot open the points in bad.txt:\nline 2: "30x" is not a number.');
  assert.deepEqual(refused.buttons, ['OK']);
  await answer(page, 'Enter');
  assert.equal(await count(page), 3, 'nothing is lost');
  // Chromium now and then shows no second chooser right after the first: the file goes to the
  // same input directly.
  await page.setInputFiles('#file', { name: 'four.txt', mimeType: 'text/plain',
                                      buffer: Buffer.from('0 0\n3000 0\n3000 3000\n# a comment\n0 3000\n') });
  await page.waitForFunction(() => document.getElementById('Lblcount').textContent.trim() === '4');
  const saved = await download(page, () => page.keyboard.press('Control+Shift+S'));
  assert.equal(saved.name, 'four.txt', 'saved under the name it was opened from');
  assert.deepEqual(saved.text.trim().split('\n').slice(1), ['0 0', '3000 0', '3000 3000', '0 3000']);

  await page.click('#Cmdstart');
  await question(page);
  await answer(page, 'Enter');                         // Yes: a new set
  await page.waitForFunction(() => document.getElementById('Lblcount').textContent.trim() === '0');
  assert.equal(await status(page), '');

  await page.click('text=Random Points…');
  await page.fill('#random-count', '500');
  await page.click('#random button[value=ok]');
  await page.waitForFunction(() => document.getElementById('Lblcount').textContent.trim() === '500');
  await click(page, 10, 10);
  const refusal = await question(page);
  assert.equal(refusal.text, 'You are not allowed to input more than 500 points!');
  await answer(page, 'Enter');
  assert.equal(await count(page), 500);
  // At the fast end each frame runs every tick that is due: 500 ms of ticks take about 30 frames.
  const frames = await page.evaluate(() => new Promise((done) => {
    let counted = 0;
    const count = () => {
      ++counted;
      if (document.body.hasAttribute('data-asking')) done(counted);
      else requestAnimationFrame(count);
    };
    document.getElementById('Cmdstart').click();
    requestAnimationFrame(count);
  }));
  assert.ok(frames < 120, `a 500-point run at the fast end took ${frames} frames`);
  await question(page);
  await answer(page, 'Escape');

  await page.click('#Cmdend');
  assert.match(await text(page, '#ended'), /ended/);
  assert.ok(await page.locator('#Cmdstart').isDisabled() && await page.locator('#Hsbspeed').isDisabled());
  assert.deepEqual(page.errors, []);
});

await scenario('links: broken, huge, outside the area, changed, to the last step; keys that cannot act', async () => {
  const refusedWith = async (fragment, why) => {
    const page = await open({ viewport: { width: 1100, height: 720 }, address: address + fragment });
    const box = await question(page);
    assert.equal(box.text, 'This link holds no lesson the program can read:\n' + why, fragment.slice(0, 40));
    await answer(page, 'Enter');
    for (const [x, y] of clicks.slice(0, 3)) await click(page, x, y);
    assert.equal(colour(await pixels(page), 60, 60), Magenta, 'the empty program takes points');
    await page.click('#Cmdstart');
    await question(page);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  };
  await refusedWith('#%', 'it has a % that is not followed by two hexadecimal digits.');
  await refusedWith('#%E0%A4%A', 'it has a % that is not followed by two hexadecimal digits.');
  await refusedWith('#v1;p=' + '1'.repeat(1600000), '"111111111111111111111111…" is not a number.');
  await refusedWith('#v1;p=1,2,3,4,5,6;s=2;e=1;e=1', 'it gives e= twice.');

  const page = await open({ viewport: { width: 1100, height: 720 }, address: address + '#v1;p=-5,-5,100,100,200,50' });
  await statusBecomes(page, 'The link\'s points did not all lie in the drawing area: they were scaled');
  assert.equal(await count(page), 3);
  // Ctrl+R cannot act before a run: the page keeps its points and says why.
  await page.evaluate(() => { window.stillHere = true; });
  await page.keyboard.press('Control+r');
  await statusBecomes(page, 'Run Again shows a run again once START has begun one.');
  assert.equal(await text(page, '#spoken'), 'Run Again shows a run again once START has begun one.', 'heard too');
  assert.equal(await page.evaluate(() => window.stillHere), true, 'not reloaded');
  // A point by keyboard enters as a click there would, and is heard; one outside is refused.
  const spoken = () => text(page, '#spoken');
  const addPoint = async (x, y) => {
    await page.keyboard.press('a');
    await page.fill('#point-x', x);
    await page.fill('#point-y', y);
    await page.keyboard.press('Enter');
  };
  await addPoint('7000', '6500');
  await page.waitForFunction(() => document.getElementById('Lblcount').textContent.trim() === '4');
  assert.equal(colour(await pixels(page), 466, 433), Magenta, 'its dot where a click would put it');
  assert.equal(await spoken(), 'point 4, lower right');
  await addPoint('9000', '10');
  assert.equal((await question(page)).text, 'Cannot add the point:\nX must be a number from 0 to 7860 twips, not "9000".');
  await answer(page, 'Enter');
  assert.equal(await count(page), 4, 'nothing changes');
  await page.keyboard.press('h');
  assert.equal(await spoken(), 'There is no hull yet: it begins when START draws the first triangle.');
  await page.keyboard.press('F1');
  const help = (await question(page)).text;
  assert.ok(help.includes('tap it') && help.includes('zoom the browser') && !help.includes('--zoom'),
            'the page\'s own help');
  await answer(page, 'Escape');

  const square = 'v1;p=900,900,900,6000,6900,6000,6900,900,3900,3000';
  await page.evaluate((hash) => { location.hash = hash; }, square + ';s=2;e=1');
  await statusBecomes(page, 'Paused at step 2 of 2: point 5 lies inside the hull');
  assert.equal(await page.locator('#message[open]').count(), 0, 'the last step keeps its question');
  assert.match(await spoken(), /^Paused at step 2 of 2: point 5, near the centre, lies inside the hull/, 'the step heard');
  const last = await pixels(page);
  assert.equal(colour(last, 60, 200), Blue, 'the finished hull is drawn');
  await page.evaluate((hash) => { location.hash = hash; }, 'v1;p=1,2');
  await statusBecomes(page, 'A run is going on: press RESET first, then open the link again.');
  assert.deepEqual(await pixels(page), last, 'nothing changes during a run');
  await page.keyboard.press('h');
  await page.waitForFunction(() => document.getElementById('spoken').textContent.startsWith('The hull: points 1, 2, 3 and 4,'));
  await page.keyboard.press('.');
  assert.equal((await question(page)).text, 'Done! Reset and start again?');
  await answer(page, 'Enter');
  await focusMovesTo(page, 'Pichull', 'Yes');
  await page.goBack();
  await page.waitForFunction(() => document.getElementById('Lblcount').textContent.trim() === '5');
  assert.deepEqual(page.errors, []);
});

// The sizes of the small print and of the controls the finger meets.
async function legibility(page) {
  return page.evaluate(() => {
    const shown = [...document.querySelectorAll('#window *')].filter((e) => e.getClientRects().length &&
      getComputedStyle(e).visibility !== 'hidden' && [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()));
    const controls = ['Cmdstart', 'Cmdreset', 'Cmdend', 'Hsbspeed', 'menubutton'].map((id) =>
      document.getElementById(id).getBoundingClientRect());
    return { smallestType: Math.min(...shown.map((e) => parseFloat(getComputedStyle(e).fontSize) *
               (new DOMMatrix(getComputedStyle(document.getElementById('window')).transform).a))),
             controls: controls.map((b) => [b.width, b.height]),
             wide: document.documentElement.scrollWidth, right: Math.max(...shown.map((e) => e.getBoundingClientRect().right)) };
  });
}

await scenario('every screen: a phone by touch, a laptop, a projector, browser zoom', async () => {
  const phone = await open({ viewport: { width: 360, height: 740 }, deviceScaleFactor: 3,
                             isMobile: true, hasTouch: true });
  const small = await legibility(phone);
  assert.ok(small.smallestType >= 12, `the smallest type is ${small.smallestType} px`);
  assert.ok(small.wide <= 360 && small.right <= 360, `nothing beyond the right edge: ${JSON.stringify(small)}`);
  for (const [w, h] of small.controls) assert.ok(w >= 44 && h >= 44, `a control of ${w}×${h}`);
  const box = await phone.locator('#picture').boundingBox();
  assert.ok(box.width >= 340, `the drawing is ${box.width} wide`);
  // A tap adds its point exactly; a pinch and a pan add none.
  const [tapX, tapY] = [Math.round(box.x + 100 * box.width / Width), Math.round(box.y + 200 * box.height / Height)];
  await phone.touchscreen.tap(tapX, tapY);
  const touch = await phone.context().newCDPSession(phone);
  const fingers = async (type, points) => touch.send('Input.dispatchTouchEvent', { type, touchPoints: points });
  const [cx, cy] = [box.x + box.width / 2, box.y + box.height / 2];
  await fingers('touchStart', [{ x: cx - 20, y: cy, id: 1 }, { x: cx + 20, y: cy, id: 2 }]);
  await fingers('touchMove', [{ x: cx - 60, y: cy, id: 1 }, { x: cx + 60, y: cy, id: 2 }]);
  await fingers('touchEnd', []);
  await fingers('touchStart', [{ x: cx, y: cy, id: 3 }]);
  await fingers('touchMove', [{ x: cx, y: cy + 40, id: 3 }]);
  await fingers('touchEnd', []);
  await phone.waitForTimeout(100);
  assert.equal(await count(phone), 1, 'one point, from the tap');
  const under = (css, start, size, pixels) => Math.floor((css - start) / size * pixels) * PerPixel;
  const drawingTop = box.y;
  await phone.click('#menubutton');
  assert.equal((await phone.locator('#picture').boundingBox()).y, drawingTop, 'the menus open over the drawing');
  const saved = await download(phone, () => phone.click('text=Save Points As…'));
  assert.equal(await phone.locator('#menubutton').getAttribute('aria-expanded'), 'false', 'a command closes the menus');
  assert.equal(saved.name, 'points-1.txt');
  assert.deepEqual(saved.text.trim().split('\n').slice(1), [
    `${under(tapX, box.x, box.width, Width)} ${under(tapY, box.y, box.height, Height)}`]);
  // Drawn afresh at the screen's own pixels or more, never enlarged.
  const dense = await phone.locator('#picture').evaluate((c) => [c.width, c.getBoundingClientRect().width * devicePixelRatio]);
  assert.ok(dense[0] >= dense[1] - 1, `the picture drawn ${dense[0]} wide, shown ${dense[1]} device pixels wide`);
  // The code and the plot under the drawing: within the screen, the plot laid out at its width,
  // not shrunk to it, so that its type keeps its size.
  await phone.click('#menubutton');
  await phone.click('text=Show the Code');
  await phone.click('#menubutton');
  await phone.click('text=Cost of the Run');
  const panels = await legibility(phone);
  assert.ok(panels.wide <= 360 && panels.right <= 360, `the panels within the screen: ${JSON.stringify(panels)}`);
  const plot = await phone.locator('#costplot svg').evaluate((svg) => [svg.getBoundingClientRect().width, svg.width.baseVal.value]);
  assert.ok(plot[0] === plot[1], `the plot drawn ${plot[1]} wide, shown ${plot[0]} wide`);
  assert.deepEqual(phone.errors, []);

  // A linked lesson stepped by touch, one tap a step, its numbers and marks at least 12 CSS px on
  // the screen however small the drawing stands.
  const upright = await open({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true,
                               hasTouch: true, address: address + '#v1;p=900,900,900,6000,6900,6000,6900,900,3900,3000,3000,300;s=1;e=1;n=1' });
  await statusBecomes(upright, 'Paused at step 1 of 3');
  await upright.tap('#runbar [data-command=step-forward]');
  await statusBecomes(upright, 'Paused at step 2 of 3');
  await upright.tap('#runbar [data-command=step-back]');
  await statusBecomes(upright, 'Paused at step 1 of 3');
  await upright.tap('#runbar [data-command=step-into]');
  await statusBecomes(upright, 'Paused at step 2 of 3, test 1 of 5');
  assert.equal(await upright.locator('#runbar [data-command=pause-or-resume]').textContent(), 'Resume');
  for (const [w, h] of await upright.$$eval('#runbar button', (all) => all.map((b) => [b.offsetWidth, b.offsetHeight])))
    assert.ok(w >= 44 && h >= 44, `a run control of ${w}×${h}`);
  const marks = await upright.evaluate(() => {
    const overlay = document.getElementById('overlay');
    const shown = overlay.getBoundingClientRect().width;
    const font = parseFloat(overlay.getContext('2d').font.match(/([\d.]+)px/)[1]);
    return { drawn: overlay.width, shown: shown * devicePixelRatio, numbers: font * shown / 525 };
  });
  assert.ok(Math.abs(marks.drawn - marks.shown) <= 1, `the marks drawn at the screen's size: ${JSON.stringify(marks)}`);
  assert.ok(marks.numbers >= 11.99, `numbers of ${marks.numbers} CSS px`);
  assert.deepEqual(upright.errors, []);

  // Held sideways, and in a short window: the drawing fitted to the height, the sentence and Step
  // Forward beside it, all on the screen without scrolling.
  for (const [width, height, phone] of [[844, 390, true], [1100, 560, false]]) {
    const short = await open({ viewport: { width, height }, isMobile: phone, hasTouch: phone,
                               address: address + '#v1;p=900,900,900,6000,6900,6000,6900,900,3900,3000,3000,300;s=1;e=1' });
    await statusBecomes(short, 'Paused at step 1 of 3');
    for (const selector of ['#picture', '#status', '#runbar [data-command=step-forward]']) {
      const place = await short.locator(selector).boundingBox();
      assert.ok(place.y >= 0 && place.y + place.height <= height + 0.5 && place.x + place.width <= width + 0.5,
                `${selector} at ${width}×${height}: ${JSON.stringify(place)}`);
    }
    await short.click('#runbar [data-command=step-forward]');
    await statusBecomes(short, 'Paused at step 2 of 3');
    assert.deepEqual(short.errors, []);
  }

  // A laptop with a low view: all of it on screen from the start.
  const laptop = await open({ viewport: { width: 1366, height: 600 } });
  for (const id of ['#Cmdend', '#status']) {
    const bottom = await laptop.locator(id).evaluate((e) => e.getBoundingClientRect().bottom);
    assert.ok(bottom <= 600, `${id} ends at ${bottom}`);
  }
  assert.ok((await legibility(laptop)).smallestType >= 12);
  // A later browser zoom makes everything larger, in proportion: the view shrinks in CSS pixels
  // as the device pixels per CSS pixel grow.
  const typeOnScreen = () => laptop.evaluate(() => parseFloat(getComputedStyle(document.getElementById('Lbltext')).fontSize) *
    new DOMMatrix(getComputedStyle(document.getElementById('window')).transform).a * devicePixelRatio);
  const before = await typeOnScreen();
  const zoom = await laptop.context().newCDPSession(laptop);
  await zoom.send('Emulation.setDeviceMetricsOverride', { width: 683, height: 300, deviceScaleFactor: 2, mobile: false });
  await laptop.waitForFunction(() => devicePixelRatio === 2);
  await laptop.waitForTimeout(100);
  const zoomed = await typeOnScreen();
  assert.ok(zoomed > 1.9 * before && zoomed < 2.1 * before, `zoomed type ${zoomed} against ${before}`);
  assert.ok(!await laptop.evaluate(() => document.body.classList.contains('compact')), 'the same arrangement, larger');

  // Open panels stand beside the drawing, each on the screen, the code's lines one line each.
  const points30 = [];
  for (let i = 0; i < 30; ++i) points30.push(300 + 240 * ((i * 37) % 30), 300 + 213 * ((i * 23) % 30));
  const lesson30 = address + '#v1;p=' + points30.join(',') + ';s=20;t=3;e=1;n=1';
  for (const [width, height, views] of [[1280, 800, ';c=1;k=1'], [1920, 1080, ';c=1;k=1;l=1']]) {
    const shown = await open({ viewport: { width, height }, address: lesson30 + views });
    await statusBecomes(shown, 'Paused at step 20 of 27, test 3');
    for (const id of views.includes('l=1') ? ['#code', '#cost', '#pointlist'] : ['#code', '#cost']) {
      const place = await shown.locator(id).boundingBox();
      assert.ok(place && place.y < height - 40 && place.x + 100 < width && place.x >= 0,
                `${id} on the screen at ${width}×${height}: ${JSON.stringify(place)}`);
    }
    const lines = await shown.$$eval('#code li', (all) => all.map((li) => {
      const text = document.createRange();
      text.selectNodeContents(li);
      return new Set(Array.from(text.getClientRects(), (box) => Math.round(box.top))).size;
    }));
    assert.ok(lines.length > 10 && lines.every((n) => n === 1), `the code's lines: ${lines}`);
    assert.deepEqual(shown.errors, []);
  }

  const projector = await open({ viewport: { width: 1920, height: 1080 } });
  const filled = await projector.locator('#window').boundingBox();
  assert.ok(filled.height >= 1070 && filled.height <= 1080 && filled.width > 1200, `the window fills ${JSON.stringify(filled)}`);
  const projected = await projector.locator('#picture').evaluate((c) => [c.width, c.getBoundingClientRect().width * devicePixelRatio]);
  assert.ok(projected[0] >= projected[1] - 1, `the picture drawn ${projected[0]} wide, shown ${projected[1]} wide`);
  assert.deepEqual([...laptop.errors, ...projector.errors], []);
});

await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
