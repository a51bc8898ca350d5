#pragma once

#include <QString>

// The bash completion of numeriko-worksheets, from the program's option
// table: every option, and the words of each option whose value is one of a
// table's names. The printers are the CUPS queues when the user completes,
// and -o takes a file name. Throws std::runtime_error when an option it
// needs is gone or a word could not be quoted.
[[nodiscard]] QString bashCompletion();
