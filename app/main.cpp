// Project1: starts Numeriko.

#include "fonts.h"
#include "tform1.h"
#include "tform2.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numeriko"));
  // Lets the desktop match the window with the installed desktop entry.
  QApplication::setDesktopFileName(QStringLiteral("io.github.numeriko.Numeriko"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
  installFontSubstitutions();

  TForm1 form1;
  TForm2 form2;
  form1.show();
  return QApplication::exec();
}
