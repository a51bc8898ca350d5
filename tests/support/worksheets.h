#pragma once

#include "numerikostate.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <iterator>

// The four preset worksheets and what their sheets read, for the tests that
// print them and read the printed PDFs back with the poppler tools.
struct Preset {
  const char *button;
  int32_t printCount;
  bool multiplication;
  bool remainders;
  bool hardTable;
};

inline constexpr Preset kPresets[] = {
    {"Button4", 81, true, false, false},
    {"Button9", 90, false, false, false},
    {"Button7", 100, false, true, false},
    {"Button10", 100, false, true, true},
};
inline constexpr int kPresetCount = int(std::size(kPresets));

// A poppler tool's standard output, or a null string when it cannot be run.
QString poppler(const QString &tool, const QStringList &arguments);

QString withoutBlanks(QString text);

// What a preset's sheet reads in drawing order, blanks left out: the name
// field on the problem sheet, then every item as the print run draws it, from
// the table the preset printed as it stands after the run.
QString expectedSheet(const Preset &preset, const NumerikoState &state, bool answers);
