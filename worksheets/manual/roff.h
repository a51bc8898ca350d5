#pragma once

#include <QString>

// Text for a manual page in roff's man(7) macros. Hyphens become minus signs,
// so that options copy as they are typed, and what is not ASCII becomes a
// Unicode escape, so that the page reads the same whatever the locale.

// The text of one line, with nothing in it roff reads as markup.
[[nodiscard]] QString roffText(const QString &text);
[[nodiscard]] QString roffBold(const QString &text);
[[nodiscard]] QString roffItalic(const QString &text);
