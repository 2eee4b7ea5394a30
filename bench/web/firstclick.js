// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's first click: the time from navigation start until the
// current colour's caption (#curcol) changes, while the green swatch is pressed
// from the moment it exists. Loads the page, in Russian and in English (its
// address asks for each, ?lang=), and its three references, the strict floor,
// the embind floor and the static page, in shuffled rounds, each in a fresh
// browser context of one headless Chromium, and prints their medians, the
// page's ratios to each and their sizes.
//
// Usage: node firstclick.js PAGE STRICT FLOOR STATIC [ROUNDS]
'use strict';

const fs = require('fs');
const path = require('path');
const url = require('url');

let puppeteer;
try {
  puppeteer = require('puppeteer-core');
} catch {
  console.error('firstclick.js needs puppeteer-core: npm ci --prefix build/web/browser (tests/web/package.json), ' +
    'found through NODE_PATH=build/web/browser/node_modules');
  process.exit(2);
}

const kDefaultRounds = 40;
const kSizeLimitKb = 80;

// Runs in the page before its own scripts. Presses #green once each task of a
// MessageChannel loop until #curcol's text differs from the markup's, then
// keeps the moment (ms since navigation start). One message is one task, so
// the parser, the script and the WebAssembly's instantiation take their turns
// between presses; setTimeout would be clamped to 4 ms, a frame's callback to
// 16 ms. The click event runs its handlers at once, so the text is read right
// after each press.
function pressUntilAnswered() {
  let initial;
  const channel = new MessageChannel();
  window.firstClick = new Promise((resolve) => {
    channel.port1.onmessage = () => {
      const green = document.getElementById('green');
      const caption = document.getElementById('curcol');
      if (green !== null && caption !== null) {
        initial ??= caption.textContent;
        green.click();
        if (caption.textContent !== initial) {
          resolve(performance.now());
          channel.port1.close();
          return;
        }
      }
      channel.port2.postMessage(null);
    };
  });
  channel.port2.postMessage(null);
}

async function load(browser, { file, search = '' }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(pressUntilAnswered);
  await page.goto(url.pathToFileURL(file).href + search, { waitUntil: 'domcontentloaded' });
  const ms = await page.evaluate(() => window.firstClick);
  await context.close();
  return ms;
}

function quantile(sorted, q) {
  const at = (sorted.length - 1) * q;
  const low = Math.floor(at);
  return sorted[low] + (sorted[Math.ceil(at)] - sorted[low]) * (at - low);
}

function shuffled(items) {
  const out = [...items];
  for (let i = out.length - 1; i > 0; --i) {
    const j = Math.floor(Math.random() * (i + 1));
    [out[i], out[j]] = [out[j], out[i]];
  }
  return out;
}

async function main() {
  const [pageFile, strictFile, floorFile, staticFile, roundsArg] = process.argv.slice(2);
  const rounds = roundsArg === undefined ? kDefaultRounds : Number(roundsArg);
  if (staticFile === undefined || !(Number.isInteger(rounds) && rounds > 0)) {
    console.error('usage: node firstclick.js PAGE STRICT FLOOR STATIC [ROUNDS]');
    process.exit(2);
  }
  const pages = [
    { name: 'page ru', file: pageFile, search: '?lang=ru', times: [] },
    { name: 'page en', file: pageFile, search: '?lang=en', times: [] },
    { name: 'strict', file: strictFile, times: [] },
    { name: 'floor', file: floorFile, times: [] },
    { name: 'static', file: staticFile, times: [] },
  ];
  // Chromium draws its own toolbar's pop-ups as web pages too (WebUI), even headless: their renderers load while the
  // page does and compete for the processors, which the page's figures would carry.
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--no-first-run', '--disable-sync', '--disable-quic',
      '--disable-features=WebUIOmniboxPopup,WebUIOmniboxFullPopup,WebUIOmniboxAimPopup'],
  });
  try {
    for (const each of pages) { // one unmeasured load each: the browser's own first-use costs
      await load(browser, each);
    }
    for (let round = 0; round < rounds; ++round) {
      for (const each of shuffled(pages)) {
        each.times.push(await load(browser, each));
      }
    }
  } finally {
    await browser.close();
  }

  console.log(`First click, ms from navigation start, ${rounds} shuffled rounds (median, 10th-90th percentile), ` +
    'and size in KB of 1,000 bytes:');
  const median = {};
  for (const each of pages) {
    const sorted = [...each.times].sort((a, b) => a - b);
    median[each.name] = quantile(sorted, 0.5);
    console.log(`  ${each.name.padEnd(8)} ${median[each.name].toFixed(1).padStart(6)}  ` +
      `(${quantile(sorted, 0.1).toFixed(1)}-${quantile(sorted, 0.9).toFixed(1)})  ` +
      `${(fs.statSync(each.file).size / 1000).toFixed(1).padStart(6)} KB  ${path.basename(each.file)}`);
  }
  for (const language of ['ru', 'en']) {
    const page = median[`page ${language}`];
    console.log(`page ${language}: /strict ${(page / median.strict).toFixed(2)} (aim: at most 1.10), ` +
      `/floor ${(page / median.floor).toFixed(2)} (the embind floor), /static ${(page / median.static).toFixed(2)}`);
  }
  console.log(`page size: ${(fs.statSync(pageFile).size / 1000).toFixed(1)} KB (aim: at most ${kSizeLimitKb} KB)`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
