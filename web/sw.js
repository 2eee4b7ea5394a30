// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site's service worker: keeps every file of the site once it is installed, and answers from that copy first, so
// the site works offline after one visit. The build (web/seal.cjs) names the cache after the site's contents and
// lists its files, so a new site replaces the old copy.
'use strict';
const cache = '@CACHE@';
const files = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cache).then((kept) => kept.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's own address with a language (?lang=de) is the same page.
self.addEventListener('fetch', (event) => {
  event.respondWith(caches.match(event.request, { ignoreSearch: true }).then((kept) => kept ?? fetch(event.request)));
});
