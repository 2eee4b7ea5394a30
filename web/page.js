// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's whole JavaScript side (web/pagecalls.h): it finds elements by their ids, the controls' names, changes
// their properties, attributes and styles, reads the languages the page is asked for, and hands presses to the
// WebAssembly. The decoder and the design are C++.
mergeInto(LibraryManager.library, {
  // A text that the WebAssembly passes: UTF-8 in its memory, ended by a null. Emscripten's own helpers for this are
  // linked differently by each of Debian's versions of it. One decoder serves every text.
  $text: function (pointer) {
    text.decoder ??= new TextDecoder();
    return text.decoder.decode(HEAPU8.subarray(pointer, HEAPU8.indexOf(0, pointer)));
  },
  $element__deps: ['$text'],
  $element: function (id) {
    return document.getElementById(text(id));
  },
  pageSet__deps: ['$text', '$element'],
  pageSet: function (id, property, value) {
    element(id)[text(property)] = text(value);
  },
  pageAttribute__deps: ['$text', '$element'],
  pageAttribute: function (id, name, value) {
    if (value) element(id).setAttribute(text(name), text(value));
    else element(id).removeAttribute(text(name));
  },
  pageStyle__deps: ['$text', '$element'],
  pageStyle: function (id, property, value) {
    element(id).style[text(property)] = text(value);
  },
  pageHide__deps: ['$element'],
  pageHide: function (id, hidden) {
    element(id).hidden = !!hidden;
  },
  pageDocument__deps: ['$text'],
  pageDocument: function (title, language) {
    document.title = document.querySelector('h1').textContent = text(title);
    document.documentElement.lang = text(language);
  },
  pageLanguages: function (buffer, size) {
    const asked = new URLSearchParams(location.search).get('lang') ?? '';
    new TextEncoder().encodeInto(`${[asked, ...navigator.languages].join('\n')}\0`, HEAPU8.subarray(buffer, buffer + size - 1));
  },
  // One listener on the window serves every wired control: `controlIds` holds each control's id on the line of its
  // number, an empty line for one that is not wired. A held Enter or Space presses once, as on the desktop: a key's
  // repeats lose their default, which would press the button again for each.
  pageWire__deps: ['$text', '$element'],
  pageWire: function (windowId, controlIds) {
    const controls = new Map(text(controlIds).split('\n').map((id, control) => [id, control]));
    controls.delete('');
    const listened = element(windowId);
    const wired = (event) => controls.has(event.target.id);
    listened.addEventListener('click', (event) => wired(event) && _resxPress(controls.get(event.target.id)));
    listened.addEventListener('keydown', (event) => event.repeat && wired(event) && event.preventDefault());
  },
  // The site keeps itself for offline use through its service worker, which the page registers where it links the
  // site's manifest: the single file, opened from disk or served alone, registers none. Where registering fails (the
  // site opened from disk), the page works as it is.
  pageKeepOffline: function () {
    if (document.querySelector('link[rel=manifest]') && 'serviceWorker' in navigator) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  },
});
