#pragma once

#include <QStringList>

// How the command line ends, as GNU tools end.
enum class ExitStatus : int {
  Success = 0,
  Failure = 1, // the job could not be written
  Usage = 2,   // a bad option or value, or no options at all
};

// Reads the options (arguments[0] is the program), prints the batch to PDF
// and says on standard error what went wrong, if anything.
[[nodiscard]] ExitStatus runCommandLine(const QStringList &arguments);
