// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decoder/resx.h"
#include "web/websurface.h"

// The window on the page: the decoder on the page's elements, with clicks,
// taps and the keys that press a button forwarded to the decoder's handlers,
// in the language the page's address (?lang=de) or else the browser asks for.
class WebWindow {
public:
  WebWindow();

  // Runs the decoder's start-up, then wires the controls.
  void open();
  // Runs the control's handler, then tells assistive technology the outcome
  // through the page's live region.
  void press(Control control);

private:
  // Writes the design's texts in the window's language over the source
  // language's, which the markup holds.
  void translate() const;

  Language language_;
  WebSurface surface_{language_};
  ResX resx_{surface_, language_};
};
