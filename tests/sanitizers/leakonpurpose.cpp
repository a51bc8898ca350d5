// Leaks on purpose from a handler running in the main window's event loop, to
// show that LeakSanitizer, with the suppressions of tests/sanitizers, still
// reports a leak of the program's own: leak_detection_test passes only when
// the report names this leak.

#include "formfixture.h"

#include <QAbstractButton>
#include <QApplication>

namespace {

int *volatile gLost = nullptr;

} // namespace

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  FormFixture f;
  QObject::connect(f.control<QAbstractButton>("BitBtn3"), &QAbstractButton::clicked, f.form.get(),
                   [] { gLost = new int[16]{}; });
  f.click(f.control("BitBtn3"));
  gLost = nullptr;
  return 0;
}
