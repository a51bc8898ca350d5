// numeriko-worksheets: the worksheet program. With --gui, or with no
// options on a desktop, it opens its window; otherwise it is a command line.

#include "commandline.h"
#include "printtypefaces.h"
#include "translations.h"
#include "worksheetwindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include <csignal>
#include <cstring>
#include <memory>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt warns when the session has no runtime folder, which a command line run
// from a service or a root shell often lacks, and which PDF writing never uses.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    return;
  qtHandler(type, context, message);
}

bool wantsWindow(int argc, char *argv[]) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gui") == 0)
      return true;
  const bool desktop =
      !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  return argc == 1 && desktop;
}

void prepare(QGuiApplication &application) {
  QGuiApplication::setApplicationName(QStringLiteral("numeriko-worksheets"));
  QGuiApplication::setApplicationVersion(QStringLiteral(NUMERIKO_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numeriko.Worksheets"));
  installPrintTypefaces();
  installTranslations(application, QLocale::system());
}

} // namespace

int main(int argc, char *argv[]) {
  qtHandler = qInstallMessageHandler(quietHandler);
  if (wantsWindow(argc, argv)) {
    QApplication application(argc, argv);
    prepare(application);
    WorksheetWindow window;
    window.show();
    return QApplication::exec();
  }
  // Fonts and PDF writing need a GUI application, not a screen: without a
  // platform asked for, the command line runs on none.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // A closed standard output is reported as a failed write, not a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  QGuiApplication application(argc, argv);
  prepare(application);
  return static_cast<int>(runCommandLine(QGuiApplication::arguments()));
}
