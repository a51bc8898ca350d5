#include "worksheets.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString multiplicationSheet(const SlotTable<1500> &table, int32_t count, bool answers) {
  QString text = answers ? QString() : QStringLiteral("名前（）");
  for (int32_t n = 1; n <= count; ++n) {
    const ProblemRecord &r = table.at(n);
    const bool showLeft = answers || r.Remainder == 1;
    const bool showRight = answers || r.Remainder == 0;
    text += (showLeft ? QString::number(r.Left) : QString()) + QStringLiteral("×") +
            (showRight ? QString::number(r.Right) : QString()) + QStringLiteral("＝") +
            QString::number(r.Result);
  }
  return text;
}

template <int32_t N> QString divisionSheet(const SlotTable<N> &table, int32_t count, bool answers) {
  QString text = answers ? QString() : QStringLiteral("名前（）");
  for (int32_t n = 1; n <= count; ++n) {
    const ProblemRecord &r = table.at(n);
    const bool remainder = r.Result % r.Left != 0;
    text += QStringLiteral("%1÷%2＝").arg(r.Result).arg(r.Left);
    if (answers)
      text += QString::number(r.Right);
    if (remainder)
      text += QStringLiteral("…");
    if (answers && remainder)
      text += QString::number(r.Remainder);
  }
  return text;
}

} // namespace

QString poppler(const QString &tool, const QStringList &arguments) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty())
    return {};
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutBlanks(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

QString expectedSheet(const Preset &preset, const NumerikoState &state, bool answers) {
  if (preset.multiplication)
    return multiplicationSheet(state.bank.ProblemTable, preset.printCount, answers);
  if (preset.hardTable)
    return divisionSheet(state.bank.HardProblemTable, preset.printCount, answers);
  return divisionSheet(state.bank.ProblemTable, preset.printCount, answers);
}
