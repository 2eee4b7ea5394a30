// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page, opened from disk in Debian's Chromium, against what the recording surface shows after the same clicks
// (RESX_EXPECTED prints it). Clicks and taps land at the design's pixels, so hit-testing and visibility count.
'use strict';
const { test, after } = require('node:test');
const assert = require('node:assert/strict');
const { chromium } = require('playwright-core');

const SEQUENCES = [ // 4,7 KOm, then six bands; labels, the drawing and hidden bands; four bands; six bands
  'yellow dig1 violet dig2 red dig3 stripbutton stripbutton stripbutton',
  'Label0 Label1 curcol Res0 Res3 Res4 dig4 dig6 ppr curcolor green dig1 dig5 resxx toler',
  'stripbutton brown dig1 black dig2 red dig3 green dig4 gold dig4 silver dig4 blue dig3 stripbutton',
  'stripbutton stripbutton stripbutton brown dig1 black dig2 black dig3 orange dig4 brown dig5 red dig6 white dig6 ' +
    'stripbutton dig6 gold dig5 stripbutton',
];
const { items, arrows, runs } = JSON.parse(require('node:child_process').execFileSync(process.execPath,
  [process.env.RESX_EXPECTED, ...SEQUENCES]));
const rects = Object.fromEntries(items.map((item) => [item.name, item.rect]));
const order = items.filter((item) => item.tab >= 0).sort((a, b) => a.tab - b.tab).map((item) => item.name);
// A swatch is named by its hover text, a box by its number and the swatch of its colour, a field by its label.
const role = (id) => ({ curcolor: 'img', resxx: 'textbox', toler: 'textbox' })[id] ?? 'button';
const nameOf = ({ controls }, id) => {
  const colour = Object.values(controls).find((c) => c.title && c.back === controls[id].back)?.title ?? 'не окрашена';
  return { resxx: 'Rx=', toler: '±', stripbutton: controls[id].text, curcolor: `текущий цвет, ${colour}` }[id] ??
    (controls[id].title || `полоса ${id[3]}, ${colour}`);
};

const browser = chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox',
  '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run', '--disable-sync',
  '--disable-quic'] });
after(async () => (await browser).close());

async function open(options = {}) {
  const page = await (await (await browser).newContext(options)).newPage();
  page.on('pageerror', (error) => assert.fail(error));
  await page.goto(require('node:url').pathToFileURL(process.env.RESX_PAGE).href);
  await page.waitForFunction(() => !ResX.hasAttribute('aria-busy')); // wired
  return page;
}

async function act(page, name, tap = false) { // a real click or tap at the centre of the item's design rectangle
  const { x, y } = await page.locator('#ResX').boundingBox();
  const [left, top, width, height] = rects[name];
  await page[tap ? 'touchscreen' : 'mouse'][tap ? 'tap' : 'click'](x + left + width / 2, y + top + height / 2);
}

// The live region and each control's colour (where the design fixes it), text, visibility and hover text; and the
// roles and names of the shown controls, as a screen reader finds them.
async function check(page, want, context) {
  assert.deepEqual(await page.evaluate((want) => ({ line: announcement.textContent, controls: Object.fromEntries(
    Object.entries(want.controls).map(([id, { back }]) => {
      const e = document.getElementById(id);
      return [id, { back: back && getComputedStyle(e).backgroundColor, text: e.localName === 'input' ? e.value :
        e.textContent, visible: e.checkVisibility(), title: e.title }];
    })) }), want), want, context);
  const tree = (await page.locator('#ResX').ariaSnapshot()).split('\n').filter((line) => !line.startsWith('- text:'));
  assert.deepEqual(tree.map((line) => line.replace(/: .*$/, '')).sort(), order.filter((id) => want.controls[id].visible)
    .map((id) => `- ${role(id)} "${nameOf(want, id)}"`).sort(), context);
}

async function play(page, run, tap = false) {
  await check(page, runs[run][0], 'start-up');
  for (const [i, name] of SEQUENCES[run].split(' ').entries()) {
    await act(page, name, tap);
    await check(page, runs[run][i + 1], `after ${i + 1} clicks of "${SEQUENCES[run]}"`);
  }
}

test('clicks run the handlers of swatches, bands and the button, and change nothing elsewhere', async () => {
  assert.equal(runs[0][2].line, 'текущий цвет-жёлтый, Rx= 4?, ± 20%');
  assert.equal(nameOf(runs[0][2], 'dig1'), 'полоса 1, 4-жёлтый');
  for (const run of SEQUENCES.keys()) {
    const page = await open();
    await play(page, run);
    if (run !== 0) continue;
    assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, announcement.ariaLive]), ['ru', 'polite']);
    const want = structuredClone(runs[0].at(-1));
    for (const field of ['resxx', 'toler']) { // editable, and typing presses nothing
      await act(page, field);
      await page.keyboard.press('End');
      await page.keyboard.type(' 1\n');
      want.controls[field].text += ' 1';
    }
    await check(page, want, 'after typing');
  }
});

test('keyboard: the design tab order past hidden bands, and decoding by Space and Enter alone', async () => {
  const page = await open();
  const focused = () => page.evaluate(() => document.activeElement.id);
  const cycle = async (step, from) => { // Tab from `from` to the last shown stop, then Shift+Tab back
    const stops = order.filter((id) => step.controls[id].visible);
    const path = [from, ...stops.slice(stops.indexOf(from) + 1)];
    const seen = [];
    for (const key of [...path.slice(1).fill('Tab'), ...path.slice(1).fill('Shift+Tab')]) {
      seen.push(await page.keyboard.press(key).then(focused));
    }
    assert.deepEqual(seen, [...path.slice(1), ...path.slice(0, -1).reverse()]);
  };
  await cycle(runs[0][0], ''); // from the page's start
  for (const [i, name] of SEQUENCES[0].split(' ').entries()) {
    for (let at; (at = await focused()) !== name;) {
      await page.keyboard.press(order.indexOf(at) < order.indexOf(name) ? 'Tab' : 'Shift+Tab');
    }
    await page.keyboard.press((i + 1) % 4 < 2 ? 'Space' : 'Enter'); // each kind takes both keys
    await check(page, runs[0][i + 1], `after pressing ${name}, ${i + 1} of "${SEQUENCES[0]}"`);
  }
  await cycle(runs[0].at(-1), 'stripbutton'); // six bands
});

test('pointers: each pick puts its swatch arrow on the window, hot spot 16 16; the value field keeps its own', async () => {
  const page = await open();
  const pixels = (selector) => page.$eval(selector, async (e) => { // "WxH rrggbbaa…", or a cursor that is no PNG
    const [, url] = /^url\("(data:image\/png;base64,[^"]+)"\) 16 16, default$/.exec(getComputedStyle(e).cursor) ?? [];
    if (!url) return getComputedStyle(e).cursor;
    const image = Object.assign(new Image(), { src: url });
    await image.decode();
    const context = Object.assign(document.createElement('canvas'), { width: 32, height: 32 }).getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = Array.from(context.getImageData(0, 0, 32, 32).data, (v) => v.toString(16).padStart(2, '0'));
    return `${image.width}x${image.height} ${rgba.join('')}`;
  });
  for (const [i, arrow] of arrows.slice(0, -1).entries()) {
    await act(page, items[i].name);
    assert.equal(await pixels('#ResX'), `32x32 ${arrow}`, items[i].name);
    assert.equal(await pixels('#resxx'), `32x32 ${arrows.at(-1)}`, items[i].name);
  }
});

test('phone: the whole window fits a 390-pixel touch screen, and taps decode', async () => {
  const page = await open({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
  assert.deepEqual(await page.evaluate(() => [innerWidth, document.documentElement.scrollWidth,
    ResX.getBoundingClientRect().left >= 0 && ResX.getBoundingClientRect().right <= 390]), [390, 390, true]);
  assert.equal(runs[0][6].controls.resxx.text, '4,7 KOm');
  await play(page, 0, true);
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
