// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's whole JavaScript side (web/pagecalls.h): it finds elements by their ids, the controls' names, changes
// their properties, attributes and styles, reads the languages the page is asked for, and hands presses to the
// WebAssembly. The decoder and the design are C++.
mergeInto(LibraryManager.library, {
  // A text that the WebAssembly passes: UTF-8 in its memory, ended by a null. Emscripten's own helpers for this are
  // linked differently by each of Debian's versions of it.
  $text: function (pointer) {
    return new TextDecoder().decode(HEAPU8.subarray(pointer, HEAPU8.indexOf(0, pointer)));
  },
  $element__deps: ['$text'],
  $element: function (id) {
    return document.getElementById(text(id));
  },
  page_set__deps: ['$text', '$element'],
  page_set: function (id, property, value) {
    element(id)[text(property)] = text(value);
  },
  page_attribute__deps: ['$text', '$element'],
  page_attribute: function (id, name, value) {
    if (value) element(id).setAttribute(text(name), text(value));
    else element(id).removeAttribute(text(name));
  },
  page_style__deps: ['$text', '$element'],
  page_style: function (id, property, value) {
    element(id).style[text(property)] = text(value);
  },
  page_hide__deps: ['$element'],
  page_hide: function (id, hidden) {
    element(id).hidden = !!hidden;
  },
  page_document__deps: ['$text'],
  page_document: function (title, language) {
    document.title = document.querySelector('h1').textContent = text(title);
    document.documentElement.lang = text(language);
  },
  page_languages: function (buffer, size) {
    const asked = new URLSearchParams(location.search).get('lang') ?? '';
    new TextEncoder().encodeInto(`${[asked, ...navigator.languages].join('\n')}\0`, HEAPU8.subarray(buffer, buffer + size - 1));
  },
  // A held Enter or Space presses once, as on the desktop: a key's repeats lose their default, which would press the
  // button again for each.
  page_wire__deps: ['$element'],
  page_wire: function (id, control) {
    const wired = element(id);
    wired.addEventListener('click', () => _resx_press(control));
    wired.addEventListener('keydown', (event) => event.repeat && event.preventDefault());
  },
  // The site keeps itself for offline use through its service worker, which the page registers where it links the
  // site's manifest: the single file, opened from disk or served alone, registers none. Where registering fails (the
  // site opened from disk), the page works as it is.
  page_keep_offline: function () {
    if (document.querySelector('link[rel=manifest]') && 'serviceWorker' in navigator) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  },
});
