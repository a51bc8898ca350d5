#include "commandline.h"

#include "batchwriter.h"
#include "joboptions.h"
#include "refusalwording.h"
#include "sheetkinds.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <random>

namespace {

constexpr QLatin1StringView kProgram("numeriko-worksheets");
constexpr QLatin1StringView kDefaultOutput("worksheets.pdf");

QTextStream &errorStream() {
  static QTextStream stream(stderr);
  return stream;
}

void say(const QString &message) { errorStream() << kProgram << ": " << message << Qt::endl; }

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString rangeText(NumberRange range) {
  return QStringLiteral("%1..%2").arg(range.low).arg(range.high);
}

void listPresets() {
  QTextStream out(stdout);
  for (const WorksheetPreset &p : kWorksheetPresets)
    out << fromUtf8(p.name).leftJustified(11) << fromUtf8(p.caption) << "  (" << p.printCount
        << " problems in " << p.rows << " rows of " << p.columns << ")\n";
}

void listKinds() {
  QTextStream out(stdout);
  for (const SheetKindInfo &k : kSheetKinds) {
    out << fromUtf8(k.name).leftJustified(18) << fromUtf8(k.caption) << "\n    "
        << fromUtf8(k.summary) << "\n    default --first " << rangeText(k.first) << " --second "
        << rangeText(k.second);
    if (k.result)
      out << " --result " << rangeText(*k.result) << " (while no operand range is given)";
    if (k.takesCarry)
      out << "; takes --carry";
    out << "\n";
  }
}

const char *const kUsage =
    "Usage: numeriko-worksheets --preset NAME | --kind KIND... [options] [-o FILE]\n"
    "Try 'numeriko-worksheets --help' for the options.";

const char *const kEpilogue = R"(
Examples:
  numeriko-worksheets --preset divrem100 --answers --sheets 30 --seed 7 -o class-3.pdf
  numeriko-worksheets --kind subtract --max 9 --count 50 --date-field -o -
  numeriko-worksheets --kind add --kind subtract --first 10..99 --second 1..9 --carry no

With --preset, only --sheets, --copies, --seed, --answers, --answers-at-end,
the fields, --title, --numbers, --paper and -o apply.
Every sheet's footer shows its seed: --seed <that seed> --sheets 1 prints that
sheet again, the same on every machine.

Exit status: 0 when the PDF was written, 1 when it could not be written
(nothing is left half-written), 2 on a bad option or value.)";

void addOptions(QCommandLineParser &parser) {
  parser.setApplicationDescription(QStringLiteral(
      "Makes arithmetic worksheets with answer sheets as one PDF: the four presets of "
      "Numeriko, or sheets of the kinds, ranges and fields you choose."));
  parser.addHelpOption();
  parser.addVersionOption();
  for (const JobOption &option : jobOptions())
    parser.addOption(option.option);
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                    QStringLiteral("Where to write the PDF (- for standard output; default "
                                   "worksheets.pdf)."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("list-presets"), QStringLiteral("Lists the presets.")});
  parser.addOption({QStringLiteral("list-kinds"), QStringLiteral("Lists the kinds of problem.")});
  parser.addOption({QStringLiteral("gui"), QStringLiteral("Opens the window (also what no "
                                                          "options at all do on a desktop).")});
}

// The job the options describe, or the first option that does not read.
std::optional<UsageError> fillJob(const QCommandLineParser &parser, WorksheetJob &job) {
  for (const JobOption &option : jobOptions()) {
    const QString name = option.option.names().constFirst();
    if (!parser.isSet(name))
      continue;
    const QStringList values =
        option.option.valueName().isEmpty() ? QStringList() : parser.values(name);
    if (auto failed = option.apply(job, values))
      return failed;
  }
  return std::nullopt;
}

uint32_t drawnSeed() {
  std::random_device device;
  return device() % 1000000000U;
}

} // namespace

ExitStatus runCommandLine(const QStringList &arguments) {
  QCommandLineParser parser;
  addOptions(parser);
  if (arguments.size() <= 1) {
    errorStream() << kUsage << Qt::endl;
    return ExitStatus::Usage;
  }
  if (!parser.parse(arguments)) {
    say(parser.errorText());
    return ExitStatus::Usage;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    QTextStream(stdout) << parser.helpText() << kEpilogue << "\n";
    return ExitStatus::Success;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    QTextStream(stdout) << kProgram << " " << QCoreApplication::applicationVersion() << "\n";
    return ExitStatus::Success;
  }
  if (parser.isSet(QStringLiteral("list-presets")) || parser.isSet(QStringLiteral("list-kinds"))) {
    if (parser.isSet(QStringLiteral("list-presets")))
      listPresets();
    if (parser.isSet(QStringLiteral("list-kinds")))
      listKinds();
    return ExitStatus::Success;
  }
  if (!parser.positionalArguments().isEmpty()) {
    say(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    return ExitStatus::Usage;
  }

  WorksheetJob job;
  if (const auto failed = fillJob(parser, job)) {
    say(refusalText(failed->refusal, failed->value));
    return ExitStatus::Usage;
  }
  const bool seedGiven = parser.isSet(QStringLiteral("seed"));
  if (!seedGiven)
    job.seed = drawnSeed();
  const JobCheck check = validateJob(job);
  if (const auto *refusal = std::get_if<Refusal>(&check)) {
    say(refusalText(*refusal));
    return ExitStatus::Usage;
  }
  const ResolvedJob &resolved = std::get<ResolvedJob>(check);
  if (!seedGiven)
    say(QStringLiteral("seed %1 (--seed %1 makes these sheets again)").arg(resolved.seed));

  const bool outputGiven = parser.isSet(QStringLiteral("output"));
  const QString output =
      outputGiven ? parser.value(QStringLiteral("output")) : QString(kDefaultOutput);
  const BatchWrite written = writeBatchPdf(resolved, output);
  if (written.outcome != BatchWrite::Outcome::Written) {
    say(QStringLiteral("cannot write %1: %2")
            .arg(output == kStandardOutput ? QStringLiteral("to standard output") : output,
                 written.error));
    return ExitStatus::Failure;
  }
  if (!outputGiven)
    say(QStringLiteral("wrote %1 pages to %2").arg(written.pages).arg(output));
  return ExitStatus::Success;
}
