// Start-up, a ten-problem run answered on the keyboard, its results and the
// window closed: the program's life in small, for valgrind's memcheck
// (memcheck_test). Exits with 1 when the run did not go as a child's
// would.

#include "formfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <cstdio>

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  bool ran = false;
  {
    FormFixture f;
    f.startRun(0); // "１０だい"
    for (int problem = 1; problem <= 10; ++problem) {
      f.type(QString::number(f.answerOnScreen()));
      f.runOutFeedback();
    }
    f.form->Timer2Timer(f.control<QObject>("Timer2"));
    ran = f.control<QLineEdit>("Edit7")->text() == QStringLiteral("10") &&
          f.control<QLineEdit>("Edit2")->text() == QStringLiteral("10") &&
          !f.control<QLineEdit>("Edit5")->isHidden();
    f.form->close();
    QCoreApplication::processEvents();
  }
  if (!ran)
    std::fprintf(stderr, "tenproblemrun: the run did not end with its results\n");
  return ran ? 0 : 1;
}
