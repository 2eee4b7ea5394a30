// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The page, written from the design table when the page is built: the window
// `ResX` and every control on it as an element whose id is the control's
// name, at its design place, in its design colours and faces, and in the state
// that start-up leaves it in, with the window's pointers and icon, so the page
// shows at once and its WebAssembly has only to wire it (the window is busy,
// aria-busy, until then). Elements follow the keyboard's order, the resistor's
// rectangles first, which lie under the bands. `script` stands where the
// page's script goes.
std::string pageMarkup(std::string_view script);

// What the page may do: nothing beyond itself. Its one inline script is
// allowed by its hash, which the build writes into the empty 'sha256-' once
// the script is final (web/seal.cjs); its WebAssembly is compiled from the
// script's own bytes ('wasm-unsafe-eval'); styles are inline, images data
// URLs, and the site's manifest, its icons and its service worker come from
// its own origin.
inline constexpr std::string_view kSecurityPolicy =
    "default-src 'none'; script-src 'sha256-' 'wasm-unsafe-eval'; style-src 'unsafe-inline'; img-src data: 'self'; "
    "manifest-src 'self'; worker-src 'self'";

// The id of the element that describes an output field to assistive
// technology (aria-describedby), by the field's name.
inline std::string descriptionId(std::string_view name) { return std::string(name) + "-description"; }

// The id of the page's live region, through which assistive technology hears
// the outcome of each press.
inline constexpr std::string_view kAnnouncementId = "announcement";
