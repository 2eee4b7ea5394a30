// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"
#include "surface/language.h"

#include <map>
#include <set>
#include <string>

// Every text that a control shows, in `language`, from its design on: over
// every band count, each band offered every colour, the multipliers first
// (their values with unpainted digits), then the digits (with painted ones).
std::map<Control, std::set<std::string>> everyText(Language language);
