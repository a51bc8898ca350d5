#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

// The command line's help in the installed translation's language: what
// --help prints, and what the manual page is made of.

// What the program makes, in a sentence.
[[nodiscard]] QString applicationDescription();
// Every option the command line takes, in the order --help lists them.
[[nodiscard]] QList<QCommandLineOption> commandLineOptions();
// What a run with no options at all prints.
[[nodiscard]] QString usage();
// What --help prints after the options: examples, notes and the exit
// statuses, in paragraphs; a titled one has its entries indented.
[[nodiscard]] QString epilogue();
