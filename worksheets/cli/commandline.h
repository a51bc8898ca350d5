#pragma once

#include <QStringList>

#include <array>

// How the command line ends, as GNU tools end.
enum class ExitStatus : int {
  Success = 0,
  Failure = 1,       // the job could not be written
  Usage = 2,         // a bad option or value, or no options at all
  NotYetPrinted = 3, // the jobs were handed over, not all printed within the wait
};
// Every status, for the manual page to find each in the help.
inline constexpr std::array kExitStatuses{ExitStatus::Success, ExitStatus::Failure,
                                          ExitStatus::Usage, ExitStatus::NotYetPrinted};

// Reads the options (arguments[0] is the program), prints the batch to PDF
// or through the print spooler, and says on standard error what went wrong,
// if anything, or what became of each job printed.
[[nodiscard]] ExitStatus runCommandLine(const QStringList &arguments);
