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
const expect = (...args) => // in the source language, or in another: expect('--language', 'en', ...sequences)
  JSON.parse(require('node:child_process').execFileSync(process.execPath, [process.env.RESX_EXPECTED, ...args]));
const ru = expect(...SEQUENCES);
const { items, arrows, languages, texts, runs } = ru;
const rects = Object.fromEntries(items.map((item) => [item.name, item.rect]));
const order = items.filter((item) => item.tab >= 0).sort((a, b) => a.tab - b.tab).map((item) => item.name);
const role = (id) => ({ curcolor: 'img', resxx: 'textbox', toler: 'textbox', h1: 'heading' })[id] ?? 'button';

// Chromium over CDP and Firefox over WebDriver BiDi through puppeteer-core; WebKitGTK's MiniBrowser, which has no
// headless mode, on an Xvfb of its own through WebKitWebDriver's WebDriver (classic) over fetch. A page takes keys as
// [down, key] strokes named as puppeteer names them (' ' for Space, which Firefox's BiDi keyboard wants).
// A page may be asked for more (`open`'s options): a phone's screen, [width, height]; a contrast theme (forced);
// JavaScript off (noScript); a script that runs before the page's own (init); the browser's profile rather than a
// context of its own (persistent). Chromium emulates each for the page; Firefox takes the theme, JavaScript and a
// coarse pointer as preferences, in a browser launched with them.
const puppeteerPages = (launch, mobile, prefs = {}) => {
  const browsers = {}; // by the options that their preferences serve
  return { open: async ({ phone, forced, noScript, init, persistent }) => {
    const wanted = Object.keys(prefs).filter((option) => ({ phone, forced, noScript })[option]);
    const browser = await (browsers[wanted] ??= launch(Object.assign({}, ...wanted.map((option) => prefs[option]))));
    const page = await (persistent ? browser : await browser.createBrowserContext()).newPage();
    if (phone) { // the size and density hold even where the screen's orientation cannot be emulated (Firefox ESR 140)
      const [width, height] = phone;
      await page.setViewport({ width, height, deviceScaleFactor: 3, isLandscape: width > height, ...mobile })
        .catch((error) => assert.match(error.message, /unknown command emulation.setScreenOrientationOverride/));
    }
    if (forced && !prefs.forced) { // puppeteer's emulateMediaFeatures knows no forced-colors
      await (await page.createCDPSession()).send('Emulation.setEmulatedMedia',
        { features: [{ name: 'forced-colors', value: 'active' }] });
    }
    if (noScript && !prefs.noScript) await page.setJavaScriptEnabled(false);
    if (init) await page.evaluateOnNewDocument(init);
    page.on('pageerror', (error) => assert.fail(error));
    return { page, init: true, goto: (url) => page.goto(url), evaluate: (...call) => page.evaluate(...call),
      click: (x, y, tap) => (tap ? page.touchscreen.tap(x, y) : page.mouse.click(x, y)),
      screenshot: () => page.screenshot({ encoding: 'base64' }),
      keys: async (strokes) => { for (const [down, key] of strokes) await page.keyboard[down ? 'down' : 'up'](key); } };
  }, close: () => Promise.all(Object.values(browsers).map(async (browser) => (await browser).close())) };
};
const ENGINES = {
  chromium: async () => puppeteerPages(() => puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--no-first-run', '--disable-sync', '--disable-quic'] }), { hasTouch: true, isMobile: true }),
  // Firefox takes touch actions as they are, and ignores a page's viewport as a desktop browser does; its
  // pointer is coarse by a preference alone.
  firefox: async () => puppeteerPages((extraPrefsFirefox) => puppeteer.launch({ browser: 'firefox', headless: true,
    executablePath: '/usr/bin/firefox-esr', extraPrefsFirefox }), {}, { phone: { 'ui.primaryPointerCapabilities': 1 },
    forced: { 'browser.display.document_color_use': 2 }, noScript: { 'javascript.enabled': false } }),
  webkit: async (args = []) => { // MiniBrowser's arguments: WebKitSettings' properties, such as --enable-javascript
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
    const options = { binary: `/usr/lib/${arch}-linux-gnu/webkit2gtk-4.1/MiniBrowser`, args: ['--automation', ...args] };
    let session;
    for (let tries = 50; !session; --tries) { // while the driver starts
      session = await call('POST', '', { capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': options } } })
        .catch((error) => (tries > 0 ? new Promise((wake) => setTimeout(wake, 100)) : Promise.reject(error)));
    }
    const to = (method, path, body) => call(method, `/${session.sessionId}${path}`, body);
    const KEYS = { Tab: '\uE004', Shift: '\uE008', Enter: '\uE007', End: '\uE010' };
    const page = { init: false, goto: (url) => to('POST', '/url', { url }),
      evaluate: (f, ...args) => to('POST', '/execute/sync',
        { script: typeof f === 'string' ? f : `return (${f}).apply(null, arguments)`, args }),
      click: (x, y) => to('POST', '/actions', { actions: [{ type: 'pointer', id: 'mouse', actions: [
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y) }, { type: 'pointerDown', button: 0 },
        { type: 'pointerUp', button: 0 }] }] }),
      keys: (strokes) => to('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions: strokes.map(
        ([down, key]) => ({ type: down ? 'keyDown' : 'keyUp', value: KEYS[key] ?? key })) }] }) };
    let quiet; // a MiniBrowser with JavaScript off, on a driver and display of its own
    return { open: async ({ noScript }) => (noScript ? // a page replaces the one before in the same window
      (await (quiet ??= ENGINES.webkit(['--enable-javascript=false']))).open({}) : page),
    close: () => Promise.all([quiet?.then((other) => other.close()),
      to('DELETE', '').finally(() => [driver, xvfb].forEach((child) => child.kill()))]) };
  },
};
const webkit = (why) => process.env.RESX_ENGINE === 'webkit' && why; // why the engine cannot run a row
const touch = webkit("WebKitWebDriver sends touch as mouse events, and MiniBrowser's window is at least 447 px wide");
const chromium = process.env.RESX_ENGINE !== 'chromium' && 'DevTools alone report whether a site can be installed';

const browser = ENGINES[process.env.RESX_ENGINE]();
after(async () => (await browser).close());
const axeSource = require('node:fs').readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// The page from disk in the source language, or another address (url); with axe-core, which the audit and the roles
// and names take, once its WebAssembly has wired the window (unless it cannot: wired false).
async function load(page, url, wired = true) {
  await page.goto(url);
  while (wired && await page.evaluate(() => ResX.hasAttribute('aria-busy')));
  if (wired) await page.evaluate(axeSource); // as the driver's own script: the page's policy allows no other
  return page;
}
const open = async ({ search = '?lang=ru', url = require('node:url').pathToFileURL(process.env.RESX_PAGE).href + search,
  wired = true, ...options } = {}) => load(await (await browser).open(options), url, wired);
// "Shift+Tab": each key down in turn, then up in reverse; a count above 1 holds the last key down for its repeats,
// which puppeteer sends as keydowns with `repeat` set (CDP's autoRepeat; Firefox marks a BiDi keyDown of a key that is
// down), while WebKitWebDriver sends one keydown for a key held down however often its actions press it.
const press = (page, combo, count = 1) => {
  const keys = combo.split('+');
  return page.keys([...keys.map((key) => [true, key]), ...Array(count - 1).fill([true, keys.at(-1)]),
    ...keys.reverse().map((key) => [false, key])]);
};

// The centre of the item's design rectangle, scaled as the window shows (on a touch screen it grows).
async function centre(page, name) {
  const { x, y, width } = await page.evaluate(() => ResX.getBoundingClientRect().toJSON());
  const [left, top, w, h] = rects[name].map((length) => (length * width) / ru.window[0]);
  return [x + left + w / 2, y + top + h / 2];
}
const act = async (page, name, tap = false) => page.click(...(await centre(page, name)), tap); // a real click or tap

// The live region and each control's colour, text, visibility and hover text; and the roles and names of the shown
// controls and the heading, as a screen reader finds them, computed in the page by axe-core.
async function check(page, { names, ...want }, context) {
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
  assert.deepEqual(tree.sort(), Object.entries(names).filter(([id, name]) => name && (want.controls[id]?.visible ?? true))
    .map(([id, name]) => `- ${role(id)} "${name}"`).sort(), context);
}

async function play(page, run, tap = false, { runs } = ru) {
  await check(page, runs[run][0], 'start-up');
  for (const [i, name] of SEQUENCES[run].split(' ').entries()) {
    await act(page, name, tap);
    await check(page, runs[run][i + 1], `after ${i + 1} clicks of "${SEQUENCES[run]}"`);
  }
}

test('clicks run the handlers of swatches, bands and the button, and change nothing else; in English too', async () => {
  const en = expect('--language', 'en', SEQUENCES[0]);
  assert.deepEqual([runs[0][2].line, runs[0][2].names.dig1, en.runs[0][2].line, en.runs[0][2].names.dig1],
    ['текущий цвет-жёлтый, Rx= 4?, ± 20%', 'полоса 1, 4-жёлтый', 'current colour: yellow, Rx= 4?, ± 20%',
      'band 1, 4 yellow']);
  for (const [want, run] of [...SEQUENCES.map((_, run) => [ru, run]), [en, 0]]) {
    const page = await open({ search: `?lang=${want.language}` });
    await play(page, run, false, want);
    if (run !== 0) continue;
    assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.title, announcement.ariaLive]),
      [want.language, want.title, 'polite']);
    const last = structuredClone(want.runs[0].at(-1));
    for (const field of ['resxx', 'toler']) { // editable, and typing presses nothing
      await act(page, field);
      for (const key of ['End', ' ', '1', 'Enter']) await press(page, key);
      last.controls[field].text += ' 1';
    }
    await check(page, last, 'after typing');
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

test('phone: the window is the largest that fits a touch screen either way round, unscrolled; taps decode',
  { skip: touch }, async () => {
    assert.equal(runs[0][6].controls.resxx.text, '4,7 KOm');
    for (const phone of [[390, 844], [844, 390]]) {
      const page = await open({ phone });
      const [viewport, scrolled, shown] = await page.evaluate(() => [[innerWidth, innerHeight],
        [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
        [ResX.getBoundingClientRect().width, ResX.getBoundingClientRect().height]]);
      assert.deepEqual([viewport, scrolled.map((length, i) => length <= viewport[i])], [phone, [true, true]]);
      const room = Math.min(...viewport.map((length, i) => length - 16 - shown[i])); // what the 8-pixel margins leave
      assert.ok(room >= -1 && room <= 1, `${shown} in ${phone}`);
      await play(page, 0, true);
    }
  });

test('audit: axe-core finds no WCAG 2.1 A or AA violation nor a breach of its best practice, at start-up or with ' +
  'six painted bands', async () => {
  const page = await open();
  for (const run of [null, 3]) {
    if (run !== null) await play(page, run);
    const { violations } = await page.evaluate(() =>
      axe.run({ runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] } }));
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.help} at ${v.nodes.map((n) => n.target).join(' ')}`), []);
  }
});

// The faces that the desktop window shows its captions and output in, where the design's are missing.
const DESKTOP_FACES = { caption: 'DejaVu Sans', output: 'Liberation Serif' };

test('look: the design colours and the desktop\'s faces, whatever the engine\'s own; every text fits', async () => {
  const page = await open();
  assert.deepEqual(await page.evaluate(() => [ResX.offsetWidth, ResX.offsetHeight]), ru.window); // with a mouse
  const [colours, misfits] = await page.evaluate((ids, texts, faces) => [ids.map((id) => { // back, text and border
    const style = getComputedStyle(document.getElementById(id));
    return [id, style.backgroundColor, style.color, style.borderTopStyle === 'none' ? style.color : style.borderTopColor];
  }), [...ids.map((id) => [id, document.getElementById(id).textContent]), ...texts].flatMap(([id, text]) => {
    const e = document.getElementById(id);
    const style = getComputedStyle(e); // its width, as the style sheet sets it, counts even while it is hidden
    // A label clips nothing: a left-aligned one's text may run on into the free room up to the window's edge, where
    // nothing lies (WebKitGTK's whole-pixel glyph advances take "± 100ppr/1градC" 2 px past the coefficient's 96).
    const runOn = e.localName === 'div' && style.textAlign === 'left' ?
      ResX.offsetWidth - parseFloat(style.left) - parseFloat(style.width) : 0;
    const room = ['width', 'paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth']
      .map((side) => parseFloat(style[side])).reduce((width, side) => width - side) + runOn;
    const width = (fontFamily) => { // of the text in the element's font, or in another family
      const span = Object.assign(document.body.appendChild(document.createElement('span')), { textContent: text });
      const { fontStyle, fontWeight, fontSize } = style;
      Object.assign(span.style, { position: 'absolute', whiteSpace: 'pre', fontStyle, fontWeight, fontSize, fontFamily });
      return [span.getBoundingClientRect().width, span.remove()][0];
    };
    const face = faces[Object.keys(faces).find((name) => e.classList.contains(name))];
    const [shown, desktop] = [width(style.fontFamily), width(`"${face}"`)];
    return shown > room || (text && shown !== desktop) ? [`${id} "${text}": ${shown} px, ${desktop} px in the ` +
      `desktop's face, ${room} px of room`] : [];
  })], items.filter((item) => item.colours).map((item) => item.name), texts, DESKTOP_FACES);
  assert.deepEqual(colours, items.filter((item) => item.colours).map(({ name, colours: [back, fore] }) =>
    [name, back, fore, fore]));
  assert.deepEqual(misfits, []);
});

// The browser's languages, as a script that runs before the page's own sets them.
const languagesInit = (wanted) =>
  `Object.defineProperty(navigator, 'languages', { get: () => ${JSON.stringify(wanted)} })`;
const noInit = webkit("WebKitWebDriver runs no script before a page's own, and MiniBrowser's languages stay en-US " +
  'whatever LANGUAGE says');

test('languages: the address\'s, else the browser\'s first that the page speaks, else English', { skip: noInit },
  async () => {
    const ROWS = [['', ['de-AT', 'de'], 'de'], ['', ['fr-FR'], 'en'], ['?lang=xx', ['uk'], 'uk']]; // the code ignored
    for (const [search, wanted, code] of ROWS) {
      const page = await open({ search, init: languagesInit(wanted) });
      const want = expect('--language', code, '');
      assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.title]),
        [want.language, want.title]);
      await check(page, want.runs[0][0], `${search} ${wanted}`);
    }
  });

// Every violation of the page's security policy, heard from before the page's scripts where the driver can; where it
// cannot (WebKitWebDriver), from when the page is wired, so only what the clicks do.
const WATCH = "window.violations = []; document.addEventListener('securitypolicyviolation', " +
  '(event) => violations.push(`${event.violatedDirective} ${event.blockedURI}`))';

test('policy: the page allows nothing beyond itself, and decodes under its policy without a violation', async () => {
  const page = await open({ init: WATCH });
  if (!page.init) await page.evaluate(WATCH);
  for (const name of ['yellow', 'dig1']) await act(page, name);
  await check(page, runs[0][2], 'after yellow and band 1');
  assert.match(await page.evaluate(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]')?.content),
    /^default-src 'none'; script-src 'sha256-[\w+/]{43}=' 'wasm-unsafe-eval';/);
  assert.deepEqual(await page.evaluate(() => violations), []);
});

test('contrast theme: under forced colours every swatch and shown band keeps its design colour, on the screen',
  { skip: webkit('WebKit has no forced colours') }, async () => {
    const page = await open({ forced: true });
    assert.equal(await page.evaluate(() => matchMedia('(forced-colors: active)').matches), true);
    for (const name of SEQUENCES[3].split(' ')) await act(page, name);
    const { controls } = runs[3].at(-1);
    const boxes = items.map(({ name }) => name).filter((name, i) => i < arrows.length - 1 ||
      (/^dig\d$/.test(name) && controls[name].visible));
    const points = await Promise.all(boxes.map((name) => centre(page, name)));
    assert.deepEqual(await page.evaluate(async (png, points) => { // the screenshot's pixels there
      const image = Object.assign(new Image(), { src: `data:image/png;base64,${png}` });
      await image.decode();
      const context = Object.assign(document.createElement('canvas'), { width: image.width, height: image.height })
        .getContext('2d');
      context.drawImage(image, 0, 0);
      return points.map(([x, y]) => `rgb(${context.getImageData(x, y, 1, 1).data.slice(0, 3).join(', ')})`);
    }, await page.screenshot(), points), boxes.map((name) => controls[name].back));
  });

test('without JavaScript only the line that asks for it shows, in every language', async () => {
  const page = await open({ noScript: true, wired: false });
  assert.deepEqual(await page.evaluate(() => [ResX.checkVisibility({ visibilityProperty: true }),
    ...[...document.querySelectorAll('noscript > p')].map((p) => `${p.lang} ${p.checkVisibility() && p.innerText}`)]),
  [false, ...languages.map((code) => `${code} ${expect('--language', code).noScript}`)]);
});

// The service workers that a page registers, as a script that runs before the page's own.
const REGISTERS = 'window.registered = []; const { serviceWorker } = navigator, register = serviceWorker.register;' +
  'serviceWorker.register = (url) => registered.push(url) && register.call(serviceWorker, url);';

test('site: installable, and kept offline by its service worker; the page from disk registers none', { skip: chromium },
  async () => {
    const { extname, join } = require('node:path');
    const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
      '.webmanifest': 'application/manifest+json' };
    const server = require('node:http').createServer((request, reply) => { // the site's files, on this machine alone
      const file = join(process.env.RESX_SITE, new URL(request.url, 'http://a').pathname.replace(/\/$/, '/index.html'));
      require('node:fs').readFile(file, (error, data) => reply.writeHead(error ? 404 : 200,
        { 'Content-Type': TYPES[extname(file)] }).end(data));
    }).listen(0, '127.0.0.1').unref(); // so a row that fails while it serves leaves nothing running
    await once(server, 'listening');
    const url = `http://127.0.0.1:${server.address().port}/`;
    const page = await open({ url: `${url}?lang=ru`, init: REGISTERS, persistent: true }); // a profile: installable
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
    const { installabilityErrors } = await (await page.page.createCDPSession()).send('Page.getInstallabilityErrors');
    assert.deepEqual([await page.evaluate(() => registered), installabilityErrors], [['sw.js'], []]);
    server.close();
    server.closeAllConnections();
    await load(page, `${url}?lang=ru`); // offline
    for (const name of ['yellow', 'dig1']) await act(page, name);
    await check(page, runs[0][2], 'offline, after yellow and band 1');
    assert.equal(await (await load(page, `${url}?lang=en`)).evaluate(() => document.documentElement.lang), 'en');
    assert.deepEqual(await (await open({ init: REGISTERS })).evaluate(() => registered), []);
  });
