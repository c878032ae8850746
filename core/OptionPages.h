// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Options.h"

namespace platform {
class COptionStore;
}

// How the pages of the Options window turn options into controls and back, as plain values
// and functions, so that the rules hold without windows. The window only moves values
// between these and its widgets.

// Preview page: renamed files are found only by move detection, so their box can be used
// only while move detection is on, and turning detection off turns it off too.
struct SRenamesBox {
  bool enabled = false;
  bool checked = false;
};
SRenamesBox RenamesBoxFor(bool detectMoves, bool includeRenames);

// Numbers page: the choice that shows a stored separator, and the Other field's text for it
// (the character itself for Other, empty for the named choices).
EThousandsSepChoice ThousandsSepChoice(char separator);
std::string OtherSepText(char separator);

// Which of the Numbers page's controls can be used: the choices only while separators are
// inserted, the Other field only then and while Other is chosen.
struct SNumbersEnabling {
  bool choices = false;
  bool otherField = false;
};
SNumbersEnabling NumbersPageEnabling(bool useThousandsSep, EThousandsSepChoice choice);

// File Times page. Reads a field that must hold an integer in low..high. Spaces around the number
// and a sign are allowed. On failure `message` says what is wrong, as the window shows it.
std::optional<int32_t> ReadIntegerField(std::string_view text, int32_t low, int32_t high,
                                        std::string& message);

// The File Times page's three fields as typed.
struct SFileTimesFields {
  std::string hours;
  std::string minutes;
  std::string seconds;
};
enum class EFileTimesField { kHours, kMinutes, kSeconds };

struct SFieldError {
  EFileTimesField field = EFileTimesField::kHours;
  std::string message;
};

SFileTimesFields FileTimesFieldsFor(const SProgramOptions& options);
// Reads the fields in their order into the three threshold values of `options`. At the
// first field that does not hold a value in its range, nothing is changed and `error` names
// that field and its message.
bool ReadFileTimesFields(const SFileTimesFields& fields, SProgramOptions& options,
                         SFieldError& error);

// What the program does with the options of an accepted Options window, apart from the
// windows themselves (fonts): takes over the values the pages edit, recomputes the
// tolerance, sets the process-wide copies and saves the options at once. Values that no
// page shows (the Program Notes topic) stay as they are in `options`. False when the store
// could not be written.
bool AcceptOptions(SProgramOptions& options, const SProgramOptions& edited,
                   platform::COptionStore& store);
