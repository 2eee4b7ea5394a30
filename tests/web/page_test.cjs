// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page, opened from disk in Debian's Chromium, against what the recording
// surface shows after the same clicks (RESX_EXPECTED prints it). Clicks and
// taps land at the design's pixels, so hit-testing and visibility count.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const DECODE = 'yellow dig1 violet dig2 red dig3'; // 4,7 KOm
const SEQUENCES = [
  `${DECODE} stripbutton stripbutton stripbutton`,
  'Label0 Label1 curcol Res0 Res3 Res4 dig4 dig6 ppr curcolor green dig1 dig5 resxx toler',
  'stripbutton brown dig1 black dig2 red dig3 green dig4 gold dig4 silver dig4 blue dig3 stripbutton',
  'stripbutton stripbutton stripbutton brown dig1 black dig2 black dig3 orange dig4 brown dig5 red dig6 white dig6 ' +
    'stripbutton dig6 gold dig5 stripbutton',
];
const expected = JSON.parse(execFileSync(process.execPath, [process.env.RESX_EXPECTED, ...SEQUENCES]));
const items = Object.fromEntries(expected.items.map((item) => [item.name, item]));
const order = expected.items.filter((item) => item.tab >= 0).sort((a, b) => a.tab - b.tab).map((item) => item.name);
const ROLES = { dig: 'button', cur: 'img', res: 'textbox', tol: 'textbox', str: 'button' }; // else a swatch: button

let browser;
before(async () => {
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--no-first-run', '--disable-sync', '--disable-quic'] });
});
after(() => browser.close());

async function open(options = {}) {
  const page = await (await browser.newContext(options)).newPage();
  page.on('pageerror', (error) => assert.fail(error));
  await page.goto(pathToFileURL(process.env.RESX_PAGE).href);
  await page.waitForFunction(() => document.getElementById('resxx').style.cursor !== ''); // wired
  return page;
}

// A real click or tap at the centre of the item's design rectangle.
async function act(page, name, tap = false) {
  const origin = await page.locator('#ResX').boundingBox();
  const [left, top, width, height] = items[name].rect;
  const [x, y] = [origin.x + left + width / 2, origin.y + top + height / 2];
  await (tap ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
}

// What the page shows, in the shape of the expected step: each control's colour (where the design fixes it), text,
// visibility and hover text, the live region, and that each shown control has its role and name.
async function check(page, { names, ...want }, context) {
  const shown = await page.evaluate((want) => ({
    line: document.getElementById('announcement').textContent,
    controls: Object.fromEntries(Object.entries(want.controls).map(([id, { back }]) => {
      const e = document.getElementById(id);
      return [id, { back: back && getComputedStyle(e).backgroundColor, text: e.localName === 'input' ? e.value : e.textContent,
        visible: e.checkVisibility(), title: e.title }];
    })),
  }), want);
  assert.deepEqual(shown, want, context);
  const roles = (await page.locator('#ResX').ariaSnapshot()).split('\n').filter((line) => !line.startsWith('- text:'));
  assert.deepEqual(roles.map((line) => line.replace(/: .*$/, '')).sort(), order.filter((id) => want.controls[id].visible)
    .map((id) => `- ${ROLES[id.slice(0, 3)] ?? 'button'} "${names[id]}"`).sort(), context);
}

async function play(page, runIndex, tap = false) {
  const [start, ...steps] = expected.runs[runIndex];
  await check(page, start, 'start-up');
  for (const [i, name] of SEQUENCES[runIndex].split(' ').entries()) {
    await act(page, name, tap);
    await check(page, steps[i], `after ${i + 1} clicks of "${SEQUENCES[runIndex]}"`);
  }
}

test('clicks on swatches, bands and the button run their handlers; the rest change nothing', async () => {
  for (const run of SEQUENCES.keys()) {
    await play(await open(), run);
  }
  const yellowBand = expected.runs[0][2];
  assert.equal(yellowBand.line, 'текущий цвет-жёлтый, Rx= 4?, ± 20%');
  assert.equal(yellowBand.names.dig1, 'полоса 1, 4-жёлтый');
});

test('the page is Russian, announces politely, and its output fields stay editable without running a handler', async () => {
  const page = await open();
  assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, announcement.getAttribute('aria-live')]),
    ['ru', 'polite']);
  await play(page, 0);
  const want = structuredClone(expected.runs[0].at(-1));
  for (const field of ['resxx', 'toler']) {
    await act(page, field);
    await page.keyboard.press('End');
    await page.keyboard.type(' 1\n');
    want.controls[field].text += ' 1';
  }
  await check(page, want, 'after typing');
});

test('keyboard: the design tab order past hidden bands, and decoding by Space and Enter alone', async () => {
  const page = await open();
  const focused = () => page.evaluate(() => document.activeElement.id);
  // Tab from the stop after `from` to the last stop, then Shift+Tab back to the first stop or `from`.
  const cycle = async (step, from) => {
    const stops = order.filter((id) => step.controls[id].visible);
    const want = [...stops.slice(stops.indexOf(from) + 1), ...stops.slice(Math.max(stops.indexOf(from), 0), -1).reverse()];
    const seen = [];
    for (const key of want.map((_, i) => (i < stops.length - stops.indexOf(from) - 1 ? 'Tab' : 'Shift+Tab'))) {
      await page.keyboard.press(key);
      seen.push(await focused());
    }
    assert.deepEqual(seen, want);
  };
  const [start, ...steps] = expected.runs[0];
  await cycle(start, null);
  for (const [i, name] of SEQUENCES[0].split(' ').entries()) {
    while ((await focused()) !== name) {
      await page.keyboard.press(order.indexOf(await focused()) < order.indexOf(name) ? 'Tab' : 'Shift+Tab');
    }
    await page.keyboard.press(i % 2 ? 'Enter' : 'Space');
    await check(page, steps[i], `after pressing ${i + 1} of "${SEQUENCES[0]}"`);
  }
  await cycle(steps.at(-1), 'stripbutton'); // six bands
});

test('pointers: each pick puts its swatch arrow on the window, hot spot 16 16; the value field keeps its own', async () => {
  const page = await open();
  const pixels = (selector) => page.$eval(selector, async (e) => {
    const url = /^url\("(data:image\/png;base64,[^"]+)"\) 16 16, default$/.exec(getComputedStyle(e).cursor);
    if (!url) return getComputedStyle(e).cursor;
    const image = new Image();
    image.src = url[1];
    await image.decode();
    const context = Object.assign(document.createElement('canvas'), { width: 32, height: 32 }).getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = context.getImageData(0, 0, 32, 32).data;
    let hex = '';
    for (let i = 0; i < rgba.length; i += 4) {
      hex += rgba[i + 3] ? [3, 0, 1, 2].map((k) => rgba[i + k].toString(16).padStart(2, '0')).join('') : '00000000';
    }
    return `${image.width}x${image.height} ${hex}`;
  });
  for (const swatch of expected.items.filter((item) => item.arrow)) {
    await act(page, swatch.name);
    assert.equal(await pixels('#ResX'), `32x32 ${swatch.arrow}`, swatch.name);
    assert.equal(await pixels('#resxx'), `32x32 ${expected.valueField}`, swatch.name);
  }
});

test('phone: the whole window fits a 390-pixel touch screen and taps decode', async () => {
  const page = await open({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
  assert.deepEqual(await page.evaluate(() => [innerWidth, document.documentElement.scrollWidth <= innerWidth,
    ResX.getBoundingClientRect().left >= 0 && ResX.getBoundingClientRect().right <= innerWidth]), [390, true, true]);
  await play(page, 0, true);
  assert.equal(expected.runs[0][6].controls.resxx.text, '4,7 KOm');
});

test('audit: axe-core finds no WCAG 2.1 A or AA violation at start-up or with six painted bands', async () => {
  const page = await open();
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  for (const run of [null, 3]) {
    if (run !== null) await play(page, run);
    const { violations } = await page.evaluate(() =>
      axe.run({ runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }));
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.help} at ${v.nodes.map((n) => n.target).join(' ')}`), []);
  }
});
