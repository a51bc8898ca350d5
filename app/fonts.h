#pragma once

#include "formdefinition.h"

#include <QColor>
#include <QFont>

// The window's typefaces are asked for by their own names; these map them onto
// the Japanese fonts installed with the program, so that Japanese texts and
// digits come from one font instead of a Latin fallback.
void installFontSubstitutions();

[[nodiscard]] QFont fontFor(const FontDef &font, const FontDef &windowFont);
[[nodiscard]] QColor colourFor(Colour colour, QColor fallback);
