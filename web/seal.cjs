// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seals a page that resx_shell wrote (and emscripten linked): the empty 'sha256-' of its security policy becomes the
// hash of its one inline script, now that the script is final.
//
// Given the markup that resx_shell wrote and emscripten's script and WebAssembly, it first writes the page: the
// markup with its script placeholder replaced by one inline script, which holds the WebAssembly as base64, decoded
// by the browser itself where it can (Uint8Array.fromBase64) and handed to emscripten's script as its binary, then
// that script. Emscripten's own single file decodes its base64 in a loop of JavaScript, which costs the page's start
// a tenth of its time.
//
// Given also a folder that resx_shell --site filled, it makes the site there: the page as index.html, linking the
// folder's web app manifest, and the service worker from its template, told the site's files and a cache name drawn
// from their contents, so that a changed site replaces the copy that browsers keep.
//
// Usage: node seal.cjs PAGE
//        node seal.cjs PAGE MARKUP SCRIPT WASM [SITE_FOLDER WORKER_TEMPLATE]
'use strict';
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');

const [page, markup, script, wasm, site, template, ...extra] = process.argv.slice(2);
if (page === undefined || (markup !== undefined && wasm === undefined) || (site !== undefined && template === undefined) ||
  extra.length > 0) {
  console.error('usage: node seal.cjs PAGE\n       node seal.cjs PAGE MARKUP SCRIPT WASM [SITE_FOLDER WORKER_TEMPLATE]');
  process.exit(2);
}

function attempt(what, file, action) {
  try {
    return action();
  } catch (error) {
    console.error(`seal.cjs: cannot ${what} ${file}: ${error.message}`);
    process.exit(1);
  }
}

if (markup !== undefined) {
  const shell = attempt('read', markup, () => fs.readFileSync(markup, 'utf8'));
  const code = attempt('read', script, () => fs.readFileSync(script, 'utf8'));
  const binary = attempt('read', wasm, () => fs.readFileSync(wasm)).toString('base64');
  const placeholder = '{{{ SCRIPT }}}';
  if (!shell.includes(placeholder)) {
    console.error(`seal.cjs: ${markup} has no ${placeholder}`);
    process.exit(1);
  }
  const decode = 'function(s){return Uint8Array.fromBase64?Uint8Array.fromBase64(s):' +
    'Uint8Array.from(atob(s),function(c){return c.charCodeAt(0)})}';
  const inline = `<script>var Module={wasmBinary:(${decode})("${binary}")};\n${code}</script>`;
  attempt('write', page, () => fs.writeFileSync(page, shell.replace(placeholder, () => inline)));
}

const html = attempt('read', page, () => fs.readFileSync(page, 'utf8'));
const scripts = [...html.matchAll(/<script>([\s\S]*?)<\/script>/g)];
const policy = /'sha256-[A-Za-z0-9+/=]*'/.exec(html);
if (scripts.length !== 1 || policy === null || policy.index > scripts[0].index) {
  console.error(`seal.cjs: ${page} needs one inline script, after a policy that allows a script by its hash`);
  process.exit(1);
}
const hash = crypto.createHash('sha256').update(scripts[0][1], 'utf8').digest('base64');
const sealed = html.slice(0, policy.index) + `'sha256-${hash}'` + html.slice(policy.index + policy[0].length);
attempt('write', page, () => fs.writeFileSync(page, sealed));

if (site !== undefined) {
  const manifest = attempt('read', site, () => fs.readdirSync(site)).find((file) => file.endsWith('.webmanifest'));
  if (manifest === undefined) {
    console.error(`seal.cjs: ${site} holds no web app manifest (resx_shell --site writes it)`);
    process.exit(1);
  }
  const index = path.join(site, 'index.html');
  attempt('write', index, () =>
    fs.writeFileSync(index, sealed.replace('</head>', `<link rel="manifest" href="${manifest}">\n</head>`)));
  const worker = path.join(site, path.basename(template));
  const files = fs.readdirSync(site).filter((file) => file !== path.basename(template)).sort();
  const contents = crypto.createHash('sha256');
  for (const file of files) contents.update(file).update(fs.readFileSync(path.join(site, file)));
  const code = attempt('read', template, () => fs.readFileSync(template, 'utf8'))
    .replace('@CACHE@', `resx-${contents.digest('hex').slice(0, 16)}`)
    .replace('@FILES@', JSON.stringify(['./', ...files]));
  attempt('write', worker, () => fs.writeFileSync(worker, code));
}
