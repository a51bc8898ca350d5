#pragma once

#include "sheetkinds.h"
#include "worksheetpresets.h"

#include <QString>

#include <cstdint>

// What --list-kinds, --list-units and --list-presets print on standard
// output, and the parts of it the manual page shows too.

// What a kind asks, e.g. "addition: first + second = result".
[[nodiscard]] QString kindSummary(const SheetKindInfo &kind);
// The ranges a kind starts from, and whether it takes --carry.
[[nodiscard]] QString kindDefaults(const SheetKindInfo &kind);
// How a preset's sheet is laid out, e.g. "(81 problems, 21 rows of 4)".
[[nodiscard]] QString presetLayout(const WorksheetPreset &preset);
// A school year, e.g. "grade 2".
[[nodiscard]] QString gradeName(int32_t grade);

void listKinds();
void listUnits();
void listPresets();
