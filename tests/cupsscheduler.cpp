#include "cupsscheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <csignal>
#include <grp.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString kPpd = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
const QString kSystemServerBin = QStringLiteral("/usr/lib/cups");
const QString kFailing = QStringLiteral("numeriko-failing");
// Run with no arguments, a backend names the devices it finds; otherwise it
// fails the job as a backend that lost its printer does.
const QString kFailingBackend = QStringLiteral("#!/bin/sh\n"
                                               "if [ $# -eq 0 ]; then\n"
                                               "  echo 'direct numeriko-failing \"Unknown\" "
                                               "\"Always fails\"'\n"
                                               "  exit 0\n"
                                               "fi\n"
                                               "echo 'ERROR: the test printer is unplugged' >&2\n"
                                               "exit 1\n");
const QString kFailingFilter = QStringLiteral("#!/bin/sh\n"
                                              "cat >/dev/null\n"
                                              "echo 'ERROR: the test filter fails' >&2\n"
                                              "exit 1\n");
const QStringList kSystemFolders = {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                    QStringLiteral("/usr/bin"), QStringLiteral("/bin")};

QString findProgram(const QString &name) {
  const QString found = QStandardPaths::findExecutable(name);
  return found.isEmpty() ? QStandardPaths::findExecutable(name, kSystemFolders) : found;
}

bool write(const QString &file, const QString &text) {
  QFile out(file);
  return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         out.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

CupsScheduler::CupsScheduler() {
  qputenv("CUPS_SERVER", path(QStringLiteral("cups.sock")).toLocal8Bit());
  qputenv("CUPS_SERVERROOT", path(QStringLiteral("client")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

CupsScheduler::~CupsScheduler() { stop(); }

QString CupsScheduler::path(const QString &relative) const {
  return QDir(folder_.path()).filePath(relative);
}

QString CupsScheduler::start() {
  if (running())
    return {};
  const QString cupsd = findProgram(QStringLiteral("cupsd"));
  for (const char *program : {"lpadmin", "lpstat"})
    if (findProgram(QString::fromLatin1(program)).isEmpty())
      return QStringLiteral("%1 not found: scripts/deps.sh installs CUPS").arg(program);
  if (cupsd.isEmpty() || !QFile::exists(kPpd))
    return QStringLiteral("cupsd or the generic PDF printer's PPD not found: "
                          "scripts/deps.sh installs CUPS");
  if (!folder_.isValid())
    return QStringLiteral("no temporary folder: %1").arg(folder_.errorString());
  if (path(QStringLiteral("cups.sock")).toLocal8Bit().size() > 100)
    return QStringLiteral("the temporary folder's path is too long for a unix socket");

  for (const char *sub : {"spool/tmp", "cache", "state", "log", "out", "client"})
    QDir(folder_.path()).mkpath(QString::fromLatin1(sub));
  if (const QString failed = makeServerBin(); !failed.isEmpty())
    return failed;
  const bool root = geteuid() == 0;
  const group *own = getgrgid(getegid());
  const QString files = QStringLiteral("ServerRoot %1\n"
                                       "RequestRoot %1/spool\n"
                                       "TempDir %1/spool/tmp\n"
                                       "CacheDir %1/cache\n"
                                       "StateDir %1/state\n"
                                       "AccessLog %1/log/access_log\n"
                                       "ErrorLog %1/log/error_log\n"
                                       "PageLog %1/log/page_log\n"
                                       "Printcap %1/printcap\n"
                                       "ServerBin %1/serverbin\n"
                                       "FileDevice Yes\n"
                                       "SystemGroup %2\n")
                            .arg(folder_.path(), own ? QString::fromLocal8Bit(own->gr_name)
                                                     : QStringLiteral("root")) +
                        (root ? QStringLiteral("User lp\nGroup lp\n") : QString());
  const QString daemon = QStringLiteral("Listen %1/cups.sock\n"
                                        "Browsing No\n"
                                        "BrowseLocalProtocols none\n"
                                        "DefaultShared No\n"
                                        "WebInterface No\n"
                                        "LogLevel info\n"
                                        "PreserveJobFiles Yes\n"
                                        "PreserveJobHistory Yes\n"
                                        "<Location />\n"
                                        "  Order allow,deny\n"
                                        "  Allow all\n"
                                        "</Location>\n"
                                        "<Policy default>\n"
                                        "  JobPrivateAccess all\n"
                                        "  JobPrivateValues none\n"
                                        "  SubscriptionPrivateAccess all\n"
                                        "  SubscriptionPrivateValues none\n"
                                        "  <Limit All>\n"
                                        "    Order deny,allow\n"
                                        "  </Limit>\n"
                                        "</Policy>\n")
                             .arg(folder_.path());
  if (!write(path(QStringLiteral("cups-files.conf")), files) ||
      !write(path(QStringLiteral("cupsd.conf")), daemon))
    return QStringLiteral("cannot write the scheduler's configuration");

  QProcessEnvironment environment;
  environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                     QStringLiteral("unix:path=%1").arg(path(QStringLiteral("no-bus"))));
  cupsd_.setProcessEnvironment(environment);
  cupsd_.setProcessChannelMode(QProcess::MergedChannels);
  // Stopped with the test even when the test itself is killed.
  cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  cupsd_.start(cupsd,
               {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
  if (!cupsd_.waitForStarted())
    return QStringLiteral("cupsd did not start: %1").arg(cupsd_.errorString());

  const QDeadlineTimer deadline(30000);
  while (!deadline.hasExpired()) {
    if (cupsd_.state() == QProcess::NotRunning)
      return QStringLiteral("cupsd stopped at start:\n%1\n%2")
          .arg(QString::fromLocal8Bit(cupsd_.readAll()), log());
    const Result status = client(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    if (status.exitCode == 0 && status.output.contains(QStringLiteral("scheduler is running")))
      return {};
    QThread::msleep(50);
  }
  stop();
  return QStringLiteral("cupsd did not answer on its socket:\n%1").arg(log());
}

// The system's ServerBin, its filters and backends linked one by one, with
// the failing ones beside them.
QString CupsScheduler::makeServerBin() {
  const QDir system(kSystemServerBin);
  QDir own(path(QStringLiteral("serverbin")));
  if (!own.mkpath(QStringLiteral(".")))
    return QStringLiteral("cannot make the scheduler's ServerBin");
  for (const QString &entry : system.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const bool ofItsOwn = entry == QLatin1String("backend") || entry == QLatin1String("filter");
    if (!ofItsOwn) {
      QFile::link(system.filePath(entry), own.filePath(entry));
      continue;
    }
    own.mkpath(entry);
    const QDir from(system.filePath(entry));
    for (const QString &file : from.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
      QFile::link(from.filePath(file), own.filePath(entry + u'/' + file));
  }
  for (const auto &[folder, script] : {std::pair{QStringLiteral("backend"), kFailingBackend},
                                       std::pair{QStringLiteral("filter"), kFailingFilter}}) {
    const QString file = own.filePath(folder + u'/' + kFailing);
    if (!write(file, script) ||
        !QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther))
      return QStringLiteral("cannot write the failing %1").arg(folder);
  }
  return {};
}

QString CupsScheduler::addQueue(const QString &name, Device device) {
  QString uri = QStringLiteral("file://%1").arg(outputFile(name));
  QString ppdFile = kPpd;
  QStringList extra;
  if (device == Device::FailingBackend) {
    uri = kFailing + QStringLiteral(":/unplugged");
    extra = {QStringLiteral("-o"), QStringLiteral("printer-error-policy=abort-job")};
  } else if (device == Device::FailingFilter) {
    QFile generic(kPpd);
    if (!generic.open(QIODevice::ReadOnly))
      return QStringLiteral("cannot read %1").arg(kPpd);
    QString text = QString::fromLatin1(generic.readAll());
    text.replace(QStringLiteral("*cupsFilter: \"application/vnd.cups-pdf 0 -\""),
                 QStringLiteral("*cupsFilter: \"application/vnd.cups-pdf 0 %1\"").arg(kFailing));
    ppdFile = path(QStringLiteral("failing-filter.ppd"));
    if (!write(ppdFile, text))
      return QStringLiteral("cannot write %1").arg(ppdFile);
  }
  const Result added =
      client(QStringLiteral("lpadmin"),
             QStringList{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                         uri, QStringLiteral("-P"), ppdFile} +
                 extra);
  return added.exitCode == 0 ? QString() : added.output;
}

QString CupsScheduler::pause(const QString &name, const QString &reason) {
  const Result paused = client(QStringLiteral("cupsdisable"), {QStringLiteral("-r"), reason, name});
  return paused.exitCode == 0 ? QString() : paused.output;
}

QString CupsScheduler::reject(const QString &name, const QString &reason) {
  const Result rejected =
      client(QStringLiteral("cupsreject"), {QStringLiteral("-r"), reason, name});
  return rejected.exitCode == 0 ? QString() : rejected.output;
}

void CupsScheduler::stop() {
  if (cupsd_.state() == QProcess::NotRunning)
    return;
  cupsd_.terminate(); // SIGTERM to its process id; cupsd saves its queues and exits
  if (!cupsd_.waitForFinished(20000)) {
    cupsd_.kill();
    cupsd_.waitForFinished(5000);
  }
}

bool CupsScheduler::running() const { return cupsd_.state() != QProcess::NotRunning; }

CupsScheduler::Result CupsScheduler::client(const QString &program, const QStringList &arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(findProgram(program), arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
    return {-1, process.errorString()};
  return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

QString CupsScheduler::addDefaultQueue(const QString &name, const QString &paper) {
  const Result added =
      client(QStringLiteral("lpadmin"),
             {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
              QStringLiteral("file://%1").arg(outputFile()), QStringLiteral("-P"), kPpd,
              QStringLiteral("-o"), QStringLiteral("PageSize=") + paper});
  if (added.exitCode != 0)
    return added.output;
  const Result chosen = client(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
  return chosen.exitCode == 0 ? QString() : chosen.output;
}

QString CupsScheduler::removeQueue(const QString &name) {
  const Result removed = client(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
  return removed.exitCode == 0 ? QString() : removed.output;
}

QStringList CupsScheduler::queues() {
  // "printer <name> is idle. ..." for each queue.
  QStringList names;
  const Result listed = client(QStringLiteral("lpstat"), {QStringLiteral("-p")});
  for (const QString &line : listed.output.split(u'\n', Qt::SkipEmptyParts))
    if (line.startsWith(QStringLiteral("printer ")))
      names << line.section(u' ', 1, 1);
  return names;
}

QList<int> CupsScheduler::jobs(const QString &which) {
  // "<queue>-<id> <user> <size> <date>" for each job.
  static const QRegularExpression id(QStringLiteral("^\\S+-(\\d+)\\s"));
  QList<int> ids;
  const Result listed =
      client(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o")});
  for (const QString &line : listed.output.split(u'\n', Qt::SkipEmptyParts))
    if (const QRegularExpressionMatch match = id.match(line); match.hasMatch())
      ids << match.captured(1).toInt();
  std::sort(ids.begin(), ids.end());
  return ids;
}

bool CupsScheduler::waitUntilIdle(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!deadline.hasExpired()) {
    const Result pending = client(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    if (pending.exitCode == 0 && pending.output.trimmed().isEmpty())
      return true;
    QTest::qWait(100);
  }
  return false;
}

QString CupsScheduler::spooledDocument(int job) const {
  return path(QStringLiteral("spool/d%1-001").arg(job, 5, 10, QLatin1Char('0')));
}

QStringList CupsScheduler::spooledDocuments() const {
  return QDir(path(QStringLiteral("spool")))
      .entryList({QStringLiteral("d*")}, QDir::Files, QDir::Name);
}

QString CupsScheduler::outputFile() const { return path(QStringLiteral("out/sheet.pdf")); }

QString CupsScheduler::outputFile(const QString &queue) const {
  return path(QStringLiteral("out/%1.pdf").arg(queue));
}

QString CupsScheduler::ppd(const QString &queue) const {
  return path(QStringLiteral("ppd/%1.ppd").arg(queue));
}

QString CupsScheduler::log() const {
  QFile file(path(QStringLiteral("log/error_log")));
  return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll().right(4000))
                                        : QString();
}
