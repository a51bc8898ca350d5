// numeriko_worksheets_manual: writes the manual page numeriko-worksheets(1)
// and the program's bash completion from its option table, its tables and
// its English help, so that neither is a copy kept by hand. A tool of the
// build; it is not installed.
// Usage: numeriko_worksheets_manual <date> <manual page> <bash completion>

#include "bashcompletion.h"
#include "commandlinetexts.h"
#include "manualpage.h"
#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSaveFile>

#include <cstdio>
#include <stdexcept>

namespace {

void write(const QString &path, const QString &text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             file.errorString().toStdString());
}

// Without the translation the page would be the Japanese help.
void requireEnglish() {
  const char *source = QT_TRANSLATE_NOOP("CommandLine", "このヘルプを出します。");
  if (CommandLine::tr(source) == QString::fromUtf8(source))
    throw std::runtime_error("the English translation is not loaded");
}

} // namespace

int main(int argc, char *argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("numeriko-worksheets"));
  QCoreApplication::setApplicationVersion(QStringLiteral(NUMERIKO_VERSION));
  installTranslations(application, QLocale(QLocale::English));
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 4) {
    std::fputs("usage: numeriko_worksheets_manual <date> <manual page> <bash completion>\n",
               stderr);
    return 2;
  }
  try {
    requireEnglish();
    write(arguments[2], manualPage(arguments[1]));
    write(arguments[3], bashCompletion());
  } catch (const std::runtime_error &error) {
    std::fprintf(stderr, "numeriko_worksheets_manual: %s\n", error.what());
    return 1;
  }
  return 0;
}
