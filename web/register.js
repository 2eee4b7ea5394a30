// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site keeps itself for offline use through its service worker, which the page registers where it links the
// site's manifest: the single file, opened from disk or served alone, registers none. Where registering fails (the
// site opened from disk), the page works as it is.
if (document.querySelector('link[rel=manifest]') && 'serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
