// Printing through a real print spooler: a CUPS scheduler of the test's own,
// with queues that print, pause, refuse, vanish, and fail in their backend or
// filter. Each job must end as the spooler says, with the exit status the
// command line gives for it, and no request may wait for ever.

#include "batchwriter.h"
#include "cupsscheduler.h"
#include "printtypefaces.h"
#include "spooledprint.h"
#include "worksheetpresets.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

ResolvedJob division(int sheets) {
  WorksheetJob job;
  job.preset = &kWorksheetPresets[1];
  job.sheets = sheets;
  job.answers = true;
  job.seed = 7;
  return std::get<ResolvedJob>(validateJob(job));
}

int pagesOf(const QString &pdf) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
  pdfinfo.waitForFinished();
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
          .match(QString::fromLocal8Bit(pdfinfo.readAllStandardOutput()));
  return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

struct Command {
  int exitCode = -1;
  QString said;
};

Command worksheets(const QStringList &arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
  environment.remove(QStringLiteral("DISPLAY"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(NUMERIKO_WORKSHEETS), arguments);
  if (!process.waitForFinished(60000))
    return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class WorksheetsSpoolTest : public QObject {
  Q_OBJECT

  std::unique_ptr<CupsScheduler> cups_;

  SpoolRun print(const QString &queue, int sheets, std::chrono::milliseconds wait) {
    SpoolRequest request;
    request.queue = queue.toStdString();
    request.wait = wait;
    const ResolvedJob job = division(sheets);
    return printThroughSpooler(job, spoolerJobs(job, false), request);
  }

private Q_SLOTS:
  void initTestCase() {
    installPrintTypefaces();
    // Before anything asks CUPS: libcups reads CUPS_SERVER once in each thread.
    cups_ = std::make_unique<CupsScheduler>();
    NUMERIKO_NEED_SCHEDULER(cups_->start());
  }
  void cleanupTestCase() { cups_.reset(); }

  void eachJobShouldEndAsTheSpoolerSays() {
    using Device = CupsScheduler::Device;
    using namespace std::chrono_literals;
    for (const auto &[queue, device] : {std::pair{QStringLiteral("Done"), Device::File},
                                        {QStringLiteral("Paused"), Device::File},
                                        {QStringLiteral("Closed"), Device::File},
                                        {QStringLiteral("Gone"), Device::File},
                                        {QStringLiteral("Unplugged"), Device::FailingBackend},
                                        {QStringLiteral("BadFilter"), Device::FailingFilter}})
      QVERIFY2(cups_->addQueue(queue, device).isEmpty(), qPrintable(cups_->log()));

    // Printed: one job for each sheet and its answers, as the spool holds them.
    SpoolRun run = print(QStringLiteral("Done"), 3, 60s);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Printed);
    QCOMPARE(run.jobs.size(), std::size_t(3));
    for (const JobReport &job : run.jobs) {
      QCOMPARE(job.outcome, JobOutcome::Printed);
      QCOMPARE(pagesOf(cups_->spooledDocument(job.id)), 2);
    }
    QCOMPARE(pagesOf(cups_->outputFile(QStringLiteral("Done"))), 2);

    // Paused: taken, and still waiting with the pause's reason when the wait ends.
    QVERIFY(
        cups_->pause(QStringLiteral("Paused"), QStringLiteral("toner is being changed")).isEmpty());
    QElapsedTimer clock;
    clock.start();
    run = print(QStringLiteral("Paused"), 2, 1s);
    QVERIFY(clock.elapsed() < 8000);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Waiting);
    QCOMPARE(run.queueAtStart.state, QueueState::Paused);
    QCOMPARE(run.queueAtStart.message, std::string("toner is being changed"));
    QCOMPARE(run.jobs.at(1).outcome, JobOutcome::Waiting);
    QCOMPARE(run.jobs.at(1).status.state, JobState::Pending);

    // Cancelled after the first job: nothing more is sent, and that job stays queued.
    SpoolRequest paused;
    paused.queue = "Paused";
    const ResolvedJob three = division(3);
    int queued = cups_->jobs(QStringLiteral("not-completed")).size();
    run = printThroughSpooler(three, spoolerJobs(three, false), paused, [](SpoolProgress progress) {
      return progress.step != SpoolProgress::Step::Submitted;
    });
    QVERIFY(run.cancelled);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Printed);
    QCOMPARE(run.jobs.at(0).outcome, JobOutcome::HandedOver);
    QCOMPARE(run.jobs.at(2).outcome, JobOutcome::NotSubmitted);
    QVERIFY(run.jobs.at(1).id == 0 && !run.jobs.at(1).error);
    QCOMPARE(cups_->jobs(QStringLiteral("not-completed")).size(), queued + 1);

    // Not accepting: refused before anything is sent.
    QVERIFY(cups_->reject(QStringLiteral("Closed"), QStringLiteral("out of paper")).isEmpty());
    const QList<int> before = cups_->jobs(QStringLiteral("all"));
    run = print(QStringLiteral("Closed"), 2, 10s);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Failed);
    QVERIFY(run.failure && run.failure->problem == SpoolProblem::Refused);
    QCOMPARE(run.failure->message, std::string("out of paper"));
    QCOMPARE(cups_->jobs(QStringLiteral("all")), before);

    // Removed between two sheets: the second is never sent, and says why.
    SpoolRequest request;
    request.queue = "Gone";
    request.jobs = 2;
    const ResolvedJob job = division(2);
    const auto jobs = spoolerJobs(job, false);
    SpoolHooks hooks;
    QString removed = QStringLiteral("not yet");
    hooks.render = [&](std::size_t index) -> std::optional<std::string> {
      if (index == 1)
        removed = cups_->removeQueue(QStringLiteral("Gone"));
      return partsPdf(job, jobs[index])->toStdString();
    };
    run = printSpooled(request, hooks);
    QCOMPARE(removed, QString());
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Failed);
    QCOMPARE(run.jobs.at(1).outcome, JobOutcome::NotSubmitted);
    QCOMPARE(run.jobs.at(1).error->problem, SpoolProblem::NoSuchQueue);
    QVERIFY(run.jobs.at(0).id != 0);

    // A backend that fails aborts the job; a filter that fails ends it in error.
    run = print(QStringLiteral("Unplugged"), 1, 30s);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Failed);
    QCOMPARE(run.jobs.at(0).outcome, JobOutcome::Failed);
    QCOMPARE(run.jobs.at(0).status.state, JobState::Aborted);
    run = print(QStringLiteral("BadFilter"), 1, 30s);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Failed);
    QCOMPARE(run.jobs.at(0).outcome, JobOutcome::Failed);

    // The command line says the same, with the same exit status.
    Command said =
        worksheets({QStringLiteral("--preset"), QStringLiteral("div90"), QStringLiteral("--sheets"),
                    QStringLiteral("3"), QStringLiteral("--printer"), QStringLiteral("Done")});
    QCOMPARE(said.exitCode, 0);
    QCOMPARE(said.said.count(QStringLiteral("印刷しました（ジョブ Done-")), 3);
    said = worksheets({QStringLiteral("--preset"), QStringLiteral("div90"),
                       QStringLiteral("--printer"), QStringLiteral("Paused"),
                       QStringLiteral("--wait"), QStringLiteral("1")});
    QCOMPARE(said.exitCode, 3);
    QVERIFY2(said.said.contains(QStringLiteral("toner is being changed")), qPrintable(said.said));
    said = worksheets({QStringLiteral("--preset"), QStringLiteral("div90"),
                       QStringLiteral("--printer"), QStringLiteral("Closed")});
    QCOMPARE(said.exitCode, 1);
    QVERIFY2(said.said.contains(QStringLiteral("out of paper")), qPrintable(said.said));
    said = worksheets({QStringLiteral("--preset"), QStringLiteral("div90"),
                       QStringLiteral("--printer"), QStringLiteral("Nowhere")});
    QCOMPARE(said.exitCode, 1);
    QVERIFY2(said.said.contains(QStringLiteral("Nowhere")), qPrintable(said.said));
    said = worksheets({QStringLiteral("--list-printers")});
    QCOMPARE(said.exitCode, 0);
  }

  // A scheduler that takes the connection and never answers: every request
  // gives up within its limit.
  void noRequestShouldWaitForEver() {
    QTemporaryDir folder;
    const QString socketPath = folder.filePath(QStringLiteral("mute.sock"));
    const int mute = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, socketPath.toLocal8Bit().constData(), sizeof address.sun_path);
    QVERIFY(bind(mute, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(listen(mute, 8) == 0);

    SpoolRun run;
    QElapsedTimer clock;
    clock.start();
    std::thread([&] {
      cupsSetServer(socketPath.toLocal8Bit().constData()); // this thread's only
      SpoolRequest request;
      request.queue = "Anything";
      request.requestLimit = std::chrono::milliseconds(500);
      run = printSpooled(request, {});
    }).join();
    ::close(mute);
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(run.failure);
    QCOMPARE(run.failure->problem, SpoolProblem::NoAnswer);
    QCOMPARE(spoolVerdict(run), SpoolVerdict::Failed);
  }
};

QTEST_MAIN(WorksheetsSpoolTest)
#include "worksheets_spool_test.moc"
