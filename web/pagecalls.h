// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the page's WebAssembly asks of the page: the whole of its JavaScript
// side, web/page.js, which emscripten links in (--js-library). Elements go by
// their ids, which are the controls' names; texts are UTF-8, ended by a null.
extern "C" {

// Sets a property of the element: its text (textContent), an input's value,
// its hover text (title).
void pageSet(const char *id, const char *property, const char *text);
// Sets one of the element's attributes, or takes it away when `text` is null.
void pageAttribute(const char *id, const char *name, const char *text);
// Sets a property of the element's style, as CSS text.
void pageStyle(const char *id, const char *property, const char *text);
// Hides the element, or shows it again.
void pageHide(const char *id, bool hidden);
// Gives the page's title and heading and its language.
void pageDocument(const char *title, const char *language);
// The languages that the page is asked for, one a line: the address's
// ?lang= first (an empty line where it has none), then the browser's.
// Written into `buffer`, cut at `size` bytes.
void pageLanguages(char *buffer, int size);
// Hands the clicks, taps and pressing keys of the window's wired controls to
// resxPress(control), and keeps a held key from pressing again on each
// repeat. `controlIds` holds each control's id on the line of its number, an
// empty line for a control that is not wired.
void pageWire(const char *windowId, const char *controlIds);
// Has the page kept for offline use, where it is part of the site.
void pageKeepOffline();

// Called by the page for a press of a wired control (pageWire).
void resxPress(int control);
}
