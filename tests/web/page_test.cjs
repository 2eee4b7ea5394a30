// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page, opened from disk in one of Debian's engines (RESX_ENGINE: chromium, firefox or webkit), against what the
// recording surface shows after the same clicks (RESX_EXPECTED prints it). Clicks and taps land at the design's
// pixels, so hit-testing and visibility count.
'use strict';
const { test, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const { once } = require('node:events');
const puppeteer = require('puppeteer-core');

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

// Chromium over CDP and Firefox over WebDriver BiDi through puppeteer-core; WebKitGTK's MiniBrowser, which has no
// headless mode, on an Xvfb of its own through WebKitWebDriver's WebDriver (classic) over fetch. A page takes keys as
// [down, key] strokes named as puppeteer names them (' ' for Space, which Firefox's BiDi keyboard wants).
const puppeteerPages = (browser, mobile) => Object.assign(browser, { open: async (phone) => {
  const page = await (await browser.createBrowserContext()).newPage();
  if (phone) { // the size and density hold even where the screen's orientation cannot be emulated (Firefox ESR 140)
    await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, ...mobile })
      .catch((error) => assert.match(error.message, /unknown command emulation.setScreenOrientationOverride/));
  }
  page.on('pageerror', (error) => assert.fail(error));
  return { goto: (url) => page.goto(url), evaluate: (...call) => page.evaluate(...call),
    click: (x, y, tap) => (tap ? page.touchscreen.tap(x, y) : page.mouse.click(x, y)),
    keys: async (strokes) => { for (const [down, key] of strokes) await page.keyboard[down ? 'down' : 'up'](key); } };
} });
const ENGINES = {
  chromium: async () => puppeteerPages(await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--no-first-run', '--disable-sync', '--disable-quic'] }), { hasTouch: true, isMobile: true }),
  // Firefox takes touch actions as they are, and ignores a page's viewport as a desktop browser does.
  firefox: async () => puppeteerPages(await puppeteer.launch({ browser: 'firefox', headless: true,
    executablePath: '/usr/bin/firefox-esr' }), {}),
  webkit: async () => {
    const xvfb = spawn('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'inherit', 'pipe'] });
    const display = `:${String((await once(xvfb.stdio[3], 'data'))[0]).trim()}`;
    const server = require('node:net').createServer().listen(0, '127.0.0.1'); // a free port for the driver
    await once(server, 'listening');
    const { port } = server.address();
    server.close();
    const env = { ...process.env, DISPLAY: display };
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore', env });
    const call = async (method, path, body) => {
      const reply = await fetch(`http://127.0.0.1:${port}/session${path}`, { method, body: JSON.stringify(body) });
      const { value } = await reply.json();
      return value?.error ? Promise.reject(new Error(`${path}: ${value.error}: ${value.message}`)) : value;
    };
    const arch = { arm64: 'aarch64' }[process.arch] ?? 'x86_64';
    const options = { binary: `/usr/lib/${arch}-linux-gnu/webkit2gtk-4.1/MiniBrowser`, args: ['--automation'] };
    let session;
    for (let tries = 50; !session; --tries) { // while the driver starts
      session = await call('POST', '', { capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': options } } })
        .catch((error) => (tries > 0 ? new Promise((wake) => setTimeout(wake, 100)) : Promise.reject(error)));
    }
    const to = (method, path, body) => call(method, `/${session.sessionId}${path}`, body);
    const KEYS = { Tab: '\uE004', Shift: '\uE008', Enter: '\uE007', End: '\uE010' };
    const page = { goto: (url) => to('POST', '/url', { url }),
      evaluate: (f, ...args) => to('POST', '/execute/sync',
        { script: typeof f === 'string' ? f : `return (${f}).apply(null, arguments)`, args }),
      click: (x, y) => to('POST', '/actions', { actions: [{ type: 'pointer', id: 'mouse', actions: [
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y) }, { type: 'pointerDown', button: 0 },
        { type: 'pointerUp', button: 0 }] }] }),
      keys: (strokes) => to('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions: strokes.map(
        ([down, key]) => ({ type: down ? 'keyDown' : 'keyUp', value: KEYS[key] ?? key })) }] }) };
    return { open: async () => page, // a page replaces the one before in the same window
      close: () => to('DELETE', '').finally(() => [driver, xvfb].forEach((child) => child.kill())) };
  },
};
const touch = process.env.RESX_ENGINE === 'webkit' && // why the engine cannot run the phone's row
  "WebKitWebDriver sends touch as mouse events, and MiniBrowser's window is at least 447 px wide";

const browser = ENGINES[process.env.RESX_ENGINE]();
after(async () => (await browser).close());
const axeSource = require('node:fs').readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

async function open(phone = false) { // with axe-core, which the audit and the roles and names take
  const page = await (await browser).open(phone);
  await page.goto(require('node:url').pathToFileURL(process.env.RESX_PAGE).href);
  while (await page.evaluate(() => ResX.hasAttribute('aria-busy'))); // until wired
  await page.evaluate(axeSource); // as the driver's own script: the page's policy allows no other
  return page;
}
// "Shift+Tab": each key down in turn, then up in reverse; a count above 1 holds the last key down for its repeats,
// which puppeteer sends as keydowns with `repeat` set (CDP's autoRepeat; Firefox marks a BiDi keyDown of a key that is
// down), while WebKitWebDriver sends one keydown for a key held down however often its actions press it.
const press = (page, combo, count = 1) => {
  const keys = combo.split('+');
  return page.keys([...keys.map((key) => [true, key]), ...Array(count - 1).fill([true, keys.at(-1)]),
    ...keys.reverse().map((key) => [false, key])]);
};

async function act(page, name, tap = false) { // a real click or tap at the centre of the item's design rectangle
  const { x, y } = await page.evaluate(() => ResX.getBoundingClientRect().toJSON());
  const [left, top, width, height] = rects[name];
  await page.click(x + left + width / 2, y + top + height / 2, tap);
}

// The live region and each control's colour, text, visibility and hover text; and the roles and names of the shown
// controls, as a screen reader finds them, computed in the page by axe-core.
async function check(page, want, context) {
  assert.deepEqual(await page.evaluate((want) => ({ line: announcement.textContent, controls: Object.fromEntries(
    Object.keys(want.controls).map((id) => {
      const e = document.getElementById(id);
      return [id, { back: getComputedStyle(e).backgroundColor, text: e.localName === 'input' ? e.value :
        e.textContent, visible: e.checkVisibility(), title: e.title }];
    })) }), want), want, context);
  const tree = await page.evaluate(() => {
    axe.setup(ResX);
    const { aria, dom, text } = axe.commons;
    const shown = [...ResX.querySelectorAll('*')].map((e) => axe.utils.getNodeFromTree(e))
      .filter((node) => dom.isVisibleToScreenReaders(node) && aria.getRole(node))
      .map((node) => `- ${aria.getRole(node)} "${text.accessibleTextVirtual(node)}"`);
    axe.teardown();
    return shown;
  });
  assert.deepEqual(tree.sort(), order.filter((id) => want.controls[id].visible)
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
      for (const key of ['End', ' ', '1', 'Enter']) await press(page, key);
      want.controls[field].text += ' 1';
    }
    await check(page, want, 'after typing');
  }
});

test('keyboard: the design tab order past hidden bands, and decoding by Space and Enter alone, held down', async () => {
  const page = await open();
  const focused = () => page.evaluate(() => document.activeElement.id);
  const cycle = async (step, from) => { // Tab from `from` to the last shown stop, then Shift+Tab back, not off the page
    const stops = order.filter((id) => step.controls[id].visible);
    const path = [from, ...stops.slice(stops.indexOf(from) + 1)];
    const back = path.slice(from ? 0 : 1, -1).reverse(); // past either end, WebKit wraps round, the others leave
    const seen = [];
    for (const key of [...path.slice(1).fill('Tab'), ...back.map(() => 'Shift+Tab')]) {
      seen.push(await press(page, key).then(focused));
    }
    assert.deepEqual(seen, [...path.slice(1), ...back]);
  };
  await cycle(runs[0][0], ''); // from the page's start
  for (const [i, name] of SEQUENCES[0].split(' ').entries()) {
    for (let at; (at = await focused()) !== name;) {
      await press(page, order.indexOf(at) < order.indexOf(name) ? 'Tab' : 'Shift+Tab');
    }
    await press(page, (i + 1) % 4 < 2 ? ' ' : 'Enter', 3); // each kind takes both keys; two repeats press nothing
    await check(page, runs[0][i + 1], `after holding a key on ${name}, ${i + 1} of "${SEQUENCES[0]}"`);
  }
  await cycle(runs[0].at(-1), 'stripbutton'); // six bands
});

test('pointers: each pick puts its swatch arrow on the window, hot spot 16 16; the value field keeps its own', async () => {
  const page = await open();
  const pixels = (selector) => page.evaluate(async (selector) => { // "WxH rrggbbaa…", or a cursor that is no PNG
    const e = document.querySelector(selector);
    const [, url] = /^url\("(data:image\/png;base64,[^"]+)"\) 16 16, default$/.exec(getComputedStyle(e).cursor) ?? [];
    if (!url) return getComputedStyle(e).cursor;
    const image = Object.assign(new Image(), { src: url });
    await image.decode();
    const context = Object.assign(document.createElement('canvas'), { width: 32, height: 32 }).getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = Array.from(context.getImageData(0, 0, 32, 32).data, (v) => v.toString(16).padStart(2, '0'));
    return `${image.width}x${image.height} ${rgba.join('')}`;
  }, selector);
  for (const [i, arrow] of arrows.slice(0, -1).entries()) {
    await act(page, items[i].name);
    assert.equal(await pixels('#ResX'), `32x32 ${arrow}`, items[i].name);
    assert.equal(await pixels('#resxx'), `32x32 ${arrows.at(-1)}`, items[i].name);
  }
});

test('phone: the whole window fits a 390-pixel touch screen, and taps decode', { skip: touch }, async () => {
  const page = await open(true);
  assert.deepEqual(await page.evaluate(() => [innerWidth, document.documentElement.scrollWidth,
    ResX.getBoundingClientRect().left >= 0 && ResX.getBoundingClientRect().right <= 390]), [390, 390, true]);
  assert.equal(runs[0][6].controls.resxx.text, '4,7 KOm');
  await play(page, 0, true);
});

test('audit: axe-core finds no WCAG 2.1 A or AA violation at start-up or with six painted bands', async () => {
  const page = await open();
  for (const run of [null, 3]) {
    if (run !== null) await play(page, run);
    const { violations } = await page.evaluate(() =>
      axe.run({ runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }));
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.help} at ${v.nodes.map((n) => n.target).join(' ')}`), []);
  }
});

// The faces that the desktop window shows its captions and output in, where the design's are missing.
const DESKTOP_FACES = { caption: 'DejaVu Sans', output: 'Liberation Serif' };

test('look: the design colours and the desktop\'s faces, whatever the engine\'s own; every text fits', async () => {
  const page = await open();
  const texts = [...new Set(runs.flat().flatMap(({ controls }) => Object.entries(controls)
    .filter(([, { text }]) => text).map(([id, { text }]) => `${id} ${text}`)))].map((shown) => shown.split(/ (.*)/, 2));
  const [colours, misfits] = await page.evaluate((ids, texts, faces) => [ids.map((id) => { // back, text and border
    const style = getComputedStyle(document.getElementById(id));
    return [id, style.backgroundColor, style.color, style.borderTopStyle === 'none' ? style.color : style.borderTopColor];
  }), [...ids.map((id) => [id, document.getElementById(id).textContent]), ...texts].flatMap(([id, text]) => {
    const e = document.getElementById(id);
    const style = getComputedStyle(e); // its width, as the style sheet sets it, counts even while it is hidden
    const room = ['width', 'paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth']
      .map((side) => parseFloat(style[side])).reduce((width, side) => width - side);
    const width = (fontFamily) => { // of the text in the element's font, or in another family
      const span = Object.assign(document.body.appendChild(document.createElement('span')), { textContent: text });
      const { fontStyle, fontWeight, fontSize } = style;
      Object.assign(span.style, { position: 'absolute', whiteSpace: 'pre', fontStyle, fontWeight, fontSize, fontFamily });
      return [span.getBoundingClientRect().width, span.remove()][0];
    };
    const [shown, desktop] = [width(style.fontFamily), width(`"${faces[e.className]}"`)];
    return shown > room || (text && shown !== desktop) ? [`${id} "${text}": ${shown} px, ${desktop} px in the ` +
      `desktop's face, ${room} px of room`] : [];
  })], items.filter((item) => item.colours).map((item) => item.name), texts, DESKTOP_FACES);
  assert.deepEqual(colours, items.filter((item) => item.colours).map(({ name, colours: [back, fore] }) =>
    [name, back, fore, fore]));
  assert.deepEqual(misfits, []);
});
