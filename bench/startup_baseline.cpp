// The yardstick for start-up: a bare Qt window with one label, shown and
// ended at its first painted frame, built the same way as the program.

#include "firstframe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Numeriko"));
  quitAtFirstFrame(&label);
  label.show();
  return QApplication::exec();
}
