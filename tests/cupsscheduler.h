#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own, so that printing goes through a real
// print spooler without touching the machine's printing set-up.
//
// Everything lives in a temporary folder: cupsd.conf, cups-files.conf, the
// queues, the spool, the logs, the printcap and the socket. The scheduler
// listens on that unix socket only (no port, no browsing, no web interface); it
// runs in the foreground as a child of the test and is stopped by its process
// id, or by the kernel when the test dies first. The machine's D-Bus system bus
// is out of its reach, so no queue of it is announced to other services. This
// process's CUPS clients (Qt's print support, lpadmin, lpstat) are pointed at
// it with CUPS_SERVER, and read no client.conf or lpoptions of the machine
// (CUPS_SERVERROOT names an empty folder; a user's own ~/.cups/lpoptions still
// counts); PRINTER and LPDEST are unset. libcups reads these at first use, so
// the scheduler is made before anything asks CUPS for printers.
//
// Running as root: cupsd refuses "User root" in cups-files.conf ("for security
// reasons"), and runs the filters as the User and Group given there. "User lp"
// and "Group lp" work: at start cupsd makes its ServerRoot (the temporary
// folder) root:lp 0755 and the spool root:lp 0710, so the filters reach the
// PPD and the job files; the file device itself is written by cupsd. No
// sandboxing setting is needed on Linux. Run as another user, cupsd runs the
// filters as that user, and User and Group are left out.
//
// The scheduler's ServerBin is a folder of its own that holds the system's
// filters and backends and, beside them, a backend and a filter that always
// fail, for queues whose jobs must fail.
//
// "FileDevice Yes" lets a queue print to a file:// device; the queue made here
// turns Qt's PDF into sheet.pdf in the output folder through the generic PDF
// printer's filters, overwriting it with every job. "PreserveJobFiles Yes"
// keeps each submitted document in the spool (d<job id>-001), so every job's
// document can be read back on its own.
class CupsScheduler {
public:
  CupsScheduler();
  ~CupsScheduler();
  CupsScheduler(const CupsScheduler &) = delete;
  CupsScheduler &operator=(const CupsScheduler &) = delete;

  // Starts the scheduler and waits until it answers; the reason when it
  // cannot be started (CUPS not installed, the scheduler not answering).
  [[nodiscard]] QString start();
  void stop();
  [[nodiscard]] bool running() const;

  // Adds a queue printing to the output file, enabled and accepting jobs,
  // with the paper given (a PPD page size such as "A4"), or sets an existing
  // one up so again, and makes it the default; a failure's output, or empty.
  [[nodiscard]] QString addDefaultQueue(const QString &name, const QString &paper);
  [[nodiscard]] QString removeQueue(const QString &name);
  // Where a queue made by addQueue() sends its jobs.
  enum class Device {
    File,           // the queue's own file in the output folder, "<name>.pdf"
    FailingBackend, // a backend that fails every job; the queue aborts the job
    FailingFilter,  // the PDF printer's PPD with a last filter that always fails
  };
  [[nodiscard]] QString addQueue(const QString &name, Device device);
  // Stops a queue (it still takes jobs), or makes it refuse jobs, with a reason.
  [[nodiscard]] QString pause(const QString &name, const QString &reason);
  [[nodiscard]] QString reject(const QString &name, const QString &reason);
  [[nodiscard]] QStringList queues();

  // The ids of the jobs lpstat lists: "not-completed", "completed" or "all".
  [[nodiscard]] QList<int> jobs(const QString &which);
  // Waits until no job is pending or printing, for at most `timeoutMs`.
  [[nodiscard]] bool waitUntilIdle(int timeoutMs);
  // The document a job was submitted with, as the spool keeps it.
  [[nodiscard]] QString spooledDocument(int job) const;
  // Every document file in the spool.
  [[nodiscard]] QStringList spooledDocuments() const;
  // The file the queue's device writes.
  [[nodiscard]] QString outputFile() const;
  [[nodiscard]] QString outputFile(const QString &queue) const;
  // The PPD the scheduler keeps for a queue, with the queue's settings.
  [[nodiscard]] QString ppd(const QString &queue) const;
  // The scheduler's error log, for failure messages.
  [[nodiscard]] QString log() const;

private:
  struct Result {
    int exitCode = -1;
    QString output;
  };
  Result client(const QString &program, const QStringList &arguments);
  [[nodiscard]] QString makeServerBin();
  [[nodiscard]] QString path(const QString &relative) const;

  QTemporaryDir folder_;
  QProcess cupsd_;
};

// Skips a test whose scheduler could not be started, on a machine without
// CUPS; fails it where the run promises one (NUMERIKO_REQUIRE_CUPS, which
// scripts/test.sh sets once it has installed CUPS), so that a broken
// scheduler cannot pass as a skip.
#define NUMERIKO_NEED_SCHEDULER(started)                                                           \
  do {                                                                                             \
    if (const QString failure = (started); !failure.isEmpty()) {                                   \
      const QString why = QStringLiteral("no CUPS scheduler could be started: ") + failure;        \
      if (qEnvironmentVariableIsSet("NUMERIKO_REQUIRE_CUPS"))                                      \
        QFAIL(qPrintable(why));                                                                    \
      QSKIP(qPrintable(why));                                                                      \
    }                                                                                              \
  } while (false)
