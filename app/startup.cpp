#include "startup.h"

#include "fonts.h"

#include <QApplication>

void prepareApplication() {
  QApplication::setApplicationName(QStringLiteral("Numeriko"));
  // Lets the desktop match the window with the installed desktop entry.
  QApplication::setDesktopFileName(QStringLiteral("io.github.numeriko.Numeriko"));
  installFontSubstitutions();
}
