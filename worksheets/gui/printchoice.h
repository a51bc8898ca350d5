#pragma once

#include "papers.h"
#include "spoolsubmit.h"

#include <QString>

#include <optional>

class QWidget;

// What the system's print dialog chose: a CUPS queue and its options, or a
// PDF file (the dialog's "print to file").
struct PrintChoice {
  QString queue;
  QString pdfFile;
  SpoolOptions options;
};

// Asks with the system's print dialog, starting from the sheets' paper; none
// when the user cancels.
[[nodiscard]] std::optional<PrintChoice> askPrintDialog(QWidget *parent, const QString &docName,
                                                        PageSetup page);
