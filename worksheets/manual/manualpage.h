#pragma once

#include <QString>

// numeriko-worksheets(1) in roff, from the program's option table, its
// tables and its help in the installed translation's language. Throws
// std::runtime_error when the help no longer reads as the page expects.
[[nodiscard]] QString manualPage(const QString &date);
