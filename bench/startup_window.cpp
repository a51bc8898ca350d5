// Starts the program as app/main.cpp does (font substitutions, the main window
// built from its definition, the hidden second window) and ends at the main
// window's first painted frame.

#include "firstframe.h"
#include "fonts.h"
#include "tform1.h"
#include "tform2.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numeriko"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.numeriko.Numeriko"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
  installFontSubstitutions();

  TForm1 form1;
  TForm2 form2;
  quitAtFirstFrame(&form1);
  form1.show();
  return QApplication::exec();
}
