#include "epilogueparts.h"

#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

namespace {

bool indented(const QString &line) { return line.startsWith(u' '); }

// "  0  the PDF was written; when printing," and its further lines.
QList<ExitStatusNote> exitStatusNotes(const QStringList &entries) {
  static const QRegularExpression first(QStringLiteral(R"(^ +(\d+) +(\S.*)$)"));
  QList<ExitStatusNote> notes;
  for (const QString &line : entries) {
    if (const auto match = first.match(line); match.hasMatch())
      notes.append({match.captured(1).toInt(), match.captured(2)});
    else if (!notes.isEmpty())
      notes.last().meaning += u' ' + line.trimmed();
    else
      return {};
  }
  return notes;
}

} // namespace

EpilogueParts splitEpilogue(const QString &epilogue, const QString &program) {
  EpilogueParts parts;
  for (const QString &paragraph : epilogue.trimmed().split(QStringLiteral("\n\n"))) {
    QStringList lines = paragraph.split(u'\n');
    const bool titled = lines.size() > 1 && !indented(lines.first()) &&
                        lines.first().endsWith(u':') &&
                        std::all_of(lines.begin() + 1, lines.end(), indented);
    if (!titled) {
      parts.notes.append(lines.join(u' '));
      continue;
    }
    lines.removeFirst();
    if (lines.first().trimmed().startsWith(program + u' ')) {
      for (const QString &line : lines)
        parts.examples.append(line.trimmed());
    } else if (auto notes = exitStatusNotes(lines); !notes.isEmpty()) {
      parts.exitStatuses = notes;
    } else {
      throw std::runtime_error("the help has a titled paragraph of neither examples nor "
                               "exit statuses: " +
                               paragraph.toStdString());
    }
  }
  if (parts.examples.isEmpty() || parts.exitStatuses.isEmpty())
    throw std::runtime_error("the help names no examples or no exit statuses");
  return parts;
}
