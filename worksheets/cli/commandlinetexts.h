#pragma once

#include <QCoreApplication>

// The context of the command line's texts for translation. Japanese is the
// source language; the English translation is in translations/.
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
