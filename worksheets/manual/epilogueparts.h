#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help's epilogue in the parts a manual page sets apart. The epilogue is
// paragraphs; a titled one ("Examples:") has its entries indented under the
// title, and an entry's next lines indented further.
struct ExitStatusNote {
  int status = 0;
  QString meaning;
};

struct EpilogueParts {
  QStringList examples; // command lines
  QStringList notes;    // the untitled paragraphs, each on one line
  QList<ExitStatusNote> exitStatuses;
};

// Throws std::runtime_error on an epilogue without examples or exit statuses.
[[nodiscard]] EpilogueParts splitEpilogue(const QString &epilogue, const QString &program);
