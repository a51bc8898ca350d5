// Starts the program as app/main.cpp does and ends at the main window's first
// painted frame.

#include "firstframe.h"
#include "startup.h"
#include "startupwarmup.h"
#include "tform1.h"
#include "tform2.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  StartupWarmUp warmUp;
  QApplication application(argc, argv);
  warmUp.applicationCreated();
  prepareApplication();

  TForm1 form1;
  TForm2 form2;
  QApplication::setWindowIcon(warmUp.icon());
  quitAtFirstFrame(&form1);
  form1.show();
  return QApplication::exec();
}
