// numeriko-worksheets: the worksheet program's command line.

#include "commandline.h"
#include "printtypefaces.h"

#include <QGuiApplication>

#include <csignal>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt warns when the session has no runtime folder, which a command line run
// from a service or a root shell often lacks, and which PDF writing never uses.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    return;
  qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[]) {
  // Fonts and PDF writing need a GUI application, not a screen: without a
  // platform asked for, the command line runs on none.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // A closed standard output is reported as a failed write, not a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  qtHandler = qInstallMessageHandler(quietHandler);
  QGuiApplication application(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("numeriko-worksheets"));
  QGuiApplication::setApplicationVersion(QStringLiteral(NUMERIKO_VERSION));
  installPrintTypefaces();
  return static_cast<int>(runCommandLine(QGuiApplication::arguments()));
}
