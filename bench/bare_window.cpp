// The yardstick for the drill window's start-up on an X server: a bare Qt
// window with one label, of the drill window's size, and nothing else. It runs
// until it is ended, as the drill window does.

#include "formdefinition.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Numeriko"));
  const WindowDef &window = form1Window();
  label.resize(window.clientWidth, window.clientHeight);
  label.show();
  return QApplication::exec();
}
