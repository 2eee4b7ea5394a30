// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/recordingsurface.h"
#include "tests/support/oracle.h"

#include <string>

// Compares a recording surface with the oracle fed the same clicks: visibility, band
// colours, current colour, button caption, and the value, tolerance and
// temperature-coefficient texts read back as numbers. Returns one line per
// disagreement, empty when they agree.
std::string check(const Oracle &oracle, const RecordingSurface &surface);
