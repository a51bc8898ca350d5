#include "commandline.h"
#include "commandlinehelp.h"
#include "commandlinetexts.h"

#include "batchwriter.h"
#include "joboptions.h"
#include "listings.h"
#include "numbertext.h"
#include "refusalwording.h"
#include "sheetgenerator.h"
#include "sheetstyles.h"
#include "spooledprint.h"
#include "spoolqueries.h"
#include "spoolwording.h"
#include "typefacecheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

namespace {

constexpr QLatin1StringView kProgram("numeriko-worksheets");
constexpr QLatin1StringView kDefaultOutput("worksheets.pdf");
constexpr int64_t kLongestWait = 24 * 60 * 60;

QTextStream &errorStream() {
  static QTextStream stream(stderr);
  return stream;
}

void say(const QString &message) { errorStream() << kProgram << ": " << message << Qt::endl; }

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

ExitStatus listPrinters() {
  auto opened = SpoolConnection::open(kSpoolRequestLimit);
  if (auto *error = std::get_if<SpoolError>(&opened)) {
    say(SpoolWording::failure(*error, {}));
    return ExitStatus::Failure;
  }
  auto listed = listQueues(std::get<SpoolConnection>(opened));
  if (auto *error = std::get_if<SpoolError>(&listed)) {
    say(SpoolWording::failure(*error, {}));
    return ExitStatus::Failure;
  }
  const auto &queues = std::get<std::vector<QueueStatus>>(listed);
  if (queues.empty()) {
    say(CommandLine::tr("プリンターがありません"));
    return ExitStatus::Failure;
  }
  QTextStream out(stdout);
  for (const QueueStatus &queue : queues)
    out << SpoolWording::queueLine(queue) << "\n";
  return ExitStatus::Success;
}

// Prints the batch through the spooler and says what became of each job.
ExitStatus printJob(const ResolvedJob &job, const QCommandLineParser &parser,
                    std::chrono::seconds wait) {
  SpoolRequest request;
  request.queue = parser.value(QStringLiteral("printer")).toStdString();
  request.wait = wait;
  request.options.media = std::string(paperInfo(job.sheet.page.paper).ippMedia);
  const bool oneJob = parser.isSet(QStringLiteral("one-job"));
  const auto jobs = spoolerJobs(job, oneJob);
  const SpoolRun run = printThroughSpooler(job, jobs, request, [](SpoolProgress progress) {
    if (progress.step == SpoolProgress::Step::QueueChecked &&
        progress.run->queueAtStart.state == QueueState::Paused)
      say(SpoolWording::paused(progress.run->queueAtStart));
    return true;
  });
  for (const QString &line : SpoolWording::jobLines(run, jobs, job.sheets, oneJob, true))
    say(line);
  say(SpoolWording::summary(run));
  switch (spoolVerdict(run)) {
  case SpoolVerdict::Printed:
    return ExitStatus::Success;
  case SpoolVerdict::Waiting:
    return ExitStatus::NotYetPrinted;
  case SpoolVerdict::Failed:
    break;
  }
  return ExitStatus::Failure;
}

// The first option given with --reprint that the code decides, if any.
QString reprintConflict(const QCommandLineParser &parser) {
  static const QStringList kWithReprint{
      QStringLiteral("reprint"), QStringLiteral("answers"), QStringLiteral("answers-at-end"),
      QStringLiteral("copies"),  QStringLiteral("title"),   QStringLiteral("o"),
      QStringLiteral("output"),  QStringLiteral("printer"), QStringLiteral("print"),
      QStringLiteral("wait"),    QStringLiteral("one-job")};
  if (!parser.isSet(QStringLiteral("reprint")))
    return {};
  for (const QString &name : parser.optionNames())
    if (!kWithReprint.contains(name))
      return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  return {};
}

uint32_t drawnSeed() {
  std::random_device device;
  return device() % 1000000000U;
}

} // namespace

ExitStatus runCommandLine(const QStringList &arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(applicationDescription());
  parser.addOptions(commandLineOptions());
  if (arguments.size() <= 1) {
    errorStream() << usage() << Qt::endl;
    return ExitStatus::Usage;
  }
  if (!parser.parse(arguments)) {
    say(parser.errorText());
    return ExitStatus::Usage;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    QTextStream(stdout) << parser.helpText() << epilogue() << "\n";
    return ExitStatus::Success;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    QTextStream(stdout) << kProgram << " " << QCoreApplication::applicationVersion() << "\n";
    return ExitStatus::Success;
  }
  if (parser.isSet(QStringLiteral("list-printers")))
    return listPrinters();
  const std::array<std::pair<QString, void (*)()>, 3> lists{
      {{QStringLiteral("list-units"), &listUnits},
       {QStringLiteral("list-presets"), &listPresets},
       {QStringLiteral("list-kinds"), &listKinds}}};
  if (std::any_of(lists.begin(), lists.end(),
                  [&](const auto &list) { return parser.isSet(list.first); })) {
    for (const auto &[name, list] : lists)
      if (parser.isSet(name))
        list();
    return ExitStatus::Success;
  }
  if (!parser.positionalArguments().isEmpty()) {
    say(CommandLine::tr("余分な引数 '%1' があります")
            .arg(parser.positionalArguments().constFirst()));
    return ExitStatus::Usage;
  }

  const bool printing =
      parser.isSet(QStringLiteral("printer")) || parser.isSet(QStringLiteral("print"));
  if (printing && parser.isSet(QStringLiteral("output"))) {
    say(CommandLine::tr("-o と --printer（--print）は、どちらか一方だけにしてください"));
    return ExitStatus::Usage;
  }
  if (!printing &&
      (parser.isSet(QStringLiteral("wait")) || parser.isSet(QStringLiteral("one-job")))) {
    say(CommandLine::tr("--wait と --one-job は --printer か --print といっしょに使います"));
    return ExitStatus::Usage;
  }
  std::chrono::seconds wait(120);
  if (parser.isSet(QStringLiteral("wait"))) {
    const auto seconds = parseWholeNumber(parser.value(QStringLiteral("wait")).toStdString());
    if (!seconds || *seconds < 0 || *seconds > kLongestWait) {
      say(CommandLine::tr("--wait: 0から%1までの秒数にしてください").arg(kLongestWait));
      return ExitStatus::Usage;
    }
    wait = std::chrono::seconds(*seconds);
  }

  if (parser.isSet(QStringLiteral("output")) && parser.value(QStringLiteral("output")).isEmpty()) {
    say(CommandLine::tr("-o: ファイルの名前が空です"));
    return ExitStatus::Usage;
  }
  if (const QString conflict = reprintConflict(parser); !conflict.isEmpty()) {
    say(CommandLine::tr("%1: --reprint とはいっしょに使えません（コードがプリントを決めています）")
            .arg(conflict));
    return ExitStatus::Usage;
  }
  WorksheetJob job;
  if (const auto failed = fillJob(parser, job)) {
    say(refusalText(failed->refusal, failed->value));
    return ExitStatus::Usage;
  }
  const bool reprinting = parser.isSet(QStringLiteral("reprint"));
  const bool seedGiven = parser.isSet(QStringLiteral("seed")) || reprinting;
  if (!seedGiven)
    job.seed = drawnSeed();
  const JobCheck check = validateJob(job);
  if (const auto *refusal = std::get_if<Refusal>(&check)) {
    say(refusalText(*refusal, {}, &job));
    return ExitStatus::Usage;
  }
  const ResolvedJob &resolved = std::get<ResolvedJob>(check);
  if (const TypefaceInfo *missing = missingTypeface(resolved.sheet)) {
    say(CommandLine::tr("書体 %1 がありません（Debian のパッケージ %2 を入れてください）")
            .arg(fromUtf8(missing->family).replace(u':', u' '), fromUtf8(missing->package)));
    return ExitStatus::Failure;
  }
  if (!seedGiven)
    say(CommandLine::tr("シード %1（--seed %1 で同じプリントをもう一度作れます）")
            .arg(resolved.seed));
  const int32_t count = resolved.sheet.count;
  if (const int64_t different =
          differentProblems(resolved.sheet, factSpaces(resolved.sheet), count);
      different < count)
    say(CommandLine::tr("ちがう問題は %1 こだけなので、1枚の %2 問にはおなじ問題がくりかえし"
                        "出ます")
            .arg(different)
            .arg(count));

  if (printing)
    return printJob(resolved, parser, wait);

  const bool outputGiven = parser.isSet(QStringLiteral("output"));
  const QString output =
      outputGiven ? parser.value(QStringLiteral("output")) : QString(kDefaultOutput);

  const BatchWrite written = writeBatchPdf(resolved, output);
  if (written.outcome != BatchWrite::Outcome::Written) {
    say(CommandLine::tr("%1 を書き出せません: %2")
            .arg(output == kStandardOutput ? CommandLine::tr("標準出力に") : output,
                 written.error));
    return ExitStatus::Failure;
  }
  if (!outputGiven)
    say(CommandLine::tr("%2 に %1 ページを書き出しました").arg(written.pages).arg(output));
  return ExitStatus::Success;
}
